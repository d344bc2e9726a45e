// Practice mode for the page: the desktop's practice run (the scheduler, the
// log, the summary) following the page's drill step by step, as the
// desktop's practice mode follows its drill window. The page shows it.
#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "Clock.h"
#include "DrillSession.h"
#include "ErrorStats.h"
#include "PageDrill.h"
#include "Playback.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "PracticeRun.h"
#include "PracticeScheduler.h"
#include "QuestionGenerator.h"
#include "Random.h"
#include "ReportReader.h"
#include "SessionLog.h"
#include "SetClassPlayer.h"
#include "Storage.h"
#include "PageValues.h"

namespace {


std::string ClassName(const SetClassEntry* entry) {
  return entry ? std::to_string(entry->cardinality) + "-" + entry->name : std::string();
}

PracticeLog ReadPractice(const std::string* person) {
  const std::optional<std::string> text = DataStorage().ReadAll(kPracticeFileName);
  return text ? ParsePracticeLog(*text, person) : PracticeLog{};
}

ReportLog ReadReport() { return LoadReportLog(kReportFileName).value_or(ReportLog{}); }

// Where practice stands, and the reveal that waits (null when none does).
struct PracticeStep {
  bool active = false, running = false, open = false, waiting = false;
  int reveals = 0;  // reveals so far, so the page sees an automatic one
  emscripten::val reveal = emscripten::val::null();
};

// What a reveal shows: the class asked and the class named last (-1 when
// none was), the notes of the question, the row to highlight.
struct RevealValue {
  std::string askedLabel, namedLabel, namedName;
  int asked = -1, named = -1, row = -1;
  emscripten::val notes = emscripten::val::array();
  emscripten::val sorted = emscripten::val::array();
};

// When a part of a reveal begins: "question", or "named" with its class.
struct RevealPart {
  double atMs = 0;
  std::string part, name;
};

struct RevealSound {
  emscripten::val notes = emscripten::val::array();
  emscripten::val parts = emscripten::val::array();
  double endMs = 0;
};

struct SummaryValue {
  int questions = 0, firstTryRight = 0;
  int percent = -1;  // -1 with no question
  int revealed = 0, seconds = 0;
  emscripten::val surer = emscripten::val::array();
  emscripten::val needsWork = emscripten::val::array();
  bool logWritten = false;
};

struct PracticeDayValue {
  std::string date;
  int questions = 0, firstTryRight = 0;
  std::string percent;
  int revealed = 0;
};

struct Partner {
  std::string name;
  int times = 0;
};

// A line of the focus, as the desktop writes it, and its figures, for the
// page to say it in the student's language. `questions` 0 and
// `drillPercent` -1 where the class has no history.
struct FocusValue {
  std::string line, name;
  int percent = 0, questions = 0, firstTryRight = 0, box = 1, boxes = kLeitnerBoxes, drillPercent = -1;
  emscripten::val partners = emscripten::val::array();  // [name, times], at most two
};

struct PracticeProgressValue {
  emscripten::val days = emscripten::val::array();
  emscripten::val focus = emscripten::val::array();
};

std::vector<int> FirstNotes(const int* notes, int count) { return std::vector<int>(notes, notes + std::clamp(count, 0, 4)); }

// The voicings of the classes named are the player's own, so that hearing
// them again never changes the questions that follow.
RandomSource& RevealRandom() {
  static RandomSource rng;
  return rng;
}

}  // namespace

class WebPractice : public DrillListener {
 public:
  WebPractice() : s_(PageDrillSession()) {
    if (!s_) return;
    s_->AddListener(this);
    // No answer counts while a reveal waits, however it is given.
    s_->SetAnswersHeld([this] { return revealed_.has_value(); });
  }
  ~WebPractice() override {
    if (s_ && s_ == PageDrillSession()) {
      s_->RemoveListener(this);
      s_->SetAnswersHeld({});
      s_->SetChooser({});
    }
  }
  WebPractice(const WebPractice&) = delete;
  WebPractice& operator=(const WebPractice&) = delete;

  // The mode is chosen between drills; the automatic reveal at any time.
  bool SetMode(bool on) {
    if (s_ && !s_->Drilling) active_ = on;
    return active_;
  }
  void SetAutoReveal(int after) { autoAfter_ = after == 2 || after == 3 || after == 5 ? after : 0; }

