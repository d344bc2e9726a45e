#include "Assignments.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

#include "ProgressFigures.h"
#include "Storage.h"

namespace {

constexpr int32_t kMaxCount = 100000;

const std::array<const char*, 3> kRanges = {"close", "one octave", "two octaves"};
const std::array<const char*, 3> kPlayModes = {"chord", "figure", "mixed"};
const std::array<const char*, 2> kAllOf = {"all trichords", "all tetrachords"};

bool Blank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (Blank(text.front()) || text.front() == '\r')) text.remove_prefix(1);
  while (!text.empty() && (Blank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The words, blanks between them taken as one.
std::vector<std::string_view> Words(std::string_view text, bool commas = false) {
  std::vector<std::string_view> words;
  size_t i = 0;
  const auto sep = [commas](char c) { return Blank(c) || (commas && c == ','); };
  while (i < text.size()) {
    while (i < text.size() && sep(text[i])) ++i;
    const size_t from = i;
    while (i < text.size() && !sep(text[i])) ++i;
    if (i > from) words.push_back(text.substr(from, i - from));
  }
  return words;
}

std::optional<int32_t> Whole(std::string_view text, int32_t low, int32_t high) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

// yyyy-mm-dd, a real calendar day.
std::optional<int32_t> Date(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = Whole(text.substr(0, 4), 1, 9999);
  const auto month = Whole(text.substr(5, 2), 1, 12);
  const auto day = Whole(text.substr(8, 2), 1, 31);
  if (!year || !month || !day) return std::nullopt;
  const int32_t number = DayOfCivil(*year, *month, *day);
  // 31 February reads as a day in March: not a date at all.
  if (IsoDate(number) != text) return std::nullopt;
  return number;
}

// "3-11", "4-Z15": the cardinality, a hyphen, letters and digits.
bool ClassName(std::string_view name) {
  if (name.size() < 3 || name.size() > 8 || (name[0] != '3' && name[0] != '4') || name[1] != '-') return false;
  for (size_t i = 2; i < name.size(); ++i) {
    const char c = name[i];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  }
  return true;
}

template <size_t N>
std::optional<int32_t> Choice(std::string_view text, const std::array<const char*, N>& names) {
  const std::string words = Lower(text);
  // Blanks inside count as one: "one  octave".
  std::string joined;
  for (std::string_view w : Words(words)) {
    if (!joined.empty()) joined += ' ';
    joined += w;
  }
  for (size_t i = 0; i < N; ++i)
    if (joined == names[i]) return static_cast<int32_t>(i);
  return std::nullopt;
}

// One line of text: line breaks inside become blanks, outer blanks go.
std::string OneLine(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c == '\r' || c == '\n' || c == '\x1a' || c == '\t') c = ' ';
  return std::string(Trim(out));
}

struct Draft {
  Assignment a;
  int32_t line = 0;
  bool classes = false, range = false, play = false, goal = false, start = false, due = false;
};

void Finish(std::optional<Draft>& draft, AssignmentFile& file) {
  if (!draft) return;
  const char* missing = !draft->classes ? "The assignment names no classes; it is skipped."
                        : !draft->goal  ? "The assignment has no goal; it is skipped."
                        : !draft->start ? "The assignment has no start date; it is skipped."
                        : !draft->due   ? "The assignment has no due date; it is skipped."
                        : draft->a.due < draft->a.start ? "The assignment is due before it starts; it is skipped."
                                                        : nullptr;
  if (missing) {
    file.warnings.push_back({draft->line, missing});
  } else {
    file.assignments.push_back(std::move(draft->a));
    file.lines.push_back(draft->line);
  }
  draft.reset();
}

// Why the line was not taken, nullptr when it was.
const char* Take(Draft& d, const std::string& key, std::string_view value) {
  Assignment& a = d.a;
  const auto once = [](bool& seen) {
    const bool first = !seen;
    seen = true;
    return first;
  };
  if (key == "instructions") {
    a.instructions.push_back(OneLine(std::string(value)));
    return nullptr;
  }
  if (key == "classes") {
    if (d.classes) return "The classes are given twice; this line is skipped.";
    if (const auto all = Choice(value, kAllOf)) {
      a.allClasses = true;
      a.cardinality = 3 + *all;
      a.classes.clear();
    } else {
      std::vector<std::string> names;
      for (std::string_view w : Words(value, true)) {
        std::string name(w);
        if (name.size() > 2 && (name[2] == 'z')) name[2] = 'Z';
        if (!ClassName(name)) return "A class is written like 3-11 or 4-Z15; this line is skipped.";
        if (!names.empty() && name[0] != names.front()[0])
          return "The classes of an assignment are all trichords or all tetrachords; this line is skipped.";
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
      }
      if (names.empty()) return "The line names no classes; it is skipped.";
      a.allClasses = false;
      a.cardinality = names.front()[0] - '0';
      a.classes = std::move(names);
    }
    d.classes = true;
    return nullptr;
  }
  if (key == "range") {
    const auto range = Choice(value, kRanges);
    if (!range) return "The range is close, one octave or two octaves; this line is skipped.";
    if (!once(d.range)) return "The range is given twice; this line is skipped.";
    a.range = *range;
    return nullptr;
  }
  if (key == "play") {
    const auto mode = Choice(value, kPlayModes);
    if (!mode) return "Play is chord, figure or mixed; this line is skipped.";
    if (!once(d.play)) return "Play is given twice; this line is skipped.";
    a.playMode = *mode;
    return nullptr;
  }
  if (key == "start" || key == "due") {
    const auto day = Date(value);
    if (!day) return "A date is written yyyy-mm-dd, like 2026-12-07; this line is skipped.";
    if (!once(key == "start" ? d.start : d.due)) return "The date is given twice; this line is skipped.";
    (key == "start" ? a.start : a.due) = *day;
    return nullptr;
  }
  if (key == "goal") {
    const std::string lower = Lower(value);
    const auto w = Words(lower);
    if (d.goal) return "The goal is given twice; this line is skipped.";
    Assignment g = a;
    const char* const bad =
        "The goal is: drills N right R percent P, minutes M, or first-try K; this line is skipped.";
    if (w.size() != 2 && !(w.size() >= 2 && w[0] == "drills")) return bad;
    const auto n = Whole(w[1], 1, kMaxCount);
    if (!n) return bad;
    g.count = *n;
    g.right = 5;
    g.percent = 0;
    if (w[0] == "drills") {
      g.goal = AssignmentGoal::Drills;
      bool right = false, percent = false;
      for (size_t i = 2; i < w.size(); i += 2) {
        if (i + 1 >= w.size()) return bad;
        if (w[i] == "right" && !right) {
          const auto r = Whole(w[i + 1], 0, kMaxCount);
          if (!r) return bad;
          g.right = *r;
          right = true;
        } else if (w[i] == "percent" && !percent) {
          const auto p = Whole(w[i + 1], 0, 100);
          if (!p) return bad;
          g.percent = *p;
          percent = true;
        } else {
          return bad;
        }
      }
    } else if (w[0] == "minutes") {
      g.goal = AssignmentGoal::Minutes;
    } else if (w[0] == "first-try") {
      g.goal = AssignmentGoal::FirstTry;
    } else {
      return bad;
    }
    a = std::move(g);
    d.goal = true;
    return nullptr;
  }
  return "The line is not understood; it is skipped.";
}

}  // namespace

