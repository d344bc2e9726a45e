// The drill window of the browser page, without widgets: it keeps what the
// desktop's windows keep around the drill (the person, the filter settings,
// the answer list, the score's tables) and hands the page plain values. The
// rules are the core's; the page only shows them.
#include <emscripten.h>
#include <emscripten/bind.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "Clock.h"
#include "CumulativeFile.h"
#include "DrillSession.h"
#include "EndOfDrill.h"
#include "ErrorReportText.h"
#include "ErrorStats.h"
#include "FilterState.h"
#include "HighScores.h"
#include "PageDrill.h"
#include "People.h"
#include "Playback.h"
#include "Storage.h"
#include "JsonText.h"
#include "PlanJson.h"

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
  std::optional<std::string> Read(const std::string& name) override {
    auto text = ReadAll(name);
    if (!text) return text;
    const size_t eof = text->find('\x1a');
    if (eof != std::string::npos) text->resize(eof);
    return text;
  }
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
    int size = 0;
    char* p = web_read(name.c_str(), &size);
    std::string text;
    Found found = Found::Missing;
    if (p) {
      text.assign(p, static_cast<size_t>(size));
      free(p);
      const size_t eof = text.find('\x1a');
      if (eof != std::string::npos) text.resize(eof);
      found = Found::Text;
    }
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

const char* Bool(bool b) { return b ? "true" : "false"; }

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

class WebDrill : public DrillSurroundings, public DrillListener {
 public:
  WebDrill(const std::string& catalogueText, double seed) {
    ProgramRandom().Seed(static_cast<uint32_t>(static_cast<int64_t>(seed)));
    catalogueMissing_ = catalogueText.empty() || s_.catalogue.LoadFromText(catalogueText) == 0;
    s_.SetSurroundings(this);
    s_.SetScheduler(&scheduler_);
    s_.AddListener(this);
    gPageSession = &s_;
    // As the filter window does when it is made: the trichord page, all on.
    BuildPage(0);
    FillAnswerList();
  }
  ~WebDrill() override {
    s_.RemoveListener(this);
    if (gPageSession == &s_) gPageSession = nullptr;
  }
  WebDrill(const WebDrill&) = delete;
  WebDrill& operator=(const WebDrill&) = delete;

  // --- what the drill asks of its surroundings ---
  void SettingsNow(FilterState& state) const override { state = State(); }
  int Cardinality() const override { return cardinality_; }
  int Range() const override { return range_; }
  bool Asks(int i) const override { return i >= 0 && i < ListLength() && checked_[static_cast<size_t>(i)]; }
  void AskWholeList() override { CheckFirst(ListLength()); }
  PlayManner Manner() const override { return PlayMannerFromItemIndex(manner_); }
  void Play(const PlaybackPlan& plan) override { plan_ = plan; }

  // --- what the drill tells ---
  void AnswerJudged(const JudgedAnswer& a) override { judged_ = a; }

  // --- login ---
  std::string People() const {
    const PeopleList people = LoadPeopleFile(kPeopleFileName);
    std::string out = "{\"names\":[";
    for (size_t i = 0; i < people.names.size(); ++i) out += (i ? "," : "") + JsonString(people.names[i]);
    return out + "],\"selected\":" + std::to_string(people.SelectedIndex()) + "}";
  }

  std::string Login(const std::string& typed) {
    PeopleList people = LoadPeopleFile(kPeopleFileName);
    int index = -1;
    for (size_t i = 0; i < people.names.size() && index < 0; ++i)
      if (people.names[i] == typed) index = static_cast<int>(i);
    if (index < 0) {
      people.names.push_back(CleanName(CutUtf8(typed, kMaxTypedNameLength * 4)));
      index = static_cast<int>(people.names.size()) - 1;
    }
    SavePeopleFile(kPeopleFileName, index, people.names);
    s_.CurrentPersonIndex = index;
    s_.CurrentPersonName = people.names[static_cast<size_t>(index)];
    loggedIn_ = true;

    saved_ = LoadFiltersFile(kFiltersFileName);
    if (IsAllOn(saved_) || catalogueMissing_) {
      ApplyFilters(saved_);
      return "{\"ask\":false}";
    }
    const FilterSummary summary = SummariseFilters(saved_, ClassNamesOfFile());
    return "{\"ask\":true,\"listed\":" + JsonString(summary.listed) + ",\"rest\":" + JsonString(summary.rest) + "}";
  }

