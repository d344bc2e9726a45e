// The singing core on a corpus of rendered sung figures: how many notes get
// the right pitch class, how many figures the right verdict, how soon the
// verdict follows the last note, and the tracker's share of one core.
//
//   sing_bench [figures]   (default 240; at least 200 for the goals)
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "QuestionGenerator.h"
#include "SingSession.h"
#include "SungVoices.h"
#include "VoiceRange.h"

namespace {

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

const char* KindName(VoiceKind kind) {
  switch (kind) {
    case VoiceKind::ChoirAahs: return "Choir Aahs";
    case VoiceKind::VoiceOohs: return "Voice Oohs";
    case VoiceKind::Synthetic: return "synthetic";
    case VoiceKind::SyntheticBass: return "synthetic bass";
  }
  return "";
}

struct Tally {
  int notes = 0, notesRight = 0, figures = 0, figuresRight = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const int figures = argc > 1 ? std::max(1, std::atoi(argv[1])) : 240;
  Catalogue catalogue;
  if (!catalogue.Load(std::string(SONORIX_SOURCE_DIR) + "/data/ftclass.dat")) {
    std::fprintf(stderr, "sing_bench: cannot read ftclass.dat\n");
    return 1;
  }
  CardinalityList lists[2];
  lists[0].length = FillCardinalityList(catalogue, 3, lists[0]);
  lists[1].length = FillCardinalityList(catalogue, 4, lists[1]);

  const VoiceKind kinds[] = {VoiceKind::ChoirAahs, VoiceKind::VoiceOohs, VoiceKind::Synthetic, VoiceKind::SyntheticBass};
  const char* rangeNames[] = {"close position", "one octave", "two octaves"};
  RandomSource questions;
  questions.Seed(46);
  std::mt19937 rng(46);
  std::uniform_real_distribution<double> uniform(0, 1);
  Tally byKind[4], byRange[3], all;
  std::vector<double> latencies, kindLatencies[4];
  double cpu = 0, audio = 0;
  int wrongMeant = 0, slurs = 0, noisy = 0, octaveOff = 0;

  for (int i = 0; i < figures; ++i) {
    const int k = i % 4, cardinality = 3 + (i / 4) % 2, range = (i / 8) % 3;
    const CardinalityList& list = lists[cardinality - 3];
    const int index = questions.random(list.length);
    QuestionState q;
    q.listIndex = index;
    VoiceQuestion(*list.items[size_t(index)], VoicingRangeFromIndex(range), NoteLimits{}, questions, q);
    const SingExercise e = BackExercise(q, *list.items[size_t(index)], cardinality);

    // The student's voice: the choir and the voice sing high or middle, the
    // synthetic singer anything, the bass low.
    const Voice voices[] = {Voice::Soprano, Voice::Alto, Voice::Tenor, Voice::Bass};
    const Voice voice = kinds[k] == VoiceKind::SyntheticBass ? Voice::Bass
                        : kinds[k] == VoiceKind::Synthetic   ? voices[rng() % 4]
                                                             : voices[rng() % 3];
    const std::vector<int> placed = PlaceInRange(e.played, RangeOf(voice));
    // About one figure in four is sung wrong: one note a semitone off, or 60 cents.
    const bool meantRight = uniform(rng) >= 0.25;
    const size_t wrongAt = rng() % placed.size();
    std::vector<VoiceNote> sung;
    std::vector<int> meantClasses;
    for (size_t j = 0; j < placed.size(); ++j) {
      VoiceNote n;
      n.midi = placed[j];
      n.seconds = 0.3 + 0.3 * uniform(rng);
      n.gapAfter = 0.15 + 0.2 * uniform(rng);
      n.detuneCents = (uniform(rng) * 2 - 1) * 20;
      if (!meantRight && j == wrongAt) {
        if (uniform(rng) < 0.5)
          n.midi += uniform(rng) < 0.5 ? 1 : -1;
        else
          n.detuneCents = uniform(rng) < 0.5 ? 60 : -60;
      }
      // Now and then a note an octave off, where the voice has room.
      if (uniform(rng) < 0.1 && n.midi + 12 <= RangeOf(voice).high + 5) {
        n.midi += 12;
        ++octaveOff;
      }
      if (j + 1 < placed.size() && uniform(rng) < 0.1) {
        n.slurToNext = true;
        ++slurs;
      }
      sung.push_back(n);
      meantClasses.push_back((int(std::lround(n.midi + n.detuneCents / 100)) % 12 + 12) % 12);
    }
    wrongMeant += meantRight ? 0 : 1;
    VoiceOptions options;
    options.kind = kinds[k];
    options.seed = uint32_t(i + 1);
    const double snr[] = {200, 30, 20};
    options.snrDb = snr[rng() % 3];
    noisy += options.snrDb < 100 ? 1 : 0;
    const std::vector<float> sound = RenderVoice(sung, options);
    const auto times = NoteTimes(sung, options);

    SingSession session(e, {}, options.sampleRate);
    const size_t block = size_t(options.sampleRate / 100);
    double doneAt = -1;
    const double before = CpuSeconds();
    size_t fed = 0;
    for (; fed < sound.size() && !session.Done(); fed += block) {
      session.Feed(sound.data() + fed, std::min(block, sound.size() - fed));
      for (const SingEvent& event : session.TakeEvents())
        if (event.kind == SingEventKind::Done) doneAt = session.Seconds();
    }
    session.Stop();
    cpu += CpuSeconds() - before;
    audio += double(std::min(fed, sound.size())) / options.sampleRate;

    // Each meant note against the heard note that overlaps it most.
    Tally t;
    for (size_t j = 0; j < sung.size(); ++j) {
      const SungNote* best = nullptr;
      double overlap = 0;
      for (const SungNote& n : session.Notes()) {
        const double o = std::min(n.end, times[j].second) - std::max(n.start, times[j].first);
        if (o > overlap) {
          overlap = o;
          best = &n;
        }
      }
      ++t.notes;
      t.notesRight += best && best->pitchClass == meantClasses[j] ? 1 : 0;
    }
    const bool verdictRight = session.Verdict().right == meantRight;
    t.figures = 1;
    t.figuresRight = verdictRight ? 1 : 0;
    if (!verdictRight && std::getenv("SING_BENCH_VERBOSE"))
      std::printf("  figure %d (%s, %s): meant %s, judged %s: %s\n", i, KindName(kinds[k]), rangeNames[range],
                  meantRight ? "right" : "wrong", session.Verdict().right ? "right" : "wrong",
                  session.Verdict().why.c_str());
    if (session.Notes().size() == sung.size() && doneAt > 0) {
      latencies.push_back(doneAt - times.back().second);
      kindLatencies[k].push_back(latencies.back());
    }
    for (Tally* into : {&byKind[k], &byRange[range], &all}) {
      into->notes += t.notes;
      into->notesRight += t.notesRight;
      into->figures += t.figures;
      into->figuresRight += t.figuresRight;
    }
  }

