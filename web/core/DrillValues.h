// What the page's drill hands the page, as web/src/core.ts declares it:
// embind's value objects, registered in DrillValues.cpp.
#pragma once

#include <emscripten/val.h>

#include <string>

struct PeopleValue {
  emscripten::val names = emscripten::val::array();
  int selected = -1;  // -1 when nobody is
};

// `listed` and `rest` are empty unless the saved filters are partial.
struct LoginValue {
  bool ask = false;
  std::string listed, rest;
};

struct AnswerRowValue {
  std::string label, name;
};

struct DrillViewValue {
  bool drilling = false;
  int correct = 0, incorrect = 0;
  std::string clock;
  bool clockShown = false;
  std::string begin;
  bool beginEnabled = false, playEnabled = false;
  std::string prefix;
  emscripten::val rows = emscripten::val::array();
  int cardinality = 0, range = 0, manner = 0;
  bool loggedIn = false;
  std::string person;
  bool catalogueMissing = false;
};

struct JudgedValue {
  bool right = false, counted = false;
  double judgeMs = 0;
};

struct FilterBoxValue {
  std::string label;
  bool checked = false;
};

struct FiltersValue {
  int cardinality = 0, range = 0;
  bool save = false;
  emscripten::val boxes = emscripten::val::array();
};

struct ScoreValue {
  std::string time, timePoints, percentage, longevity, score;
  bool filtersUsed = false;
  int cardinality = 0, range = 0, newEntryIndex = 0;
  emscripten::val tables = emscripten::val::array();  // six tables of lines
};

struct QuestionValue {
  int listIndex = 0;
  emscripten::val sorted = emscripten::val::array();
  emscripten::val played = emscripten::val::array();
  int joined = 0;
};
