#include "SxmidiAccess.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

#include "Accessible.h"
#include "Sxmidi.h"

void MakeMidiWindowAccessible(TMidiForm* f) {
  if (!f) return;
  Describe(f->ListBox1, QCoreApplication::translate("Accessibility", "MIDI output devices"),
           QCoreApplication::translate("Accessibility", "Choosing a device sends the questions to it at once"));
  ChainTabOrder({f->ListBox1, f->Button1});
}
