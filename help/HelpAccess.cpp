#include "HelpAccess.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include "About.h"
#include "Accessible.h"
#include "Readme.h"

void MakeReadmeBoxAccessible(TReadmeBox* f) {
  if (!f) return;
  Describe(f->Memo1, QCoreApplication::translate("Accessibility", "Instructions"), QCoreApplication::translate("Accessibility", "The text of readme.txt"));
  // Tab leaves the text for the Close button instead of typing a tab.
  if (f->Memo1) f->Memo1->setTabChangesFocus(true);
  ChainTabOrder({f->Memo1, f->Button1});
}

void MakeAboutBoxAccessible(TAboutBox* f) {
  if (f) Describe(f, {}, QCoreApplication::translate("Accessibility", "Closes with Escape"));
}
