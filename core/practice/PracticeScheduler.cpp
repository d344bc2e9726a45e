#include "PracticeScheduler.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <numeric>
#include <set>

#include "Catalogue.h"
#include "FilterState.h"
#include "PracticeCheckpoint.h"
#include "ReportReader.h"
#include "SessionLog.h"

namespace {

constexpr double kAccuracySpan = 3.0;        // a class never right weighs 4, one always right 1
constexpr double kConfusionStep = 0.5;       // per recent confusion
constexpr double kConfusionCap = 8.0;        // so one bad week does not drown the rest
constexpr double kConfusionHalfLifeDays = 7.0;
constexpr int32_t kWeekDays = 7;

double Accuracy(const ClassHistory& h) {
  return (h.firstTryRight + h.drillRight + 1.0) / (h.questions + h.drillAnswers + 2.0);
}

}  // namespace

std::string TimesText(int32_t n) {
  static const char* const kWords[] = {"no times", "once",       "twice",     "three times", "four times",
                                       "five times", "six times", "seven times", "eight times", "nine times",
                                       "ten times", "eleven times", "twelve times"};
  if (n >= 0 && n <= 12) return kWords[n];
  return std::to_string(n) + " times";
}

PracticeScheduler::PracticeScheduler(std::string person, int32_t today) : person_(std::move(person)), today_(today) {}

void PracticeScheduler::Learn(const PracticeLog& practice, const ReportLog* drills, const PracticeLists& lists) {
  for (const PracticeRecord& record : practice.records)
    if (record.person == person_) Count(record);
  for (auto& [name, h] : classes_) Refresh(h);
  followUp_.clear();  // the last logged question may be days old
  LearnDrills(drills, lists);
}

void PracticeScheduler::LearnDrills(const ReportLog* drills, const PracticeLists& lists) {
  if (!drills) return;
  for (const LoggedDrill& drill : drills->drills) {
    if (drill.person != person_) continue;
    for (const LoggedSegment& segment : drill.segments) {
      if (segment.modeCode < 0 || segment.correct + segment.incorrect == 0) continue;
      const int cardinality = segment.modeCode / 3;
      const std::vector<std::string>& names = cardinality == 0 ? lists.trichords : lists.tetrachords;
      // The masks of the drill's filter records for this cardinality; where a
      // drill changed them the segment is shared among all they enabled.
      FilterState in{0, 0, segment.modeCode};
      bool any = false;
      for (const FilterState& state : drill.filters) {
        if (state.ModeCode / 3 != cardinality) continue;
        in.LowMask |= state.LowMask;
        in.HighMask |= state.HighMask;
        any = true;
      }
      if (!any) continue;
      std::vector<const std::string*> enabled;
      for (size_t i = 0; i < names.size(); ++i)
        if (MaskEnables(in, static_cast<int>(i))) enabled.push_back(&names[i]);
      if (enabled.empty()) continue;
      const double k = static_cast<double>(enabled.size());
      for (const std::string* name : enabled) {
        ClassHistory& h = classes_[*name];
        h.drillRight += segment.correct / k;
        h.drillAnswers += (segment.correct + segment.incorrect) / k;
      }
    }
  }
}

PracticeLearnInfo PracticeScheduler::LearnFromFiles(const PracticeLists& lists) {
  return LearnFromFiles(kPracticeFileName, kReportFileName,
                        PracticeCheckpointPath(AbsolutePracticeLog(kPracticeFileName), person_), lists);
}

PracticeLearnInfo PracticeScheduler::LearnFromFiles(const std::string& practiceFile, const std::string& reportFile,
                                                    const std::string& checkpointFile, const PracticeLists& lists) {
  PracticeLearnInfo info;
  std::vector<PracticeRecord> tail;
  PracticeLogReader reader(practiceFile, person_, checkpointFile, today_);
  if (reader.Checkpoint() && LoadState(reader.Checkpoint()->state)) info.fromCheckpoint = true;
  else reader.Restart();
  const PracticeLog whole = reader.ReadWholeLines();
  for (const PracticeRecord& record : whole.records) Count(record);
  reader.Save(SaveState());
  for (const PracticeRecord& record : reader.ReadTail().records) Count(record);
  info.bytesRead = reader.BytesRead();
  for (auto& [name, h] : classes_) Refresh(h);
  followUp_.clear();
  const auto drills = LoadReportLog(reportFile);
  LearnDrills(drills ? &*drills : nullptr, lists);
  return info;
}