  PracticeStep Step() const {
    return {active_, run_ != nullptr, run_ && run_->QuestionOpen() && !revealed_, revealed_.has_value(), reveals_, Revealed()};
  }

  // Show Answer: the reveal, when a question is open.
  PracticeStep ShowAnswer() {
    if (run_ && run_->QuestionOpen() && !revealed_) Reveal(::Reveal::ByStudent);
    return Step();
  }

  // The revealed question and/or the class named, `leadIn` ms from the
  // start, with the moment each part begins.
  RevealSound PlayRevealed(bool question, bool named, int leadIn, int manner, int range) {
    if (!revealed_ || !s_) return {};
    const SetClassEntry* entry = named && revealed_->named >= 0 ? s_->EntryAt(revealed_->named) : nullptr;
    SetClassPlay how;
    how.range = VoicingRangeFromIndex(range);
    how.limits = NoteLimits{s_->lowestNote, s_->highestNote, s_->gapUnit};
    how.manner = PlayMannerFromItemIndex(manner);
    const RevealPlan reveal = PlanReveal(question ? &revealed_->question : nullptr, entry, how,
                                         static_cast<uint32_t>(std::max(leadIn, 0)), RevealRandom());
    std::vector<RevealPart> parts;
    if (reveal.hasQuestion) parts.push_back({static_cast<double>(reveal.questionAtMs), "question", ""});
    if (reveal.hasNamed) parts.push_back({static_cast<double>(reveal.namedAtMs), "named", ClassName(entry)});
    return {PlanValue(reveal.plan), JsArray(parts), static_cast<double>(reveal.plan.endMs)};
  }

  // The student asks for the next question: it is made and played.
  PracticeStep Next() {
    if (!revealed_) return Step();
    revealed_.reset();
    if (run_ && s_ && s_->Drilling) {
      s_->GenerateQuestion();
      s_->PlayQuestion();
    }
    return Step();
  }

  // END at any time: the summary (null when no practice drill ran), and the
  // drill cleared as after a score.
  emscripten::val End() {
    if (!s_ || !run_ || !s_->Drilling) return emscripten::val::null();
    s_->End(true);
    s_->Clear();
    return emscripten::val(SummaryValue{summary_.questions, summary_.firstTryRight, summary_.percent, summary_.revealed, summary_.seconds,
                                        JsArray(summary_.surer), JsArray(summary_.needsWork), summary_.logWritten});
  }

  // The page goes: a practice drill ends without its summary, and its
  // answered question is kept, as when the desktop's window closes.
  void Leave() {
    if (!s_ || !run_ || !s_->Drilling) return;
    s_->End(false);
    s_->Clear();
  }

  // --- the drill's steps ---------------------------------------------------------
  void DrillBeginning() override {
    run_.reset();
    revealed_.reset();
    s_->SetPractice(false);
    s_->SetChooser({});
    if (!active_) return;
    PracticeScheduler scheduler(s_->CurrentPersonName, static_cast<int32_t>(CoreClock().Today()));
    const ReportLog drills = ReadReport();
    scheduler.Learn(ReadPractice(&s_->CurrentPersonName), &drills, ListsOf(s_->catalogue));
    run_ = std::make_unique<PracticeRun>(std::move(scheduler), CoreClock().NowMs());
    s_->SetPractice(true);
    s_->SetChooser([this](int32_t length, const std::function<bool(int)>& isEnabled, RandomSource& rng) {
      if (!run_) return -1;
      std::vector<PracticeCandidate> candidates;
      for (int i = 0; i < length; ++i) candidates.push_back({ClassName(s_->EntryAt(i)), isEnabled(i)});
      return run_->Choose(candidates, rng);
    });
  }

  void QuestionAsked(const QuestionState& q) override {
    // Another question was made meanwhile (the cardinality changed): the reveal is over.
    revealed_.reset();
    if (!run_) return;
    const SetClassEntry* entry = s_->EntryAt(q.listIndex);
    run_->Asked(q, ClassName(entry), StatForm(q.isFormB, entry && entry->hasDistinctInversion), CoreClock().NowMs());
  }