AssignmentFile ParseAssignments(std::string_view text) {
  AssignmentFile file;
  if (const size_t end = text.find('\x1a'); end != std::string_view::npos) text = text.substr(0, end);
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::optional<Draft> draft;
  bool dropped = false;  // in a block whose assignment line was refused
  int32_t number = 0;
  size_t at = 0;
  while (at <= text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(at, end - at));
    at = end + 1;
    ++number;
    if (line.empty() || line.front() == '#') continue;
    size_t split = 0;
    while (split < line.size() && !Blank(line[split])) ++split;
    const std::string key = Lower(line.substr(0, split));
    const std::string_view value = Trim(line.substr(split));
    if (key == "assignment") {
      Finish(draft, file);
      dropped = value.empty();
      if (dropped) {
        file.warnings.push_back({number, "An assignment needs a title; it is skipped with its lines."});
        continue;
      }
      draft.emplace();
      // As the writer writes it: a tab or a stray CR is a blank.
      draft->a.title = OneLine(std::string(value));
      draft->line = number;
      continue;
    }
    if (dropped) continue;
    if (!draft) {
      file.warnings.push_back({number, "The line comes before the first assignment; it is skipped."});
      continue;
    }
    if (const char* why = Take(*draft, key, value)) file.warnings.push_back({number, why});
  }
  Finish(draft, file);
  return file;
}

