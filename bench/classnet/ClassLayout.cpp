#include "ClassLayout.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <tuple>

#include "ClassFigures.h"
#include "ClassReader.h"
#include "ErrorStats.h"
#include "PracticeLog.h"
#include "ReportReader.h"
#include "SessionLog.h"
#include "WebDav.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kStems[] = {"report.dat", "practice.dat", "errors.dat"};
enum Stem { kReport, kPractice, kErrors };

int32_t Today() { return static_cast<int32_t>(std::time(nullptr) / 86400 + 25569); }
// Day 0, 30 December 1899, was a Saturday.
bool SchoolDay(int32_t day) { return (day + 5) % 7 < 5; }

std::string Number(uint64_t n) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%08llu", static_cast<unsigned long long>(n));
  return digits;
}

std::string ClassName(int cardinality, int listIndex) {
  const int n = listIndex + 1;
  const bool z = cardinality == 4 && (n == 15 || n == 29);
  return std::to_string(cardinality) + "-" + (z ? "Z" : "") + std::to_string(n);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Part {
  uint64_t number;
  std::string bytes;
  ErrorStats stats{};  // errors.dat parts: their counts, folded by adding
};

// One device of a student: its counter runs across the stems, as the
// outbox's does.
struct Device {
  std::string name;
  uint64_t next = 1;
  std::vector<Part> parts[3];
};

std::string DeviceName(std::mt19937& rng) {
  static const char* letters = "abcdefghijkmnpqrstuvwxyz23456789";
  std::string name;
  for (int i = 0; i < 12; ++i) name += letters[rng() % 32];
  return name;
}

int64_t Answers(const ErrorStats& stats) {
  int64_t n = 0;
  for (const auto& s : stats) n += int64_t{s.Correct[0]} + s.Correct[1] + s.Wrong[0] + s.Wrong[1];
  return n;
}

// A drill as the session appends it: S, F, D, and F and D again for a range
// changed midway; its error statistics when it was eligible and reached END.
void AddDrill(std::mt19937& rng, Device& device, const std::string& person, int32_t day,
              ClassLayoutFigures& figures, ClassLayoutFigures::Account& truth) {
  const int mode = static_cast<int>(rng() % 6);
  const bool tetrachords = mode >= 3;
  const int classes = tetrachords ? 29 : 12;
  const bool allEnabled = rng() % 5 != 0;
  FilterState filters = tetrachords ? FilterState{65535, 8191, mode} : FilterState{4095, 0, mode};
  if (!allEnabled) filters.LowMask &= ~static_cast<int32_t>(1 << (rng() % 12));
  const int segments = rng() % 8 == 0 ? 2 : 1;
  const bool ended = rng() % 10 != 0;

  std::string bytes = "\r\n" + StartRecordText(day, 0, person) + "\r\n" + FilterRecordText(filters);
  int records = 2;
  bool verified = false;
  int32_t drillRight = 0;
  for (int s = 0; s < segments; ++s) {
    if (s > 0) {
      bytes += "\r\n" + FilterRecordText(FilterState{filters.LowMask, filters.HighMask, (mode + 1) % 3 + (tetrachords ? 3 : 0)});
      ++records;
    }
    const auto right = static_cast<int32_t>(ended ? 5 + rng() % 36 : rng() % 5);
    const auto wrong = static_cast<int32_t>(rng() % 9);
    double check = SegmentCheckValue(person, day, right, wrong);
    if (rng() % 2000 == 0) {
      check += 1;  // a record changed by hand
      ++figures.tampered;
    } else {
      verified = true;
      truth.right += right;
      truth.wrong += wrong;
      drillRight += right;
    }
    bytes += "\r\n" + SegmentRecordText(right, wrong, 60 + rng() % 540, check);
    ++records;
  }
  figures.reportRecords += records;
  if (verified) ++truth.drills;
  device.parts[kReport].push_back({device.next++, bytes, {}});

  if (!allEnabled || segments > 1 || !ended) return;
  ErrorStats stats{};
  const int offset = tetrachords ? 12 : 0;
  for (int32_t i = 0; i < drillRight; ++i)
    AddCorrectAnswer(stats, offset + static_cast<int>(rng() % classes), static_cast<int>(rng() % 2), static_cast<int>(rng() % 17));
  for (int i = 0; i < 3; ++i)
    AddWrongAnswer(stats, offset + static_cast<int>(rng() % classes), static_cast<int>(rng() % 2), static_cast<int>(rng() % 17),
                   static_cast<int>(rng() % classes));
  truth.errorAnswers += Answers(stats);
  device.parts[kErrors].push_back({device.next++, FormatErrorStats(stats), stats});
}

void AddPractice(std::mt19937& rng, Device& device, const std::string& person, int32_t day,
                 ClassLayoutFigures& figures, ClassLayoutFigures::Account& truth) {
  std::string bytes;
  int32_t second = 15 * 3600 + static_cast<int32_t>(rng() % 20000);
  const int questions = 20 + static_cast<int>(rng() % 11);
  const int cardinality = rng() % 2 ? 4 : 3;
  for (int q = 0; q < questions; ++q) {
    PracticeRecord r;
    r.day = day;
    r.secondOfDay = second += 4 + static_cast<int32_t>(rng() % 20);
    const int classes = cardinality == 4 ? 29 : 12;
    r.asked = ClassName(cardinality, static_cast<int>(rng() % classes));
    r.form = static_cast<int32_t>(rng() % 2);
    r.voicing = cardinality == 4 ? std::vector<int32_t>{0, 1, 4, 7} : std::vector<int32_t>{0, 3, 7};
    if (rng() % 4 == 0) r.answers.push_back(ClassName(cardinality, static_cast<int>(rng() % classes)));
    r.answers.push_back(r.asked);
    r.seconds = 3 + rng() % 15;
    r.person = person;
    bytes += PracticeLine(r) + "\r\n";
  }
  figures.practiceLines += questions;
  truth.practiceQuestions += questions;
  device.parts[kPractice].push_back({device.next++, bytes, {}});
}

std::string RangeName(int stem, const Device& device, uint64_t first, uint64_t last) {
  return std::string(kStems[stem]) + "." + device.name + "." + Number(first) + (first == last ? "" : "-" + Number(last));
}

// Parts first..last (indices into the stem's parts) as one file.
void WriteRange(const fs::path& folder, int stem, const Device& device, size_t first, size_t last, bool joinErrors,
                ClassLayoutFigures& figures) {
  const auto& parts = device.parts[stem];
  std::string bytes;
  if (stem == kErrors && !joinErrors) {
    ErrorStats sum{};
    for (size_t i = first; i <= last; ++i) AddStats(sum, parts[i].stats);
    bytes = FormatErrorStats(sum);
  } else {
    for (size_t i = first; i <= last; ++i) bytes += parts[i].bytes;
  }
  WriteFile(folder / RangeName(stem, device, parts[first].number, parts[last].number), bytes);
  ++figures.files;
  figures.bytes += static_cast<int64_t>(bytes.size());
}

// The old shape: every 32 or so of the stem's single parts folded into one
// range, in order, the latest fewer than 32 still single; now and then a
// range's singles still there (the device went offline before it deleted
// them all).
void WriteStemInRanges(std::mt19937& rng, const fs::path& folder, int stem, const Device& device, bool join,
                       ClassLayoutFigures& figures) {
  const auto& parts = device.parts[stem];
  size_t at = 0;
  while (parts.size() - at >= 32) {
    const size_t end = std::min(parts.size(), at + 32 + rng() % 8);
    WriteRange(folder, stem, device, at, end - 1, join, figures);
    if (rng() % 20 == 0) {
      for (size_t i = end - 1 - rng() % 3; i < end; ++i) {
        WriteRange(folder, stem, device, i, i, join, figures);
        ++figures.coveredFiles;
      }
    }
    at = end;
  }
  for (size_t i = at; i < parts.size(); ++i) WriteRange(folder, stem, device, i, i, join, figures);
}

// As the device folds today: it looks at its files every 8 of its numbers,
// and a stem with 8 files or more (its folds and singles) becomes one range,
// a new range begun where one would pass 4 MiB; so a few ranges and the
// latest singles are left. Now and then the last fold was cut short: files
// it took in are still there.
constexpr size_t kLookEvery = 8;
constexpr size_t kFoldAt = 8;
constexpr size_t kFoldCap = 4u << 20;

void WriteDeviceFolded(std::mt19937& rng, const fs::path& folder, const Device& device, bool join,
                       ClassLayoutFigures& figures) {
  using Range = std::pair<size_t, size_t>;  // indices into the stem's parts
  std::vector<Range> files[3];
  std::vector<Range> replaced[3];  // what the stem's last fold took in
  size_t sent[3] = {0, 0, 0};
  auto bytesOf = [&](int stem, const Range& r) {
    if (stem == kErrors && !join) return size_t{0};  // a sum stays one block
    size_t n = 0;
    for (size_t i = r.first; i <= r.second; ++i) n += device.parts[stem][i].bytes.size();
    return n;
  };
  for (uint64_t number = 1; number < device.next; ++number) {
    for (int stem = 0; stem < 3; ++stem) {
      const auto& parts = device.parts[stem];
      if (sent[stem] < parts.size() && parts[sent[stem]].number == number) {
        files[stem].emplace_back(sent[stem], sent[stem]);
        ++sent[stem];
      }
    }
    if (number % kLookEvery != 0) continue;
    for (int stem = 0; stem < 3; ++stem) {
      if (files[stem].size() < kFoldAt) continue;
      std::vector<Range> folded;
      std::vector<Range> took;
      std::vector<Range> group;
      size_t groupBytes = 0;
      auto close = [&] {
        if (group.size() > 1) took.insert(took.end(), group.begin(), group.end());
        if (!group.empty()) folded.emplace_back(group.front().first, group.back().second);
        group.clear();
        groupBytes = 0;
      };
      for (const Range& r : files[stem]) {
        const size_t bytes = bytesOf(stem, r);
        if (!group.empty() && groupBytes + bytes > kFoldCap) close();
        group.push_back(r);
        groupBytes += bytes;
      }
      close();
      files[stem] = std::move(folded);
      replaced[stem] = std::move(took);
    }
  }
  for (int stem = 0; stem < 3; ++stem) {
    for (const Range& r : files[stem]) WriteRange(folder, stem, device, r.first, r.second, join, figures);
    if (replaced[stem].empty() || rng() % 20 != 0) continue;
    const size_t left = std::min(replaced[stem].size(), size_t{1} + rng() % 3);
    for (size_t i = replaced[stem].size() - left; i < replaced[stem].size(); ++i) {
      WriteRange(folder, stem, device, replaced[stem][i].first, replaced[stem][i].second, join, figures);
      ++figures.coveredFiles;
    }
  }
}

struct FileName {
  int stem = -1;
  std::string device;
  uint64_t first = 0, last = 0;
};

bool ReadNumber(const std::string& text, uint64_t& n) {
  if (text.empty() || text.size() > 19) return false;
  n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + static_cast<uint64_t>(c - '0');
  }
  return true;
}

