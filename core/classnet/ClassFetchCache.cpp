// The teacher's copies of a class's files and of each folder's figures, in
// the front end's storage: what lets a reopen list only.
#include <algorithm>
#include <charconv>
#include <cstdio>

#include "ClassFetch.h"

namespace {

constexpr std::string_view kCacheMagic = "sonorix class files 1\r\n";
constexpr std::string_view kFiguresMagic = "sonorix class figures 2\r\n";
constexpr std::string_view kJudgedMagic = "sonorix class judged 1\r\n";

}  // namespace

uint64_t ClassCacheHash(std::string_view text) {
  uint64_t hash = 1469598103934665603ull;
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

namespace {

std::string_view Line(std::string_view& text) {
  const size_t end = text.find("\r\n");
  if (end == std::string_view::npos) {
    text = {};
    return {};
  }
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end + 2);
  return line;
}


// The figures as numbers between spaces; "-" for a figure that has none.
struct FigureWriter {
  std::string text;
  void Put(int64_t n) {
    text += std::to_string(n);
    text += ' ';
  }
  void Put(const std::optional<int32_t>& n) {
    if (n) Put(*n);
    else text += "- ";
  }
  void Put(const AnswerTotals& t) {
    Put(t.right);
    Put(t.wrong);
    Put(t.seconds);
  }
  void Put(const std::string& s) {
    text += s.empty() ? std::string("-") : EncodePathSegment(s);
    text += ' ';
  }
};

struct FigureReader {
  std::string_view text;
  bool ok = true;
  std::string_view Token() {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\r' || text.front() == '\n')) text.remove_prefix(1);
    size_t end = 0;
    while (end < text.size() && text[end] != ' ' && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view token = text.substr(0, end);
    text.remove_prefix(end);
    if (token.empty()) ok = false;
    return token;
  }
  template <typename T>
  void Get(T& n) {
    const std::string_view token = Token();
    Number(token, n);
  }
  template <typename T>
  void Number(std::string_view token, T& n) {
    T v = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), v);
    if (error != std::errc() || end != token.data() + token.size()) ok = false;
    else n = v;
  }
  void Get(std::optional<int32_t>& n) {
    const std::string_view token = Token();
    if (token == "-") {
      n.reset();
      return;
    }
    int32_t v = 0;
    Number(token, v);
    n = v;
  }
  void Get(AnswerTotals& t) {
    Get(t.right);
    Get(t.wrong);
    Get(t.seconds);
  }
  void Get(std::string& s) {
    const std::string_view token = Token();
    s = token == "-" ? std::string() : DecodePercent(token);
  }
};

// Every figure of a folder, in one order for writing and reading.
template <typename Io, typename Folder>
void Figures(Io& io, Folder& f) {
  auto& p = f.row;
  io.Get(p.verifiedDrills);
  io.Get(p.all);
  io.Get(p.secondsThisWeek);
  io.Get(p.firstDay);
  io.Get(p.lastDay);
  for (auto& t : p.byMode) io.Get(t);
  for (auto& t : p.eligibleByMode) io.Get(t);
  io.Get(p.ineligible);
  io.Get(p.ineligibleDrills);
  io.Get(p.notEnded);
  io.Get(p.notEndedDrills);
  for (auto& b : p.bestScore) io.Get(b);
  io.Get(p.unverified);
  io.Get(p.ambiguous);
  io.Get(p.practiceQuestions);
  io.Get(p.practiceFirstTry);
  io.Get(p.practiceSeconds);
  io.Get(p.practiceQuestionsThisWeek);
  io.Get(p.practiceSecondsThisWeek);
  io.Get(p.lastPracticeDay);
  io.Get(p.singQuestions);
  io.Get(p.singFirstTry);
  io.Get(f.records);
  io.Get(f.unverified);
  io.Get(f.ambiguous);
  io.Get(f.practiceDamaged);
  for (auto& c : f.errors) {
    for (auto& n : c.Correct) io.Get(n);
    for (auto& n : c.Wrong) io.Get(n);
    for (auto& row : c.CorrectByRip)
      for (auto& n : row) io.Get(n);
    for (auto& row : c.WrongByRip)
      for (auto& n : row) io.Get(n);
    for (auto& n : c.ConfusedWith) io.Get(n);
  }
}

// Writes through the reader's names.
struct FigurePutter {
  FigureWriter w;
  template <typename T>
  void Get(const T& v) {
    w.Put(v);
  }
  void Get(const int32_t& v) { w.Put(static_cast<int64_t>(v)); }
};
}  // namespace

std::string FolderFiguresText(const FolderReading& folder, uint64_t key, int32_t today) {
  FigurePutter out;
  Figures(out, folder);
  const bool student = folder.student.has_value();
  out.w.Put(student ? 1 : 0);
  if (student) {
    out.w.Put(static_cast<int64_t>(folder.student->hardest.size()));
    for (const ClassAnswered& a : folder.student->hardest) {
      out.w.Put(a.name);
      out.w.Put(a.asked);
      out.w.Put(a.firstTry);
    }
    out.w.Put(static_cast<int64_t>(folder.student->confusions.size()));
    for (const ClassConfused& c : folder.student->confusions) {
      out.w.Put(c.asked);
      out.w.Put(c.answered);
      out.w.Put(c.times);
    }
  }
  char head[80];
  std::snprintf(head, sizeof head, "%d %016llx %016llx\r\n", today, static_cast<unsigned long long>(key),
                static_cast<unsigned long long>(ClassCacheHash(out.w.text)));
  return std::string(kFiguresMagic) + head + out.w.text + "\r\nend\r\n";
}

