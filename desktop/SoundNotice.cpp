#include "SoundNotice.h"

#include <QWidget>
#include <cstdio>
#include <string>

#include "Platform.h"
#include "Waymidi.h"

namespace {

const QString kPlainCaption = QStringLiteral("Sonorix");

// The driver library's text for its last refusal, when it has one. The
// library is loaded already; this load only counts it once more.
std::string LibraryReason() {
  PlatformLibrary library = PlatformLoadLibrary("Midiway");
  if (!library) return {};
  std::string reason;
  using LastErrorFn = uint32_t (*)(char*, uint32_t);
  if (auto lastError = reinterpret_cast<LastErrorFn>(PlatformGetProcAddress(library, "GetMidiwayLastError"))) {
    char text[512] = {};
    lastError(text, sizeof text);
    text[sizeof text - 1] = '\0';
    reason = text;
  }
  PlatformFreeLibrary(library);
  return reason;
}

// "no audio output (pulseaudio: ...; alsa: ...)" → "no audio output".
QString ShortReason(const std::string& reason) {
  const size_t end = reason.find_first_of("(;:");
  QString text = QString::fromLocal8Bit(reason.substr(0, end).c_str()).trimmed();
  return text.isEmpty() ? QStringLiteral("MIDI output not open") : text;
}

}  // namespace

QString NoSoundCaption(const QString& reason) { return kPlainCaption + QStringLiteral(" - No sound: ") + reason; }

void UpdateSoundCaption(QWidget& window, const TWayMidiOut& port) {
  const QString title = window.windowTitle();
  if (port.IsOpen) {
    if (title.startsWith(NoSoundCaption(QString()))) window.setWindowTitle(kPlainCaption);
    return;
  }
  const std::string reason = LibraryReason();
  std::fprintf(stderr, "sonorix: no sound: output device %u (%s) not open%s%s\n", static_cast<unsigned>(port.DeviceId),
               port.Description.c_str(), reason.empty() ? "" : ": ", reason.c_str());
  std::fflush(stderr);
  if (title == kPlainCaption || title.startsWith(NoSoundCaption(QString())))
    window.setWindowTitle(NoSoundCaption(ShortReason(reason)));
}