// "<stem>.<device>.<first>[-<last>]"; stem -1 when it is none of ours.
FileName ParseName(const std::string& name) {
  FileName f;
  for (int s = 0; s < 3; ++s) {
    const std::string stem = std::string(kStems[s]) + ".";
    if (name.compare(0, stem.size(), stem) != 0) continue;
    const std::string rest = name.substr(stem.size());
    const size_t dot = rest.find('.');
    if (dot == std::string::npos) return f;
    f.device = rest.substr(0, dot);
    const std::string range = rest.substr(dot + 1);
    const size_t dash = range.find('-');
    if (!ReadNumber(range.substr(0, dash), f.first)) return f;
    f.last = f.first;
    if (dash != std::string::npos && (!ReadNumber(range.substr(dash + 1), f.last) || f.last < f.first)) return f;
    f.stem = s;
  }
  return f;
}

// errors.dat's 41 lines per drill, one block after the other.
void AddErrorBlocks(ErrorStats& into, const std::string& text) {
  size_t from = 0;
  while (from < text.size()) {
    size_t end = from;
    for (int line = 0; line < kStatClasses && end != std::string::npos; ++line) {
      end = text.find('\n', end);
      if (end != std::string::npos) ++end;
    }
    if (end == std::string::npos) end = text.size();
    AddStats(into, ParseErrorStats(std::string_view(text).substr(from, end - from)));
    from = end;
  }
}

}  // namespace

