// A plan of notes as the page plays it: [{"atMs":…,"key":…,"velocity":…,"lengthMs":…},…],
// on a clock of its own from 0, so the page puts it on the audio clock at once.
#pragma once

#include <string>

#include "Playback.h"

inline std::string PlanJson(const PlaybackPlan& plan) {
  std::string out = "[";
  for (size_t i = 0; i < plan.notes.size(); ++i) {
    const PlanNote& n = plan.notes[i];
    out += std::string(i ? "," : "") + "{\"atMs\":" + std::to_string(n.atMs) + ",\"key\":" + std::to_string(n.key) +
           ",\"velocity\":" + std::to_string(n.velocity) + ",\"lengthMs\":" + std::to_string(n.lengthMs) + "}";
  }
  return out + "]";
}
