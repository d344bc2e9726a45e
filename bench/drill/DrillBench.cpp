// Question generation time for each range and cardinality, and how late the
// notes of a figure sound against their deadlines with the real clock and
// waits, with the CPU spent meanwhile.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "Platform.h"
#include "PlatformPlayback.h"
#include "QuestionGenerator.h"

#include "Figure.h"

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BenchGeneration(const Catalogue& catalogue) {
  std::printf("question generation (all set classes enabled)\n");
  std::printf("  %-12s %-18s %12s %12s\n", "cardinality", "range", "ns/question", "worst 1k ns");
  const char* ranges[] = {"close position", "one octave", "two octaves"};
  for (int cardinality : {3, 4}) {
    CardinalityList list;
    list.length = FillCardinalityList(catalogue, cardinality, list);
    for (int r = 0; r < 3; ++r) {
      QuestionRequest request;
      request.listLength = list.length;
      request.isEnabled = [](int) { return true; };
      request.entry = [&list](int i) { return list.items[static_cast<size_t>(i)]; };
      request.range = VoicingRangeFromIndex(r);
      RandomSource rng;
      rng.Seed(1234);
      QuestionState q;
      constexpr int kBatches = 400, kBatch = 1000;
      double total = 0, worstBatch = 0;
      int64_t checksum = 0;
      for (int b = 0; b < kBatches; ++b) {
        const auto start = Clock::now();
        for (int k = 0; k < kBatch; ++k) {
          GenerateQuestion(request, rng, q);
          checksum += q.sortedNotes[0];
        }
        const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        total += ns;
        worstBatch = std::max(worstBatch, ns / kBatch);
      }
      std::printf("  %-12d %-18s %12.0f %12.0f   (checksum %lld)\n", cardinality, ranges[r],
                  total / (kBatches * kBatch), worstBatch, static_cast<long long>(checksum));
    }
  }
}

// The program's tick clock counts whole milliseconds from a start the bench
// cannot see; find that start on the steady clock from a tick change caught
// between two reads close together (a preempted pair is tried again).
Clock::time_point TickOrigin() {
  uint32_t last = PlatformTickCount();
  Clock::time_point lastBefore = Clock::now();
  for (;;) {
    const auto before = Clock::now();
    const uint32_t tick = PlatformTickCount();
    const auto after = Clock::now();
    if (tick != last && after - lastBefore < std::chrono::microseconds(10))
      return after - std::chrono::milliseconds(tick);
    last = tick;
    lastBefore = before;
  }
}

// Sends nowhere; records how late each wait returns against its deadline.
class LatenessPort : public WaitingPlayback {
 public:
  explicit LatenessPort(Clock::time_point origin) : origin_(origin) {}
  void Send(const PlanNote&) override { ++notes; }
  void WaitUntil(uint32_t tick) override {
    PlatformWaitUntil(tick);
    const auto deadline = origin_ + std::chrono::milliseconds(tick);
    lateness.push_back(std::chrono::duration<double, std::micro>(Clock::now() - deadline).count());
  }
  std::vector<double> lateness;
  int notes = 0;

 private:
  Clock::time_point origin_;
};

void BenchFigures(const Catalogue& catalogue, int figures, int gapUnit) {
  CardinalityList list;
  list.length = FillCardinalityList(catalogue, 4, list);
  QuestionRequest request;
  request.listLength = list.length;
  request.isEnabled = [](int) { return true; };
  request.entry = [&list](int i) { return list.items[static_cast<size_t>(i)]; };
  request.range = VoicingRange::WithinTwoOctaves;
  request.limits.gapUnit = gapUnit;
  RandomSource rng;
  rng.Seed(99);

  LatenessPort port(TickOrigin());
  const double cpu0 = CpuSeconds();
  const auto wall0 = Clock::now();
  for (int f = 0; f < figures; ++f) {
    QuestionState q;
    GenerateQuestion(request, rng, q);
    port.Play(PlanQuestionNotes(q, f % 2 ? PlayManner::Figure : PlayManner::MixedFigure));
  }
  const double wall = std::chrono::duration<double>(Clock::now() - wall0).count();
  const double cpu = CpuSeconds() - cpu0;

  auto late = port.lateness;
  std::sort(late.begin(), late.end());
  auto at = [&late](double p) { return late[static_cast<size_t>(p * static_cast<double>(late.size() - 1))]; };
  std::printf("figures: %d tetrachord figures, gaps %d/%d ms, %zu waits, %.1f s\n", figures, gapUnit, 2 * gapUnit,
              late.size(), wall);
  std::printf("  lateness us: min %.1f  median %.1f  p90 %.1f  p99 %.1f  worst %.1f\n", late.front(), at(0.5), at(0.9),
              at(0.99), late.back());
  std::printf("  CPU while playing: %.3f s of %.1f s = %.2f %% of a core\n", cpu, wall, 100.0 * cpu / wall);
  // A note put later than this is heard off the figure's grid.
  PrintFigure("figure notes put late, 99th percentile", at(0.99) / 1000.0, "ms", 1.5);
}

}  // namespace

int main(int argc, char** argv) {
  const int figures = argc > 1 ? std::atoi(argv[1]) : 300;
  const int gapUnit = argc > 2 ? std::atoi(argv[2]) : 250;
  Catalogue catalogue;
  if (!catalogue.Load(std::string(SONORIX_SOURCE_DIR) + "/data/ftclass.dat")) {
    std::fprintf(stderr, "drill_bench: cannot read data/ftclass.dat\n");
    return 1;
  }
  BenchGeneration(catalogue);
  BenchFigures(catalogue, figures, gapUnit);
  return 0;
}
