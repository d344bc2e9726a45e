// What the bindings hand the page: embind's value objects, and lists of them
// as plain JavaScript arrays, so the page neither parses text nor frees handles.
#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <string>
#include <vector>

#include "Playback.h"

template <class T>
emscripten::val JsArray(const std::vector<T>& items) {
  emscripten::val out = emscripten::val::array();
  for (size_t i = 0; i < items.size(); ++i) out.set(i, items[i]);
  return out;
}

// A plan of notes as the page plays it ([{atMs, key, velocity, lengthMs}, …]),
// on a clock of its own from 0, so the page puts it on the audio clock at once.
emscripten::val PlanValue(const PlaybackPlan& plan);

// The list indices a page passes in (number[]), any other value as none.
std::vector<int> IntsOf(const emscripten::val& list);