ClassLayoutFigures WriteClassLayout(const std::string& folder, const ClassLayoutOptions& options) {
  ClassLayoutFigures figures;
  std::mt19937 rng(options.seed);
  const int32_t today = Today();
  std::vector<int32_t> days;
  for (int32_t day = today; static_cast<int>(days.size()) < options.schoolDays; --day)
    if (SchoolDay(day)) days.insert(days.begin(), day);
  fs::create_directories(folder);
  for (int s = 0; s < options.students; ++s) {
    char account[16];
    std::snprintf(account, sizeof account, "s%03d", s + 1);
    ClassLayoutFigures::Account truth;
    truth.account = account;
    truth.person = "Student " + std::to_string(s + 1) + (s % 3 ? "" : " \xC3\x96lz");
    // The lab's machine, and for most a browser at home too.
    std::vector<Device> devices(rng() % 5 < 3 ? 2 : 1);
    for (auto& d : devices) d.name = DeviceName(rng);
    for (const int32_t day : days) {
      if (rng() % 7 == 0) continue;  // absent
      const int drills = options.drillsPerDay / 2 + static_cast<int>(rng() % static_cast<uint32_t>(options.drillsPerDay + 1));
      for (int k = 0; k < drills; ++k) AddDrill(rng, devices[rng() % devices.size()], truth.person, day, figures, truth);
      if (static_cast<int>(rng() % 5) < options.practicePerWeek)
        AddPractice(rng, devices.back(), truth.person, day, figures, truth);
    }
    const fs::path home = fs::path(folder) / account;
    fs::create_directories(home);
    for (const auto& d : devices) {
      if (options.cumulative) WriteDeviceFolded(rng, home, d, options.joinErrors, figures);
      else
        for (int stem = 0; stem < 3; ++stem) WriteStemInRanges(rng, home, stem, d, options.joinErrors, figures);
    }
    figures.accounts.push_back(std::move(truth));
  }
  return figures;
}