  void AnswerJudged(const JudgedAnswer& answer) override {
    if (!run_ || !answer.counted) return;
    run_->Answered(answer.asked, ClassName(s_->EntryAt(answer.givenListIndex)), CoreClock().NowMs());
    if (!answer.right && autoAfter_ > 0 && run_->WrongAnswers() >= autoAfter_) Reveal(::Reveal::Automatic);
  }

  void DrillEnded(const DrillResult&) override {
    if (!run_) return;
    const std::unique_ptr<PracticeRun> run = std::move(run_);
    const PracticeSummary s = run->End(CoreClock().NowMs());
    // The drill stays marked as practice until the next BEGIN, so that no
    // later step logs its counts as a drill's.
    revealed_.reset();
    s_->SetChooser({});
    summary_ = {s.totals.questions, s.totals.firstTryRight,
                s.totals.questions > 0 ? static_cast<int>(std::lround(s.totals.FirstTryPercent())) : -1,
                s.totals.revealed, static_cast<int>(s.drillSeconds), s.surer, s.needsWork, run->LogWritten()};
  }

 private:
  void Reveal(::Reveal how) {
    const int asked = s_->question.listIndex;
    const std::optional<std::string> named = run_->Reveal(how, CoreClock().NowMs());
    if (!named) return;
    int namedIndex = -1;
    for (int i = 0; i < s_->currentList.length && !named->empty(); ++i)
      if (ClassName(s_->EntryAt(i)) == *named) namedIndex = i;
    revealed_ = Shown{s_->question, asked, namedIndex};
    ++reveals_;
  }

  struct Shown {
    QuestionState question;
    int asked = -1;
    int named = -1;
  };
  DrillSession* s_;
  bool active_ = false;
  int autoAfter_ = 0;
  std::unique_ptr<PracticeRun> run_;
  std::optional<Shown> revealed_;
  int reveals_ = 0;  // reveals so far, so the page sees an automatic one
  struct Summary {
    int questions = 0, firstTryRight = 0, percent = -1, revealed = 0, seconds = 0;
    std::vector<std::string> surer, needsWork;
    bool logWritten = false;
  } summary_;

  emscripten::val Revealed() const {
    if (!revealed_ || !s_) return emscripten::val::null();
    const QuestionState& q = revealed_->question;
    return emscripten::val(RevealValue{s_->LabelAt(revealed_->asked), revealed_->named >= 0 ? s_->LabelAt(revealed_->named) : "",
                                       ClassName(s_->EntryAt(revealed_->named)), revealed_->asked, revealed_->named,
                                       s_->RowOf(revealed_->asked), JsArray(FirstNotes(q.playedNotes, q.noteCount)),
                                       JsArray(FirstNotes(q.sortedNotes, q.noteCount))});
  }
};

