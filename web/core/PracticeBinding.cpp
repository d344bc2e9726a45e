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
#include "JsonText.h"
#include "PlanJson.h"

namespace {


std::string Names(const std::vector<std::string>& names) {
  std::string out = "[";
  for (size_t i = 0; i < names.size(); ++i) out += (i ? "," : "") + JsonString(names[i]);
  return out + "]";
}

std::string ClassName(const SetClassEntry* entry) {
  return entry ? std::to_string(entry->cardinality) + "-" + entry->name : std::string();
}

PracticeLog ReadPractice(const std::string* person) {
  const std::optional<std::string> text = DataStorage().ReadAll(kPracticeFileName);
  return text ? ParsePracticeLog(*text, person) : PracticeLog{};
}

ReportLog ReadReport() { return LoadReportLog(kReportFileName).value_or(ReportLog{}); }

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

  std::string State() const {
    std::string out = std::string("{\"active\":") + (active_ ? "true" : "false");
    out += std::string(",\"running\":") + (run_ ? "true" : "false");
    out += std::string(",\"open\":") + (run_ && run_->QuestionOpen() && !revealed_ ? "true" : "false");
    out += std::string(",\"waiting\":") + (revealed_ ? "true" : "false");
    out += ",\"reveals\":" + std::to_string(reveals_);
    return out + "}";
  }

  // Show Answer: the reveal, or "" when no question is open.
  std::string ShowAnswer() {
    if (!run_ || !run_->QuestionOpen() || revealed_) return "";
    Reveal(::Reveal::ByStudent);
    return Revealed();
  }

  // What the reveal shows: the class asked and the class named last, each
  // with its prime form, the notes of the question, the row to highlight.
  std::string Revealed() const {
    if (!revealed_ || !s_) return "";
    const QuestionState& q = revealed_->question;
    std::string out = "{\"askedLabel\":" + JsonString(s_->LabelAt(revealed_->asked));
    out += ",\"namedLabel\":" + JsonString(revealed_->named >= 0 ? s_->LabelAt(revealed_->named) : "");
    out += ",\"namedName\":" + JsonString(ClassName(s_->EntryAt(revealed_->named)));
    out += ",\"asked\":" + std::to_string(revealed_->asked) + ",\"named\":" + std::to_string(revealed_->named);
    out += ",\"row\":" + std::to_string(s_->RowOf(revealed_->asked)) + ",\"notes\":[";
    const int n = std::clamp(q.noteCount, 0, 4);
    for (int i = 0; i < n; ++i) out += (i ? "," : "") + std::to_string(q.playedNotes[i]);
    out += "],\"sorted\":[";
    for (int i = 0; i < n; ++i) out += (i ? "," : "") + std::to_string(q.sortedNotes[i]);
    return out + "]}";
  }

  // The revealed question and/or the class named, `leadIn` ms from the
  // start, with the moment each part begins: {"notes":[…],"parts":[…]}.
  std::string PlayRevealed(bool question, bool named, int leadIn, int manner, int range) {
    if (!revealed_ || !s_) return "{\"notes\":[],\"parts\":[]}";
    const SetClassEntry* entry = named && revealed_->named >= 0 ? s_->EntryAt(revealed_->named) : nullptr;
    SetClassPlay how;
    how.range = VoicingRangeFromIndex(range);
    how.limits = NoteLimits{s_->lowestNote, s_->highestNote, s_->gapUnit};
    how.manner = PlayMannerFromItemIndex(manner);
    const RevealPlan reveal = PlanReveal(question ? &revealed_->question : nullptr, entry, how,
                                         static_cast<uint32_t>(std::max(leadIn, 0)), RevealRandom());
    std::string parts = "[";
    if (reveal.hasQuestion) parts += "{\"atMs\":" + std::to_string(reveal.questionAtMs) + ",\"part\":\"question\"}";
    if (reveal.hasNamed)
      parts += std::string(reveal.hasQuestion ? "," : "") + "{\"atMs\":" + std::to_string(reveal.namedAtMs) +
               ",\"part\":\"named\",\"name\":" + JsonString(ClassName(entry)) + "}";
    return "{\"notes\":" + PlanJson(reveal.plan) + ",\"parts\":" + parts + "],\"endMs\":" +
           std::to_string(reveal.plan.endMs) + "}";
  }

  // The student asks for the next question: it is made and played.
  void Next() {
    if (!revealed_) return;
    revealed_.reset();
    if (!run_ || !s_ || !s_->Drilling) return;
    s_->GenerateQuestion();
    s_->PlayQuestion();
  }

