#include "AssignmentDrill.h"

#include <algorithm>
#include <utility>

#include "PracticeLog.h"
#include "ReportReader.h"
#include "Storage.h"

DrillSettings SettingsOf(const FilterModel& model) { return {model.State(), model.PlayMode()}; }

void ApplySettings(FilterSteps& steps, FilterModel& model, const DrillSettings& settings) {
  steps.Apply(NormaliseFilterState(settings.filters));
  model.SetPlayMode(std::clamp(settings.playMode, 0, 2));
}

std::optional<DrillSettings> AssignmentSettings(const Assignment& assignment, const PracticeLists& lists) {
  const bool tetrachords = assignment.cardinality == 4;
  const std::vector<std::string>& list = tetrachords ? lists.tetrachords : lists.trichords;
  DrillSettings s;
  s.filters = FilterState{0, 0, std::clamp(assignment.range, 0, 2) + (tetrachords ? 3 : 0)};
  s.playMode = std::clamp(assignment.playMode, 0, 2);
  const auto enable = [&s](size_t i) { (i < 16 ? s.filters.LowMask : s.filters.HighMask) |= 1 << (i % 16); };
  if (assignment.allClasses || assignment.classes.empty()) {
    if (list.empty()) return std::nullopt;
    for (size_t i = 0; i < list.size() && i < 32; ++i) enable(i);
  } else {
    for (const std::string& name : assignment.classes) {
      const auto at = std::find(list.begin(), list.end(), name);
      if (at == list.end() || at - list.begin() >= 32) return std::nullopt;
      enable(static_cast<size_t>(at - list.begin()));
    }
  }
  s.filters = NormaliseFilterState(s.filters);
  return s;
}

std::optional<DrillSettings> AssignmentRun::Start(const Assignment& assignment, const PracticeLists& lists,
                                                  const DrillSettings& own) {
  auto settings = AssignmentSettings(assignment, lists);
  if (!settings) return std::nullopt;
  if (!own_) own_ = own;
  title_ = assignment.title;
  return settings;
}

std::optional<DrillSettings> AssignmentRun::Stop() {
  title_.clear();
  return std::exchange(own_, std::nullopt);
}

std::optional<std::vector<AssignmentProgress>> OwnProgress(const std::vector<Assignment>& assignments,
                                                           const PracticeLists& lists, const std::string& person,
                                                           int32_t today, const std::string& reportFile,
                                                           const std::string& practiceFile) {
  AssignmentJudge judge(assignments, lists);
  const std::string key = PersonKey(person);
  judge.AddPerson(key);
  ReportLogReader reader([&judge, &key](LoggedDrill&& drill) {
    if (PersonKey(drill.person) == key) judge.AddDrill(drill);
  });
  // Through the data storage: the page keeps its files there, not on a disk.
  Storage& storage = DataStorage();
  if (storage.Exists(reportFile)) {
    const auto text = storage.ReadAll(reportFile);
    if (!text) return std::nullopt;
    reader.Feed(*text);
  }
  reader.Finish();
  const auto practice = LoadPracticeLog(practiceFile);
  if (!practice) return std::nullopt;
  for (const PracticeRecord& r : practice->records)
    if (PersonKey(r.person) == key) judge.AddPractice(r);
  for (PersonAssignments& row : judge.Rows(today))
    if (row.name == key) return std::move(row.progress);
  return std::vector<AssignmentProgress>(assignments.size());
}

bool IsOpen(const Assignment& assignment, const AssignmentProgress& progress, int32_t today) {
  return progress.status != AssignmentStatus::Done && today >= assignment.start && today <= assignment.due;
}

DueNotice DueNoticeOf(const std::vector<Assignment>& assignments, const std::vector<AssignmentProgress>& progress,
                      int32_t today) {
  DueNotice notice;
  std::vector<size_t> due;
  for (size_t n = 0; n < assignments.size() && n < progress.size(); ++n) {
    const Assignment& a = assignments[n];
    if (progress[n].status != AssignmentStatus::Done && a.due >= today && DueThisWeek(a, today))
      due.push_back(n);
  }
  if (due.empty()) return notice;
  std::stable_sort(due.begin(), due.end(),
                   [&assignments](size_t x, size_t y) { return assignments[x].due < assignments[y].due; });
  notice.source = kDueThisWeekSource;
  notice.count = static_cast<int>(due.size());
  for (size_t n : due) notice.items.push_back({assignments[n].title, assignments[n].due});
  return notice;
}

std::string DueNoticeText(const DueNotice& notice) {
  if (!*notice.source) return {};
  std::string items;
  for (const DueItem& item : notice.items) {
    if (!items.empty()) items += ", ";
    items += item.title + " by " + IsoDate(item.due);
  }
  std::string text = notice.count == 1 ? "1 assignment due this week: %1"
                                       : std::to_string(notice.count) + " assignments due this week: %1";
  text.replace(text.find("%1"), 2, items);
  return text;
}
