#include "DrillSessionSignals.h"

DrillSessionSignals::DrillSessionSignals(DrillSession& drill, QObject* parent) : QObject(parent), drill_(drill) {
  drill_.AddListener(this);
}

DrillSessionSignals::~DrillSessionSignals() { drill_.RemoveListener(this); }
