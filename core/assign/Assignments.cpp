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

AssignmentJudge::AssignmentJudge(std::vector<Assignment> assignments, const PracticeLists& lists)
    : assignments_(std::move(assignments)), lists_(lists) {
  const std::vector<std::string>* byCardinality[2] = {&lists.trichords, &lists.tetrachords};
  for (int32_t c = 0; c < 2; ++c)
    for (size_t i = 0; i < byCardinality[c]->size(); ++i)
      classOf_.emplace((*byCardinality[c])[i], std::make_pair(c, static_cast<int32_t>(i)));
  for (size_t n = 0; n < assignments_.size(); ++n) {
    const Assignment& a = assignments_[n];
    Target t;
    const int32_t c = a.cardinality == 4 ? 1 : 0;
    const auto& list = *byCardinality[c];
    t.slotOf.assign(list.size(), -1);
    const auto enable = [&t](int32_t index) {
      if (index < 16)
        t.state.LowMask |= 1 << index;
      else
        t.state.HighMask |= 1 << (index - 16);
      t.slotOf[static_cast<size_t>(index)] = t.slotCount++;
    };
    t.state = FilterState{0, 0, std::clamp(a.range, 0, 2) + 3 * c};
    if (a.allClasses || a.classes.empty()) {
      for (size_t i = 0; i < list.size() && i < 32; ++i) enable(static_cast<int32_t>(i));
    } else {
      for (const std::string& name : a.classes) {
        const auto at = classOf_.find(name);
        if (at == classOf_.end() || at->second.first != c || at->second.second >= 32) {
          t.usable = false;
          continue;
        }
        if (t.slotOf[static_cast<size_t>(at->second.second)] < 0) enable(at->second.second);
      }
    }
    t.usable = t.usable && t.slotCount > 0;
    if (!t.usable)
      warnings_.push_back({static_cast<int32_t>(n + 1), "The assignment names a class the catalogue does not have."});
    // As the drill log's reader leaves a filter record.
    t.state = NormaliseFilterState(t.state);
    targets_.push_back(std::move(t));
  }
  // The assignments as the file has them: every setting the tallies depend on.
  key_ = FormatAssignments(assignments_);
  for (const std::vector<std::string>* list : byCardinality) {
    for (const std::string& name : *list) key_ += name + ' ';
    key_ += '\n';
  }
}

AssignmentJudge AssignmentJudge::Blank() const { return AssignmentJudge(assignments_, lists_); }

// Per person: its name's length, ':' and the name, then per assignment the
// tally's drills, tried, seconds and its first-try counts (how many, then each).
std::string AssignmentJudge::TalliesText() const {
  std::string text = std::to_string(people_.size());
  for (const auto& [name, tallies] : people_) {
    text += ' ' + std::to_string(name.size()) + ':' + name;
    for (const Tally& t : tallies) {
      text += ' ' + std::to_string(t.drills) + ' ' + std::to_string(t.tried) + ' ' + std::to_string(t.seconds) + ' ' +
              std::to_string(t.firstTry.size());
      for (int32_t n : t.firstTry) text += ' ' + std::to_string(n);
    }
  }
  return text;
}

bool AssignmentJudge::AddTalliesText(std::string_view text) {
  const auto number = [&text](int64_t& n) {
    const auto [at, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || n < 0 || n > INT32_MAX * int64_t{1000}) return false;
    text.remove_prefix(static_cast<size_t>(at - text.data()));
    return true;
  };
  const auto then = [&text](char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
  };
  const auto small = [&](int32_t& n) {
    int64_t v = 0;
    if (!then(' ') || !number(v) || v > INT32_MAX) return false;
    n = static_cast<int32_t>(v);
    return true;
  };
  std::map<std::string, Tallies> read;
  int64_t people = 0;
  if (!number(people)) return false;
  for (int64_t p = 0; p < people; ++p) {
    int64_t size = 0;
    if (!then(' ') || !number(size) || !then(':') || static_cast<uint64_t>(size) > text.size()) return false;
    std::string name(text.substr(0, static_cast<size_t>(size)));
    text.remove_prefix(static_cast<size_t>(size));
    Tallies tallies(assignments_.size());
    for (size_t n = 0; n < tallies.size(); ++n) {
      Tally& t = tallies[n];
      int32_t slots = 0;
      if (!small(t.drills) || !small(t.tried) || !then(' ') || !number(t.seconds) || !small(slots)) return false;
      if (slots != 0 && slots != targets_[n].slotCount) return false;
      t.firstTry.resize(static_cast<size_t>(slots));
      for (int32_t& f : t.firstTry)
        if (!small(f)) return false;
    }
    // Each person once in a text.
    if (!read.emplace(std::move(name), std::move(tallies)).second) return false;
  }
  if (!text.empty()) return false;
  for (auto& [name, tallies] : read) {
    Tallies& here = people_[name];
    if (here.empty()) here.resize(assignments_.size());
    for (size_t n = 0; n < here.size(); ++n) {
      Tally& h = here[n];
      const Tally& t = tallies[n];
      h.drills += t.drills;
      h.tried += t.tried;
      h.seconds += t.seconds;
      if (!t.firstTry.empty()) {
        if (h.firstTry.empty()) h.firstTry.assign(t.firstTry.size(), 0);
        for (size_t s = 0; s < t.firstTry.size(); ++s) h.firstTry[s] += t.firstTry[s];
      }
      // As AddPractice counts it: a class that reached K once.
      const int32_t k = assignments_[n].count;
      h.reached = k < 1 ? 0 : static_cast<int32_t>(std::count_if(h.firstTry.begin(), h.firstTry.end(), [k](int32_t f) { return f >= k; }));
    }
  }
  return true;
}

