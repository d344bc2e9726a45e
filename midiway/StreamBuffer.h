// How much audio an output keeps ahead of what is heard. It starts where an
// ordinary machine does not run dry; after the output ran dry it grows,
// within a bound, at the next moment when nothing sounds, so that no note
// already under way moves.
#pragma once

#include <algorithm>
#include <atomic>

namespace midiway {

class StreamBuffer {
 public:
  StreamBuffer(int ms, int maxMs) : ms_(ms), firstMs_(ms), maxMs_(std::max(ms, maxMs)) {}

  int Ms() const { return ms_.load(std::memory_order_relaxed); }
  int FirstMs() const { return firstMs_; }
  int MaxMs() const { return maxMs_; }
  unsigned Underruns() const { return underruns_.load(std::memory_order_relaxed); }

  // The output ran dry: counted, and a growth is due.
  void Underrun() {
    underruns_.fetch_add(1, std::memory_order_relaxed);
    growthDue_.store(true, std::memory_order_relaxed);
  }
  bool GrowthDue() const { return growthDue_.load(std::memory_order_relaxed); }
  // Call only while nothing sounds: the new size, doubled but never past
  // the bound; 0 when it stays.
  int Grow() {
    if (!growthDue_.exchange(false, std::memory_order_relaxed)) return 0;
    const int grown = std::min(Ms() * 2, maxMs_);
    if (grown == Ms()) return 0;
    ms_.store(grown, std::memory_order_relaxed);
    return grown;
  }

 private:
  std::atomic<int> ms_;
  const int firstMs_;
  const int maxMs_;
  std::atomic<unsigned> underruns_{0};
  std::atomic<bool> growthDue_{false};
};

}  // namespace midiway
