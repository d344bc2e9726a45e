#include "SxkeyboardAccess.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "Accessible.h"
#include "Sxkeyboard.h"

void MakeKeyboardWindowAccessible(TKeyboardForm* f) {
  if (!f) return;
  Describe(f->ListBox1, QStringLiteral("MIDI input ports"), QStringLiteral("The keyboard to answer from"));
  ChainTabOrder({f->ListBox1, f->CheckBox1, f->Button1});
}
