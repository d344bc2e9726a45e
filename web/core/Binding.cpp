// The drill window of the browser page, without widgets: it keeps what the
// desktop's windows keep around the drill (the person, the filter settings,
// the answer list, the score's tables) and hands the page plain values. The
// rules are the core's; the page only shows them.
#include <emscripten.h>
#include <emscripten/bind.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AssignValues.h"
#include "AssignmentDrill.h"
#include "Catalogue.h"
#include "Clock.h"
#include "CumulativeFile.h"
#include "DrillSession.h"
#include "DrillEnd.h"
#include "EndOfDrill.h"
#include "ErrorReportText.h"
#include "ErrorStats.h"
#include "FilterState.h"
#include "FilterSteps.h"
#include "FilteredSurroundings.h"
#include "HighScores.h"
#include "Login.h"
#include "DrillValues.h"
#include "PageDrill.h"
#include "PageValues.h"
#include "People.h"
#include "Playback.h"
#include "PracticeScheduler.h"
#include "Storage.h"

// --- the page's storage and clock -------------------------------------------------

EM_JS(char*, web_read, (const char* name, int* size), {
  const bytes = Module.webFiles.read(UTF8ToString(name));
  if (!bytes) return 0;
  const p = _malloc(bytes.length + 1);
  HEAPU8.set(bytes, p);
  HEAP32[size >> 2] = bytes.length;
  return p;
});
EM_JS(void, web_replace, (const char* name, const char* bytes, int size), {
  Module.webFiles.replace(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size));
});
EM_JS(void, web_append, (const char* name, const char* bytes, int size, int fresh), {
  Module.webFiles.append(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size), !!fresh);
});
EM_JS(double, web_now, (), { return Module.webClock(); });
EM_JS(double, web_today, (), { return Module.webToday(); });
EM_JS(int, web_second_of_day, (), { return Module.webSecondOfDay ? Module.webSecondOfDay() : -1; });
EM_JS(void, web_after, (int id, int ms), { Module.webSchedule(id, ms); });

namespace {

// The page keeps the files; every call into the core runs under the page's
// lock with every tab's latest files, so a load-modify-save here is whole.
class WebStorage : public Storage {
 public:
  std::optional<std::string> Read(const std::string& name) override { return UpToCtrlZ(ReadAll(name)); }
  // Whole, as the desktop's: the logs decide themselves what a Ctrl-Z in them means.
  std::optional<std::string> ReadAll(const std::string& name) override {
    int size = 0;
    char* p = web_read(name.c_str(), &size);
    if (!p) return std::nullopt;
    std::string text(p, static_cast<size_t>(size));
    free(p);
    return text;
  }
  bool Exists(const std::string& name) override {
    int size = 0;
    char* p = web_read(name.c_str(), &size);
    free(p);
    return p != nullptr;
  }
  bool Replace(const std::string& name, std::string_view bytes) override {
    web_replace(name.c_str(), bytes.data(), static_cast<int>(bytes.size()));
    return true;
  }
  bool Append(const std::string& name, std::string_view bytes, bool onFreshLine) override {
    web_append(name.c_str(), bytes.data(), static_cast<int>(bytes.size()), onFreshLine ? 1 : 0);
    return true;
  }
  bool Update(const std::string& name, const Edit& edit) override {
    const std::optional<std::string> stored = Read(name);
    const std::string text = stored.value_or(std::string());
    const Found found = stored ? Found::Text : Found::Missing;
    const std::optional<std::string> next = edit(found, text);
    if (!next) return false;
    return Replace(name, *next);
  }
};

class WebClock : public Clock {
 public:
  uint32_t NowMs() override { return static_cast<uint32_t>(static_cast<int64_t>(web_now())); }
  double Today() override { return web_today(); }
  int32_t SecondOfDay() override {
    const int second = web_second_of_day();
    return second >= 0 && second < 86400 ? second : Clock::SecondOfDay();
  }
};

DrillSession* gPageSession = nullptr;

std::map<int, std::function<void()>>& Tasks() {
  static std::map<int, std::function<void()>> tasks;
  return tasks;
}

class WebScheduler : public Scheduler {
 public:
  void After(uint32_t ms, std::function<void()> task) override {
    static int next = 0;
    const int id = ++next;
    Tasks()[id] = std::move(task);
    web_after(id, static_cast<int>(ms));
  }
};

void RunTask(int id) {
  auto it = Tasks().find(id);
  if (it == Tasks().end()) return;
  const std::function<void()> task = std::move(it->second);
  Tasks().erase(it);
  task();
}

}  // namespace

