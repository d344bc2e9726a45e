// What a drill added to the data folder's files, handed on as the drill
// ends: to the class on a server when this device joined one. The drill's
// files never wait for it; whoever takes the bytes keeps them itself.
#pragma once

#include <string>

class DrillFiling {
 public:
  virtual ~DrillFiling() = default;
  // One drill's bytes exactly as `file` took them: report.dat its records
  // (start, filters, segments), practice.dat its lines, errors.dat its
  // statistics in that file's format.
  virtual void Filed(const std::string& file, const std::string& bytes) = 0;
};

// The one taker of every drill's bytes, for both front ends; nullptr (the
// start) when the device is in no class. It must outlive its use.
void SetDrillFiling(DrillFiling* filing);
DrillFiling* CurrentDrillFiling();
// Hands the bytes to the taker, if there is one and they are not empty.
void FileDrillPart(const std::string& file, const std::string& bytes);
