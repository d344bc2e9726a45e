#include "SxmidiAccess.h"

#include <QListWidget>
#include <QPushButton>

#include "Accessible.h"
#include "Sxmidi.h"

void MakeMidiWindowAccessible(TMidiForm* f) {
  if (!f) return;
  Describe(f->ListBox1, QStringLiteral("MIDI output devices"),
           QStringLiteral("Choosing a device sends the questions to it at once"));
  ChainTabOrder({f->ListBox1, f->Button1});
}