// The page's storage and clock, handed to the core as the module starts.
const bool webHost = [] {
  static WebStorage hostStorage;
  static WebClock hostClock;
  SetHostStorage(hostStorage);
  SetHostClock(hostClock);
  return true;
}();

DrillSession* PageDrillSession() { return gPageSession; }

Scheduler& PageScheduler() {
  static WebScheduler scheduler;
  return scheduler;
}

class WebDrill : public DrillListener, private FilteredDrillSide {
 public:
  WebDrill(const std::string& catalogueText, double seed) : around_(*this), steps_(s_.filters, *this) {
    ProgramRandom().Seed(static_cast<uint32_t>(static_cast<int64_t>(seed)));
    catalogueMissing_ = catalogueText.empty() || s_.catalogue.LoadFromText(catalogueText) == 0;
    s_.SetSurroundings(&around_);
    s_.SetScheduler(&scheduler_);
    s_.AddListener(this);
    gPageSession = &s_;
    // As the filter window does when it is made: the trichord page, all on.
    Filters().SetCardinality(0);
    steps_.BuildPage(0);
    FillAnswerList();
  }
  ~WebDrill() override {
    s_.RemoveListener(this);
    if (gPageSession == &s_) gPageSession = nullptr;
  }
  WebDrill(const WebDrill&) = delete;
  WebDrill& operator=(const WebDrill&) = delete;

  // --- what the drill tells ---
  void AnswerJudged(const JudgedAnswer& a) override { judged_ = a; }
  void DrillEnded(const DrillResult& r) override {
    if (std::optional<EndOfDrill> files = SaveScoredDrill(r)) {
      ended_ = r;
      files_ = std::move(files);
    }
  }

  // --- login ---
  PeopleValue People() const {
    const PeopleList people = LoadPeopleFile(kPeopleFileName);
    return {JsArray(people.names), people.SelectedIndex()};
  }

  LoginValue Login(const std::string& typed) {
    PeopleList people = LoadPeopleFile(kPeopleFileName);
    const LoggedInPerson person = FindOrAddPerson(people.names, -1, typed);
    SavePeopleFile(kPeopleFileName, person.index, people.names);
    s_.SetPerson(person.index, person.name);
    loggedIn_ = true;

    saved_ = LoadFiltersFile(kFiltersFileName);
    const std::vector<std::string> names = ClassNamesOfFile();
    const SavedFiltersOffer offer = OfferSavedFilters(saved_, catalogueMissing_ ? nullptr : &names);
    if (offer.step == SavedFiltersStep::Apply) steps_.Apply(saved_);
    if (offer.step != SavedFiltersStep::Ask) return {};
    return {true, offer.summary.listed, offer.summary.rest};
  }

  void UseSavedFilters(bool yes) { steps_.Apply(AnswerSavedFilters(saved_, yes)); }

  // After a login the selectors follow the filters, and setting the range
  // saves them; a drill that goes on never keeps a question no longer drilled.
  void Shown() {
    SaveFilters();
    s_.ReplaceUndrilledQuestion();
  }

  // Another person's drill starts from their own settings.
  void LoginNewPerson() {
    StopAssignment();
    s_.EndForNewPerson();
  }

