// sonorix-sing-judge: what the core hears in a WAV file, as JSON, and the
// rendered voices to make such files with.
//
//   sonorix-sing-judge render OUT.wav --notes 62,63,66,68 [--voice synthetic|bass|choir|oohs]
//       [--detune CENTS] [--snr DB] [--seed N] [--short I] [--slur I] [--rate HZ]
//   sonorix-sing-judge judge IN.wav (--back 62,63,66,68 | --class 0,1,4,6 --start 62 [--inverted] [--any])
//       [--name 4-Z15] [--tolerance CENTS]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SingSession.h"
#include "SungVoices.h"

namespace {

bool Numbers(const std::string& text, std::vector<int>& out) {
  out.clear();
  size_t at = 0;
  while (at <= text.size()) {
    const size_t comma = text.find(',', at);
    const std::string part = text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
    char* end = nullptr;
    const long value = std::strtol(part.c_str(), &end, 10);
    if (part.empty() || *end != '\0' || value < 0 || value > 127) return false;
    out.push_back(int(value));
    if (comma == std::string::npos) break;
    at = comma + 1;
  }
  return !out.empty() && out.size() <= 12;
}

bool Number(const char* text, double& out) {
  char* end = nullptr;
  out = std::strtod(text, &end);
  return *text && *end == '\0';
}

int Usage() {
  std::fputs("usage: sonorix-sing-judge render OUT.wav --notes N,N,... [--voice synthetic|bass|choir|oohs] "
             "[--detune CENTS] [--snr DB] [--seed N] [--short I] [--slur I] [--rate HZ]\n"
             "       sonorix-sing-judge judge IN.wav (--back N,N,... | --class P,P,... --start N [--inverted] "
             "[--any]) [--name NAME] [--tolerance CENTS]\n",
             stderr);
  return 2;
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

int Render(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string out = argv[2];
  std::vector<int> midi;
  VoiceOptions options;
  double detune = 0, value = 0;
  int shortAt = -1, slurAt = -1;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return Usage();
    const char* next = argv[++i];
    if (arg == "--notes") {
      if (!Numbers(next, midi)) return Usage();
    } else if (arg == "--voice") {
      const std::string v = next;
      if (v == "synthetic") options.kind = VoiceKind::Synthetic;
      else if (v == "bass") options.kind = VoiceKind::SyntheticBass;
      else if (v == "choir") options.kind = VoiceKind::ChoirAahs;
      else if (v == "oohs") options.kind = VoiceKind::VoiceOohs;
      else return Usage();
    } else if (Number(next, value) && arg == "--detune") {
      detune = value;
    } else if (Number(next, value) && arg == "--snr") {
      options.snrDb = value;
    } else if (Number(next, value) && arg == "--seed") {
      options.seed = uint32_t(value);
    } else if (Number(next, value) && arg == "--short") {
      shortAt = int(value);
    } else if (Number(next, value) && arg == "--slur") {
      slurAt = int(value);
    } else if (Number(next, value) && arg == "--rate" && value >= 8000 && value <= 192000) {
      options.sampleRate = int(value);
    } else {
      return Usage();
    }
  }
  std::vector<VoiceNote> notes;
  for (int m : midi) notes.push_back({double(m), 0.45, detune, 0.25, false});
  if (shortAt >= 0 && size_t(shortAt) < notes.size()) notes[size_t(shortAt)].seconds = 0.08;
  if (slurAt >= 0 && size_t(slurAt) + 1 < notes.size()) notes[size_t(slurAt)].slurToNext = true;
  const std::vector<float> sound = RenderVoice(notes, options);
  if (sound.empty() || !WriteWav(out, sound, options.sampleRate)) {
    std::fprintf(stderr, "sonorix-sing-judge: cannot render %s\n", out.c_str());
    return 1;
  }
  return 0;
}

int JudgeFile(int argc, char** argv) {
  if (argc < 3) return Usage();
  int rate = 0;
  const auto sound = ReadWav(argv[2], rate);
  if (!sound) {
    std::fprintf(stderr, "sonorix-sing-judge: %s is no WAV file it reads\n", argv[2]);
    return 1;
  }
  SingSettings settings;
  std::vector<int> numbers, back, prime;
  std::string name;
  double value = 0;
  bool inverted = false, anyForm = false;
  int start = -1;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--inverted") {
      inverted = true;
    } else if (arg == "--any") {
      anyForm = true;
    } else if (i + 1 >= argc) {
      return Usage();
    } else if (arg == "--back" && Numbers(argv[++i], numbers)) {
      back = numbers;
    } else if (arg == "--class" && Numbers(argv[++i], numbers)) {
      prime = numbers;
    } else if (arg == "--start" && Number(argv[++i], value) && value >= 0 && value <= 127) {
      start = int(value);
    } else if (arg == "--name") {
      name = argv[++i];
    } else if (arg == "--tolerance" && Number(argv[++i], value)) {
      settings.toleranceCents = int(value);
    } else {
      return Usage();
    }
  }
  if (back.empty() == prime.empty() || (!prime.empty() && start < 0)) return Usage();
  const SingExercise e = back.empty() ? ClassExercise(name, prime, inverted, start, anyForm) : BackExercise(name, back);
  // Fed in 10 ms blocks, as a microphone delivers.
  SingSession session(e, settings, rate);
  const size_t block = size_t(rate / 100);
  double doneAt = -1;
  for (size_t at = 0; at < sound->size() && !session.Done(); at += block) {
    session.Feed(sound->data() + at, std::min(block, sound->size() - at));
    for (const SingEvent& event : session.TakeEvents())
      if (event.kind == SingEventKind::Done) doneAt = session.Seconds();
  }
  session.Stop();
  const SingVerdict v = session.Verdict();
  std::printf("{\"sampleRate\":%d,\"right\":%s,\"why\":%s,\"doneAt\":%.3f,\"notes\":[", rate, v.right ? "true" : "false",
              Quoted(v.why).c_str(), doneAt);
  for (size_t i = 0; i < session.Notes().size(); ++i) {
    const SungNote& n = session.Notes()[i];
    std::printf("%s{\"start\":%.3f,\"end\":%.3f,\"midi\":%.3f,\"pitchClass\":%d,\"cents\":%d}", i ? "," : "", n.start,
                n.end, n.midi, n.pitchClass, n.cents);
  }
  std::printf("],\"verdict\":[");
  for (size_t i = 0; i < v.notes.size(); ++i) {
    const NoteVerdict& n = v.notes[i];
    std::printf("%s{\"expected\":%d,\"sung\":%d,\"cents\":%d,\"right\":%s}", i ? "," : "", n.expected, n.sung, n.cents,
                n.right ? "true" : "false");
  }
  std::printf("]}\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string(argv[1]) == "render") return Render(argc, argv);
  if (argc >= 2 && std::string(argv[1]) == "judge") return JudgeFile(argc, argv);
  return Usage();
}