std::string CheckClassLayout(const std::string& folder, const ClassLayoutFigures& figures) {
  std::string faults;
  const auto fault = [&faults](const std::string& account, const std::string& what, int64_t got, int64_t want) {
    if (got != want) faults += account + ": " + what + " " + std::to_string(got) + ", written " + std::to_string(want) + "\n";
  };
  int64_t files = 0, covered = 0;
  for (const auto& truth : figures.accounts) {
    std::vector<std::pair<FileName, fs::path>> found;
    for (const auto& entry : fs::directory_iterator(fs::path(folder) / truth.account)) {
      const FileName f = ParseName(entry.path().filename().string());
      if (f.stem >= 0) found.emplace_back(f, entry.path());
    }
    files += static_cast<int64_t>(found.size());
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
      return std::tie(a.first.stem, a.first.device, a.first.first, b.first.last) <
             std::tie(b.first.stem, b.first.device, b.first.first, a.first.last);
    });
    std::string text[3];
    ErrorStats errors{};
    for (const auto& [f, path] : found) {
      const bool isCovered = std::any_of(found.begin(), found.end(), [&f = f](const auto& other) {
        const FileName& o = other.first;
        return o.stem == f.stem && o.device == f.device && o.first <= f.first && f.last <= o.last &&
               o.last - o.first > f.last - f.first;
      });
      if (isCovered) {
        ++covered;
        continue;
      }
      const std::string bytes = ReadFile(path);
      if (f.stem == kErrors) AddErrorBlocks(errors, bytes);
      text[f.stem] += bytes;
    }
    const auto rows = ClassRows(ParseReportLog(text[kReport]), Today());
    int64_t drills = 0, right = 0, wrong = 0;
    for (const auto& row : rows) {
      if (row.name != truth.person && !row.unknown) faults += truth.account + ": a row of " + row.name + "\n";
      drills += row.verifiedDrills;
      right += row.all.right;
      wrong += row.all.wrong;
    }
    fault(truth.account, "verified drills", drills, truth.drills);
    fault(truth.account, "right answers", right, truth.right);
    fault(truth.account, "wrong answers", wrong, truth.wrong);
    fault(truth.account, "practice questions", static_cast<int64_t>(ParsePracticeLines(text[kPractice]).records.size()),
          truth.practiceQuestions);
    fault(truth.account, "answers in the error statistics", Answers(errors), truth.errorAnswers);
  }
  // The core's reader of a class folder, as the teacher's overview reads it.
  std::vector<std::string> unreadable;
  const auto local = ReadLocalClass(folder, &unreadable);
  if (!local || !unreadable.empty()) return faults + "the core cannot read the class folder\n";
  size_t largest = 0;
  for (const auto& [account, files] : *local)
    for (const auto& [name, bytes] : files)
      if (bytes.size() > kMaxAnswerBytes) faults += account + "/" + name + ": larger than a reader takes from a server\n";
      else largest = std::max(largest, bytes.size());
  const ClassReading reading = ReadClass(*local, Today());
  int64_t errorAnswers = 0;
  for (const auto& truth : figures.accounts) {
    errorAnswers += truth.errorAnswers;
    const auto row = std::find_if(reading.rows.begin(), reading.rows.end(), [&](const PersonFigures& p) { return p.name == truth.account; });
    if (row == reading.rows.end()) {
      faults += truth.account + ": no row in the class's reading\n";
      continue;
    }
    fault(truth.account, "the class's reading: verified drills", row->verifiedDrills, truth.drills);
    fault(truth.account, "the class's reading: right answers", row->all.right, truth.right);
    fault(truth.account, "the class's reading: wrong answers", row->all.wrong, truth.wrong);
    fault(truth.account, "the class's reading: practice questions", row->practiceQuestions, truth.practiceQuestions);
  }
  fault("class", "rows of the class's reading", static_cast<int64_t>(reading.rows.size()), static_cast<int64_t>(figures.accounts.size()));
  fault("class", "the class's reading: answers in the error statistics", Answers(reading.errors), errorAnswers);
  fault("class", "files", files, figures.files);
  fault("class", "covered files", covered, figures.coveredFiles);
  return faults;
}