  // --- the drill window ---
  DrillViewValue View() const {
    std::vector<AnswerRowValue> rows;
    for (int r = 0; r < s_.AnswerRowCount(); ++r) {
      const int i = s_.ListIndexOfRow(r);
      const SetClassEntry* e = s_.EntryAt(i);
      rows.push_back({s_.LabelAt(i), e ? e->name : ""});
    }
    const bool canEnd = s_.EndOffered();
    return {.drilling = s_.Drilling,
            .correct = s_.CorrectCount,
            .incorrect = s_.IncorrectCount,
            .clock = s_.Drilling ? ClockText(CoreClock().NowMs() - s_.DrillStart) : "0:00",
            .clockShown = s_.Drilling,
            .begin = canEnd ? "END" : "BEGIN",
            .beginEnabled = !s_.Drilling || canEnd,
            .playEnabled = s_.Drilling,
            .prefix = Filters().Cardinality() == 0 ? "3 -" : "4 -",
            .rows = JsArray(rows),
            .cardinality = Filters().Cardinality(),
            .range = Filters().Range(),
            .manner = Filters().PlayMode(),
            .loggedIn = loggedIn_,
            .person = s_.CurrentPersonName,
            .catalogueMissing = catalogueMissing_};
  }

  // BEGIN, or END with the score: the drill's end writes the score's files,
  // and its statistics stay for the error report until ScoreClosed.
  emscripten::val BeginOrEnd() {
    if (s_.Stoppable()) {
      files_.reset();
      s_.End(true);
      if (!files_) return emscripten::val::null();
      cumulative_ = files_->cumulative;
      return ScoreOf(ended_, *files_);
    }
    if (!s_.Drilling) s_.Begin();
    return emscripten::val::null();
  }

  void ScoreClosed() { s_.Clear(); }

  JudgedValue Submit(int row) {
    const double started = emscripten_get_now();
    judged_ = JudgedAnswer{};
    if (!s_.Drilling) return {};
    s_.Submit(row);
    return {judged_.right, judged_.counted, emscripten_get_now() - started};
  }

  int RowOfText(const std::string& text) const { return s_.RowNamed(text); }
  std::string NameOfRow(int row) const { return s_.NameOfRow(row); }

  void Repeat() {
    if (s_.Drilling) s_.Repeat();
  }
  void Arpeggiate(bool up) {
    if (s_.Drilling) s_.Arpeggiate(up);
  }

  void SetCardinality(int item) {
    if (item < 0 || item > 1 || item == Filters().Cardinality()) return;
    Filters().SetCardinality(item);
    steps_.ChangePage(item);
    SaveFilters();
    s_.ReplaceUndrilledQuestion();
  }
  void SetRange(int item) {
    if (item < 0 || item > 2) return;
    Filters().SetRange(item);
    SaveFilters();
  }
  void SetManner(int item) { Filters().SetPlayMode(std::clamp(item, 0, 2)); }

  // --- the filter window ---
  FiltersValue Filters_() const { return FiltersOf(Filters().Cardinality(), false); }
  FiltersValue FiltersFor(int cardinality) const { return FiltersOf(std::clamp(cardinality, 0, 1), true); }

  // Closing the filter window, as the desktop's does.
  void ApplyFilterWindow(int cardinality, int range, int low, int high, bool save) {
    saveBox_ = save;
    Filters().SetRange(std::clamp(range, 0, 2));
    cardinality = std::clamp(cardinality, 0, 1);
    if (cardinality != Filters().Cardinality()) {
      Filters().SetCardinality(cardinality);
      steps_.BuildPage(cardinality);
    }
    // The page's boxes as they are when it closes.
    steps_.AskMasked(FilterState{low, high, 0});
    steps_.Close(save);
  }