std::string FormatAssignments(const std::vector<Assignment>& assignments) {
  std::string out =
      "# Sonorix assignments, set by the teacher. Each begins with its \"assignment\" line;\r\n"
      "# lines beginning with # are notes. Needed: classes, goal, start, due.\r\n"
      "#   instructions <one line; repeat for more>\r\n"
      "#   classes 3-1 3-11 ...  |  all trichords  |  all tetrachords\r\n"
      "#   range close  |  one octave  |  two octaves\r\n"
      "#   play chord  |  figure  |  mixed   (tells the student; the log does not show it)\r\n"
      "#   goal drills N right R percent P  |  goal minutes M  |  goal first-try K\r\n"
      "#   start yyyy-mm-dd, due yyyy-mm-dd: work on both days counts\r\n";
  for (const Assignment& a : assignments) {
    out += "\r\nassignment " + OneLine(a.title) + "\r\n";
    for (const std::string& line : a.instructions) {
      const std::string one = OneLine(line);
      out += one.empty() ? std::string("instructions\r\n") : "instructions " + one + "\r\n";
    }
    out += "classes ";
    if (a.allClasses || a.classes.empty()) {
      out += kAllOf[a.cardinality == 4 ? 1 : 0];
    } else {
      for (size_t i = 0; i < a.classes.size(); ++i) out += (i ? " " : "") + a.classes[i];
    }
    out += "\r\nrange ";
    out += kRanges[static_cast<size_t>(std::clamp(a.range, 0, 2))];
    out += "\r\nplay ";
    out += kPlayModes[static_cast<size_t>(std::clamp(a.playMode, 0, 2))];
    out += "\r\ngoal ";
    switch (a.goal) {
      case AssignmentGoal::Drills:
        out += "drills " + std::to_string(a.count) + " right " + std::to_string(a.right) + " percent " +
               std::to_string(a.percent);
        break;
      case AssignmentGoal::Minutes: out += "minutes " + std::to_string(a.count); break;
      case AssignmentGoal::FirstTry: out += "first-try " + std::to_string(a.count); break;
    }
    out += "\r\nstart " + IsoDate(a.start) + "\r\ndue " + IsoDate(a.due) + "\r\n";
  }
  return out;
}

std::optional<AssignmentFile> LoadAssignmentsFile(const std::string& fileName) {
  Storage& storage = DataStorage();
  if (!storage.Exists(fileName)) return AssignmentFile{};
  const auto text = storage.Read(fileName);
  if (!text) return std::nullopt;
  return ParseAssignments(*text);
}

bool SaveAssignmentsFile(const std::string& fileName, const std::vector<Assignment>& assignments) {
  return DataStorage().Replace(fileName, FormatAssignments(assignments));
}

AssignmentProblem CheckEditedAssignment(const Assignment& a, const PracticeLists& lists) {
  using F = AssignmentField;
  if (OneLine(a.title).empty()) return {F::Title, "The assignment needs a title."};
  if (!a.allClasses && a.classes.empty()) return {F::Classes, "Choose at least one set class."};
  if (a.start <= 0 || a.due <= 0) return {a.start <= 0 ? F::Start : F::Due, "Give the start and the due date."};
  if (a.due < a.start) return {F::Due, "The due date comes before the start."};
  const bool drills = a.goal == AssignmentGoal::Drills;
  if (a.count < 1 || a.count > kMaxCount ||
      (drills && (a.right < 0 || a.right > kMaxCount || a.percent < 0 || a.percent > 100)))
    return {F::Goal, "The numbers of the goal are whole numbers: at least 1 drill, minute or time, 0 to 100 %."};
  // What the file's reader would say of it, written and read back.
  const AssignmentFile back = ParseAssignments(FormatAssignments({a}));
  if (!back.warnings.empty()) return {F::Title, back.warnings.front().why};
  const AssignmentJudge judge(back.assignments, lists);
  if (!judge.Warnings().empty()) return {F::Classes, judge.Warnings().front().why};
  return {};
}

bool DueThisWeek(const Assignment& assignment, int32_t today) {
  const int32_t monday = WeekStartOf(today);
  return assignment.due >= monday && assignment.due <= monday + 6;
}

const char* StatusText(AssignmentStatus status) {
  switch (status) {
    case AssignmentStatus::Done: return "done";
    case AssignmentStatus::InProgress: return "in progress";
    case AssignmentStatus::Late: return "late";
    case AssignmentStatus::NotStarted: break;
  }
  return "not started";
}

std::string ProgressText(const Assignment& assignment, const AssignmentProgress& progress) {
  const char* unit = assignment.goal == AssignmentGoal::Drills    ? (progress.goal == 1 ? "drill" : "drills")
                     : assignment.goal == AssignmentGoal::Minutes ? (progress.goal == 1 ? "minute" : "minutes")
                                                                  : (progress.goal == 1 ? "class" : "classes");
  return std::to_string(progress.done) + " of " + std::to_string(progress.goal) + " " + unit;
}
