#include "SxkeyboardAccess.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "Accessible.h"
#include "Sxkeyboard.h"

void MakeKeyboardWindowAccessible(TKeyboardForm* f) {
  if (!f) return;
  Describe(f->ListBox1, QCoreApplication::translate("Accessibility", "MIDI input ports"), QCoreApplication::translate("Accessibility", "The keyboard to answer from"));
  ChainTabOrder({f->ListBox1, f->CheckBox1, f->Button1});
}
