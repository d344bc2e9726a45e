#include "AssignValues.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "PracticeLog.h"
#include "ReportReader.h"

namespace {

std::string Text(const emscripten::val& v) { return v.isString() ? v.as<std::string>() : std::string(); }
// NaN, or a number past int32_t, would be undefined to convert; a huge one
// stays too large for the editors' check to take.
int32_t Number(const emscripten::val& v, int32_t otherwise) {
  const double d = v.isNumber() ? v.as<double>() : otherwise;
  return std::isnan(d) ? otherwise : static_cast<int32_t>(std::clamp(d, -1e9, 1e9));
}

std::vector<std::string> Texts(const emscripten::val& list) {
  std::vector<std::string> out;
  if (!list.isArray()) return out;
  const int n = list["length"].as<int>();
  for (int i = 0; i < n; ++i) out.push_back(Text(list[i]));
  return out;
}

emscripten::val TextArray(const std::vector<std::string>& texts) {
  emscripten::val out = emscripten::val::array();
  for (size_t i = 0; i < texts.size(); ++i) out.set(i, texts[i]);
  return out;
}

// No exceptions in the page: the digits by hand.
int32_t DayOfText(const std::string& iso) {
  if (iso.size() != 10 || iso[4] != '-' || iso[7] != '-') return 0;
  int32_t parts[3] = {0, 0, 0};
  const size_t from[3] = {0, 5, 8}, length[3] = {4, 2, 2};
  for (size_t p = 0; p < 3; ++p)
    for (size_t i = from[p]; i < from[p] + length[p]; ++i) {
      if (iso[i] < '0' || iso[i] > '9') return 0;
      parts[p] = parts[p] * 10 + (iso[i] - '0');
    }
  if (parts[0] < 1 || parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > 31) return 0;
  const int32_t day = DayOfCivil(parts[0], parts[1], parts[2]);
  return IsoDate(day) == iso ? day : 0;
}

}  // namespace

emscripten::val AssignmentValue(const Assignment& a) {
  emscripten::val v = emscripten::val::object();
  v.set("title", a.title);
  v.set("instructions", TextArray(a.instructions));
  v.set("cardinality", a.cardinality);
  v.set("allClasses", a.allClasses);
  v.set("classes", TextArray(a.classes));
  v.set("range", a.range);
  v.set("playMode", a.playMode);
  v.set("goal", static_cast<int>(a.goal));
  v.set("count", a.count);
  v.set("right", a.right);
  v.set("percent", a.percent);
  v.set("start", IsoDate(a.start));
  v.set("due", IsoDate(a.due));
  return v;
}

Assignment AssignmentOf(const emscripten::val& v) {
  Assignment a;
  if (v.isUndefined() || v.isNull()) return a;
  a.title = Text(v["title"]);
  a.instructions = Texts(v["instructions"]);
  a.cardinality = Number(v["cardinality"], 3) == 4 ? 4 : 3;
  a.allClasses = v["allClasses"].isTrue();
  a.classes = Texts(v["classes"]);
  a.range = Number(v["range"], 0);
  a.playMode = Number(v["playMode"], 0);
  const int32_t goal = Number(v["goal"], 0);
  a.goal = goal == 1 ? AssignmentGoal::Minutes : goal == 2 ? AssignmentGoal::FirstTry : AssignmentGoal::Drills;
  a.count = Number(v["count"], 1);
  a.right = Number(v["right"], 5);
  a.percent = Number(v["percent"], 0);
  a.start = DayOfText(Text(v["start"]));
  a.due = DayOfText(Text(v["due"]));
  return a;
}
