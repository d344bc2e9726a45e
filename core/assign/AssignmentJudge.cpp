// Each student's progress in each assignment, from the records of the drill
// and practice logs that match its settings and fall within its dates.
#include <algorithm>
#include <charconv>
#include <cstdio>

#include "Assignments.h"
#include "ProgressFigures.h"

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