  void UseSavedFilters(bool yes) {
    if (!yes) {
      const bool trichords = saved_.ModeCode < 3;
      saved_.LowMask = trichords ? kAllTrichordsLow : kAllTetrachordsLow;
      saved_.HighMask = trichords ? 0 : kAllTetrachordsHigh;
    }
    ApplyFilters(saved_);
  }

  // After a login the selectors follow the filters, and setting the range
  // saves them; a drill that goes on never keeps a question no longer drilled.
  void Shown() {
    SaveFilters();
    s_.ReplaceUndrilledQuestion();
  }

  void LoginNewPerson() {
    if (s_.Drilling && s_.CorrectCount > 0) {
      s_.End(false);
      s_.Clear();
    }
  }

  // --- the drill window ---
  std::string View() const {
    std::string out = "{";
    out += std::string("\"drilling\":") + Bool(s_.Drilling);
    out += ",\"correct\":" + std::to_string(s_.CorrectCount);
    out += ",\"incorrect\":" + std::to_string(s_.IncorrectCount);
    const uint32_t seconds = (CoreClock().NowMs() - s_.DrillStart) / 1000;
    char clock[32];
    std::snprintf(clock, sizeof clock, "%d:%.2d", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60));
    out += ",\"clock\":" + JsonString(s_.Drilling ? clock : "0:00");
    out += std::string(",\"clockShown\":") + Bool(s_.Drilling);
    const bool canEnd = s_.Drilling && s_.CorrectCount >= 5;
    out += ",\"begin\":" + JsonString(canEnd ? "END" : "BEGIN");
    out += std::string(",\"beginEnabled\":") + Bool(!s_.Drilling || canEnd);
    out += std::string(",\"playEnabled\":") + Bool(s_.Drilling);
    out += ",\"prefix\":" + JsonString(cardinality_ == 0 ? "3 -" : "4 -");
    out += ",\"rows\":[";
    for (int r = 0; r < s_.AnswerRowCount(); ++r) {
      const int i = s_.ListIndexOfRow(r);
      const SetClassEntry* e = s_.EntryAt(i);
      out += std::string(r ? "," : "") + "{\"label\":" + JsonString(s_.LabelAt(i)) + ",\"name\":" + JsonString(e ? e->name : "") + "}";
    }
    out += "],\"cardinality\":" + std::to_string(cardinality_);
    out += ",\"range\":" + std::to_string(range_);
    out += ",\"manner\":" + std::to_string(manner_);
    out += std::string(",\"loggedIn\":") + Bool(loggedIn_);
    out += ",\"person\":" + JsonString(s_.CurrentPersonName);
    out += std::string(",\"catalogueMissing\":") + Bool(catalogueMissing_);
    return out + "}";
  }

  // BEGIN, or END with the score: the score's files are written here, in the
  // desktop's order, and the drill's statistics stay for the error report
  // until ScoreClosed.
  std::string BeginOrEnd() {
    if (s_.Drilling && s_.CorrectCount > 0) {
      const int mode = range_ + 3 * cardinality_;
      const bool filtersUsed = s_.FiltersUsed;
      s_.End(true);
      EndedDrillFacts facts;
      facts.correct = s_.CorrectCount;
      facts.incorrect = s_.IncorrectCount;
      facts.elapsedMs = CoreClock().NowMs() - s_.DrillStart;
      facts.filtersUsed = filtersUsed;
      facts.modeCode = mode;
      facts.today = CoreClock().Today();
      const EndOfDrill end = SaveEndedDrill(facts, s_.SessionStats);
      cumulative_ = end.cumulative;
      const ScoreTexts t = FormatScoreTexts(end.score);
      std::string out = "{\"time\":" + JsonString(t.time) + ",\"timePoints\":" + JsonString(t.timePoints) +
                        ",\"percentage\":" + JsonString(t.percentage) + ",\"longevity\":" + JsonString(t.longevity) +
                        ",\"score\":" + JsonString(t.score) + ",\"filtersUsed\":" + Bool(filtersUsed) +
                        ",\"cardinality\":" + std::to_string(cardinality_) + ",\"range\":" + std::to_string(range_) +
                        ",\"newEntryIndex\":" + std::to_string(end.newEntryIndex) + ",\"tables\":[";
      for (int table = 0; table < kHighScoreTableCount; ++table) {
        out += table ? ",[" : "[";
        const int count = std::clamp(end.tables.EntryCount[static_cast<size_t>(table)], 0, kHighScoreSlots);
        for (int row = 0; row < count; ++row)
          out += (row ? "," : "") + JsonString(HighScoreLine(row, end.tables.Rows[static_cast<size_t>(table)][static_cast<size_t>(row)]));
        out += "]";
      }
      return out + "]}";
    }
    if (!s_.Drilling) s_.Begin();
    return "";
  }

  void ScoreClosed() { s_.Clear(); }

  std::string Submit(int row) {
    const double started = emscripten_get_now();
    judged_ = JudgedAnswer{};
    if (!s_.Drilling) return "{\"right\":false,\"counted\":false,\"judgeMs\":0}";
    s_.Submit(row);
    const double ms = emscripten_get_now() - started;
    return std::string("{\"right\":") + Bool(judged_.right) + ",\"counted\":" + Bool(judged_.counted) +
           ",\"judgeMs\":" + std::to_string(ms) + "}";
  }

  int RowOfText(const std::string& text) const {
    int found = -1;
    for (int r = 0; r < s_.AnswerRowCount(); ++r)
      if (NameOfRow(r) == text) found = r;
    return found;
  }

  std::string NameOfRow(int row) const {
    const SetClassEntry* e = s_.EntryAt(s_.ListIndexOfRow(row));
    return e ? e->name : std::string();
  }

  void Repeat() {
    if (s_.Drilling) s_.Repeat();
  }
  void Arpeggiate(bool up) {
    if (s_.Drilling) s_.Arpeggiate(up);
  }

  void SetCardinality(int item) {
    if (item < 0 || item > 1 || item == cardinality_) return;
    BuildPage(item);
    CheckFirst(ListLength());
    FillAnswerList();
    SaveFilters();
    if (s_.Drilling) {
      s_.GenerateQuestion();
      s_.PlayQuestion();
    }
  }
  void SetRange(int item) {
    if (item < 0 || item > 2) return;
    range_ = item;
    SaveFilters();
  }
  void SetManner(int item) { manner_ = std::clamp(item, 0, 2); }

  // --- the filter window ---
  std::string Filters() const { return FiltersOf(cardinality_, false); }
  std::string FiltersFor(int cardinality) const { return FiltersOf(std::clamp(cardinality, 0, 1), true); }

  // Closing the filter window, as the desktop's does.
  void ApplyFilterWindow(int cardinality, int range, int low, int high, bool save) {
    saveBox_ = save;
    range_ = std::clamp(range, 0, 2);
    if (cardinality != cardinality_) BuildPage(std::clamp(cardinality, 0, 1));
    for (int i = 0; i < kMaxListLength; ++i) checked_[static_cast<size_t>(i)] = MaskEnables(FilterState{low, high, 0}, i) && i < ListLength();
    if (State().LowMask == 0 && State().HighMask == 0) CheckFirst(ListLength());
    if (saveBox_) SaveFilters();
    FillAnswerList();
    s_.ReplaceUndrilledQuestion();
  }

  // --- the error report ---
  std::string ErrorReport(bool cumulative, bool forms, bool rips, bool confusions) {
    ReportOptions options;
    options.forms = forms;
    options.rips = rips;
    options.confusions = confusions;
    if (cumulative) {
      const auto text = DataStorage().Read(kErrorsFileName);
      cumulative_ = text ? ParseErrorStats(*text) : ErrorStats{};
    }
    return ErrorReportText(cumulative ? cumulative_ : s_.SessionStats, s_.catalogue, options);
  }
  void ClearCumulative() {
    ClearStats(cumulative_);
    DataStorage().Replace(kErrorsFileName, FormatErrorStats(cumulative_));
  }

  // The page goes: the last segment is logged.
  void Close() { s_.WriteSegmentIfAnswered(); }

  std::string TakeNotes() {
    const std::string out = PlanJson(plan_);
    plan_ = {};
    return out;
  }

  std::string Question() const {
    std::string out = "{\"listIndex\":" + std::to_string(s_.question.listIndex) + ",\"sorted\":[";
    const int n = std::clamp(s_.question.noteCount, 0, 4);
    for (int i = 0; i < n; ++i) out += (i ? "," : "") + std::to_string(s_.question.sortedNotes[i]);
    out += "],\"played\":[";
    for (int i = 0; i < n; ++i) out += (i ? "," : "") + std::to_string(s_.question.playedNotes[i]);
    return out + "],\"joined\":" + std::to_string(s_.question.joinedIndex) + "}";
  }

  // The list index each answer row names, for tests.
  std::string RowListIndices() const {
    std::string out = "[";
    for (int r = 0; r < s_.AnswerRowCount(); ++r) out += (r ? "," : "") + std::to_string(s_.ListIndexOfRow(r));
    return out + "]";
  }

 private:
  FilterState State() const {
    bool checked[kMaxListLength] = {};
    for (int i = 0; i < ListLength(); ++i) checked[i] = checked_[static_cast<size_t>(i)];
    return FilterState{MaskLowOf(checked, ListLength()), MaskHighOf(checked, ListLength()), range_ + 3 * cardinality_};
  }
  int ListLength() const { return std::clamp(s_.currentList.length, 0, kMaxListLength); }
  void BuildPage(int cardinality) {
    cardinality_ = cardinality;
    s_.UseCardinality(cardinality + 3);
    CheckFirst(ListLength());
  }
  void CheckFirst(int n) {
    for (int i = 0; i < kMaxListLength; ++i) checked_[static_cast<size_t>(i)] = i < n;
  }
  void FillAnswerList() {
    int32_t rows[kMaxListLength] = {};
    int count = 0;
    for (int i = 0; i < ListLength(); ++i)
      if (checked_[static_cast<size_t>(i)]) rows[count++] = i;
    s_.SetAnswerRows(rows, count);
  }
  void ApplyFilters(const FilterState& state) {
    range_ = state.ModeCode < 3 ? state.ModeCode : state.ModeCode - 3;
    BuildPage(state.ModeCode < 3 ? 0 : 1);
    for (int i = 0; i < kMaxListLength; ++i) checked_[static_cast<size_t>(i)] = i < ListLength() && MaskEnables(state, i);
    if (State().LowMask == 0 && State().HighMask == 0) CheckFirst(ListLength());
    FillAnswerList();
    s_.SetNoteCount(cardinality_ + 3);
  }
  void SaveFilters() const { SaveFiltersFile(kFiltersFileName, State()); }
  std::vector<std::string> ClassNamesOfFile() const {
    // The catalogue's records in file order: entries 2 onwards.
    std::vector<std::string> names;
    for (int c = 0; c < kFileRecords; ++c) {
      const SetClassEntry* e = s_.catalogue.Entry(c + 2);
      names.push_back(e ? e->name : std::string());
    }
    return names;
  }
  std::string FiltersOf(int cardinality, bool allOn) const {
    CardinalityList list;
    const int length = std::clamp(FillCardinalityList(s_.catalogue, cardinality + 3, list), 0, kMaxListLength);
    std::string out = "{\"cardinality\":" + std::to_string(cardinality) + ",\"range\":" + std::to_string(range_) +
                      ",\"save\":" + Bool(saveBox_) + ",\"boxes\":[";
    for (int i = 0; i < length; ++i) {
      const bool on = allOn || checked_[static_cast<size_t>(i)];
      out += std::string(i ? "," : "") + "{\"label\":" + JsonString(FormatSetClassLabel(*list.items[static_cast<size_t>(i)])) +
             ",\"checked\":" + Bool(on) + "}";
    }
    return out + "]}";
  }

  DrillSession s_;
  WebScheduler scheduler_;
  PlaybackPlan plan_;
  JudgedAnswer judged_;
  ErrorStats cumulative_{};
  FilterState saved_;
  std::array<bool, kMaxListLength> checked_{};
  int cardinality_ = 0;
  int range_ = 0;
  int manner_ = 0;
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
      .function("filters", &WebDrill::Filters)
      .function("filtersFor", &WebDrill::FiltersFor)
      .function("applyFilters", &WebDrill::ApplyFilterWindow)
      .function("errorReport", &WebDrill::ErrorReport)
      .function("clearCumulative", &WebDrill::ClearCumulative)
      .function("close", &WebDrill::Close)
      .function("takeNotes", &WebDrill::TakeNotes)
      .function("question", &WebDrill::Question)
      .function("rowListIndices", &WebDrill::RowListIndices);
}
