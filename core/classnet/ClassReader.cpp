#include "ClassReader.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <tuple>

#include "ClassOverviewReport.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "ReportReader.h"
#include "SingLog.h"
#include "Storage.h"

namespace {

// errors.dat's counts, so many tokens to one drill's statistics.
constexpr size_t kErrorTokens = static_cast<size_t>(kStatClasses) * kStatCounts;

}  // namespace

void AppendLogPart(std::string& log, std::string_view part) {
  part = PracticeLogEnd(part);
  if (part.empty()) return;
  if (!log.empty() && log.back() != '\n' && part.front() != '\r' && part.front() != '\n') log += "\r\n";
  log.append(part);
}

// Older folded parts hold several drills' statistics one after the other.
void AddErrorPart(ErrorStats& into, std::string_view text) {
  text = PracticeLogEnd(text);
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    for (size_t tokens = 0; tokens < kErrorTokens && end < text.size(); ++tokens) {
      while (end < text.size() && std::isspace(static_cast<unsigned char>(text[end]))) ++end;
      while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
    }
    const std::string_view block = text.substr(pos, end - pos);
    if (block.find_first_not_of(" \t\r\n") == std::string_view::npos) break;
    AddStats(into, ParseErrorStats(block));
    pos = end;
  }
}

std::vector<std::string> PartsToRead(const FolderFiles& files, std::string_view stem) {
  std::vector<std::pair<ServerPart, std::string>> parts;
  for (const auto& [name, bytes] : files) {
    auto part = ParsePartName(name);
    if (part && part->stem == stem) parts.emplace_back(std::move(*part), name);
  }
  // Per device by first number, the wider range first, so that it covers what follows it.
  std::sort(parts.begin(), parts.end(), [](const auto& a, const auto& b) {
    return std::tuple(a.first.device, a.first.first, b.first.last, a.second) <
           std::tuple(b.first.device, b.first.first, a.first.last, b.second);
  });
  std::vector<std::string> names;
  const ServerPart* cover = nullptr;
  for (const auto& [part, name] : parts) {
    if (cover && cover->device == part.device && part.last <= cover->last) continue;
    cover = &part;
    names.push_back(name);
  }
  return names;
}

FolderReader::FolderReader(std::string account, const FolderFiles& files, int32_t today)
    : account_(std::move(account)),
      today_(today),
      rows_(today),
      log_(std::make_unique<ReportLogReader>([this](LoggedDrill&& drill) { rows_.Add(drill); })) {
  for (const std::string& name : PartsToRead(files, "report.dat")) AppendLogPart(report_, files.at(name));
  for (const std::string& name : PartsToRead(files, "practice.dat")) AppendLogPart(practice_, files.at(name));
  for (const std::string& name : PartsToRead(files, "errors.dat")) errors_.push_back(files.at(name));
  for (const std::string& name : PartsToRead(files, kSingFileName)) AppendLogPart(sing_, files.at(name));
}

FolderReader::~FolderReader() = default;

bool FolderReader::Step(size_t bytes) {
  if (read_ < report_.size()) {
    const size_t n = std::min(bytes, report_.size() - read_);
    log_->Feed(std::string_view(report_).substr(read_, n));
    read_ += n;
    return false;
  }
  if (!practiceLog_) practiceLog_ = std::make_unique<PracticeLog>(ParsePracticeLines(practice_));
  return true;
}

