#include "Diagnostics.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>
#include <fluidsynth.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace midiway {
namespace {

// Plain arrays, not strings: the log hooks may still run while the library's
// static objects are being destroyed at unload.
constexpr size_t kTextSize = 512;
std::mutex g_mutex;
char g_lastError[kTextSize] = "";
char g_fluidError[kTextSize] = "";
unsigned g_fluidErrors = 0;
char g_alsaError[kTextSize] = "";
bool g_quiet = false;
fluid_log_function_t g_fluidPrevious[LAST_LOG_LEVEL] = {};
void* g_jack = nullptr;

// Keeps text as one line, cut to fit.
void Keep(char (&slot)[kTextSize], const char* text) {
  std::snprintf(slot, kTextSize, "%s", text);
  size_t length = std::strlen(slot);
  while (length > 0 && (slot[length - 1] == '\n' || slot[length - 1] == '\r' || slot[length - 1] == ' '))
    slot[--length] = '\0';
  for (size_t i = 0; i < length; ++i)
    if (slot[i] == '\n' || slot[i] == '\r') slot[i] = ' ';
}

void FluidLog(int level, const char* message, void*) {
  if (level > FLUID_ERR || message == nullptr) return;
  std::lock_guard lock(g_mutex);
  Keep(g_fluidError, message);
  ++g_fluidErrors;
}

extern "C" void AlsaLog(const char* file, int line, const char* function, int err, const char* fmt, ...) {
  (void)file;
  (void)line;
  (void)function;
  char text[kTextSize];
  va_list args;
  va_start(args, fmt);
  std::vsnprintf(text, sizeof text, fmt, args);
  va_end(args);
  if (err != 0) {
    const size_t length = std::strlen(text);
    std::snprintf(text + length, sizeof text - length, ": %s", snd_strerror(err));
  }
  std::lock_guard lock(g_mutex);
  Keep(g_alsaError, text);
}

using JackReporter = void (*)(const char*);
using JackSetReporter = void (*)(JackReporter);

// JACK is loaded as FluidSynth's dependency; reach it without linking it.
void SetJackReporters(const char* errorName, const char* infoName) {
  if (g_jack == nullptr) return;
  auto setError = reinterpret_cast<JackSetReporter>(dlsym(g_jack, "jack_set_error_function"));
  auto setInfo = reinterpret_cast<JackSetReporter>(dlsym(g_jack, "jack_set_info_function"));
  auto error = reinterpret_cast<JackReporter>(dlsym(g_jack, errorName));
  auto info = reinterpret_cast<JackReporter>(dlsym(g_jack, infoName));
  if (setError != nullptr && error != nullptr) setError(error);
  if (setInfo != nullptr && info != nullptr) setInfo(info);
}

using GlibLogFunction = void (*)(const char* domain, int level, const char* message, void* data);

void GlibLog(const char*, int, const char* message, void*) { FluidLog(FLUID_ERR, message, nullptr); }

}  // namespace

QuietGlib::QuietGlib() : glib_(dlopen("libglib-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD)) {
  if (glib_ == nullptr) return;
  using SetHandler = unsigned (*)(const char*, int, GlibLogFunction, void*);
  if (auto set = reinterpret_cast<SetHandler>(dlsym(glib_, "g_log_set_handler")); set != nullptr)
    handler_ = set(nullptr, ~0, GlibLog, nullptr);  // every level and flag
}

QuietGlib::~QuietGlib() {
  if (glib_ == nullptr) return;
  using RemoveHandler = void (*)(const char*, unsigned);
  if (auto remove = reinterpret_cast<RemoveHandler>(dlsym(glib_, "g_log_remove_handler"));
      remove != nullptr && handler_ != 0)
    remove(nullptr, handler_);
  dlclose(glib_);
}

void QuietLibraries() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
      g_fluidPrevious[level] = fluid_set_log_function(level, FluidLog, nullptr);
    snd_lib_error_set_handler(AlsaLog);
    g_jack = dlopen("libjack.so.0", RTLD_LAZY | RTLD_NOLOAD);
    // JACK's own silent reporter lives in JACK, so it never dangles after we are unloaded.
    SetJackReporters("silent_jack_error_callback", "silent_jack_error_callback");
    std::lock_guard lock(g_mutex);
    g_quiet = true;
  });
}

void RestoreLibraries() {
  {
    std::lock_guard lock(g_mutex);
    if (!g_quiet) return;
    g_quiet = false;
  }
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
    fluid_set_log_function(level, g_fluidPrevious[level], nullptr);
  snd_lib_error_set_handler(nullptr);
  SetJackReporters("default_jack_error_callback", "default_jack_info_callback");
  if (g_jack != nullptr) dlclose(g_jack);
  g_jack = nullptr;
}

void SetLastError(const std::string& text) {
  std::lock_guard lock(g_mutex);
  Keep(g_lastError, text.c_str());
}

std::string LastError() {
  std::lock_guard lock(g_mutex);
  return g_lastError;
}

unsigned FluidErrorCount() {
  std::lock_guard lock(g_mutex);
  return g_fluidErrors;
}

std::string FluidErrorSince(unsigned count) {
  std::lock_guard lock(g_mutex);
  return g_fluidErrors == count ? std::string() : std::string(g_fluidError);
}

std::string AlsaLastError() {
  std::lock_guard lock(g_mutex);
  return g_alsaError;
}

}  // namespace midiway
