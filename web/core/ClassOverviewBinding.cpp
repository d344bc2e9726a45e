// The teacher's Class Overview in the page: the class folder read off its
// WebDAV server by the core's ClassFetch (over the page's fetch, in steps on
// the page's timers, its files cached in the page's storage), and its figures
// handed over as the desktop's Class Overview shows them.
#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "AssignValues.h"
#include "Catalogue.h"
#include "ClassAssignments.h"
#include "ClassAddress.h"
#include "ClassFetch.h"
#include "ClassFigures.h"
#include "ClassOverviewReport.h"
#include "Clock.h"
#include "PageClass.h"
#include "PageDrill.h"
#include "PageValues.h"
#include "ReportReader.h"
#include "Storage.h"
#include "WebTransport.h"

namespace {

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
  int read = 0;        // account folders read afresh, not from their kept figures
  int unreadable = 0;  // account folders closed to this account
  emscripten::val students = emscripten::val::array();
};

// A cell of the core's table as the page sorts it: an empty one has no number.
CellValue CellOf(const PersonFigures& p, int column) {
  const ClassCell cell = ClassCellOf(p, column);
  return {cell.text, std::isfinite(cell.key) ? emscripten::val(cell.key) : emscripten::val::null()};
}

struct HeadValue {
  int mode = -1;       // the mode whose short name comes first, -1 for none
  std::string source;  // English, a line break where the head takes two lines
};

