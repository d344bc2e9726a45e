#include "SoundNotice.h"

#include <QWidget>
#include <cstdio>
#include <string>

#include "Waymidi.h"

namespace {

const QString kPlainCaption = QStringLiteral("Sonorix");

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
  const std::string& reason = port.LastError;
  std::fprintf(stderr, "sonorix: no sound: output device %u (%s) not open%s%s\n", static_cast<unsigned>(port.DeviceId),
               port.Description.c_str(), reason.empty() ? "" : ": ", reason.c_str());
  std::fflush(stderr);
  if (title == kPlainCaption || title.startsWith(NoSoundCaption(QString())))
    window.setWindowTitle(NoSoundCaption(ShortReason(reason)));
}
