// The core's scheduler on Qt's event loop: the drill's pauses run as timers.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

#include "Clock.h"

// Runs each task once on this object's thread after its delay; tasks still
// waiting when it goes are dropped.
class QtScheduler : public QObject, public Scheduler {
  Q_OBJECT
 public:
  using QObject::QObject;
  void After(uint32_t ms, std::function<void()> task) override;
};