void PracticeScheduler::Count(const PracticeRecord& record) {
  ClassHistory& asked = classes_[record.asked];
  ++asked.questions;
  if (record.FirstTryRight()) {
    ++asked.firstTryRight;
    asked.box = std::min(asked.box + 1, kLeitnerBoxes);
  } else {
    asked.box = 1;
  }
  followUp_.clear();
  for (const std::string& given : record.answers) {
    if (given == record.asked) continue;
    ClassHistory& other = classes_[given];
    ++asked.confusionsByDay[record.day];
    ++asked.partnersByDay[record.day][given];
    ++other.confusionsByDay[record.day];
    ++other.partnersByDay[record.day][record.asked];
    if (std::find(followUp_.begin(), followUp_.end(), given) == followUp_.end()) followUp_.push_back(given);
  }
}

void PracticeScheduler::Refresh(ClassHistory& h) {
  // A day in the future counts as today, as a clock set back would have it.
  h.partnersByDay.erase(h.partnersByDay.begin(), h.partnersByDay.lower_bound(today_ - kWeekDays + 1));
  h.recentConfusions = 0;
  for (const auto& [day, count] : h.confusionsByDay)
    h.recentConfusions += count * std::exp2(-std::max(0, today_ - day) / kConfusionHalfLifeDays);
  h.thisWeek.clear();
  for (const auto& [day, partners] : h.partnersByDay)
    for (const auto& [other, count] : partners) h.thisWeek[other] += count;
}

void PracticeScheduler::Record(const PracticeRecord& record) {
  Count(record);
  Refresh(classes_[record.asked]);
  for (const std::string& given : record.answers) Refresh(classes_[given]);
}

// One line per class: "c NAME BOX QUESTIONS FIRSTTRYRIGHT", then its days as
// "d DAY COUNT" and its partners as "p DAY OTHER COUNT".
std::string PracticeScheduler::SaveState() const {
  std::string text;
  for (const auto& [name, h] : classes_) {
    if (h.questions == 0 && h.confusionsByDay.empty()) continue;  // known from drills only
    text += "c " + name + ' ' + std::to_string(h.box) + ' ' + std::to_string(h.questions) + ' ' +
            std::to_string(h.firstTryRight) + '\n';
    for (const auto& [day, count] : h.confusionsByDay)
      text += "d " + std::to_string(day) + ' ' + std::to_string(count) + '\n';
    for (const auto& [day, partners] : h.partnersByDay)
      for (const auto& [other, count] : partners)
        text += "p " + std::to_string(day) + ' ' + other + ' ' + std::to_string(count) + '\n';
  }
  return text;
}

namespace {

// Reads the state's words one by one; fails for good at the first surprise.
class StateReader {
 public:
  explicit StateReader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  bool Word(std::string_view& word) {
    const size_t end = text_.find_first_of(" \n", pos_);
    if (end == std::string_view::npos || end == pos_) return false;
    word = text_.substr(pos_, end - pos_);
    pos_ = end;
    return word.size() <= 16;
  }
  bool Number(int32_t& value, int32_t low) {
    const char* begin = text_.data() + pos_;
    const auto [end, error] = std::from_chars(begin, text_.data() + text_.size(), value);
    if (error != std::errc() || end == begin || value < low) return false;
    pos_ = static_cast<size_t>(end - text_.data());
    return true;
  }
  bool Blank() { return Is(' '); }
  bool LineEnd() { return Is('\n'); }