FolderReading FolderReader::Finish() {
  while (!Step(SIZE_MAX)) {
  }
  FolderReading folder;
  const ReportLog log = log_->Finish();
  // The folder's records are its account's: the names inside them choose no row.
  PersonFigures& row = folder.row;
  for (const PersonFigures& p : rows_.Rows(log)) row.Merge(p);
  row.name = account_;
  row.unknown = false;

  PracticeLog& practice = *practiceLog_;
  std::vector<PersonFigures> practised;
  AddClassPractice(practised, practice, today_);
  for (const PersonFigures& p : practised) row.Merge(p);
  // Merge adds these again.
  row.unverified = log.unverified;
  row.ambiguous = log.ambiguous;

  if (!practice.records.empty()) {
    for (PracticeRecord& r : practice.records) r.person = account_;
    auto figures = StudentClassFigures(practice, kStudentClassesShown);
    if (!figures.empty()) folder.student = std::move(figures.begin()->second);
  }

  for (const std::string& part : errors_) AddErrorPart(folder.errors, part);

  // Every sung try in the folder is its account's, as its drills are; a line
  // that fails its check is the account's unverified record.
  const SingLog sing = ParseSingLog(sing_);
  const SingCounts sung = CountSing(sing);
  row.singQuestions += sung.sung;
  row.singFirstTry += sung.firstTryRight;
  row.unverified += sing.damaged;

  folder.records = log.records + sing.lines;
  folder.unverified = log.unverified + sing.damaged;
  folder.ambiguous = log.ambiguous;
  folder.practiceDamaged = practice.damaged;
  return folder;
}

FolderReading ReadFolder(const std::string& account, const FolderFiles& files, int32_t today) {
  return FolderReader(account, files, today).Finish();
}

void ClassReader::Add(const std::string& account, FolderReading folder) {
  if (folder.student) reading_.students[account] = std::move(*folder.student);
  AddStats(reading_.errors, folder.errors);
  reading_.records += folder.records;
  reading_.unverified += folder.unverified;
  reading_.ambiguous += folder.ambiguous;
  reading_.practiceDamaged += folder.practiceDamaged;
  PersonFigures& row = folder.row;
  row.name = account;
  auto at = std::lower_bound(reading_.rows.begin(), reading_.rows.end(), account,
                             [](const PersonFigures& p, const std::string& name) { return p.name < name; });
  if (at != reading_.rows.end() && at->name == account) at->Merge(row);
  else reading_.rows.insert(at, std::move(row));
}

ClassReading ClassReader::Finish() {
  for (auto& table : reading_.highScores) table.clear();
  for (const PersonFigures& p : reading_.rows)
    for (size_t m = 0; m < kModes; ++m)
      if (p.bestScore[m]) reading_.highScores[m].push_back({p.name, *p.bestScore[m]});
  for (auto& table : reading_.highScores)
    std::stable_sort(table.begin(), table.end(),
                     [](const ClassHighScore& a, const ClassHighScore& b) { return a.score > b.score; });
  ClassReading done = std::move(reading_);
  reading_ = ClassReading{};
  return done;
}

std::string JoinedParts(const FolderFiles& files, std::string_view stem) {
  std::string log;
  for (const std::string& name : PartsToRead(files, stem)) AppendLogPart(log, files.at(name));
  return log;
}

ClassReading ReadClass(const ClassFiles& files, int32_t today) {
  ClassReader reader(today);
  for (const auto& [account, folder] : files) reader.AddFolder(account, folder);
  return reader.Finish();
}

namespace {

std::optional<std::vector<std::pair<std::string, bool>>> ListFolder(const std::string& path) {
  DIR* dir = ::opendir(path.c_str());
  if (!dir) return std::nullopt;
  std::vector<std::pair<std::string, bool>> entries;
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (::stat((path + "/" + name).c_str(), &st) != 0) continue;
    entries.emplace_back(name, S_ISDIR(st.st_mode));
  }
  ::closedir(dir);
  return entries;
}

}  // namespace

std::optional<ClassFiles> ReadLocalClass(const std::string& folder, std::vector<std::string>* unreadable) {
  const auto accounts = ListFolder(folder);
  if (!accounts) return std::nullopt;
  ClassFiles files;
  for (const auto& [account, isFolder] : *accounts) {
    // A sync client's own folders start with a dot.
    if (!isFolder || account.front() == '.') continue;
    const std::string path = folder + "/" + account;
    const auto entries = ListFolder(path);
    if (!entries) {
      if (unreadable) unreadable->push_back(account);
      continue;
    }
    FolderFiles& own = files[account];
    for (const auto& [name, sub] : *entries) {
      if (sub || !ParsePartName(name)) continue;
      if (auto bytes = ReadFileBytes(path + "/" + name)) {
        own[name] = std::move(*bytes);
      } else if (unreadable) {
        unreadable->push_back(account + "/" + name);
      }
    }
  }
  return files;
}
