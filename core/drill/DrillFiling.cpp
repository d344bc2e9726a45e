#include "DrillFiling.h"

namespace {
DrillFiling* taker = nullptr;
}  // namespace

void SetDrillFiling(DrillFiling* filing) { taker = filing; }

DrillFiling* CurrentDrillFiling() { return taker; }

void FileDrillPart(const std::string& file, const std::string& bytes) {
  if (taker && !bytes.empty()) taker->Filed(file, bytes);
}
