#include "SxerrorformAccess.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTextEdit>

#include "Accessible.h"
#include "RadioGroup.h"
#include "Sxerrorform.h"

void MakeErrorReportAccessible(TErrorReport* f) {
  if (!f) return;
  Describe(f->RichEdit1, QCoreApplication::translate("Accessibility", "Error report"),
           QCoreApplication::translate("Accessibility", "Success rate per set class, form and voicing; read it with the arrow keys"));
  if (f->RichEdit1) {
    // Read-only, but a reader's caret moves through it and Tab leaves it.
    f->RichEdit1->setTextInteractionFlags(f->RichEdit1->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    f->RichEdit1->setFocusPolicy(Qt::StrongFocus);
    f->RichEdit1->setTabChangesFocus(true);
  }
  Describe(f->RadioGroup1, {}, QCoreApplication::translate("Accessibility", "The drill just ended, or every eligible drill"));
  Describe(f->CheckBox4, {}, QCoreApplication::translate("Accessibility", "Breaks each set class down by form A and form B"));
  Describe(f->CheckBox5, {}, QCoreApplication::translate("Accessibility", "Breaks each form down by voicing"));
  Describe(f->CheckBox6, {}, QCoreApplication::translate("Accessibility", "Lists the set classes each one was mistaken for"));
  Describe(f->Button2, {}, QCoreApplication::translate("Accessibility", "Sets every cumulative count to zero, without asking"));
  std::vector<QWidget*> order{f->RichEdit1};
  for (QWidget* item : RadioItems(f->RadioGroup1)) order.push_back(item);
  for (QWidget* w : std::initializer_list<QWidget*>{f->Button2, f->CheckBox4, f->CheckBox5, f->CheckBox6, f->Button1})
    order.push_back(w);
  ChainTabOrder(order);
}
