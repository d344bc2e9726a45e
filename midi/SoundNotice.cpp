#include "SoundNotice.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>
#include <string>

#include "Waymidi.h"

namespace {

const QString kPlainCaption = QStringLiteral("Sonorix");

QString Translated(const char* text) { return QCoreApplication::translate("SoundNotice", text); }

// "no audio output (pulseaudio: ...; alsa: ...)" → "no audio output", in the
// student's language when the catalogue knows the reason.
QString ShortReason(const std::string& reason) {
  static const char* const kKnownReasons[] = {QT_TRANSLATE_NOOP("SoundNotice", "no audio output")};
  const size_t end = reason.find_first_of("(;:");
  const QString text = QString::fromLocal8Bit(reason.substr(0, end).c_str()).trimmed();
  if (text.isEmpty()) return Translated(QT_TRANSLATE_NOOP("SoundNotice", "MIDI output not open"));
  for (const char* known : kKnownReasons)
    if (text == QLatin1String(known)) return Translated(known);
  return text;
}

}  // namespace

QString NoSoundCaption(const QString& reason) {
  return kPlainCaption + Translated(QT_TRANSLATE_NOOP("SoundNotice", " - No sound: ")) + reason;
}

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

void UpdateSoundCaptionAsOf(QWidget& window, const TWayMidiOut& port, const QString& then) {
  const QString now = window.windowTitle();
  if (now == then || !now.startsWith(then)) return UpdateSoundCaption(window, port);
  QWidget past;
  past.setWindowTitle(then);
  UpdateSoundCaption(past, port);
  window.setWindowTitle(past.windowTitle() + now.mid(then.size()));
}
