// Where an audio output's frames stand on the steady clock, for placing
// events on them. The output tells, each time it asks for audio, when its
// next frame will be heard; on a busy machine that word comes late or
// jumps by milliseconds. Placing every event by the latest word would move
// each onset by that jitter, so the mapping is anchored once the flow has
// settled (frame = (t - origin) x rate) and then moves only when the words
// stay off by more than their jitter (a drift between the output's clock and
// ours), slowly and never by a jump; an offset too large for that (the
// output ran dry unseen) anchors it afresh.
// Not thread-safe: its owner serialises the calls.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace midiway {

class StreamClock {
 public:
  // bucketNs: the words' spacing scale; the estimate is the earliest origin
  // told over the last kBuckets buckets (a late word only ever shows the
  // frames heard later than they are). jitterNs: how far the words wander
  // for seconds without the frames moving (a sound card's callback: a
  // fraction of a ms; a sound server's estimate on a busy machine: tens).
  StreamClock(double rate, int64_t bucketNs, int64_t jitterNs)
      : rate_(rate), bucketNs_(bucketNs), deadbandNs_(static_cast<long double>(jitterNs)) {}

  static constexpr int kBuckets = 8;
  // Windows of words before the anchor is set.
  static constexpr int kSettleWindows = 4;
  // Off by more than the jitter the mapping slews back to within a fifth of
  // it, at its distance per this long, at most kMaxSlew: a drift of the
  // output's clock (a sound card's crystal: tens of ppm) is followed, and a
  // figure bends by a fraction of a millisecond at most while it is. Off by
  // three times the jitter the output's frames jumped: anchored afresh.
  static constexpr long double kSlewNs = 5e9L;
  static constexpr long double kMaxSlew = 500e-6L;
  static constexpr int64_t kSecondNs = 1'000'000'000;

  bool Known() const { return known_; }
  bool Anchored() const { return anchored_; }

  // Frame 0 is heard exactly at originNs (a rendered file): anchored at once.
  void Anchor(int64_t originNs) {
    Reanchor();
    known_ = anchored_ = true;
    origin_ = static_cast<long double>(originNs);
    baseNs_ = originNs;
  }

  // Everything from now on is heard that much later (or earlier).
  void Shift(int64_t ns) { origin_ += static_cast<long double>(ns); }

  // The output ran dry or its buffer grew: its frames are heard at a new
  // offset, which the next reports give.
  void Reanchor() {
    known_ = anchored_ = false;
    currentBucket_ = std::numeric_limits<int64_t>::min();
    firstNs_ = 0;
    settled_ = kEmpty;
    secondMin_ = kEmpty;
    secondNs_ = 0;
    slope_ = 0;
    slewing_ = false;
  }

  // The output's word: frame `frame` will be heard at heardNs.
  void Observe(uint64_t frame, int64_t heardNs) {
    const long double offset = static_cast<long double>(heardNs) - static_cast<long double>(frame) * 1e9L / rate_;
    // The words' own times go back and forth with their jitter: the
    // buckets follow the latest.
    const bool first = currentBucket_ == std::numeric_limits<int64_t>::min();
    latestNs_ = first ? heardNs : std::max(latestNs_, heardNs);
    const int64_t bucket = FloorDiv(latestNs_, bucketNs_);
    if (first) {
      bucketMin_.fill(kEmpty);
      currentBucket_ = bucket;
      firstNs_ = latestNs_;
      lastUpdate_ = bucket;
    } else if (bucket != currentBucket_) {
      // Buckets skipped while no report came are empty.
      for (int64_t b = std::max(currentBucket_ + 1, bucket - kBuckets + 1); b <= bucket; ++b)
        bucketMin_[Slot(b)] = kEmpty;
      currentBucket_ = bucket;
    }
    long double& least = bucketMin_[Slot(bucket)];
    least = std::min(least, offset);
    const long double estimate = *std::min_element(bucketMin_.begin(), bucketMin_.end());
    if (!anchored_) {
      // Until the flow has settled, the latest estimate; then the earliest
      // of all the words since its first window (a stream starts in bursts).
      origin_ = estimate;
      baseNs_ = latestNs_;
      known_ = true;
      const int64_t since = latestNs_ - firstNs_;
      if (since >= kBuckets * bucketNs_) settled_ = std::min(settled_, offset);
      if (since >= kSettleWindows * kBuckets * bucketNs_) {
        anchored_ = true;
        origin_ = settled_;
      }
      return;
    }
    secondMin_ = std::min(secondMin_, offset);
    if (bucket == lastUpdate_) return;
    lastUpdate_ = bucket;
    if (!Follow(latestNs_)) {
      Reanchor();
      Observe(frame, heardNs);
    }
  }

  // The output's frame heard at ns, rounded to the nearest.
  int64_t FrameAt(int64_t ns) const {
    const long double frames = (static_cast<long double>(ns) - OriginAt(ns)) * rate_ / 1e9L;
    return static_cast<int64_t>(std::llround(frames));
  }

  // When frame 0 is heard, as the mapping stands at ns.
  long double OriginAt(int64_t ns) const {
    return origin_ + (anchored_ ? slope_ * static_cast<long double>(ns - baseNs_) : 0.0L);
  }

 private:
  static constexpr long double kEmpty = std::numeric_limits<long double>::max();

  static int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
  static size_t Slot(int64_t bucket) { return static_cast<size_t>(((bucket % kBuckets) + kBuckets) % kBuckets); }
  // Once a bucket; each second, from the earliest word in it (steadier
  // than a window's), a slow slew while the mapping is off by more than the
  // jitter. False when it is too far off for that.
  bool Follow(int64_t nowNs) {
    // Re-based at every change of slope, so that the mapping never jumps.
    const long double current = OriginAt(nowNs);
    origin_ = current;
    baseNs_ = nowNs;
    if (secondNs_ == 0) {
      secondNs_ = nowNs;
      secondMin_ = kEmpty;
      return true;
    }
    if (nowNs - secondNs_ < kSecondNs) return true;
    const long double error = secondMin_ - current;
    secondNs_ = nowNs;
    secondMin_ = kEmpty;
    if (std::fabs(error) > 3 * deadbandNs_) return false;
    if (std::fabs(error) > deadbandNs_) slewing_ = true;
    if (std::fabs(error) < deadbandNs_ / 5) slewing_ = false;
    slope_ = slewing_ ? std::clamp(error / kSlewNs, -kMaxSlew, kMaxSlew) : 0.0L;
    return true;
  }

  long double rate_;
  int64_t bucketNs_;
  long double deadbandNs_;
  bool known_ = false;
  bool anchored_ = false;
  long double origin_ = 0;  // at baseNs_
  int64_t baseNs_ = 0;
  long double slope_ = 0;  // the origin's ns per ns
  bool slewing_ = false;
  std::array<long double, kBuckets> bucketMin_{};
  int64_t currentBucket_ = std::numeric_limits<int64_t>::min();
  int64_t lastUpdate_ = 0;
  int64_t firstNs_ = 0;
  int64_t latestNs_ = 0;
  long double settled_ = kEmpty;
  long double secondMin_ = kEmpty;
  int64_t secondNs_ = 0;  // when the second of secondMin_ began
};

}  // namespace midiway
