// The teacher's Class Overview in the page: the class folder read off its
// WebDAV server by the core's ClassFetch (over the page's fetch, in steps on
// the page's timers, its files cached in the page's storage), and its figures
// handed over as the desktop's Class Overview shows them.
#include <emscripten/bind.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Catalogue.h"
#include "ClassAddress.h"
#include "ClassFetch.h"
#include "ClassFigures.h"
#include "Clock.h"
#include "PageDrill.h"
#include "PageValues.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "ProgressFigures.h"
#include "ReportReader.h"
#include "Storage.h"
#include "WebTransport.h"

namespace {

constexpr int kHardestShown = 8;
constexpr int kConfusionsShown = 8;
constexpr int kStudentShown = 3;  // per student in the printed report
// The columns of the desktop's table: name, drills, time this week and in
// all, first and last drill, accuracy and seconds per right answer per mode,
// best score per mode, then the drills not eligible or not ended, practice
// mode, unverified and ambiguous.
constexpr int kColumns = 33;

struct CellValue {
  std::string text;
  emscripten::val key = emscripten::val::null();  // a number, null for an empty cell
};

struct RowValue {
  std::string name;
  bool unknown = false;
  emscripten::val cells = emscripten::val::array();
};

struct HardValue {
  std::string name, accuracy;
  double answers = 0;
};

struct ConfusionValue {
  std::string played, takenFor;
  double times = 0;
};

struct ScoreValue {
  std::string name;
  int score = 0;
};

struct AnsweredValue {
  std::string name;
  int firstTry = 0, asked = 0;
};

struct ConfusedValue {
  std::string asked, answered;
  int times = 0;
};

// A student's hardest set classes and first wrong answers in practice mode.
struct StudentValue {
  std::string name;
  emscripten::val hardest = emscripten::val::array();
  emscripten::val confusions = emscripten::val::array();
};

struct OverviewValue {
  emscripten::val rows = emscripten::val::array();
  int records = 0, unverified = 0, ambiguous = 0;
  std::string today, weekFrom, first, last;
  emscripten::val hardest = emscripten::val::array();
  emscripten::val confusions = emscripten::val::array();
  emscripten::val highScores = emscripten::val::array();
  int fetched = 0;
  int unreadable = 0;  // account folders closed to this account
};

CellValue Number(int64_t v) { return {std::to_string(v), emscripten::val(static_cast<double>(v))}; }
CellValue Decimal(const std::optional<double>& v) {
  return v ? CellValue{OneDecimal(v), emscripten::val(*v)} : CellValue{};
}
CellValue Duration(int64_t seconds) { return {MinutesSeconds(seconds), emscripten::val(static_cast<double>(seconds))}; }
CellValue Day(const std::optional<int32_t>& day) {
  return day ? CellValue{IsoDate(*day), emscripten::val(*day)} : CellValue{};
}

// As the desktop's table has each cell, its text with the point as the files have it.
CellValue CellOf(const PersonFigures& p, int column) {
  constexpr int firstMode = 6, firstBest = firstMode + 2 * kModes, ineligible = firstBest + kModes;
  if (column >= firstMode && column < firstBest) {
    const AnswerTotals& t = p.eligibleByMode[static_cast<size_t>((column - firstMode) / 2)];
    return Decimal((column - firstMode) % 2 == 0 ? t.Accuracy() : t.SecondsPerRight());
  }
  if (column >= firstBest && column < ineligible) {
    const auto& best = p.bestScore[static_cast<size_t>(column - firstBest)];
    return best ? Number(*best) : CellValue{};
  }
  switch (column - ineligible) {
    case 0: return Decimal(p.ineligible.Accuracy());
    case 1: return Number(p.ineligibleDrills);
    case 2: return Number(p.notEndedDrills);
    case 3: return Number(p.practiceQuestions);
    case 4: return Decimal(PracticeFirstTryPercent(p));
    case 5: return Duration(p.practiceSecondsThisWeek);
    case 6: return Duration(p.practiceSeconds);
    case 7: return Number(p.unverified);
    case 8: return Number(p.ambiguous);
    default: break;
  }
  switch (column) {
    case 0: return {p.unknown ? std::string() : p.name};
    case 1: return Number(p.verifiedDrills);
    case 2: return Duration(p.secondsThisWeek);
    case 3: return Duration(p.all.seconds);
    case 4: return Day(p.firstDay);
    case 5: return Day(p.lastDay);
    default: return {};
  }
}

}  // namespace

class WebClassOverview {
 public:
  explicit WebClassOverview(const std::string& catalogueText) {
    Catalogue catalogue;
    catalogue.LoadFromText(catalogueText);
    for (int c = 0; c < 2; ++c) {
      CardinalityList list;
      list.length = FillCardinalityList(catalogue, c == 1 ? 4 : 3, list);
      for (int i = 0; i < kMaxListLength; ++i) {
        const SetClassEntry* entry = i < list.length ? list.items[static_cast<size_t>(i)] : nullptr;
        names_[c].push_back(std::to_string(c == 1 ? 4 : 3) + "-" + (entry ? entry->name : std::to_string(i + 1)));
      }
    }
  }

