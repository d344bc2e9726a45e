#include "DrillSession.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "DrillFiling.h"
#include "SessionLog.h"

namespace {

// Around nothing (a session alone, as in a test without windows): every set
// class enabled, close position, chords, notes dropped.
class NoSurroundings : public DrillSurroundings {
 public:
  void SettingsNow(FilterState& state) const override { state = FilterState{4095, 0, 0}; }
  int Cardinality() const override { return 0; }
  int Range() const override { return 0; }
  bool Asks(int) const override { return true; }
  void AskWholeList() override {}
  PlayManner Manner() const override { return PlayManner::Chord; }
  void Play(const PlaybackPlan&) override {}
};

DrillSurroundings& Fallback() {
  static NoSurroundings none;
  return none;
}

}  // namespace

std::string ClockText(uint32_t elapsedMs) {
  const uint32_t seconds = elapsedMs / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%d:%.2d", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60));
  return text;
}

DrillSession::DrillSession() : self_(std::make_shared<DrillSession*>(this)) {}

// A drill cut short (the program closing) logged its records all the same.
DrillSession::~DrillSession() { HandOverFiled(); }

void DrillSession::AddListener(DrillListener* listener) {
  if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
    listeners_.push_back(listener);
}

void DrillSession::RemoveListener(DrillListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

// --- the list in use -------------------------------------------------------------

bool DrillSession::ReadCatalogue(const std::string& fileName) { return catalogue.Load(fileName); }

int DrillSession::UseCardinality(int cardinality) {
  currentList.length = ::FillCardinalityList(catalogue, cardinality, currentList);
  filters.SetListLength(currentList.length);
  return currentList.length;
}

const SetClassEntry* DrillSession::EntryAt(int listIndex) const {
  if (listIndex < 0 || listIndex >= currentList.length) return nullptr;
  return currentList.items[static_cast<size_t>(listIndex)];
}

std::string DrillSession::LabelAt(int listIndex) const {
  const SetClassEntry* entry = EntryAt(listIndex);
  return entry ? ::FormatSetClassLabel(*entry) : std::string();
}

void DrillSession::SetAnswerRows(const int32_t* listIndices, int count) {
  answerRows_ = std::clamp(count, 0, kMaxListLength);
  for (int r = 0; r < answerRows_; ++r) answerRowMap[r] = listIndices[r];
  Tell([](DrillListener& l) { l.ListChanged(); });
}

int DrillSession::RowOf(int listIndex) const {
  for (int r = 0; r < answerRows_; ++r)
    if (answerRowMap[r] == listIndex) return r;
  return -1;
}

int DrillSession::ListIndexOfRow(int row) const {
  if (row < 0 || row >= kMaxListLength) return -1;
  return answerRowMap[row];
}

std::string DrillSession::NameOfRow(int row) const {
  if (row < 0 || row >= answerRows_) return {};
  const SetClassEntry* entry = EntryAt(answerRowMap[row]);
  return entry ? entry->name : std::string();
}

int DrillSession::RowNamed(const std::string& name) const {
  int found = -1;
  for (int r = 0; r < answerRows_; ++r)
    if (NameOfRow(r) == name) found = r;
  return found;
}

bool DrillSession::SetNoteCount(int noteCount) {
  if (question.noteCount == noteCount) return false;
  question.noteCount = noteCount;
  return true;
}

bool DrillSession::ReplaceUndrilledQuestion() {
  DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  const int cardinality = around.Cardinality();
  const bool otherNotes = SetNoteCount(cardinality + 3);
  if (!Drilling) return false;
  if (!otherNotes && questionCardinality_ == cardinality && around.Asks(question.listIndex)) return false;
  GenerateQuestion();
  PlayQuestion();
  return true;
}

// --- questions and playback ------------------------------------------------------

void DrillSession::GenerateQuestion() {
  DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  const int length = currentList.length;
  bool anyEnabled = false;
  for (int i = 0; i < length && !anyEnabled; ++i) anyEnabled = around.Asks(i);
  if (length > 0 && !anyEnabled) around.AskWholeList();

  FilterState current;
  around.SettingsNow(current);
  const FilterCheck check = CheckFilterState(current, around.Cardinality(), DrillFilterState);
  if (check.partial) FiltersUsed = true;
  if (check.changed) {
    FiltersUsed = true;
    WriteSegmentIfAnswered();
    WriteFilterRecord(current);
    DrillFilterState = current;
  }

  QuestionRequest request;
  request.listLength = length;
  request.isEnabled = [&around](int i) { return around.Asks(i); };
  request.entry = [this](int i) { return EntryAt(i); };
  request.range = VoicingRangeFromIndex(around.Range());
  request.limits = NoteLimits{lowestNote, highestNote, gapUnit};
  request.choose = chooser_;
  // Without a usable list (no catalogue) the last question stays.
  if (::GenerateQuestion(request, ProgramRandom(), question)) {
    questionCardinality_ = around.Cardinality();
    Tell([this](DrillListener& l) { l.QuestionAsked(question); });
  }
}

void DrillSession::PlayQuestion() {
  DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  SetWaiting(false);
  around.Play(PlanQuestionNotes(question, around.Manner()));
  Tell([](DrillListener& l) { l.QuestionPlayed(); });
}

void DrillSession::SetWaiting(bool waiting) {
  if (waiting_ == waiting) return;
  waiting_ = waiting;
  Tell([waiting](DrillListener& l) { l.QuestionWaiting(waiting); });
}

bool DrillSession::WaitsForStudent() const {
  const DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  return around.WaitForMe();
}

bool DrillSession::AskForQuestion() {
  if (!waiting_ || !Drilling) return false;
  PlayQuestion();
  return true;
}

void DrillSession::PlayNextQuestion() {
  const DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  if (around.WaitForMe()) {
    SetWaiting(true);
    return;
  }
  const int seconds = around.PauseBeforeNextQuestion();
  if (seconds <= 0 || !scheduler_) {
    PlayQuestion();
    return;
  }
  // The question as it was made; a later right answer, a new drill or a
  // change of cardinality makes another one (a wrong answer changes only
  // the question's last wrong row).
  const QuestionState asked = question;
  const int32_t correct = CorrectCount;
  const uint32_t start = DrillStart;
  const std::weak_ptr<DrillSession*> alive = self_;
  scheduler_->After(static_cast<uint32_t>(seconds) * 1000, [alive, asked, correct, start] {
    const std::shared_ptr<DrillSession*> held = alive.lock();
    if (!held) return;
    DrillSession* self = *held;
    if (!self->Drilling || self->CorrectCount != correct || self->DrillStart != start) return;
    const QuestionState& now = self->question;
    if (now.listIndex != asked.listIndex || now.noteCount != asked.noteCount || now.isFormB != asked.isFormB ||
        std::memcmp(now.playedNotes, asked.playedNotes, sizeof asked.playedNotes) != 0)
      return;
    self->PlayQuestion();
  });
}

void DrillSession::Arpeggiate(bool up) {
  DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  SetWaiting(false);  // the question is heard now, one note at a time
  around.Play(PlanArpeggio(question, up));
}

// --- the session log (a record that cannot be written is lost silently) ---------
// A practice drill is logged in practice.dat only.

void DrillSession::Log(const std::string& record) {
  // What the class gets is what report.dat got, byte for byte.
  if (AppendLogRecord(kReportFileName, record) && Drilling) filed_ += "\r\n" + record;
}

void DrillSession::HandOverFiled() {
  const std::string filed = std::move(filed_);
  filed_.clear();
  FileDrillPart(kReportFileName, filed);
}

void DrillSession::WriteStartRecord() {
  if (practice_) return;
  SessionDate = Time().Today();
  Log(StartRecordText(SessionDate, CurrentPersonIndex, CurrentPersonName));
}

void DrillSession::WriteFilterRecord(const FilterState& state) {
  if (practice_) return;
  Log(FilterRecordText(state));
}

void DrillSession::WriteSegmentRecord() {
  const uint32_t seconds = (Time().NowMs() - SegmentStart) / 1000;
  const double check = SegmentCheckValue(CurrentPersonName, SessionDate, SegmentCorrect, SegmentIncorrect);
  if (!practice_) Log(SegmentRecordText(SegmentCorrect, SegmentIncorrect, seconds, check));
  SegmentCorrect = 0;
  SegmentIncorrect = 0;
  SegmentStart = Time().NowMs();
}

void DrillSession::WriteSegmentIfAnswered() {
  if (SegmentCorrect != 0 || SegmentIncorrect != 0) WriteSegmentRecord();
}

// --- the drill's steps -----------------------------------------------------------

bool DrillSession::Begin() {
  // Without a catalogue there is nothing to ask.
  if (currentList.length <= 0) return false;
  DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  Drilling = true;
  filed_.clear();
  Tell([](DrillListener& l) { l.DrillBeginning(); });
  DrillStart = SegmentStart = Time().NowMs();
  WriteStartRecord();
  around.SettingsNow(DrillFilterState);
  WriteFilterRecord(DrillFilterState);
  GenerateQuestion();
  Tell([](DrillListener& l) { l.DrillStarted(); });
  if (around.WaitForMe())
    SetWaiting(true);
  else
    PlayQuestion();
  return true;
}

AnswerKey DrillSession::KeyOf(const QuestionState& q) const {
  const DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  return KeyOfQuestion(q, EntryAt(q.listIndex), around.Cardinality());
}

void DrillSession::Submit(int row) {
  if (!Drilling || (answersHeld_ && answersHeld_())) return;
  // No answer to a question not yet heard: Enter asks for it instead.
  if (AskForQuestion()) return;
  if (row < 0 || row >= kMaxListLength) {
    JudgedAnswer none;
    none.asked = question;
    Tell([&none](DrillListener& l) { l.AnswerJudged(none); });
    return;
  }
  if (answerRowMap[row] == question.listIndex) {
    CorrectAnswer(row);
    return;
  }
  // The same wrong answer to the same question counts once.
  if (row == question.lastWrongRow) {
    JudgedAnswer again;
    again.asked = question;
    again.row = row;
    again.givenListIndex = answerRowMap[row];
    Tell([&again](DrillListener& l) { l.AnswerJudged(again); });
    return;
  }
  question.lastWrongRow = row;
  IncorrectAnswer(row);
}

void DrillSession::CorrectAnswer(int row) {
  JudgedAnswer judged;
  judged.asked = question;
  judged.row = row;
  judged.givenListIndex = answerRowMap[row];
  judged.right = true;
  judged.counted = true;
  if (!practice_) {
    const AnswerKey key = KeyOf(question);
    AddCorrectAnswer(SessionStats, key.statIndex, key.form, key.rip);
  }
  ++CorrectCount;
  ++SegmentCorrect;
  Tell([&judged](DrillListener& l) { l.AnswerJudged(judged); });  // heard before the next question sounds
  GenerateQuestion();
  PlayNextQuestion();
  Tell([](DrillListener& l) { l.CountsChanged(); });
}

void DrillSession::IncorrectAnswer(int row) {
  if (!practice_) {
    const AnswerKey key = KeyOf(question);
    AddWrongAnswer(SessionStats, key.statIndex, key.form, key.rip, answerRowMap[row]);
  }
  ++IncorrectCount;
  ++SegmentIncorrect;
  Tell([](DrillListener& l) { l.CountsChanged(); });
  JudgedAnswer judged;
  judged.asked = question;
  judged.row = row;
  judged.givenListIndex = answerRowMap[row];
  judged.counted = true;
  Tell([&judged](DrillListener& l) { l.AnswerJudged(judged); });
}

void DrillSession::MarkFilterChange() {
  const DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  FilterState current;
  around.SettingsNow(current);
  const FilterCheck check = CheckFilterState(current, around.Cardinality(), DrillFilterState);
  if (check.partial || check.changed) FiltersUsed = true;
}

DrillResult DrillSession::Result(bool scored) const {
  const DrillSurroundings& around = surroundings_ ? *surroundings_ : Fallback();
  DrillResult r;
  r.correct = CorrectCount;
  r.incorrect = IncorrectCount;
  r.drillStart = DrillStart;
  r.endedAt = Time().NowMs();
  r.filtersUsed = FiltersUsed;
  around.SettingsNow(r.filters);
  r.cardinalityIndex = around.Cardinality();
  r.stats = SessionStats;
  r.practice = practice_;
  r.scored = scored;
  return r;
}

void DrillSession::End(bool scored) {
  // A range or filter changed after the last question belongs to the drill
  // as much as one changed before a question: the score must not file it
  // under settings it was not drilled with.
  if (scored) MarkFilterChange();
  WriteSegmentIfAnswered();
  Drilling = false;
  HandOverFiled();
  SetWaiting(false);
  const DrillResult result = Result(scored);
  Tell([&result](DrillListener& l) { l.DrillEnded(result); });
}

void DrillSession::Clear() {
  SegmentCorrect = 0;
  CorrectCount = 0;
  SegmentIncorrect = 0;
  IncorrectCount = 0;
  ClearStats(SessionStats);
  FiltersUsed = false;
  Tell([](DrillListener& l) { l.CountsChanged(); });
}

bool DrillSession::EndForNewPerson() {
  if (!Stoppable()) return false;
  End(false);
  Clear();
  return true;
}
