// My Progress for the page: the drill log read and summed by the same rules
// as the desktop's progress window, handed over as JSON.
#include <emscripten/bind.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "ProgressFigures.h"
#include "ReportReader.h"
#include "JsonText.h"

namespace {


std::string Number(const std::optional<double>& v) {
  if (!v || !std::isfinite(*v)) return "null";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", *v);
  return buf;
}

std::string Series(const std::vector<ModeSeries>& all) {
  std::string out = "[";
  for (size_t s = 0; s < all.size(); ++s) {
    out += std::string(s ? "," : "") + "{\"range\":" + JsonString(Utf8(RangeName(all[s].modeCode))) +
           ",\"cardinality\":" + JsonString(Utf8(CardinalityName(all[s].modeCode))) + ",\"points\":[";
    for (size_t p = 0; p < all[s].days.size(); ++p) {
      const DayFigures& d = all[s].days[p];
      out += std::string(p ? "," : "") + "[" + std::to_string(d.day) + "," + Number(d.Accuracy()) + "," +
             Number(d.SecondsPerRight()) + "]";
    }
    out += "]}";
  }
  return out + "]";
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

  std::string People() const {
    std::string out = "[";
    const std::vector<std::string> people = PeopleInLog(log_);
    for (size_t i = 0; i < people.size(); ++i) out += (i ? "," : "") + JsonString(Utf8(people[i]));
    return out + "]";
  }

  // The table, series and weekly practice of the person at `index` in People(). `daily` says whether the
  // series are per day (x: day number) or per drill (x: 1, 2, ...).
  std::string Figures(int index) const {
    const std::string person = PersonAt(index);
    const std::vector<DrillFigures> drills = DrillsOf(log_, person);
    const bool daily = DaysDrilled(log_, person) >= kDaysForDailyCharts;
    std::string out = "{\"records\":" + std::to_string(log_.records) + ",\"unverified\":" + std::to_string(log_.unverified) +
                      ",\"daily\":" + (daily ? "true" : "false") + ",\"drills\":[";
    for (size_t i = 0; i < drills.size(); ++i) {
      const DrillFigures& d = drills[i];
      out += std::string(i ? "," : "") + "{\"date\":" + JsonString(Utf8(IsoDate(DayOf(d.date)))) +
             ",\"range\":" + JsonString(Utf8(ModesText(d.modes, RangeName))) + ",\"cardinality\":" + JsonString(Utf8(ModesText(d.modes, CardinalityName))) +
             ",\"right\":" + std::to_string(d.right) + ",\"wrong\":" + std::to_string(d.wrong) +
             ",\"accuracy\":" + JsonString(Utf8(OneDecimal(d.Accuracy()))) + ",\"secondsPerRight\":" + JsonString(Utf8(OneDecimal(d.SecondsPerRight()))) +
             ",\"eligible\":" + (d.eligible ? "true" : "false") + "}";
    }
    out += "],\"series\":" + Series(daily ? DailySeries(log_, person) : DrillSeries(log_, person)) + ",\"weeks\":[";
    const std::vector<WeekFigures> weeks = WeeklyPractice(log_, person);
    for (size_t i = 0; i < weeks.size(); ++i)
      out += std::string(i ? "," : "") + "[" + std::to_string(weeks[i].weekStart) + "," + Number(weeks[i].seconds / 60.0) + "]";
    return out + "]}";
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
  emscripten::class_<WebProgress>("WebProgress")
      .constructor<>()
      .function("readable", &WebProgress::Readable)
      .function("people", &WebProgress::People)
      .function("figures", &WebProgress::Figures)
      .function("csv", &WebProgress::Csv);
}
