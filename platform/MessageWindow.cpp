// Message-only windows: an id and a procedure in a registry. Posting queues a
// Qt event to one dispatcher object that lives on the GUI thread, so every
// procedure runs there, from the event loop, whichever thread posted.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>

#include <mutex>
#include <unordered_map>

#include "Platform.h"

namespace {

class WindowMessageEvent : public QEvent {
 public:
  static QEvent::Type EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }
  WindowMessageEvent(uint32_t window, uint32_t message, uintptr_t wParam, intptr_t lParam)
      : QEvent(EventType()), window(window), message(message), wParam(wParam), lParam(lParam) {}
  const uint32_t window;
  const uint32_t message;
  const uintptr_t wParam;
  const intptr_t lParam;
};

class MessageDispatcher : public QObject {
 public:
  bool event(QEvent* e) override;
};

struct Registry {
  std::mutex mutex;
  std::unordered_map<uint32_t, PlatformMessageProc> procs;
  uint32_t lastId = 0;
  MessageDispatcher* dispatcher = nullptr;  // created on the GUI thread, never deleted
};

Registry& Windows() {
  static Registry* registry = new Registry;  // posts may still arrive during exit
  return *registry;
}

bool MessageDispatcher::event(QEvent* e) {
  if (e->type() != WindowMessageEvent::EventType()) return QObject::event(e);
  const auto* m = static_cast<WindowMessageEvent*>(e);
  PlatformMessageProc proc;
  {
    auto& reg = Windows();
    std::lock_guard<std::mutex> lock(reg.mutex);
    auto it = reg.procs.find(m->window);
    if (it == reg.procs.end()) return true;  // the window is gone: dropped
    proc = it->second;  // a copy, so the procedure may destroy its own window
  }
  // An unhandled message gets the default handling, which does nothing.
  (void)proc(m->message, m->wParam, m->lParam);
  return true;
}

}  // namespace

uint32_t PlatformCreateMessageWindow(PlatformMessageProc proc) {
  auto& reg = Windows();
  std::lock_guard<std::mutex> lock(reg.mutex);
  if (!reg.dispatcher) {
    reg.dispatcher = new MessageDispatcher;
    if (auto* app = QCoreApplication::instance()) reg.dispatcher->moveToThread(app->thread());
  }
  // Ids are never reused while a window with that id exists, and 0 means none.
  do {
    ++reg.lastId;
  } while (reg.lastId == 0 || reg.procs.count(reg.lastId) != 0);
  reg.procs.emplace(reg.lastId, std::move(proc));
  return reg.lastId;
}

void PlatformDestroyMessageWindow(uint32_t window) {
  auto& reg = Windows();
  std::lock_guard<std::mutex> lock(reg.mutex);
  reg.procs.erase(window);
}

extern "C" int PlatformPostMessage(uint32_t window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  auto& reg = Windows();
  std::lock_guard<std::mutex> lock(reg.mutex);
  if (!reg.dispatcher || reg.procs.count(window) == 0) return 0;
  // postEvent is thread-safe and takes ownership of the event.
  QCoreApplication::postEvent(reg.dispatcher, new WindowMessageEvent(window, message, wParam, lParam));
  return 1;
}