  // END at any time: the summary, and the drill cleared as after a score.
  std::string End() {
    if (!s_ || !run_ || !s_->Drilling) return "";
    s_->End(true);
    s_->Clear();
    return summary_;
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
    summary_ = "{\"questions\":" + std::to_string(s.totals.questions) +
               ",\"firstTryRight\":" + std::to_string(s.totals.firstTryRight) +
               ",\"percent\":" + std::to_string(s.totals.questions > 0 ? static_cast<int>(std::lround(s.totals.FirstTryPercent())) : -1) +
               ",\"revealed\":" + std::to_string(s.totals.revealed) + ",\"seconds\":" + std::to_string(s.drillSeconds) +
               ",\"surer\":" + Names(s.surer) + ",\"needsWork\":" + Names(s.needsWork) +
               ",\"logWritten\":" + (run->LogWritten() ? "true" : "false") + "}";
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
  std::string summary_;
};

// The practice section of My Progress: questions per day and the focus.
std::string PracticeProgress(const std::string& person, const std::string& enabledCsv) {
  DrillSession* s = PageDrillSession();
  const PracticeLog log = ReadPractice(nullptr);
  std::string out = "{\"days\":[";
  const std::vector<PracticeDay> days = PracticeDays(log, person);
  for (size_t i = 0; i < days.size(); ++i) {
    const PracticeDay& d = days[i];
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.1f", d.FirstTryPercent());
    out += std::string(i ? "," : "") + "{\"date\":" + JsonString(IsoDate(d.day)) + ",\"questions\":" + std::to_string(d.questions) +
           ",\"firstTryRight\":" + std::to_string(d.firstTryRight) + ",\"percent\":" + JsonString(percent) +
           ",\"revealed\":" + std::to_string(d.revealed) + "}";
  }
  out += "],\"focus\":[";
  if (s) {
    // The current list, enabled as the answer list shows it.
    std::vector<PracticeCandidate> candidates;
    for (int i = 0; i < s->currentList.length; ++i) candidates.push_back({ClassName(s->EntryAt(i)), false});
    size_t from = 0;
    while (from <= enabledCsv.size() && !enabledCsv.empty()) {
      const size_t comma = std::min(enabledCsv.find(',', from), enabledCsv.size());
      const int i = std::atoi(enabledCsv.substr(from, comma - from).c_str());
      if (i >= 0 && static_cast<size_t>(i) < candidates.size()) candidates[static_cast<size_t>(i)].enabled = true;
      from = comma + 1;
    }
    PracticeScheduler scheduler(person, static_cast<int32_t>(CoreClock().Today()));
    const ReportLog drills = ReadReport();
    scheduler.Learn(log, &drills, ListsOf(s->catalogue));
    // Each line as the desktop writes it, and its figures, for the page to say in the student's language.
    const std::vector<std::string> lines = FocusLines(scheduler, candidates);
    const std::vector<FocusItem> items = scheduler.Focus(candidates, lines.size());
    for (size_t i = 0; i < lines.size() && i < items.size(); ++i) {
      const ClassHistory* h = scheduler.History(items[i].name);
      out += std::string(i ? "," : "") + "{\"line\":" + JsonString(lines[i]) + ",\"name\":" + JsonString(items[i].name) +
             ",\"percent\":" + std::to_string(static_cast<int>(std::lround(items[i].share * 100.0)));
      if (h) {
        std::vector<std::pair<std::string, int32_t>> partners(h->thisWeek.begin(), h->thisWeek.end());
        std::stable_sort(partners.begin(), partners.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
        out += ",\"questions\":" + std::to_string(h->questions) + ",\"firstTryRight\":" + std::to_string(h->firstTryRight) +
               ",\"box\":" + std::to_string(h->box) + ",\"boxes\":" + std::to_string(kLeitnerBoxes) + ",\"drillPercent\":" +
               std::to_string(h->drillAnswers >= 1 ? static_cast<int>(std::lround(100.0 * h->drillRight / h->drillAnswers)) : -1) +
               ",\"partners\":[";
        for (size_t p = 0; p < partners.size() && p < 2; ++p)
          out += std::string(p ? "," : "") + "[" + JsonString(partners[p].first) + "," + std::to_string(partners[p].second) + "]";
        out += "]";
      }
      out += "}";
    }
  }
  return out + "]}";
}

EMSCRIPTEN_BINDINGS(sonorix_practice) {
  emscripten::class_<WebPractice>("WebPractice")
      .constructor<>()
      .function("setMode", &WebPractice::SetMode)
      .function("setAutoReveal", &WebPractice::SetAutoReveal)
      .function("state", &WebPractice::State)
      .function("showAnswer", &WebPractice::ShowAnswer)
      .function("revealed", &WebPractice::Revealed)
      .function("playRevealed", &WebPractice::PlayRevealed)
      .function("next", &WebPractice::Next)
      .function("end", &WebPractice::End)
      .function("leave", &WebPractice::Leave);
  emscripten::function("practiceProgress", &PracticeProgress);
}