  // Starts reading the class; '' when it reads, else the English text of why
  // not (the address, the account), said before any request.
  std::string Read(const std::string& address, const std::string& account, const std::string& password,
                   emscripten::val listener) {
    Cancel();
    const AddressCheck check = ParseClassAddress(address);
    if (check.fault != AddressFault::None) return AddressFaultMessage(check.fault);
    if (!IsUsableAccount(account)) return "The account name cannot name a folder of the class.";
    listener_ = listener;
    today_ = static_cast<int32_t>(CoreClock().Today());
    fetch_ = std::make_unique<ClassFetch>(ClassConnection{check.address, {account, password}}, PageTransport(),
                                          PageScheduler(), DataStorage(), std::string(), today_);
    fetch_->Start(
        [this](FetchProgress p) { listener_.call<void>("progress", p.done, p.total); },
        [this](ClassFetchResult result) {
          const bool cancelled = result.cancelled;
          const std::string fault = cancelled || result.fault == ClassFault::None ? std::string()
                                                                                  : ReadFaultMessage(result.fault);
          // A cancelled or failed read keeps what was shown before it.
          if (!cancelled && result.fault == ClassFault::None) {
            result_ = std::move(result);
            shown_ = true;
          }
          emscripten::val listener = listener_;
          listener_ = emscripten::val::undefined();
          listener.call<void>("finished", fault, cancelled);
        });
    return {};
  }

  void Cancel() {
    if (fetch_ && fetch_->Running()) fetch_->Cancel();
  }

  emscripten::val Overview() const {
    if (!shown_) return emscripten::val::null();
    const ClassReading& r = result_.reading;
    OverviewValue o;
    std::vector<RowValue> rows;
    std::optional<int32_t> first, last;
    for (const PersonFigures& p : r.rows) {
      std::vector<CellValue> cells;
      for (int c = 0; c < kColumns; ++c) cells.push_back(CellOf(p, c));
      rows.push_back({p.name, p.unknown, JsArray(cells)});
      for (const auto& day : {p.firstDay, p.lastDay, p.lastPracticeDay}) {
        if (!day) continue;
        if (!first || *day < *first) first = day;
        if (!last || *day > *last) last = day;
      }
    }
    o.rows = JsArray(rows);
    o.records = r.records;
    o.unverified = r.unverified;
    o.ambiguous = r.ambiguous;
    o.today = IsoDate(today_);
    o.weekFrom = IsoDate(WeekStartOf(today_));
    o.first = first ? IsoDate(*first) : std::string();
    o.last = last ? IsoDate(*last) : std::string();
    std::vector<HardValue> hardest;
    for (const HardClass& h : HardestClasses(r.errors, kHardestShown))
      hardest.push_back({Name(h.cardinalityIndex, h.listIndex), OneDecimal(h.accuracy), static_cast<double>(h.right + h.wrong)});
    o.hardest = JsArray(hardest);
    std::vector<ConfusionValue> confusions;
    for (const Confusion& c : FrequentConfusions(r.errors, kConfusionsShown))
      confusions.push_back({Name(c.cardinalityIndex, c.asked), Name(c.cardinalityIndex, c.answered), static_cast<double>(c.count)});
    o.confusions = JsArray(confusions);
    std::vector<emscripten::val> tables;
    for (const auto& table : r.highScores) {
      std::vector<ScoreValue> entries;
      for (const ClassHighScore& e : table) entries.push_back({e.account, e.score});
      tables.push_back(JsArray(entries));
    }
    o.highScores = JsArray(tables);
    o.fetched = result_.fetched;
    o.unreadable = static_cast<int>(result_.unreadable.size());
    return emscripten::val(o);
  }

  // Per account, from the practice parts of its folder as the read left them
  // in the cache: the drill log keeps no answers per set class, practice mode does.
  emscripten::val Students() const {
    std::vector<StudentValue> students;
    if (!shown_ || !fetch_) return JsArray(students);
    for (const PersonFigures& p : result_.reading.rows) {
      if (p.unknown) continue;
      const std::optional<std::string> cached = DataStorage().ReadAll(fetch_->CacheName(p.name));
      if (!cached) continue;
      FolderFiles files;
      for (auto& [name, file] : ParseFolderCache(*cached, p.name)) files[name] = std::move(file.bytes);
      std::string text;
      for (const std::string& name : PartsToRead(files, "practice.dat")) {
        const std::string_view part = PracticeLogEnd(files[name]);
        if (part.empty()) continue;
        if (!text.empty() && text.back() != '\n') text += "\r\n";
        text.append(part);
      }
      PracticeLog log = ParsePracticeLines(text);
      if (log.records.empty()) continue;
      // The folder's lines are its account's, whatever name they hold.
      for (PracticeRecord& r : log.records) r.person = p.name;
      for (const auto& [person, figures] : StudentClassFigures(log, kStudentShown)) {
        std::vector<AnsweredValue> hardest;
        for (const ClassAnswered& a : figures.hardest) hardest.push_back({a.name, a.firstTry, a.asked});
        std::vector<ConfusedValue> confusions;
        for (const ClassConfused& c : figures.confusions) confusions.push_back({c.asked, c.answered, c.times});
        students.push_back({p.name, JsArray(hardest), JsArray(confusions)});
      }
    }
    return JsArray(students);
  }

