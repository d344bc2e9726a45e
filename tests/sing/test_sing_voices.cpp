// Rendered voices heard end to end: the tracker, the notes, the verdict, as
// a front end drives them, each case with the verdict it must get.
#include <gtest/gtest.h>

#include <cmath>

#include "SingSession.h"
#include "SungVoices.h"

namespace {

constexpr int kRate = 48000;

struct Heard {
  SingVerdict verdict;
  std::vector<SungNote> notes;
  double doneAt = -1;  // seconds of sound fed when Done came
  bool silent = false;
};

// Fed in 10 ms blocks, as a microphone delivers.
Heard Listen(const SingExercise& exercise, const std::vector<float>& sound, SingSettings settings = {}) {
  SingSession session(exercise, settings, kRate);
  Heard heard;
  for (size_t at = 0; at < sound.size() && !session.Done(); at += 480) {
    session.Feed(sound.data() + at, std::min<size_t>(480, sound.size() - at));
    for (const SingEvent& e : session.TakeEvents()) {
      if (e.kind == SingEventKind::Silent) heard.silent = true;
      if (e.kind == SingEventKind::Done) heard.doneAt = session.Seconds();
    }
  }
  session.Stop();
  heard.verdict = session.Verdict();
  heard.notes = session.Notes();
  return heard;
}

SingExercise Back(const std::vector<int>& played) { return BackExercise("4-Z15", played); }

std::vector<VoiceNote> Figure(const std::vector<int>& midi, double detune = 0) {
  std::vector<VoiceNote> notes;
  for (int n : midi) notes.push_back({double(n), 0.45, detune, 0.25, false});
  return notes;
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

}  // namespace

// Each voice and each case: what is sung, and the verdict and notes it gets.
TEST(SingVoices, EveryCaseGetsItsVerdict) {
  struct Case {
    const char* what;
    VoiceKind kind;
    std::vector<int> played;       // 4-Z15 from D unless said
    std::vector<VoiceNote> sung;
    double snrDb;
    bool right;
    std::vector<int> heardClasses;  // pitch classes heard, in order
    int cents;                      // about each note's deviation (±12)
  };
  const std::vector<int> dz = {62, 63, 66, 68};
  auto octave = [](std::vector<VoiceNote> notes, int at, int by) {
    if (at < 0)
      for (auto& n : notes) n.midi += by;
    else
      notes[size_t(at)].midi += by;
    return notes;
  };
  std::vector<VoiceNote> shortNote = Figure(dz);
  shortNote[2].seconds = 0.08;
  std::vector<VoiceNote> slurred = Figure(dz);
  slurred[1].slurToNext = true;
  const std::vector<Case> cases = {
      {"in tune", VoiceKind::ChoirAahs, dz, Figure(dz), 200, true, {2, 3, 6, 8}, 0},
      {"in tune", VoiceKind::VoiceOohs, dz, Figure(dz), 200, true, {2, 3, 6, 8}, 0},
      {"in tune, vibrato", VoiceKind::Synthetic, dz, Figure(dz), 200, true, {2, 3, 6, 8}, 0},
      {"20 cents sharp", VoiceKind::Synthetic, dz, Figure(dz, 20), 200, true, {2, 3, 6, 8}, 20},
      {"20 cents flat", VoiceKind::ChoirAahs, dz, Figure(dz, -20), 200, true, {2, 3, 6, 8}, -20},
      {"45 cents sharp", VoiceKind::VoiceOohs, dz, Figure(dz, 45), 200, false, {2, 3, 6, 8}, 45},
      {"45 cents flat", VoiceKind::Synthetic, dz, Figure(dz, -45), 200, false, {2, 3, 6, 8}, -45},
      {"60 cents sharp", VoiceKind::ChoirAahs, dz, Figure(dz, 60), 200, false, {3, 4, 7, 9}, -40},
      {"60 cents flat", VoiceKind::Synthetic, dz, Figure(dz, -60), 200, false, {1, 2, 5, 7}, 40},
      {"an octave below", VoiceKind::Synthetic, dz, octave(Figure(dz), -1, -12), 200, true, {2, 3, 6, 8}, 0},
      {"one note an octave up", VoiceKind::VoiceOohs, dz, octave(Figure(dz), 2, 12), 200, true, {2, 3, 6, 8}, 0},
      {"a bass's strong second harmonic", VoiceKind::SyntheticBass, {38, 39, 42, 44},
       Figure({38, 39, 42, 44}), 200, true, {2, 3, 6, 8}, 0},
      {"pink noise at 20 dB", VoiceKind::Synthetic, dz, Figure(dz), 20, true, {2, 3, 6, 8}, 0},
      {"pink noise at 20 dB", VoiceKind::ChoirAahs, dz, Figure(dz), 20, true, {2, 3, 6, 8}, 0},
      {"a note held too short", VoiceKind::Synthetic, dz, shortNote, 200, false, {2, 3, 8}, 0},
      {"two notes slurred", VoiceKind::Synthetic, dz, slurred, 200, true, {2, 3, 6, 8}, 0},
      {"silence", VoiceKind::Synthetic, dz, {}, 200, false, {}, 0},
  };
  uint32_t seed = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(KindName(c.kind)) + ", " + c.what);
    VoiceOptions options;
    options.kind = c.kind;
    options.snrDb = c.snrDb;
    options.seed = seed++;
    const Heard heard = Listen(Back(c.played), RenderVoice(c.sung, options));
    EXPECT_EQ(heard.verdict.right, c.right) << heard.verdict.why;
    std::vector<int> classes;
    for (const SungNote& n : heard.notes) classes.push_back(n.pitchClass);
    EXPECT_EQ(classes, c.heardClasses);
    for (const SungNote& n : heard.notes) EXPECT_NEAR(n.cents, c.cents, 12);
    EXPECT_FALSE(heard.silent);
  }
}

// The verdict comes soon after the last note ends; with a note missing it
// waits for the silence after the singing; a dead microphone is told apart.
TEST(SingVoices, VerdictTimingAndADeadMicrophone) {
  const std::vector<int> figure = {60, 64, 67};
  VoiceOptions options;
  const std::vector<VoiceNote> sung = Figure(figure);
  const double lastEnd = NoteTimes(sung, options).back().second;
  SingExercise e = Back(figure);
  const Heard heard = Listen(e, RenderVoice(sung, options));
  EXPECT_TRUE(heard.verdict.right) << heard.verdict.why;
  EXPECT_GT(heard.doneAt, lastEnd);
  EXPECT_LT(heard.doneAt, lastEnd + 0.3);

  const Heard waiting = Listen(Back({60, 64, 67, 71}), RenderVoice(sung, options));
  EXPECT_FALSE(waiting.verdict.right);
  EXPECT_EQ(waiting.verdict.why, "3 of 4 notes were heard");
  EXPECT_NEAR(waiting.doneAt, lastEnd + 2.0, 0.3);

  const Heard dead = Listen(e, std::vector<float>(size_t(kRate * 3.5), 0.0f));
  EXPECT_TRUE(dead.silent);
  EXPECT_TRUE(dead.notes.empty());
}
