#include "PracticeRun.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "Clock.h"
#include "DrillFiling.h"

namespace {

PracticeScheduler LearntScheduler(const std::string& person, const PracticeLists& lists) {
  PracticeScheduler scheduler(person, static_cast<int32_t>(CoreClock().Today()));
  scheduler.LearnFromFiles(lists);
  return scheduler;
}

}  // namespace

PracticeRun::PracticeRun(const std::string& person, const PracticeLists& lists, uint32_t startTick)
    : PracticeRun(LearntScheduler(person, lists), startTick) {}

PracticeRun::PracticeRun(PracticeScheduler scheduler, uint32_t startTick)
    : scheduler_(std::move(scheduler)), boxesAtStart_(scheduler_.Boxes()), startTick_(startTick) {}

bool PracticeRun::Same(const QuestionState& a, const QuestionState& b) {
  return a.listIndex == b.listIndex && a.noteCount == b.noteCount && a.isFormB == b.isFormB &&
         std::memcmp(a.sortedNotes, b.sortedNotes, sizeof a.sortedNotes) == 0 &&
         std::memcmp(a.playedNotes, b.playedNotes, sizeof a.playedNotes) == 0;
}

void PracticeRun::Asked(const QuestionState& question, const std::string& name, int form, uint32_t tick) {
  Open open;
  open.question = question;
  open.askedAt = tick;
  open.record.asked = name;
  open.record.form = form == 1 ? 1 : 0;
  open.record.person = scheduler_.Person();
  const int n = std::clamp(question.noteCount, 0, 4);
  for (int i = 0; i < n; ++i) open.record.voicing.push_back(question.sortedNotes[i] - question.sortedNotes[0]);
  if (current_) {
    next_ = std::move(open);
  } else {
    current_ = std::move(open);
  }
}

int PracticeRun::Choose(const std::vector<PracticeCandidate>& candidates, RandomSource& rng) {
  if (current_ && WrongAnswers() > 0) {
    std::vector<std::string> wrong;
    for (const std::string& a : current_->record.answers)
      if (a != current_->record.asked && std::find(wrong.begin(), wrong.end(), a) == wrong.end()) wrong.push_back(a);
    scheduler_.SetFollowUp(std::move(wrong));
  }
  const int chosen = scheduler_.Choose(candidates, rng);
  scheduler_.SetFollowUp({});  // for one question only
  return chosen;
}

void PracticeRun::Advance() {
  current_ = std::move(next_);
  next_.reset();
}

void PracticeRun::Answered(const QuestionState& question, const std::string& given, uint32_t tick) {
  // An answer to the waiting question: the open one was replaced without a
  // right answer (the filters changed), and stands as it was left.
  if (next_ && !(current_ && Same(current_->question, question)) && Same(next_->question, question)) {
    if (current_ && !current_->record.answers.empty()) Finish(::Reveal::None, tick);
    Advance();
  }
  if (!current_) return;
  current_->record.answers.push_back(given);
  if (given == current_->record.asked) {
    Finish(::Reveal::None, tick);
    Advance();
  }
}

int PracticeRun::WrongAnswers() const {
  if (!current_) return 0;
  const auto& answers = current_->record.answers;
  return static_cast<int>(std::count_if(answers.begin(), answers.end(),
                                        [this](const std::string& a) { return a != current_->record.asked; }));
}

std::string PracticeRun::OpenClass() const { return current_ ? current_->record.asked : std::string(); }

std::optional<std::string> PracticeRun::Reveal(::Reveal how, uint32_t tick) {
  if (!current_) return std::nullopt;
  std::string lastWrong;
  for (const std::string& a : current_->record.answers)
    if (a != current_->record.asked) lastWrong = a;
  Finish(how, tick);
  Advance();
  return lastWrong;
}

PracticeSummary PracticeRun::End(uint32_t tick) {
  if (current_ && !current_->record.answers.empty()) Finish(::Reveal::None, tick);
  current_.reset();
  next_.reset();
  // The drill's lines go to the class as one part.
  FileDrillPart(kPracticeFileName, std::exchange(filed_, {}));
  PracticeSummary summary;
  summary.totals = totals_;
  summary.drillSeconds = (tick - startTick_) / 1000;
  summary.moves = CompareBoxes(boxesAtStart_, scheduler_.Boxes());
  SortProgress(summary, boxesAtStart_, scheduler_.Boxes(), revealed_);
  return summary;
}

void PracticeRun::Finish(::Reveal how, uint32_t tick) {
  PracticeRecord& record = current_->record;
  record.reveal = how;
  if (how != ::Reveal::None) revealed_.push_back(record.asked);
  record.seconds = (tick - current_->askedAt) / 1000;
  PracticeNow(record.day, record.secondOfDay);
  if (AppendPracticeRecord(kPracticeFileName, record)) filed_ += PracticeLine(record) + "\r\n";
  else logWritten_ = false;
  scheduler_.Record(record);
  if (next_) scheduler_.SetFollowUp({});  // what follows was chosen already
  totals_.Add(record);
}
