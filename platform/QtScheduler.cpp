#include "QtScheduler.h"

#include <QTimer>

void QtScheduler::After(uint32_t ms, std::function<void()> task) {
  QTimer::singleShot(static_cast<int>(ms), this, std::move(task));
}
