// My Progress for the page: the drill log read and summed by the same rules
// as the desktop's progress window, handed over as values.
#include <emscripten/bind.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "PageValues.h"
#include "ProgressFigures.h"
#include "ReportReader.h"

namespace {

// A figure as the charts take it: six significant digits, null where there is none.
emscripten::val Number(const std::optional<double>& v) {
  if (!v || !std::isfinite(*v)) return emscripten::val::null();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", *v);
  return emscripten::val(std::strtod(buf, nullptr));
}

struct DrillRow {
  std::string date, range, cardinality;
  double right = 0, wrong = 0;  // whole numbers; a log may hold more than an int
  std::string accuracy, secondsPerRight;
  bool eligible = false;
};

struct SeriesValue {
  std::string range, cardinality;
  emscripten::val points = emscripten::val::array();  // [x, accuracy | null, seconds per right | null]
};

struct FiguresValue {
  int records = 0, unverified = 0;
  bool daily = false;
  emscripten::val drills = emscripten::val::array();
  emscripten::val series = emscripten::val::array();
  emscripten::val weeks = emscripten::val::array();  // [week's first day, minutes]
};

emscripten::val Series(const std::vector<ModeSeries>& all) {
  std::vector<SeriesValue> out;
  for (const ModeSeries& s : all) {
    std::vector<emscripten::val> points;
    for (const DayFigures& d : s.days) {
      emscripten::val point = emscripten::val::array();
      point.set(0, d.day);
      point.set(1, Number(d.Accuracy()));
      point.set(2, Number(d.SecondsPerRight()));
      points.push_back(point);
    }
    out.push_back({Utf8(RangeName(s.modeCode)), Utf8(CardinalityName(s.modeCode)), JsArray(points)});
  }
  return JsArray(out);
}

}  // namespace

class WebProgress {
 public:
  // report.dat through the core's storage, byte for byte; drillnotes.dat is
  // not kept in the browser.
  WebProgress() {
    std::optional<ReportLog> log = LoadReportLog("report.dat");
    readable_ = log.has_value();
    if (log) log_ = std::move(*log);
  }

  bool Readable() const { return readable_; }

  emscripten::val People() const {
    std::vector<std::string> people = PeopleInLog(log_);
    for (std::string& p : people) p = Utf8(p);
    return JsArray(people);
  }

  // The table, series and weekly practice of the person at `index` in People(). `daily` says whether the
  // series are per day (x: day number) or per drill (x: 1, 2, ...).
  FiguresValue Figures(int index) const {
    const std::string person = PersonAt(index);
    const bool daily = DaysDrilled(log_, person) >= kDaysForDailyCharts;
    std::vector<DrillRow> drills;
    for (const DrillFigures& d : DrillsOf(log_, person))
      drills.push_back({Utf8(IsoDate(DayOf(d.date))), Utf8(ModesText(d.modes, RangeName)), Utf8(ModesText(d.modes, CardinalityName)),
                        static_cast<double>(d.right), static_cast<double>(d.wrong),
                        Utf8(OneDecimal(d.Accuracy())), Utf8(OneDecimal(d.SecondsPerRight())), d.eligible});
    std::vector<emscripten::val> weeks;
    for (const WeekFigures& w : WeeklyPractice(log_, person)) {
      emscripten::val week = emscripten::val::array();
      week.set(0, w.weekStart);
      week.set(1, Number(w.seconds / 60.0));
      weeks.push_back(week);
    }
    return {log_.records, log_.unverified, daily, JsArray(drills), Series(daily ? DailySeries(log_, person) : DrillSeries(log_, person)),
            JsArray(weeks)};
  }

  std::string Csv(int index) const { return ProgressCsv(PersonAt(index), DrillsOf(log_, PersonAt(index))); }

 private:
  // People go by their place in People(): a name logged in bytes that are
  // not UTF-8 would not come back from the page as it is logged.
  std::string PersonAt(int index) const {
    const std::vector<std::string> people = PeopleInLog(log_);
    return index >= 0 && static_cast<size_t>(index) < people.size() ? people[static_cast<size_t>(index)] : std::string();
  }

  ReportLog log_;
  bool readable_ = false;
};

EMSCRIPTEN_BINDINGS(sonorix_progress) {
  emscripten::value_object<DrillRow>("ProgressDrill")
      .field("date", &DrillRow::date)
      .field("range", &DrillRow::range)
      .field("cardinality", &DrillRow::cardinality)
      .field("right", &DrillRow::right)
      .field("wrong", &DrillRow::wrong)
      .field("accuracy", &DrillRow::accuracy)
      .field("secondsPerRight", &DrillRow::secondsPerRight)
      .field("eligible", &DrillRow::eligible);
  emscripten::value_object<SeriesValue>("ProgressSeries")
      .field("range", &SeriesValue::range)
      .field("cardinality", &SeriesValue::cardinality)
      .field("points", &SeriesValue::points);
  emscripten::value_object<FiguresValue>("ProgressFigures")
      .field("records", &FiguresValue::records)
      .field("unverified", &FiguresValue::unverified)
      .field("daily", &FiguresValue::daily)
      .field("drills", &FiguresValue::drills)
      .field("series", &FiguresValue::series)
      .field("weeks", &FiguresValue::weeks);
  emscripten::class_<WebProgress>("WebProgress")
      .constructor<>()
      .function("readable", &WebProgress::Readable)
      .function("people", &WebProgress::People)
      .function("figures", &WebProgress::Figures)
      .function("csv", &WebProgress::Csv);
}
