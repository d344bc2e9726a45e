// The drill's value objects, under the names core.ts gives them.
#include "DrillValues.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(sonorix_drill_values) {
  using emscripten::value_object;
  value_object<PeopleValue>("DrillPeople").field("names", &PeopleValue::names).field("selected", &PeopleValue::selected);
  value_object<LoginValue>("LoginAnswer").field("ask", &LoginValue::ask).field("listed", &LoginValue::listed).field("rest", &LoginValue::rest);
  value_object<AnswerRowValue>("AnswerRow").field("label", &AnswerRowValue::label).field("name", &AnswerRowValue::name);
  value_object<DrillViewValue>("DrillView")
      .field("drilling", &DrillViewValue::drilling)
      .field("correct", &DrillViewValue::correct)
      .field("incorrect", &DrillViewValue::incorrect)
      .field("clock", &DrillViewValue::clock)
      .field("clockShown", &DrillViewValue::clockShown)
      .field("begin", &DrillViewValue::begin)
      .field("beginEnabled", &DrillViewValue::beginEnabled)
      .field("playEnabled", &DrillViewValue::playEnabled)
      .field("prefix", &DrillViewValue::prefix)
      .field("rows", &DrillViewValue::rows)
      .field("cardinality", &DrillViewValue::cardinality)
      .field("range", &DrillViewValue::range)
      .field("manner", &DrillViewValue::manner)
      .field("loggedIn", &DrillViewValue::loggedIn)
      .field("person", &DrillViewValue::person)
      .field("catalogueMissing", &DrillViewValue::catalogueMissing);
  value_object<JudgedValue>("Judged").field("right", &JudgedValue::right).field("counted", &JudgedValue::counted).field("judgeMs", &JudgedValue::judgeMs);
  value_object<FilterBoxValue>("FilterBox").field("label", &FilterBoxValue::label).field("checked", &FilterBoxValue::checked);
  value_object<FiltersValue>("FiltersView")
      .field("cardinality", &FiltersValue::cardinality)
      .field("range", &FiltersValue::range)
      .field("save", &FiltersValue::save)
      .field("boxes", &FiltersValue::boxes);
  value_object<ScoreValue>("ScoreView")
      .field("time", &ScoreValue::time)
      .field("timePoints", &ScoreValue::timePoints)
      .field("percentage", &ScoreValue::percentage)
      .field("longevity", &ScoreValue::longevity)
      .field("score", &ScoreValue::score)
      .field("filtersUsed", &ScoreValue::filtersUsed)
      .field("cardinality", &ScoreValue::cardinality)
      .field("range", &ScoreValue::range)
      .field("newEntryIndex", &ScoreValue::newEntryIndex)
      .field("tables", &ScoreValue::tables);
  value_object<QuestionValue>("Question")
      .field("listIndex", &QuestionValue::listIndex)
      .field("sorted", &QuestionValue::sorted)
      .field("played", &QuestionValue::played)
      .field("joined", &QuestionValue::joined);
}