AssignmentJudge::Tallies& AssignmentJudge::TalliesOf(const std::string& name) {
  auto at = byName_.find(name);
  if (at == byName_.end()) {
    Tallies& tallies = people_[PersonKey(name)];
    if (tallies.empty()) tallies.resize(assignments_.size());
    at = byName_.emplace(name, &tallies).first;
  }
  return *at->second;
}

void AssignmentJudge::AddPerson(const std::string& utf8Name) {
  Tallies& tallies = people_[utf8Name];
  if (tallies.empty()) tallies.resize(assignments_.size());
}

void AssignmentJudge::AddDrill(const LoggedDrill& drill) {
  Tallies& tallies = TalliesOf(drill.person);
  if (drill.segments.empty() || drill.filters.empty() || drill.filtersUnknown) return;
  const int32_t day = DayOf(drill.date);
  int64_t right = 0, wrong = 0;
  for (const LoggedSegment& s : drill.segments) {
    right += s.correct;
    wrong += s.incorrect;
  }
  for (size_t n = 0; n < assignments_.size(); ++n) {
    const Assignment& a = assignments_[n];
    const Target& t = targets_[n];
    if (a.goal != AssignmentGoal::Drills || !t.usable || day < a.start || day > a.due) continue;
    const bool same = std::all_of(drill.filters.begin(), drill.filters.end(), [&t](const FilterState& f) {
      const FilterState g = NormaliseFilterState(f);
      return g.ModeCode == t.state.ModeCode && g.LowMask == t.state.LowMask && g.HighMask == t.state.HighMask;
    });
    if (!same) continue;
    Tally& tally = tallies[n];
    ++tally.tried;
    // A drill without a right answer is none, whatever R and P allow.
    if (right > 0 && right >= a.right && right * 100 >= int64_t{a.percent} * (right + wrong)) ++tally.drills;
  }
}

void AssignmentJudge::AddPractice(const PracticeRecord& record) {
  Tallies& tallies = TalliesOf(record.person);
  const auto cls = classOf_.find(record.asked);
  if (cls == classOf_.end()) return;
  const auto [c, index] = cls->second;
  int32_t span = 0;
  for (int32_t v : record.voicing) span = std::max(span, v);
  for (size_t n = 0; n < assignments_.size(); ++n) {
    const Assignment& a = assignments_[n];
    const Target& t = targets_[n];
    if (a.goal == AssignmentGoal::Drills || !t.usable || record.day < a.start || record.day > a.due) continue;
    if ((a.cardinality == 4 ? 1 : 0) != c || static_cast<size_t>(index) >= t.slotOf.size()) continue;
    const int32_t slot = t.slotOf[static_cast<size_t>(index)];
    // Close position and one octave stay within an octave; two octaves may too.
    if (slot < 0 || (span > 11 && a.range != 2)) continue;
    Tally& tally = tallies[n];
    tally.seconds += record.seconds;
    if (a.goal != AssignmentGoal::FirstTry || !record.FirstTryRight()) continue;
    if (tally.firstTry.empty()) tally.firstTry.assign(static_cast<size_t>(t.slotCount), 0);
    if (++tally.firstTry[static_cast<size_t>(slot)] == a.count) ++tally.reached;
  }
}

std::vector<PersonAssignments> AssignmentJudge::Rows(int32_t today) const {
  std::vector<PersonAssignments> rows;
  rows.reserve(people_.size());
  for (const auto& [name, tallies] : people_) {
    PersonAssignments row{name, {}};
    row.progress.reserve(assignments_.size());
    for (size_t n = 0; n < assignments_.size(); ++n) {
      const Assignment& a = assignments_[n];
      const Tally& t = tallies[n];
      AssignmentProgress p;
      bool met = false;
      bool begun = false;
      switch (a.goal) {
        case AssignmentGoal::Drills:
          p.goal = a.count;
          p.done = t.drills;
          met = t.drills >= a.count;
          begun = t.tried > 0;
          break;
        case AssignmentGoal::Minutes:
          p.goal = a.count;
          p.done = t.seconds / 60;
          met = t.seconds >= int64_t{a.count} * 60;
          begun = t.seconds > 0;
          break;
        case AssignmentGoal::FirstTry:
          p.goal = targets_[n].slotCount;
          p.done = t.reached;
          met = targets_[n].usable && t.reached >= targets_[n].slotCount;
          begun = t.seconds > 0;
          break;
      }
      met = met && targets_[n].usable;
      p.done = std::min(p.done, p.goal);
      p.status = met               ? AssignmentStatus::Done
                 : today > a.due   ? AssignmentStatus::Late
                 : begun           ? AssignmentStatus::InProgress
                                   : AssignmentStatus::NotStarted;
      row.progress.push_back(p);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}