  // The desktop's export of the same rows, byte for byte: UTF-8 with its mark,
  // the separator the page's language wants (';' where the decimal mark is a
  // comma). Bytes, as a text would lose the mark on its way into JavaScript.
  emscripten::val Csv(const std::string& separator) const {
    const std::string csv = ClassCsv(result_.reading.rows, separator == ";" ? ';' : ',', true);
    return emscripten::val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(csv.size(), reinterpret_cast<const unsigned char*>(csv.data())));
  }

 private:
  std::string Name(int cardinalityIndex, int listIndex) const {
    const auto& names = names_[cardinalityIndex == 1 ? 1 : 0];
    return listIndex >= 0 && static_cast<size_t>(listIndex) < names.size() ? names[static_cast<size_t>(listIndex)]
                                                                            : std::to_string(listIndex + 1);
  }

  // The writer's texts speak of work waiting; a reader's faults say what the reading met.
  static std::string ReadFaultMessage(ClassFault fault) {
    switch (fault) {
      case ClassFault::Offline: return "The class's server cannot be reached.";
      case ClassFault::Lost: return "The connection to the class's server broke while the class was read.";
      case ClassFault::Forbidden: return "The class's server does not let this account read the whole class.";
      default: return ClassFaultMessage(fault);
    }
  }

  std::vector<std::string> names_[2];
  std::unique_ptr<ClassFetch> fetch_;
  ClassFetchResult result_;
  bool shown_ = false;
  int32_t today_ = 0;
  emscripten::val listener_ = emscripten::val::undefined();
};

EMSCRIPTEN_BINDINGS(sonorix_class_overview) {
  emscripten::value_object<CellValue>("ClassCell").field("text", &CellValue::text).field("key", &CellValue::key);
  emscripten::value_object<RowValue>("ClassRow")
      .field("name", &RowValue::name)
      .field("unknown", &RowValue::unknown)
      .field("cells", &RowValue::cells);
  emscripten::value_object<HardValue>("ClassHardest")
      .field("name", &HardValue::name)
      .field("accuracy", &HardValue::accuracy)
      .field("answers", &HardValue::answers);
  emscripten::value_object<ConfusionValue>("ClassConfusion")
      .field("played", &ConfusionValue::played)
      .field("takenFor", &ConfusionValue::takenFor)
      .field("times", &ConfusionValue::times);
  emscripten::value_object<ScoreValue>("ClassScore").field("name", &ScoreValue::name).field("score", &ScoreValue::score);
  emscripten::value_object<AnsweredValue>("ClassAnswered")
      .field("name", &AnsweredValue::name)
      .field("firstTry", &AnsweredValue::firstTry)
      .field("asked", &AnsweredValue::asked);
  emscripten::value_object<ConfusedValue>("ClassConfused")
      .field("asked", &ConfusedValue::asked)
      .field("answered", &ConfusedValue::answered)
      .field("times", &ConfusedValue::times);
  emscripten::value_object<StudentValue>("ClassStudent")
      .field("name", &StudentValue::name)
      .field("hardest", &StudentValue::hardest)
      .field("confusions", &StudentValue::confusions);
  emscripten::value_object<OverviewValue>("ClassOverview")
      .field("rows", &OverviewValue::rows)
      .field("records", &OverviewValue::records)
      .field("unverified", &OverviewValue::unverified)
      .field("ambiguous", &OverviewValue::ambiguous)
      .field("today", &OverviewValue::today)
      .field("weekFrom", &OverviewValue::weekFrom)
      .field("first", &OverviewValue::first)
      .field("last", &OverviewValue::last)
      .field("hardest", &OverviewValue::hardest)
      .field("confusions", &OverviewValue::confusions)
      .field("highScores", &OverviewValue::highScores)
      .field("fetched", &OverviewValue::fetched)
      .field("unreadable", &OverviewValue::unreadable);
  emscripten::class_<WebClassOverview>("WebClassOverview")
      .constructor<std::string>()
      .function("read", &WebClassOverview::Read)
      .function("cancel", &WebClassOverview::Cancel)
      .function("overview", &WebClassOverview::Overview)
      .function("students", &WebClassOverview::Students)
      .function("csv", &WebClassOverview::Csv);
}
