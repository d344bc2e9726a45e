#include "DrillWindowAccess.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "Accessible.h"
#include "DrillWindow.h"
#include "RadioGroup.h"

void MakeDrillWindowAccessible(TForm1* f) {
  if (!f) return;
  MarkValueLabel(f->CorrectLabel, f->Label1, {}, QCoreApplication::translate("Accessibility", "Right answers in this drill"));
  MarkValueLabel(f->IncorrectLabel, f->Label2, {}, QCoreApplication::translate("Accessibility", "Wrong answers counted in this drill"));
  MarkValueLabel(f->TimeLabel, nullptr, QCoreApplication::translate("Accessibility", "Drill time "), QCoreApplication::translate("Accessibility", "Minutes and seconds since BEGIN"));
  Describe(f->Button1, {},
           QCoreApplication::translate("Accessibility", "Starts a drill; after five right answers it ends it and shows the score. Shortcut: Ctrl+B"));
  Describe(f->Button4, {}, QCoreApplication::translate("Accessibility", "Plays the question again. Keys: F1, or p"));
  Describe(f->Button2, {}, QCoreApplication::translate("Accessibility", "Plays the question's notes one by one, upwards. Keys: F2, or q"));
  Describe(f->Button3, {}, QCoreApplication::translate("Accessibility", "Plays the question's notes one by one, downwards. Keys: F3, or r"));
  Describe(f->StaticText1, QCoreApplication::translate("Accessibility", "Answer prefix"), {});
  NameAnswerField(f);
  Describe(f->Edit1, {},
           QCoreApplication::translate("Accessibility", "Type the set class number, such as 11, or Z15 with a capital Z, and press Enter. "
                          "Up and Down walk the list of set classes. F1 repeats the question, F2 and F3 arpeggiate "
                          "it. Ctrl+B begins or ends the drill"));
  Describe(f->SubmitButton, {}, QCoreApplication::translate("Accessibility", "Answers with the set class chosen. Key: Enter"));
  Describe(f->NextQuestionButton, {}, QCoreApplication::translate("TPracticeMode", "The next question. Keys: Enter or Space"));
  Describe(f->ListBox, QCoreApplication::translate("Accessibility", "Set classes"),
           QCoreApplication::translate("Accessibility", "The set classes drilled; choosing one puts its number in the answer field"));
  Describe(f->RadioGroup, {}, QCoreApplication::translate("Accessibility", "How questions are played"));
  Describe(f->RadioGroup1, QCoreApplication::translate("Accessibility", "Cardinality"), QCoreApplication::translate("Accessibility", "Trichords or tetrachords"));
  Describe(f->RadioGroup2, QCoreApplication::translate("Accessibility", "Range"), QCoreApplication::translate("Accessibility", "How widely the notes of a question are spread"));
  Describe(f->FilterButton, {}, QCoreApplication::translate("Accessibility", "Chooses exactly which set classes are drilled"));
  EnsureNotice(f);
  GiveMenusLetterKeys(f->MainMenu1);
  SetSpokenState(nullptr, [f] { return DrillStateText(f); });

  std::vector<QWidget*> order{f->Edit1, f->SubmitButton, f->NextQuestionButton, f->Button4, f->Button2, f->Button3};
  for (const TRadioGroup* group : {f->RadioGroup, f->RadioGroup1, f->RadioGroup2})
    for (QWidget* item : RadioItems(group)) order.push_back(item);
  order.push_back(f->FilterButton);
  ChainTabOrder(order);
}

void NameAnswerField(TForm1* form) {
  if (!form || !form->Edit1 || !form->StaticText1) return;
  const bool tetrachords = form->StaticText1->text().startsWith(QLatin1Char('4'));
  const QString name =
      tetrachords ? QCoreApplication::translate("Accessibility", "Answer, tetrachord number") : QCoreApplication::translate("Accessibility", "Answer, trichord number");
  if (form->Edit1->accessibleName() != name) form->Edit1->setAccessibleName(name);
}

void AnnounceDrill(TForm1* form, DrillNews news, const QString& name, bool waitsForStudent) {
  if (!form) return;
  // Short, not to cover the next question; the counts are on the state key.
  QString text;
  switch (news) {
    case DrillNews::Started:
      text = waitsForStudent
                 ? QCoreApplication::translate("Accessibility", "Drill started. Space: first question.")
                 : QCoreApplication::translate("Accessibility", "Drill started. First question.");
      break;
    case DrillNews::Right:
      text = QCoreApplication::translate("Accessibility", "Right: %1.").arg(name);
      if (form->CorrectCount == 5) text += QCoreApplication::translate("Accessibility", " The drill can now be ended with Ctrl+B.");
      text += waitsForStudent
                  ? QCoreApplication::translate("Accessibility", " Space: next question.")
                  : QCoreApplication::translate("Accessibility", " Next question.");
      break;
    case DrillNews::Wrong:
      text = QCoreApplication::translate("Accessibility", "Wrong: not %1. Try again.").arg(name);
      break;
    case DrillNews::WrongAgain:
      text = QCoreApplication::translate("Accessibility", "Not %1, counted once. Try again.").arg(name);
      break;
    case DrillNews::NoAnswer:
      text = QCoreApplication::translate("Accessibility", "No set class chosen.");
      break;
  }
  Announce(form, text);
}

QString DrillStateText(const TForm1* form) {
  if (!form) return {};
  if (!form->Drilling) return QCoreApplication::translate("Accessibility", "No drill running. Ctrl+B begins one.");
  QString text = QCoreApplication::translate("Accessibility", "%1 right, %2 wrong, time %3.")
                     .arg(form->CorrectCount)
                     .arg(form->IncorrectCount)
                     .arg(form->TimeLabel->text());
  if (form->Button1->isEnabled()) text += QCoreApplication::translate("Accessibility", " END possible: Ctrl+B.");
  return text;
}
