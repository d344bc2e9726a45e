#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <thread>
#include <vector>

#include "EventLoop.h"
#include "Platform.h"

namespace {

struct Delivery {
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
  QThread* thread;
};

void Drain() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

TEST(MessageWindow, IdsAreDistinctAndNonZero) {
  const uint32_t a = PlatformCreateMessageWindow([](uint32_t, uintptr_t, intptr_t) { return false; });
  const uint32_t b = PlatformCreateMessageWindow([](uint32_t, uintptr_t, intptr_t) { return false; });
  EXPECT_NE(a, 0u);
  EXPECT_NE(b, 0u);
  EXPECT_NE(a, b);
  PlatformDestroyMessageWindow(a);
  const uint32_t c = PlatformCreateMessageWindow([](uint32_t, uintptr_t, intptr_t) { return false; });
  EXPECT_NE(c, a);  // a stale id never reaches a newer window
  PlatformDestroyMessageWindow(b);
  PlatformDestroyMessageWindow(c);
}

TEST(MessageWindow, PostsFromManyThreadsArriveInOrderOnTheGuiThread) {
  std::vector<Delivery> got;
  const uint32_t w = PlatformCreateMessageWindow([&](uint32_t m, uintptr_t wp, intptr_t lp) {
    got.push_back({m, wp, lp, QThread::currentThread()});
    return true;
  });
  constexpr int kThreads = 4, kEach = 200;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([=] {
      for (int i = 0; i < kEach; ++i) PlatformPostMessage(w, 0x5453, static_cast<uintptr_t>(t), i);
    });
  }
  for (auto& t : threads) t.join();
  ASSERT_TRUE(ProcessEventsUntil([&] { return got.size() == kThreads * kEach; }));
  std::vector<intptr_t> next(kThreads, 0);
  for (const auto& d : got) {
    EXPECT_EQ(d.thread, QCoreApplication::instance()->thread());
    EXPECT_EQ(d.lParam, next[d.wParam]++);  // each sender's messages keep their order
  }
  PlatformDestroyMessageWindow(w);
}

TEST(MessageWindow, MessagesForADestroyedWindowAreDropped) {
  int calls = 0;
  const uint32_t w = PlatformCreateMessageWindow([&](uint32_t, uintptr_t, intptr_t) { return ++calls, true; });
  EXPECT_EQ(PlatformPostMessage(w, 1, 0, 0), 1);
  EXPECT_EQ(PlatformPostMessage(w, 2, 0, 0), 1);
  PlatformDestroyMessageWindow(w);
  EXPECT_EQ(PlatformPostMessage(w, 3, 0, 0), 0);
  EXPECT_EQ(PlatformPostMessage(0, 3, 0, 0), 0);
  Drain();
  EXPECT_EQ(calls, 0);
}

TEST(MessageWindow, ProcedureMayDestroyItsOwnWindow) {
  std::vector<uint32_t> seen;
  uint32_t w = 0;
  w = PlatformCreateMessageWindow([&](uint32_t m, uintptr_t, intptr_t) {
    seen.push_back(m);
    PlatformDestroyMessageWindow(w);  // the rest of the queue is dropped
    return true;
  });
  PlatformPostMessage(w, 1, 0, 0);
  PlatformPostMessage(w, 2, 0, 0);
  Drain();
  EXPECT_EQ(seen, std::vector<uint32_t>{1});
}

TEST(MessageWindow, UnhandledMessagesAreHarmless) {
  int calls = 0;
  const uint32_t w = PlatformCreateMessageWindow([&](uint32_t, uintptr_t, intptr_t) { return ++calls, false; });
  PlatformPostMessage(w, 0x0400, 1, -1);
  Drain();
  EXPECT_EQ(calls, 1);
  PlatformDestroyMessageWindow(w);
}

}  // namespace
