// Singing, for the page: the core's pitch tracker, note finder and judge in a
// module of their own (sonorix-sing), fetched when the sing mode first opens.
// It reads and writes no file; the sing log is written by the drill's module
// (SingLogBinding.cpp). Samples come in and are forgotten after the tracker.
#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Calibration.h"
#include "PageValues.h"
#include "SingExercise.h"
#include "SingValues.h"
#include "SingSession.h"
#include "SungNotes.h"
#include "VoiceRange.h"

using emscripten::val;

namespace {

std::vector<float> SamplesOf(const val& samples) {
  // One copy out of the typed array, in a single call.
  return emscripten::convertJSArrayToNumberVector<float>(samples);
}

val EventValue(const SingEvent& e) {
  static const char* const kKinds[] = {"level", "note", "silent", "done"};
  val v = val::object();
  v.set("kind", std::string(kKinds[static_cast<int>(e.kind)]));
  v.set("levelDb", e.levelDb);
  v.set("note", e.kind == SingEventKind::Note ? SungNoteValue(e.note) : val::null());
  return v;
}

val EventsValue(const std::vector<SingEvent>& events) {
  val out = val::array();
  for (size_t i = 0; i < events.size(); ++i) out.set(i, EventValue(events[i]));
  return out;
}

val VerdictValue(const SingVerdict& verdict) {
  val notes = val::array();
  for (size_t i = 0; i < verdict.notes.size(); ++i) {
    const NoteVerdict& n = verdict.notes[i];
    val v = val::object();
    v.set("expected", n.expected);
    v.set("sung", n.sung);
    v.set("cents", n.cents);
    v.set("right", n.right);
    notes.set(i, v);
  }
  val v = val::object();
  v.set("right", verdict.right);
  v.set("notes", notes);
  v.set("why", verdict.why);
  return v;
}

SingSettings SettingsOf(const val& v) {
  SingSettings s;
  if (v["toleranceCents"].isNumber()) s.toleranceCents = v["toleranceCents"].as<int>();
  if (v["minNoteSeconds"].isNumber()) s.minNoteSeconds = v["minNoteSeconds"].as<double>();
  if (v["noiseGateDb"].isNumber()) s.noiseGateDb = v["noiseGateDb"].as<double>();
  return Sanitized(s);
}

val SettingsValue(const SingSettings& s) {
  val v = val::object();
  v.set("toleranceCents", s.toleranceCents);
  v.set("minNoteSeconds", s.minNoteSeconds);
  v.set("noiseGateDb", s.noiseGateDb);
  return v;
}

val RangeValue(const VoiceRange& r) {
  val v = val::object();
  v.set("low", r.low);
  v.set("high", r.high);
  return v;
}

VoiceRange RangeOfValue(const val& v) {
  VoiceRange r;
  r.low = std::clamp(IntOf(v, "low", r.low), 0, 127);
  r.high = std::clamp(IntOf(v, "high", r.high), r.low, 127);
  return r;
}

int Rate(int sampleRate) { return std::clamp(sampleRate, 8000, 192000); }

}  // namespace

// One exercise while it listens.
class WebSingSession {
 public:
  WebSingSession(const val& exercise, const val& settings, int sampleRate)
      : session_(ExerciseOf(exercise), SettingsOf(settings), Rate(sampleRate)) {}

  val Feed(const val& samples) {
    const std::vector<float> block = SamplesOf(samples);
    session_.Feed(block.data(), block.size());
    return EventsValue(session_.TakeEvents());
  }
  // Stop Listening: the note held counts, then the verdict.
  val Stop() {
    session_.Stop();
    return EventsValue(session_.TakeEvents());
  }
  bool Done() const { return session_.Done(); }
  val Verdict() const {
    val v = VerdictValue(session_.Verdict());
    // Worded by the core, as the desktop words it; the page translates it.
    const VerdictWords words = WordsOf(session_.Exercise(), session_.Verdict(), session_.Notes().size());
    val args = val::array();
    for (size_t i = 0; i < words.args.size(); ++i) args.set(i, words.args[i]);
    v.set("source", std::string(words.source));
    v.set("args", args);
    return v;
  }

