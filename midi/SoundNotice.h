// Says so in a window's title when its MIDI output could not be opened, so
// that a student without a working sound server does not drill in silence
// without knowing why.
#pragma once

#include <QString>

class QWidget;
class TWayMidiOut;

// The title Sonorix shows while its output is not open.
QString NoSoundCaption(const QString& reason);

// After the port was opened (or refused): a refused port turns the plain
// title "Sonorix" into NoSoundCaption and prints the library's full reason on
// stderr; an open port restores the plain title. Any other title (such as
// "File Error!") says something graver and is left alone.
void UpdateSoundCaption(QWidget& window, const TWayMidiOut& port);

// The same, said later than the title was `then`: as it would have been said
// then, keeping what was added to the title since (practice's mark).
void UpdateSoundCaptionAsOf(QWidget& window, const TWayMidiOut& port, const QString& then);