std::optional<FolderReading> ParseFolderFigures(std::string_view text, uint64_t key, int32_t today) {
  if (key == 0 || text.substr(0, kFiguresMagic.size()) != kFiguresMagic) return std::nullopt;
  text.remove_prefix(kFiguresMagic.size());
  const std::string_view head = Line(text);
  const std::string_view body = Line(text);
  if (Line(text) != "end") return std::nullopt;
  char expected[80];
  std::snprintf(expected, sizeof expected, "%d %016llx %016llx", today, static_cast<unsigned long long>(key),
                static_cast<unsigned long long>(ClassCacheHash(body)));
  if (head != expected) return std::nullopt;
  FolderReading folder;
  FigureReader in{body};
  Figures(in, folder);
  int student = 0;
  in.Get(student);
  if (student) {
    StudentClasses s;
    int32_t count = 0;
    in.Get(count);
    for (int32_t i = 0; in.ok && i < count; ++i) {
      ClassAnswered a;
      in.Get(a.name);
      in.Get(a.asked);
      in.Get(a.firstTry);
      s.hardest.push_back(std::move(a));
    }
    in.Get(count);
    for (int32_t i = 0; in.ok && i < count; ++i) {
      ClassConfused c;
      in.Get(c.asked);
      in.Get(c.answered);
      in.Get(c.times);
      s.confusions.push_back(std::move(c));
    }
    folder.student = std::move(s);
  }
  if (!in.ok || in.text.find_first_not_of(' ') != std::string_view::npos) return std::nullopt;
  return folder;
}

namespace {
std::string JudgedHead(uint64_t key, const std::string& judgeKey, std::string_view kept) {
  char head[96];
  std::snprintf(head, sizeof head, "%016llx %016llx %016llx %zu", static_cast<unsigned long long>(key),
                static_cast<unsigned long long>(ClassCacheHash(judgeKey)),
                static_cast<unsigned long long>(ClassCacheHash(kept)), kept.size());
  return head;
}
}  // namespace

std::string FolderJudgedText(std::string_view kept, uint64_t key, const std::string& judgeKey) {
  return std::string(kJudgedMagic) + JudgedHead(key, judgeKey, kept) + "\r\n" + std::string(kept) + "\r\nend\r\n";
}

std::optional<std::string> ParseFolderJudged(std::string_view text, uint64_t key, const std::string& judgeKey) {
  if (key == 0 || text.substr(0, kJudgedMagic.size()) != kJudgedMagic) return std::nullopt;
  text.remove_prefix(kJudgedMagic.size());
  const std::string_view head = Line(text);
  constexpr std::string_view kEnd = "\r\nend\r\n";
  if (text.size() < kEnd.size() || text.substr(text.size() - kEnd.size()) != kEnd) return std::nullopt;
  const std::string_view kept = text.substr(0, text.size() - kEnd.size());
  if (head != JudgedHead(key, judgeKey, kept)) return std::nullopt;
  return std::string(kept);
}

uint64_t FolderKey(const std::string& account, std::vector<std::pair<std::string, std::string>> namesAndTags) {
  std::sort(namesAndTags.begin(), namesAndTags.end());
  std::string all = EncodePathSegment(account);
  for (const auto& [name, tag] : namesAndTags) {
    if (!IsStrongEtag(tag)) return 0;
    all += ' ' + EncodePathSegment(name) + ' ' + EncodePathSegment(tag);
  }
  const uint64_t key = ClassCacheHash(all);
  return key == 0 ? 1 : key;
}

std::string FolderCacheText(const std::string& account, const std::map<std::string, CachedFile>& files) {
  std::string text(kCacheMagic);
  text += EncodePathSegment(account);
  text += "\r\n";
  for (const auto& [name, file] : files) {
    text += EncodePathSegment(name);
    text += ' ';
    text += file.etag.empty() ? std::string("-") : EncodePathSegment(file.etag);
    text += ' ';
    text += std::to_string(file.bytes.size());
    text += "\r\n";
    text += file.bytes;
    text += "\r\n";
  }
  text += "end\r\n";
  return text;
}

std::map<std::string, CachedFile> ParseFolderCache(std::string_view text, const std::string& account) {
  std::map<std::string, CachedFile> files;
  if (text.substr(0, kCacheMagic.size()) != kCacheMagic) return {};
  text.remove_prefix(kCacheMagic.size());
  if (DecodePercent(Line(text)) != account) return {};
  for (;;) {
    const std::string_view head = Line(text);
    if (head == "end") return files;
    const size_t a = head.find(' ');
    const size_t b = a == std::string_view::npos ? a : head.find(' ', a + 1);
    if (b == std::string_view::npos) return {};
    const std::string_view digits = head.substr(b + 1);
    if (digits.empty() || digits.size() > 12 || digits.find_first_not_of("0123456789") != std::string_view::npos)
      return {};
    const size_t size = std::stoull(std::string(digits));
    if (size > text.size() || text.substr(size, 2) != "\r\n") return {};
    const std::string_view tag = head.substr(a + 1, b - a - 1);
    files[DecodePercent(head.substr(0, a))] = {tag == "-" ? std::string() : DecodePercent(tag),
                                               std::string(text.substr(0, size))};
    text.remove_prefix(size + 2);
  }
}
