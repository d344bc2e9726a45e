#include "DrillSessionSignals.h"

#include <QTimer>

DrillSessionSignals::DrillSessionSignals(DrillSession& drill, QObject* parent) : QObject(parent), drill_(drill) {
  drill_.AddListener(this);
}

DrillSessionSignals::~DrillSessionSignals() { drill_.RemoveListener(this); }

void QtScheduler::After(uint32_t ms, std::function<void()> task) {
  QTimer::singleShot(static_cast<int>(ms), this, std::move(task));
}