 private:
  bool Is(char c) {
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

bool PracticeScheduler::LoadState(std::string_view text) {
  std::map<std::string, ClassHistory> loaded;
  ClassHistory* current = nullptr;
  StateReader in(text);
  std::string_view kind, name;
  int32_t a = 0, b = 0, c = 0;
  while (!in.AtEnd()) {
    if (!in.Word(kind) || !in.Blank()) return false;
    if (kind == "c") {
      if (!in.Word(name) || !in.Blank() || !in.Number(a, 1) || a > kLeitnerBoxes || !in.Blank() || !in.Number(b, 0) ||
          !in.Blank() || !in.Number(c, 0) || c > b || !in.LineEnd())
        return false;
      current = &loaded[std::string(name)];
      if (current->questions != 0 || !current->confusionsByDay.empty()) return false;  // twice
      current->box = a;
      current->questions = b;
      current->firstTryRight = c;
    } else if (kind == "d" && current) {
      if (!in.Number(a, INT32_MIN) || !in.Blank() || !in.Number(b, 1) || !in.LineEnd()) return false;
      current->confusionsByDay.emplace_hint(current->confusionsByDay.end(), a, b);
    } else if (kind == "p" && current) {
      if (!in.Number(a, INT32_MIN) || !in.Blank() || !in.Word(name) || !in.Blank() || !in.Number(b, 1) ||
          !in.LineEnd())
        return false;
      current->partnersByDay[a][std::string(name)] = b;
    } else {
      return false;
    }
  }
  classes_ = std::move(loaded);
  for (auto& [name, h] : classes_) Refresh(h);
  return true;
}

double PracticeScheduler::Weight(const std::string& name) const {
  const auto it = classes_.find(name);
  static const ClassHistory kNew;
  const ClassHistory& h = it == classes_.end() ? kNew : it->second;
  const double accuracy = 1.0 + kAccuracySpan * (1.0 - Accuracy(h));
  const double confusions = 1.0 + kConfusionStep * std::min(h.recentConfusions, kConfusionCap);
  const double schedule = std::exp2(1 - h.box);
  return accuracy * confusions * schedule;
}

std::vector<double> PracticeScheduler::Weights(const std::vector<PracticeCandidate>& candidates) const {
  std::vector<double> weights(candidates.size(), 0.0);
  double followSum = 0, restSum = 0;
  std::vector<bool> follows(candidates.size(), false);
  for (size_t i = 0; i < candidates.size(); ++i) {
    if (!candidates[i].enabled) continue;
    weights[i] = Weight(candidates[i].name);
    follows[i] = std::find(followUp_.begin(), followUp_.end(), candidates[i].name) != followUp_.end();
    (follows[i] ? followSum : restSum) += weights[i];
  }
  // The classes just named wrongly take half of the whole weight.
  if (followSum > 0 && restSum > 0)
    for (size_t i = 0; i < candidates.size(); ++i)
      if (follows[i]) weights[i] *= restSum / followSum;
  return weights;
}

int PracticeScheduler::Choose(const std::vector<PracticeCandidate>& candidates, RandomSource& rng) const {
  const std::vector<double> weights = Weights(candidates);
  int last = -1;
  double total = 0;
  for (size_t i = 0; i < weights.size(); ++i) {
    if (!candidates[i].enabled) continue;
    total += weights[i];
    last = static_cast<int>(i);
  }
  if (last < 0) return -1;
  const double point = rng.Next() / 2147483648.0 * total;
  double running = 0;
  for (size_t i = 0; i < weights.size(); ++i) {
    if (!candidates[i].enabled) continue;
    running += weights[i];
    if (point < running) return static_cast<int>(i);
  }
  return last;  // rounding at the very top end
}

std::vector<FocusItem> PracticeScheduler::Focus(const std::vector<PracticeCandidate>& candidates,
                                                size_t count) const {
  const std::vector<double> weights = Weights(candidates);
  const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
  std::vector<size_t> order;
  for (size_t i = 0; i < candidates.size(); ++i)
    if (candidates[i].enabled) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return weights[a] > weights[b]; });
  if (order.size() > count) order.resize(count);
  std::vector<FocusItem> items;
  for (size_t i : order) {
    FocusItem item;
    item.name = candidates[i].name;
    item.share = total > 0 ? weights[i] / total : 0;
    item.why = Why(item.name);
    if (const ClassHistory* h = History(item.name)) {
      item.practised = h->questions > 0;
      if (!item.practised && h->drillAnswers >= 1)
        item.drillPercent = static_cast<int32_t>(std::lround(100.0 * h->drillRight / h->drillAnswers));
      if (item.practised) {
        item.confusedWith.assign(h->thisWeek.begin(), h->thisWeek.end());
        std::stable_sort(item.confusedWith.begin(), item.confusedWith.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        if (item.confusedWith.size() > 2) item.confusedWith.resize(2);
      }
      item.firstTryRight = h->firstTryRight;
      item.questions = h->questions;
      item.box = h->box;
    }
    items.push_back(std::move(item));
  }
  return items;
}

std::string PracticeScheduler::Why(const std::string& name) const {
  const ClassHistory* h = History(name);
  if (!h || h->questions == 0) {
    if (h && h->drillAnswers >= 1) {
      const int percent = static_cast<int>(std::lround(100.0 * h->drillRight / h->drillAnswers));
      return "not practised yet; " + std::to_string(percent) + " % right in your drills";
    }
    return "not practised yet";
  }
  std::vector<std::string> reasons;
  std::vector<std::pair<std::string, int32_t>> partners(h->thisWeek.begin(), h->thisWeek.end());
  std::stable_sort(partners.begin(), partners.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  if (!partners.empty()) {
    std::string text = "confused with " + partners[0].first + " " + TimesText(partners[0].second);
    if (partners.size() > 1) text += " and with " + partners[1].first + " " + TimesText(partners[1].second);
    reasons.push_back(text + " this week");
  }
  reasons.push_back("right at the first try in " + std::to_string(h->firstTryRight) + " of " +
                    std::to_string(h->questions) + (h->questions == 1 ? " question" : " questions"));
  reasons.push_back(h->box == 1 ? std::string("missed when last asked")
                                : "box " + std::to_string(h->box) + " of " + std::to_string(kLeitnerBoxes));
  std::string text;
  for (const std::string& reason : reasons) text += (text.empty() ? "" : "; ") + reason;
  return text;
}

int32_t PracticeScheduler::Box(const std::string& name) const {
  const ClassHistory* h = History(name);
  return h ? h->box : 1;
}

const ClassHistory* PracticeScheduler::History(const std::string& name) const {
  const auto it = classes_.find(name);
  return it == classes_.end() ? nullptr : &it->second;
}

std::map<std::string, int32_t> PracticeScheduler::Boxes() const {
  std::map<std::string, int32_t> boxes;
  for (const auto& [name, h] : classes_)
    if (h.box != 1) boxes[name] = h.box;
  return boxes;
}

BoxMoves CompareBoxes(const std::map<std::string, int32_t>& before, const std::map<std::string, int32_t>& after) {
  std::set<std::string> names;
  for (const auto& [name, box] : before) names.insert(name);
  for (const auto& [name, box] : after) names.insert(name);
  BoxMoves moves;
  for (const std::string& name : names) {
    const auto b = before.find(name);
    const auto a = after.find(name);
    const int32_t from = b == before.end() ? 1 : b->second;
    const int32_t to = a == after.end() ? 1 : a->second;
    const std::string text = name + " (box " + std::to_string(from) + " \u2192 " + std::to_string(to) + ")";
    if (to > from) moves.up.push_back(text);
    if (to < from) moves.down.push_back(text);
  }
  return moves;
}

PracticeLists ListsOf(const Catalogue& catalogue) {
  PracticeLists lists;
  CardinalityList list;
  const int tri = FillCardinalityList(catalogue, 3, list);
  for (int i = 0; i < tri; ++i) lists.trichords.push_back("3-" + list.items[static_cast<size_t>(i)]->name);
  const int tet = FillCardinalityList(catalogue, 4, list);
  for (int i = 0; i < tet; ++i) lists.tetrachords.push_back("4-" + list.items[static_cast<size_t>(i)]->name);
  return lists;
}