  // --- an assignment's settings over the student's own ---
  // Its classes, range and play mode in force, saved as nobody's; false when
  // the catalogue lacks one of its classes.
  bool StartAssignment(const emscripten::val& value) {
    const auto settings = run_.Start(AssignmentOf(value), ListsOf(s_.catalogue), SettingsOf(Filters()));
    if (settings) ApplySettings(steps_, Filters(), *settings);
    return settings.has_value();
  }
  // The student's own settings back, as they were at Start.
  void StopAssignment() {
    if (const auto own = run_.Stop()) ApplySettings(steps_, Filters(), *own);
  }
  std::string AssignmentTitle() const { return run_.Title(); }

  // --- the error report ---
  std::string ErrorReport(bool cumulative, bool forms, bool rips, bool confusions) {
    ReportOptions options;
    options.forms = forms;
    options.rips = rips;
    options.confusions = confusions;
    if (cumulative) cumulative_ = ReadCumulativeFile();
    return ErrorReportText(cumulative ? cumulative_ : s_.SessionStats, s_.catalogue, options);
  }
  void ClearCumulative() { ClearCumulativeFile(cumulative_); }

  // The page goes: the last segment is logged.
  void Close() { s_.WriteSegmentIfAnswered(); }

  emscripten::val TakeNotes() {
    const emscripten::val out = PlanValue(plan_);
    plan_ = {};
    return out;
  }

  QuestionValue Question() const {
    const QuestionState& q = s_.question;
    const size_t n = static_cast<size_t>(std::clamp(q.noteCount, 0, 4));
    return {q.listIndex, JsArray(std::vector<int>(q.sortedNotes, q.sortedNotes + n)),
            JsArray(std::vector<int>(q.playedNotes, q.playedNotes + n)), q.joinedIndex};
  }

  // The list index each answer row names, for tests.
  emscripten::val RowListIndices() const {
    std::vector<int> indices;
    for (int r = 0; r < s_.AnswerRowCount(); ++r) indices.push_back(s_.ListIndexOfRow(r));
    return JsArray(indices);
  }

 private:
  // The page's drill asks what the model enables; its notes wait for the page.
  class PageSurroundings : public FilteredSurroundings {
   public:
    explicit PageSurroundings(WebDrill& drill) : FilteredSurroundings(drill.s_.filters), drill_(drill) {}
    void Play(const PlaybackPlan& plan) override { drill_.plan_ = plan; }

   protected:
    void ShowAsked() override { drill_.FillAnswerList(); }

   private:
    WebDrill& drill_;
  };

  FilterModel& Filters() { return s_.filters; }
  const FilterModel& Filters() const { return s_.filters; }
  void FillAnswerList() { steps_.FillAnswerList(); }

