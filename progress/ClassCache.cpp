#include "ClassCache.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <type_traits>

#include "AtomicFile.h"
#include "DataFile.h"

namespace {

// Changes whenever the figures or this layout change: an old cache is then
// simply read again from the logs.
constexpr const char* kMagic = "sonorix class figures 3";
constexpr int64_t kNone = std::numeric_limits<int64_t>::min();

// Every number of a row, in one order for writing and reading.
template <typename Visit>
void EachNumber(PersonFigures& p, Visit visit) {
  const auto totals = [&visit](AnswerTotals& t) {
    visit(t.right);
    visit(t.wrong);
    visit(t.seconds);
  };
  visit(p.verifiedDrills);
  totals(p.all);
  visit(p.secondsThisWeek);
  visit(p.firstDay);
  visit(p.lastDay);
  for (auto& t : p.byMode) totals(t);
  for (auto& t : p.eligibleByMode) totals(t);
  totals(p.ineligible);
  visit(p.ineligibleDrills);
  totals(p.notEnded);
  visit(p.notEndedDrills);
  for (auto& best : p.bestScore) visit(best);
  visit(p.unverified);
  visit(p.ambiguous);
  visit(p.practiceQuestions);
  visit(p.practiceFirstTry);
  visit(p.practiceSeconds);
  visit(p.practiceQuestionsThisWeek);
  visit(p.practiceSecondsThisWeek);
  visit(p.lastPracticeDay);
  visit(p.singQuestions);
  visit(p.singFirstTry);
}

std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out.empty() ? "-" : out;
}

std::optional<std::string> Unhex(std::string_view text) {
  if (text == "-") return std::string();
  if (text.size() % 2 != 0) return std::nullopt;
  std::string out;
  for (size_t i = 0; i < text.size(); i += 2) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
    if (error != std::errc() || end != text.data() + i + 2) return std::nullopt;
    out += static_cast<char>(value);
  }
  return out;
}

// Appended piece by piece: g++ 12 warns wrongly about " " + std::string.
void AppendField(std::string& text, const std::string& field) {
  text += ' ';
  text += field;
}

std::string KeyLine(const ClassCacheKey& key) {
  std::string line = Hex(key.folder);
  AppendField(line, std::to_string(key.today));
  for (const FileStamp& s : {key.report, key.practice, key.sing}) {
    for (uint64_t n : {uint64_t{s.exists}, s.device, s.inode, s.size}) AppendField(line, std::to_string(n));
    AppendField(line, std::to_string(s.modifiedNs));
  }
  return line;
}

std::string Head(const ClassCacheKey& key) {
  std::string head = kMagic;
  head += '\n';
  head += KeyLine(key);
  head += '\n';
  return head;
}

class Tokens {
 public:
  explicit Tokens(std::string_view text) : text_(text) {}
  std::optional<std::string_view> Next() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n')) ++pos_;
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '\n') ++pos_;
    if (pos_ == start) return std::nullopt;
    return text_.substr(start, pos_ - start);
  }
  std::optional<int64_t> Number() {
    const auto token = Next();
    if (!token) return std::nullopt;
    if (*token == "-") return kNone;
    int64_t value = 0;
    const auto [end, error] = std::from_chars(token->data(), token->data() + token->size(), value);
    if (error != std::errc() || end != token->data() + token->size()) return std::nullopt;
    return value;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return stamp;
  stamp.exists = true;
  stamp.device = static_cast<uint64_t>(st.st_dev);
  stamp.inode = static_cast<uint64_t>(st.st_ino);
  stamp.size = static_cast<uint64_t>(st.st_size);
  stamp.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return stamp;
}

namespace {

std::string CacheBase() {
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (!home || home[0] != '/') return {};
  return std::string(home) + "/.cache";
}

}  // namespace

std::string ClassCacheFolder() {
  const std::string base = CacheBase();
  if (base.empty()) return {};
  ::mkdir(base.c_str(), 0700);
  const std::string folder = base + "/sonorix";
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
  return folder + "/";
}

std::string ClassCachePath(const std::string& folder) {
  const std::string base = CacheBase();
  if (base.empty()) return {};
  // One file per folder, named by a hash of its path.
  uint64_t hash = 1469598103934665603ull;
  for (unsigned char c : folder) hash = (hash ^ c) * 1099511628211ull;
  char name[40];
  std::snprintf(name, sizeof name, "class-%016llx.cache", static_cast<unsigned long long>(hash));
  return base + "/sonorix/" + name;
}

std::optional<CachedClass> LoadClassCache(const std::string& cacheFile, const ClassCacheKey& key) {
  if (cacheFile.empty()) return std::nullopt;
  const auto text = ReadTextFile(cacheFile);
  if (!text) return std::nullopt;
  const std::string head = Head(key);
  if (text->compare(0, head.size(), head) != 0) return std::nullopt;
  Tokens tokens(std::string_view(*text).substr(head.size()));
  CachedClass cached;
  const auto count = tokens.Number();
  const auto records = tokens.Number();
  const auto unverified = tokens.Number();
  const auto ambiguous = tokens.Number();
  if (!count || !records || !unverified || !ambiguous || *count < 0 || *count > 10000000) return std::nullopt;
  cached.records = static_cast<int32_t>(*records);
  cached.unverified = static_cast<int32_t>(*unverified);
  cached.ambiguous = static_cast<int32_t>(*ambiguous);
  for (int64_t r = 0; r < *count; ++r) {
    PersonFigures p;
    const auto unknown = tokens.Number();
    const auto name = tokens.Next();
    if (!unknown || !name) return std::nullopt;
    auto bytes = Unhex(*name);
    if (!bytes) return std::nullopt;
    p.unknown = *unknown != 0;
    p.name = std::move(*bytes);
    bool ok = true;
    EachNumber(p, [&](auto& field) {
      const auto value = tokens.Number();
      if (!value) {
        ok = false;
        return;
      }
      using Field = std::remove_reference_t<decltype(field)>;
      if constexpr (std::is_integral_v<Field>) {
        field = static_cast<Field>(*value == kNone ? 0 : *value);
      } else {
        if (*value == kNone)
          field.reset();
        else
          field = static_cast<typename Field::value_type>(*value);
      }
    });
    if (!ok) return std::nullopt;
    cached.rows.push_back(std::move(p));
  }
  if (tokens.Next() != std::string_view("end")) return std::nullopt;
  return cached;
}

bool SaveClassCache(const std::string& cacheFile, const ClassCacheKey& key, const CachedClass& figures) {
  if (cacheFile.empty()) return false;
  std::string text = Head(key);
  text += std::to_string(figures.rows.size());
  for (int32_t n : {figures.records, figures.unverified, figures.ambiguous}) AppendField(text, std::to_string(n));
  text += '\n';
  for (PersonFigures p : figures.rows) {
    text += p.unknown ? "1 " : "0 ";
    text += Hex(p.name);
    EachNumber(p, [&text](auto& field) {
      using Field = std::remove_reference_t<decltype(field)>;
      text += ' ';
      if constexpr (std::is_integral_v<Field>)
        text += std::to_string(field);
      else
        text += field ? std::to_string(*field) : std::string("-");
    });
    text += '\n';
  }
  text += "end\n";
  // The folders are made private to the account, as the cache is.
  const size_t slash = cacheFile.rfind('/');
  const std::string dir = cacheFile.substr(0, slash);
  ::mkdir(dir.substr(0, dir.rfind('/')).c_str(), 0700);
  ::mkdir(dir.c_str(), 0700);
  return WriteFileAtomic(cacheFile, text);
}