// The practice section of My Progress: questions per day and the focus,
// among the list indices `enabled` (number[]) of the current list.
PracticeProgressValue PracticeProgress(const std::string& person, const emscripten::val& enabled) {
  DrillSession* s = PageDrillSession();
  const PracticeLog log = ReadPractice(nullptr);
  std::vector<PracticeDayValue> days;
  for (const PracticeDay& d : PracticeDays(log, person)) {
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.1f", d.FirstTryPercent());
    days.push_back({IsoDate(d.day), d.questions, d.firstTryRight, percent, d.revealed});
  }
  std::vector<FocusValue> focus;
  if (s) {
    // The current list, enabled as the answer list shows it.
    std::vector<PracticeCandidate> candidates;
    for (int i = 0; i < s->currentList.length; ++i) candidates.push_back({ClassName(s->EntryAt(i)), false});
    for (const int i : IntsOf(enabled))
      if (i >= 0 && static_cast<size_t>(i) < candidates.size()) candidates[static_cast<size_t>(i)].enabled = true;
    PracticeScheduler scheduler(person, static_cast<int32_t>(CoreClock().Today()));
    const ReportLog drills = ReadReport();
    scheduler.Learn(log, &drills, ListsOf(s->catalogue));
    const std::vector<std::string> lines = FocusLines(scheduler, candidates);
    const std::vector<FocusItem> items = scheduler.Focus(candidates, lines.size());
    for (size_t i = 0; i < lines.size() && i < items.size(); ++i) {
      FocusValue f;
      f.line = lines[i];
      f.name = items[i].name;
      f.percent = static_cast<int>(std::lround(items[i].share * 100.0));
      if (const ClassHistory* h = scheduler.History(items[i].name)) {
        std::vector<std::pair<std::string, int32_t>> partners(h->thisWeek.begin(), h->thisWeek.end());
        std::stable_sort(partners.begin(), partners.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
        if (partners.size() > 2) partners.resize(2);
        std::vector<Partner> two;
        for (const auto& [name, times] : partners) two.push_back({name, times});
        f.questions = h->questions;
        f.firstTryRight = h->firstTryRight;
        f.box = h->box;
        f.drillPercent = h->drillAnswers >= 1 ? static_cast<int>(std::lround(100.0 * h->drillRight / h->drillAnswers)) : -1;
        f.partners = JsArray(two);
      }
      focus.push_back(std::move(f));
    }
  }
  return {JsArray(days), JsArray(focus)};
}

EMSCRIPTEN_BINDINGS(sonorix_practice) {
  using emscripten::value_object;
  value_object<PracticeStep>("PracticeStep")
      .field("active", &PracticeStep::active)
      .field("running", &PracticeStep::running)
      .field("open", &PracticeStep::open)
      .field("waiting", &PracticeStep::waiting)
      .field("reveals", &PracticeStep::reveals)
      .field("reveal", &PracticeStep::reveal);
  value_object<RevealValue>("Reveal")
      .field("askedLabel", &RevealValue::askedLabel)
      .field("namedLabel", &RevealValue::namedLabel)
      .field("namedName", &RevealValue::namedName)
      .field("asked", &RevealValue::asked)
      .field("named", &RevealValue::named)
      .field("row", &RevealValue::row)
      .field("notes", &RevealValue::notes)
      .field("sorted", &RevealValue::sorted);
  value_object<RevealPart>("RevealPart").field("atMs", &RevealPart::atMs).field("part", &RevealPart::part).field("name", &RevealPart::name);
  value_object<RevealSound>("RevealSound").field("notes", &RevealSound::notes).field("parts", &RevealSound::parts).field("endMs", &RevealSound::endMs);
  value_object<SummaryValue>("PracticeSummary")
      .field("questions", &SummaryValue::questions)
      .field("firstTryRight", &SummaryValue::firstTryRight)
      .field("percent", &SummaryValue::percent)
      .field("revealed", &SummaryValue::revealed)
      .field("seconds", &SummaryValue::seconds)
      .field("surer", &SummaryValue::surer)
      .field("needsWork", &SummaryValue::needsWork)
      .field("logWritten", &SummaryValue::logWritten);
  value_object<PracticeDayValue>("PracticeDay")
      .field("date", &PracticeDayValue::date)
      .field("questions", &PracticeDayValue::questions)
      .field("firstTryRight", &PracticeDayValue::firstTryRight)
      .field("percent", &PracticeDayValue::percent)
      .field("revealed", &PracticeDayValue::revealed);
  emscripten::value_array<Partner>("FocusPartner").element(&Partner::name).element(&Partner::times);
  value_object<FocusValue>("FocusLine")
      .field("line", &FocusValue::line)
      .field("name", &FocusValue::name)
      .field("percent", &FocusValue::percent)
      .field("questions", &FocusValue::questions)
      .field("firstTryRight", &FocusValue::firstTryRight)
      .field("box", &FocusValue::box)
      .field("boxes", &FocusValue::boxes)
      .field("drillPercent", &FocusValue::drillPercent)
      .field("partners", &FocusValue::partners);
  value_object<PracticeProgressValue>("PracticeProgress").field("days", &PracticeProgressValue::days).field("focus", &PracticeProgressValue::focus);
  emscripten::class_<WebPractice>("WebPractice")
      .constructor<>()
      .function("setMode", &WebPractice::SetMode)
      .function("setAutoReveal", &WebPractice::SetAutoReveal)
      .function("step", &WebPractice::Step)
      .function("showAnswer", &WebPractice::ShowAnswer)
      .function("playRevealed", &WebPractice::PlayRevealed)
      .function("next", &WebPractice::Next)
      .function("end", &WebPractice::End)
      .function("leave", &WebPractice::Leave);
  emscripten::function("practiceProgress", &PracticeProgress);
}