  // --- what the filter window's steps ask of the drill ---
  int UseListOf(int noteCount) override { return s_.UseCardinality(noteCount); }
  int ListLength() const override { return Filters().ListLength(); }
  void ShowRows(const std::vector<int32_t>& rows) override { s_.SetAnswerRows(rows.data(), static_cast<int>(rows.size())); }
  void UseNoteCount(int noteCount) override { s_.SetNoteCount(noteCount); }
  // While an assignment is started its settings are not the student's: nothing is saved.
  void Save(const FilterState& state) override {
    if (!run_.Started()) SaveFiltersFile(kFiltersFileName, state);
  }
  void FiltersApplied() override { s_.ReplaceUndrilledQuestion(); }
  void SaveFilters() const {
    if (!run_.Started()) SaveFiltersFile(kFiltersFileName, Filters().State());
  }
  std::vector<std::string> ClassNamesOfFile() const {
    // The catalogue's records in file order: entries 2 onwards.
    std::vector<std::string> names;
    for (int c = 0; c < kFileRecords; ++c) {
      const SetClassEntry* e = s_.catalogue.Entry(c + 2);
      names.push_back(e ? e->name : std::string());
    }
    return names;
  }
  FiltersValue FiltersOf(int cardinality, bool allOn) const {
    CardinalityList list;
    const int length = std::clamp(FillCardinalityList(s_.catalogue, cardinality + 3, list), 0, kMaxListLength);
    std::vector<FilterBoxValue> boxes;
    for (int i = 0; i < length; ++i) {
      const bool on = allOn || Filters().Asks(i);
      boxes.push_back({FormatSetClassLabel(*list.items[static_cast<size_t>(i)]), on});
    }
    return {cardinality, Filters().Range(), saveBox_, JsArray(boxes)};
  }
  // The score window's values: the drill's own table, its entry and the six tables.
  static emscripten::val ScoreOf(const DrillResult& r, const EndOfDrill& end) {
    const ScoreTexts t = FormatScoreTexts(end.score);
    std::vector<emscripten::val> tables;
    for (int table = 0; table < kHighScoreTableCount; ++table) {
      std::vector<std::string> lines;
      const int count = std::clamp(end.tables.EntryCount[static_cast<size_t>(table)], 0, kHighScoreSlots);
      for (int row = 0; row < count; ++row)
        lines.push_back(HighScoreLine(row, end.tables.Rows[static_cast<size_t>(table)][static_cast<size_t>(row)]));
      tables.push_back(JsArray(lines));
    }
    return emscripten::val(ScoreValue{.time = t.time,
                                      .timePoints = t.timePoints,
                                      .percentage = t.percentage,
                                      .longevity = t.longevity,
                                      .score = t.score,
                                      .filtersUsed = r.filtersUsed,
                                      .cardinality = CardinalityOfResult(r),
                                      .range = RangeOfResult(r),
                                      .newEntryIndex = end.newEntryIndex,
                                      .tables = JsArray(tables)});
  }

  DrillSession s_;
  PageSurroundings around_;
  FilterSteps steps_;
  WebScheduler scheduler_;
  PlaybackPlan plan_;
  JudgedAnswer judged_;
  DrillResult ended_;
  std::optional<EndOfDrill> files_;
  ErrorStats cumulative_{};
  FilterState saved_;
  AssignmentRun run_;
  bool saveBox_ = true;
  bool loggedIn_ = false;
  bool catalogueMissing_ = false;
};

EMSCRIPTEN_BINDINGS(sonorix) {
  emscripten::function("runTask", &RunTask);
  emscripten::class_<WebDrill>("WebDrill")
      .constructor<std::string, double>()
      .function("people", &WebDrill::People)
      .function("login", &WebDrill::Login)
      .function("useSavedFilters", &WebDrill::UseSavedFilters)
      .function("shown", &WebDrill::Shown)
      .function("loginNewPerson", &WebDrill::LoginNewPerson)
      .function("view", &WebDrill::View)
      .function("beginOrEnd", &WebDrill::BeginOrEnd)
      .function("scoreClosed", &WebDrill::ScoreClosed)
      .function("submit", &WebDrill::Submit)
      .function("rowOfText", &WebDrill::RowOfText)
      .function("nameOfRow", &WebDrill::NameOfRow)
      .function("repeat", &WebDrill::Repeat)
      .function("arpeggiate", &WebDrill::Arpeggiate)
      .function("setCardinality", &WebDrill::SetCardinality)
      .function("setRange", &WebDrill::SetRange)
      .function("setManner", &WebDrill::SetManner)
      .function("filters", &WebDrill::Filters_)
      .function("filtersFor", &WebDrill::FiltersFor)
      .function("applyFilters", &WebDrill::ApplyFilterWindow)
      .function("errorReport", &WebDrill::ErrorReport)
      .function("clearCumulative", &WebDrill::ClearCumulative)
      .function("close", &WebDrill::Close)
      .function("takeNotes", &WebDrill::TakeNotes)
      .function("question", &WebDrill::Question)
      .function("rowListIndices", &WebDrill::RowListIndices)
      .function("startAssignment", &WebDrill::StartAssignment)
      .function("stopAssignment", &WebDrill::StopAssignment)
      .function("assignment", &WebDrill::AssignmentTitle);
}
