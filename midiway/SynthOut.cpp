// Opening the built-in synthesizer: its settings, a SoundFont, and the first
// audio output that answers.
#include "SynthOut.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "Diagnostics.h"
#include "PulseProbe.h"

namespace midiway {
namespace {

constexpr uint32_t kSdlInitAudio = 0x00000010;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

bool IsFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// SoundFonts in a folder, sorted so that the choice does not depend on the
// order the file system lists them in.
std::vector<std::string> SoundFontsIn(const char* folder) {
  std::vector<std::string> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const auto extension = it->path().extension().string();
    if (extension == ".sf2" || extension == ".sf3" || extension == ".SF2" || extension == ".SF3")
      found.push_back(it->path().string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

// FluidSynth's SDL2 output needs the host to have started SDL's audio; SDL2
// is already loaded as FluidSynth's dependency.
void* StartSdlAudio(std::string& error) {
  void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
  if (sdl == nullptr) {
    error = "SDL2 not available";
    return nullptr;
  }
  // SDL's audio brings up its events, which by default take SIGINT and
  // SIGTERM over: the host could no longer be stopped that way.
  auto getHint = reinterpret_cast<const char* (*)(const char*)>(dlsym(sdl, "SDL_GetHint"));
  auto setHint = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(sdl, "SDL_SetHint"));
  if (getHint != nullptr && setHint != nullptr && getHint("SDL_NO_SIGNAL_HANDLERS") == nullptr)
    setHint("SDL_NO_SIGNAL_HANDLERS", "1");
  auto init = reinterpret_cast<int (*)(uint32_t)>(dlsym(sdl, "SDL_InitSubSystem"));
  auto getError = reinterpret_cast<const char* (*)()>(dlsym(sdl, "SDL_GetError"));
  if (init != nullptr && init(kSdlInitAudio) == 0) return sdl;
  error = getError != nullptr ? getError() : "SDL2 audio did not start";
  dlclose(sdl);
  return nullptr;
}

void StopSdlAudio(void* sdl) {
  if (sdl == nullptr) return;
  if (auto quit = reinterpret_cast<void (*)(uint32_t)>(dlsym(sdl, "SDL_QuitSubSystem")); quit != nullptr)
    quit(kSdlInitAudio);
  dlclose(sdl);
}

// Whether ALSA's default device is a sound server's plugin, so that an open
// of it waits on that server like the server's own clients do.
bool AlsaDefaultIsSoundServer() {
  snd_config_t* top = nullptr;
  if (snd_config_update_ref(&top) < 0) return false;
  std::string type;
  snd_config_t* pcm = nullptr;
  if (snd_config_search_definition(top, "pcm", "default", &pcm) >= 0) {
    snd_config_t* node = nullptr;
    const char* text = nullptr;
    if (snd_config_search(pcm, "type", &node) >= 0 && snd_config_get_string(node, &text) >= 0 && text != nullptr)
      type = text;
    snd_config_delete(pcm);
  }
  snd_config_unref(top);
  return type == "pulse" || type == "pipewire";
}

// A FluidSynth string setting, with its "default" as empty.
std::string Setting(fluid_settings_t* settings, const char* name) {
  char* value = nullptr;
  std::string text;
  if (fluid_settings_dupstr(settings, name, &value) == FLUID_OK && value != nullptr) text = value;
  fluid_free(value);
  return text == "default" ? std::string() : text;
}

// A variable's whole number of ms from 1 to 1000, else the fallback.
int WholeMs(const char* name, int fallback) {
  const std::string text = Env(name);
  char* end = nullptr;
  const long ms = std::strtol(text.c_str(), &end, 10);
  return !text.empty() && *end == '\0' && ms >= 1 && ms <= 1000 ? static_cast<int>(ms) : fallback;
}

// The PulseAudio buffer to start with: $MIDIWAY_AUDIO_LATENCY_MS, else ours.
int PulseBufferMs() { return WholeMs("MIDIWAY_AUDIO_LATENCY_MS", kPulseBufferMs); }

// The stream to ask for with these settings and a buffer of bufferMs.
PulseStream PulseStreamOf(fluid_settings_t* settings, int bufferMs) {
  PulseStream stream;
  stream.server = Setting(settings, "audio.pulseaudio.server");
  stream.device = Setting(settings, "audio.pulseaudio.device");
  stream.mediaRole = Setting(settings, "audio.pulseaudio.media-role");
  double rate = 44100.0;
  fluid_settings_getnum(settings, "synth.sample-rate", &rate);
  stream.rate = static_cast<uint32_t>(rate);
  stream.bufferFrames = static_cast<uint32_t>(std::lround(rate * bufferMs / 1000.0));
  return stream;
}

}  // namespace

std::vector<std::string> SoundFontCandidates() {
  std::vector<std::string> candidates;
  if (std::string chosen = Env("MIDIWAY_SOUNDFONT"); !chosen.empty()) candidates.push_back(chosen);
  candidates.push_back("/usr/share/sounds/sf2/default-GM.sf2");
  candidates.push_back("/usr/share/sounds/sf3/default-GM.sf3");
  for (const char* folder : {"/usr/share/sounds/sf2", "/usr/share/soundfonts"})
    for (auto& path : SoundFontsIn(folder)) candidates.push_back(std::move(path));
  return candidates;
}

std::unique_ptr<SynthOut> SynthOut::Open(std::string& error, uint32_t& code) {
  QuietLibraries();
  std::unique_ptr<SynthOut> out(new SynthOut());
  out->settings_ = new_fluid_settings();
  if (out->settings_ == nullptr) {
    error = "FluidSynth settings could not be created";
    code = MIDIWAY_OPEN_FAILED;
    return nullptr;
  }
  fluid_settings_t* s = out->settings_;
  fluid_settings_setnum(s, "synth.sample-rate", 44100.0);
  fluid_settings_setnum(s, "synth.gain", kSynthGain);
  fluid_settings_setint(s, "synth.polyphony", 128);
  // Dry sound: a reverb tail would ring on after a reset.
  fluid_settings_setint(s, "synth.reverb.active", 0);
  fluid_settings_setint(s, "synth.chorus.active", 0);
  // Samples are read when a preset is chosen, so a large SoundFont costs
  // only the instruments in use.
  fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(s, "synth.lock-memory", 0);
  fluid_settings_setint(s, "audio.period-size", kPeriodFrames);
  fluid_settings_setint(s, "audio.periods", kPeriods);
  fluid_settings_setint(s, "audio.jack.autoconnect", 1);
  fluid_settings_setstr(s, "audio.pulseaudio.media-role", "music");

  const unsigned fluidErrors = FluidErrorCount();
  out->synth_ = new_fluid_synth(s);
  if (out->synth_ == nullptr) {
    const std::string why = FluidErrorSince(fluidErrors);
    error = "synthesizer could not be created" + (why.empty() ? std::string() : ": " + why);
    code = MIDIWAY_OPEN_FAILED;
    return nullptr;
  }
  if (!out->LoadSoundFont(error)) {
    code = MIDIWAY_OPEN_NO_SOUNDFONT;
    return nullptr;
  }
  if (!out->StartAudio(error)) {
    code = MIDIWAY_OPEN_NO_AUDIO;
    return nullptr;
  }
  return out;
}

bool SynthOut::LoadSoundFont(std::string& error) {
  std::string failures;
  for (const auto& path : SoundFontCandidates()) {
    if (!IsFile(path)) continue;
    const unsigned fluidErrors = FluidErrorCount();
    QuietGlib quiet;
    if (fluid_synth_sfload(synth_, path.c_str(), 1) != FLUID_FAILED) return true;
    const std::string why = FluidErrorSince(fluidErrors);
    failures += "; " + path + ": " + (why.empty() ? "not a SoundFont" : why);
  }
  error = "no SoundFont found" + failures;
  return false;
}

bool SynthOut::StartAudio(std::string& error) {
  double rate = 44100.0;
  fluid_settings_getnum(settings_, "synth.sample-rate", &rate);
  rate_ = rate;
  // A sound card's callback comes every few ms, late by a fraction of one.
  clock_ = StreamClock(rate, 5'000'000, 2'000'000);
  if (std::string file = Env("MIDIWAY_AUDIO_FILE"); !file.empty()) {
    WavCard card;
    // A file that stands in for a sound card with a buffer, to hear what
    // running dry does; a stall of the rendering makes it run dry.
    if (const int ms = WholeMs("MIDIWAY_AUDIO_FILE_BUFFER_MS", 0); ms > 0) {
      buffer_ = std::make_unique<StreamBuffer>(ms, kPulseBufferMaxMs);
      card.bufferFrames = FramesOf(ms);
      card.ranDry = [this](uint64_t frames) { RanDry(frames); };
      const std::string stall = Env("MIDIWAY_AUDIO_FILE_STALL_MS");
      if (const size_t colon = stall.find(':'); colon != std::string::npos) {
        card.stallAtMs = std::atoll(stall.substr(0, colon).c_str());
        card.stallMs = std::atoll(stall.substr(colon + 1).c_str());
      }
    }
    auto render = [this](int frames, float* stereo) { return RenderStereo(frames, stereo); };
    wav_ = WavRenderer::Create(file, render, static_cast<uint32_t>(rate), error, std::move(card));
    timedRendering_ = wav_ != nullptr;
    return wav_ != nullptr;
  }
  std::vector<std::string> drivers = {"pulseaudio", "alsa", "sdl2", "jack"};
  if (std::string chosen = Env("MIDIWAY_AUDIO_DRIVER"); !chosen.empty()) drivers = {chosen};
  std::string failures;
  auto fail = [&failures](const std::string& name, const std::string& why) {
    failures += (failures.empty() ? "" : "; ") + name + ": " + why;
  };
  // A PulseAudio server that takes the connection but never makes the
  // stream ready holds FluidSynth's open of it without limit, and SDL2's
  // (which prefers that server too); ALSA's default device, when it is the
  // server's plugin, waits at the open or in the output thread, which then
  // cannot be stopped. So the server is asked first, once, with a deadline.
  const int pulseBufferMs = PulseBufferMs();
  std::optional<PulseAnswer> pulse;
  std::string pulseWhy;
  auto askPulse = [&] {
    if (!pulse) pulse = ProbePulseStream(PulseStreamOf(settings_, pulseBufferMs), kPulseProbeTimeout, pulseWhy);
    return *pulse;
  };
  for (const auto& name : drivers) {
    std::string why;
    if (name == "pulseaudio" && askPulse() != PulseAnswer::kReady) {
      fail(name, pulseWhy);
      continue;
    }
    if ((name == "sdl2" || (name == "alsa" && AlsaDefaultIsSoundServer())) && askPulse() == PulseAnswer::kSilent) {
      fail(name, "not tried, it would wait on the same sound server");
      continue;
    }
    if (name == "sdl2" && (sdl_ = StartSdlAudio(why)) == nullptr) {
      fail(name, why);
      continue;
    }
    if (name == "pulseaudio") {
      // Our own stream, which tells when it ran dry and can grow.
      buffer_ = std::make_unique<StreamBuffer>(pulseBufferMs, kPulseBufferMaxMs);
      // It asks for audio tens of ms apart; on a busy machine its word on
      // when they are heard wanders by tens of ms for seconds while its
      // frames keep their pace, and it tells when they did not.
      clock_ = StreamClock(rate_, 25'000'000, 30'000'000);
      timedRendering_ = true;  // before the first callback can run
      counted_ = true;
      pulse_ = PulseOut::Open(
          PulseStreamOf(settings_, pulseBufferMs), [this](int frames, float* stereo, std::chrono::nanoseconds playsIn) { return RenderPulse(frames, stereo, playsIn); },
          [this] {
            buffer_->Underrun();
            // The frames after the gap are heard later by it.
            std::lock_guard lock(clockMutex_);
            clock_.Reanchor();
          },
          kPulseProbeTimeout, why);
      if (pulse_) return true;
      buffer_.reset();
      timedRendering_ = counted_ = false;
      fail(name, why);
      continue;
    }
    const unsigned fluidErrors = FluidErrorCount();
    fluid_settings_setstr(settings_, "audio.driver", name.c_str());
    // Through our own callback where the driver has one, so that the flow of
    // audio can be watched; otherwise the plain way.
    timedRendering_ = true;  // before the first callback can run
    driver_ = new_fluid_audio_driver2(settings_, &SynthOut::Render, this);
    counted_ = driver_ != nullptr;
    timedRendering_ = counted_;
    if (driver_ == nullptr) driver_ = new_fluid_audio_driver(settings_, synth_);
    if (driver_ != nullptr) return true;
    StopSdlAudio(sdl_);
    sdl_ = nullptr;
    why = FluidErrorSince(fluidErrors);
    fail(name, why.empty() ? "failed" : why);
  }
  error = "no audio output (" + failures + ")";
  return false;
}

SynthOut::~SynthOut() {
  // The output goes first: it calls into the synthesizer until deleted.
  wav_.reset();
  pulse_.reset();
  if (buffer_ && buffer_->Underruns() > 0)
    std::fprintf(stderr, "midiway: the built-in synthesizer's sound ran dry %u time%s; its buffer grew from %d to %d ms\n",
                 buffer_->Underruns(), buffer_->Underruns() == 1 ? "" : "s", buffer_->FirstMs(), buffer_->Ms());
  if (driver_ != nullptr) delete_fluid_audio_driver(driver_);
  StopSdlAudio(sdl_);
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
}

void SynthOut::Start() {
  if (!wav_) return;
  const auto origin = wav_->Start();
  std::lock_guard lock(clockMutex_);
  clock_.Anchor(std::chrono::duration_cast<std::chrono::nanoseconds>(origin.time_since_epoch()).count());
}

}  // namespace midiway