 private:
  SingSession session_;
};

// Notes and the noise gate without an exercise: the calibration and the
// student's own range.
class WebListener {
 public:
  WebListener(int sampleRate, const val& settings) : tracker_(Rate(sampleRate)), finder_(SettingsOf(settings)) {}

  val Feed(const val& samples) {
    const std::vector<float> block = SamplesOf(samples);
    tracker_.Feed(block.data(), block.size());
    std::vector<SingEvent> events;
    double power = 0;
    int frames = 0;
    for (const PitchFrame& f : tracker_.TakeFrames()) {
      calibration_.Add(f);
      if (auto note = finder_.Add(f)) events.push_back({SingEventKind::Note, f.levelDb, *note});
      power += std::pow(10.0, f.levelDb / 10);
      ++frames;
    }
    if (frames > 0) events.insert(events.begin(), {SingEventKind::Level, 10 * std::log10(std::max(power / frames, 1e-12)), {}});
    return EventsValue(events);
  }
  bool Ready() const { return calibration_.Ready(); }
  double GateDb() const { return calibration_.GateDb(); }

 private:
  PitchTracker tracker_;
  NoteFinder finder_;
  NoiseCalibration calibration_;
};

// An exercise of the class named "4-Z15" with that prime form, its start placed
// in the range: sing it back plays the form from the start as a figure.
val Exercise(int kind, int setClassList, int listIndex, const std::string& name, const val& prime, bool inverted,
             int startPitchClass, bool anyForm, const val& range) {
  SetClassEntry entry;
  const size_t dash = name.find('-');
  entry.name = dash == std::string::npos ? name : name.substr(dash + 1);
  const std::vector<int> form = IntsOf(prime);
  entry.cardinality = static_cast<int32_t>(std::min<size_t>(form.size(), 12));
  for (size_t i = 0; i < static_cast<size_t>(entry.cardinality); ++i) entry.pitchClasses[i] = form[i];
  const VoiceRange r = RangeOfValue(range);
  const int start = ((startPitchClass % 12) + 12) % 12;
  if (kind == 1) {
    const int startMidi = PlaceInRange({60 + start}, r).front();
    return ExerciseValue(ClassExercise(entry, setClassList, listIndex, inverted, startMidi, anyForm));
  }
  QuestionState q;
  q.listIndex = listIndex;
  std::vector<int> notes;
  for (int step : FormFromZero(form, inverted)) notes.push_back(60 + start + step);
  notes = PlaceInRange(notes, r);
  q.noteCount = static_cast<int32_t>(std::min<size_t>(notes.size(), 4));
  for (size_t i = 0; i < static_cast<size_t>(q.noteCount); ++i) q.playedNotes[i] = q.sortedNotes[i] = notes[i];
  q.isFormB = inverted ? 1 : 0;
  return ExerciseValue(BackExercise(q, entry, setClassList));
}

val RangeOfVoice(int voice) { return RangeValue(RangeOf(static_cast<Voice>(std::clamp(voice, 0, 4)))); }
val RangeFromSung(int a, int b) { return RangeValue(RangeFromNotes(a, b)); }
val Defaults() { return SettingsValue(SingSettings{}); }

EMSCRIPTEN_BINDINGS(sonorix_sing) {
  emscripten::class_<WebSingSession>("WebSingSession")
      .constructor<val, val, int>()
      .function("feed", &WebSingSession::Feed)
      .function("stop", &WebSingSession::Stop)
      .function("done", &WebSingSession::Done)
      .function("verdict", &WebSingSession::Verdict);
  emscripten::class_<WebListener>("WebListener")
      .constructor<int, val>()
      .function("feed", &WebListener::Feed)
      .function("ready", &WebListener::Ready)
      .function("gateDb", &WebListener::GateDb);
  emscripten::function("exercise", &Exercise);
  emscripten::function("rangeOf", &RangeOfVoice);
  emscripten::function("rangeFromNotes", &RangeFromSung);
  emscripten::function("defaults", &Defaults);
}