  std::printf("corpus: %d sung figures (%d sung wrong on purpose, %d with pink noise at 20 or 30 dB SNR,\n"
              "        %d notes an octave off, %d slurs), 3- and 4-note set classes in the three ranges\n",
              figures, wrongMeant, noisy, octaveOff, slurs);
  std::printf("  %-16s %8s %12s %10s %14s\n", "", "notes", "pitch class", "figures", "verdict");
  auto row = [](const char* name, const Tally& t) {
    std::printf("  %-16s %8d %11.1f%% %10d %13.1f%%\n", name, t.notes, 100.0 * t.notesRight / std::max(1, t.notes),
                t.figures, 100.0 * t.figuresRight / std::max(1, t.figures));
  };
  for (int k = 0; k < 4; ++k) row(KindName(kinds[k]), byKind[k]);
  for (int r = 0; r < 3; ++r) row(rangeNames[r], byRange[r]);
  row("all", all);
  for (int k = 0; k < 4; ++k) {
    std::sort(kindLatencies[k].begin(), kindLatencies[k].end());
    if (!kindLatencies[k].empty())
      std::printf("  %-16s verdict after the last note: median %.0f ms, worst %.0f ms\n", KindName(kinds[k]),
                  1000 * kindLatencies[k][kindLatencies[k].size() / 2], 1000 * kindLatencies[k].back());
  }
  std::sort(latencies.begin(), latencies.end());
  const double median = latencies.empty() ? 0 : latencies[latencies.size() / 2];
  const double worst = latencies.empty() ? 0 : latencies.back();
  const double p95 = latencies.empty() ? 0 : latencies[latencies.size() * 95 / 100];
  std::printf("\n  %-44s %10s %10s\n", "figure", "measured", "goal");
  std::printf("  %-44s %9.1f%% %10s\n", "notes with the right pitch class", 100.0 * all.notesRight / all.notes, ">= 98 %");
  std::printf("  %-44s %9.1f%% %10s\n", "figures with the right verdict", 100.0 * all.figuresRight / all.figures,
              ">= 97 %");
  std::printf("  %-44s %7.0f ms %10s\n", "verdict after the last note ends, median", median * 1000, "<= 300 ms");
  std::printf("  %-44s %7.0f ms %10s\n", "  95th percentile", p95 * 1000, "<= 300 ms");
  std::printf("  %-44s %7.0f ms %10s\n", "  worst", worst * 1000, "<= 300 ms");
  std::printf("  %-44s %9.2f%% %10s\n", "tracker and session CPU, share of one core", 100.0 * cpu / audio, "<= 5 %");
  return 0;
}
