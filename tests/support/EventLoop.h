// Waiting on the GUI thread's event loop for what another thread sends it.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

// Runs the event loop until done() or a generous deadline.
template <typename Done>
bool ProcessEventsUntil(Done done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}