struct ColumnsValue {
  emscripten::val heads = emscripten::val::array();
  // The printed report's two tables.
  emscripten::val general = emscripten::val::array();
  emscripten::val modes = emscripten::val::array();
};

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
    const auto today = static_cast<int32_t>(CoreClock().Today());
    fetch_ = std::make_unique<ClassFetch>(ClassConnection{check.address, {account, password}}, PageTransport(),
                                          PageScheduler(), DataStorage(), std::string(), today);
    // The browser keeps six connections to the server busy from its own queue,
    // while the page works through the answers it already has.
    fetch_->SetRequestsInFlight(16);
    // The assignments' statuses hear the folders as they are read.
    if (PageFolderJudge().judge) fetch_->SetFolderJudge(PageFolderJudge());
    fetch_->Start(
        [this](FetchProgress p) { listener_.call<void>("progress", p.done, p.total); },
        [this, today](ClassFetchResult result) {
          const bool cancelled = result.cancelled;
          const std::string fault = cancelled || result.fault == ClassFault::None ? std::string()
                                                                                  : ClassReadFaultMessage(result.fault);
          // A cancelled or failed read keeps what was shown before it.
          if (!cancelled && result.fault == ClassFault::None) {
            result_ = std::move(result);
            today_ = today;
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

  // The columns as the core lays the table out.
  static ColumnsValue Columns() {
    std::vector<HeadValue> heads;
    for (int c = 0; c < ClassColumns::kColumns; ++c) {
      const ClassHead head = ClassHeadOf(c);
      heads.push_back({head.mode, head.source});
    }
    return {JsArray(heads), JsArray(ClassReportGeneralColumns()), JsArray(ClassReportModeColumns())};
  }

  emscripten::val Overview() const {
    if (!shown_) return emscripten::val::null();
    const ClassReading& r = result_.reading;
    const ClassOverviewReport report = MakeClassOverviewReport(r.rows, r.errors, r.students, today_);
    OverviewValue o;
    std::vector<RowValue> rows;
    for (const PersonFigures& p : r.rows) {
      std::vector<CellValue> cells;
      for (int c = 0; c < ClassColumns::kColumns; ++c) cells.push_back(CellOf(p, c));
      rows.push_back({p.name, p.unknown, JsArray(cells)});
    }
    o.rows = JsArray(rows);
    o.records = r.records;
    o.unverified = r.unverified;
    o.ambiguous = r.ambiguous;
    o.today = IsoDate(today_);
    o.weekFrom = IsoDate(WeekStartOf(today_));
    o.first = report.firstDay ? IsoDate(*report.firstDay) : std::string();
    o.last = report.lastDay ? IsoDate(*report.lastDay) : std::string();
    std::vector<HardValue> hardest;
    for (const HardClass& h : report.hardest)
      hardest.push_back({Name(h.cardinalityIndex, h.listIndex), OneDecimal(h.accuracy), static_cast<double>(h.right + h.wrong)});
    o.hardest = JsArray(hardest);
    std::vector<ConfusionValue> confusions;
    for (const Confusion& c : report.confusions)
      confusions.push_back({Name(c.cardinalityIndex, c.asked), Name(c.cardinalityIndex, c.answered), static_cast<double>(c.count)});
    o.confusions = JsArray(confusions);
    std::vector<emscripten::val> tables;
    for (const auto& table : r.highScores) {
      std::vector<ScoreValue> entries;
      for (const ClassHighScore& e : table) entries.push_back({e.account, e.score});
      tables.push_back(JsArray(entries));
    }
    o.highScores = JsArray(tables);
    std::vector<StudentValue> students;
    for (const auto& [name, figures] : report.students) {
      std::vector<AnsweredValue> classes;
      for (const ClassAnswered& a : figures.hardest) classes.push_back({a.name, a.firstTry, a.asked});
      std::vector<ConfusedValue> confused;
      for (const ClassConfused& c : figures.confusions) confused.push_back({c.asked, c.answered, c.times});
      students.push_back({name, JsArray(classes), JsArray(confused)});
    }
    o.students = JsArray(students);
    o.fetched = result_.fetched;
    o.read = result_.read;
    o.unreadable = static_cast<int>(result_.unreadable.size());
    return emscripten::val(o);
  }

  // The desktop's export of the same rows, byte for byte: UTF-8 with its mark,
  // the separator the page's language wants (';' where the decimal mark is a
  // comma), the assignments' columns shown after the rest. Bytes, as a text
  // would lose the mark on its way into JavaScript.
  emscripten::val Csv(const std::string& separator, bool dueThisWeekOnly) const {
    const std::string csv = ClassCsvWithAssignments(result_.reading.rows, PageAssignmentColumns(dueThisWeekOnly),
                                                    separator == ";" ? ';' : ',', true);
    return emscripten::val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(csv.size(), reinterpret_cast<const unsigned char*>(csv.data())));
  }

  // The assignments' columns as the desktop's window has them, for the rows
  // overview() gave: {assignments: [...], cells: per row, per column
  // {status (English), done, goal, key} or null for an empty cell}.
  emscripten::val AssignmentColumns(bool dueThisWeekOnly) const {
    const ClassAssignmentColumns columns = PageAssignmentColumns(dueThisWeekOnly);
    emscripten::val list = emscripten::val::array();
    for (size_t c = 0; c < columns.assignments.size(); ++c) list.set(c, AssignmentValue(columns.assignments[c]));
    emscripten::val rows = emscripten::val::array();
    const std::vector<PersonFigures>& people = shown_ ? result_.reading.rows : std::vector<PersonFigures>{};
    for (size_t r = 0; r < people.size(); ++r) {
      emscripten::val cells = emscripten::val::array();
      for (size_t c = 0; c < columns.assignments.size(); ++c) {
        const AssignmentProgress* p = columns.Of(people[r], c);
        emscripten::val cell = emscripten::val::null();
        if (p) {
          cell = emscripten::val::object();
          cell.set("status", std::string(StatusText(p->status)));
          cell.set("done", static_cast<double>(p->done));
          cell.set("goal", static_cast<double>(p->goal));
          cell.set("key", ClassAssignmentCellOf(columns, people[r], c).key);
        }
        cells.set(c, cell);
      }
      rows.set(r, cells);
    }
    emscripten::val out = emscripten::val::object();
    out.set("assignments", list);
    out.set("cells", rows);
    return out;
  }

 private:
  std::string Name(int cardinalityIndex, int listIndex) const {
    const auto& names = names_[cardinalityIndex == 1 ? 1 : 0];
    return listIndex >= 0 && static_cast<size_t>(listIndex) < names.size() ? names[static_cast<size_t>(listIndex)]
                                                                            : std::to_string(listIndex + 1);
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
  emscripten::value_object<HeadValue>("ClassHead").field("mode", &HeadValue::mode).field("source", &HeadValue::source);
  emscripten::value_object<ColumnsValue>("ClassColumns")
      .field("heads", &ColumnsValue::heads)
      .field("general", &ColumnsValue::general)
      .field("modes", &ColumnsValue::modes);
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
      .field("read", &OverviewValue::read)
      .field("unreadable", &OverviewValue::unreadable)
      .field("students", &OverviewValue::students);
  emscripten::class_<WebClassOverview>("WebClassOverview")
      .constructor<std::string>()
      .function("read", &WebClassOverview::Read)
      .function("cancel", &WebClassOverview::Cancel)
      .function("overview", &WebClassOverview::Overview)
      .function("csv", &WebClassOverview::Csv)
      .function("assignmentColumns", &WebClassOverview::AssignmentColumns)
      .class_function("columns", &WebClassOverview::Columns);
}
