#include "Accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "About.h"
#include "ConfusionWindow.h"
#include "DrillWindow.h"
#include "ProgressWindow.h"
#include "RadioGroup.h"
#include "Accessible.h"
#include "Readme.h"
#include "Sxerrorform.h"
#include "Sxfilters.h"
#include "Sxkeyboard.h"
#include "Sxlogin.h"
#include "Sxmidi.h"
#include "Sxscore.h"

namespace {

// --- the drill window ---------------------------------------------------------

// Keys for what the design leaves to the mouse.
class DrillWindowKeys : public QObject {
 public:
  explicit DrillWindowKeys(TForm1* form) : QObject(form), form_(form) {
    form->Edit1->installEventFilter(this);
    // BEGIN / END is no tab stop (Enter submits answers): Ctrl+B presses it.
    auto* begin = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), form);
    connect(begin, &QShortcut::activated, this, [this] {
      if (form_->Button1->isEnabled()) form_->Button1->click();
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && watched == form_->Edit1)
      return WalkAnswerList(static_cast<QKeyEvent*>(event));
    return false;
  }

 private:
  // Up and Down in the answer field walk the answer list (not a tab stop),
  // choosing each set class as a click on it would.
  bool WalkAnswerList(const QKeyEvent* key) {
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) return false;
    QListWidget* list = form_->ListBox;
    const int count = list->count();
    if (count == 0) return true;
    const QListWidgetItem* current = list->currentItem();
    const int row = current && current->isSelected() ? list->row(current) : -1;
    int next = key->key() == Qt::Key_Down ? row + 1 : row - 1;
    if (row < 0) next = key->key() == Qt::Key_Down ? 0 : count - 1;
    if (next < 0 || next >= count) return true;
    list->setCurrentRow(next);
    form_->ListBoxClick();
    Announce(form_, list->item(next)->text());
    return true;
  }

  TForm1* form_;
};

void MakeDrillWindowAccessible(TForm1* f) {
  if (!f) return;
  MarkValueLabel(f->CorrectLabel, f->Label1, {}, QStringLiteral("Right answers in this drill"));
  MarkValueLabel(f->IncorrectLabel, f->Label2, {}, QStringLiteral("Wrong answers counted in this drill"));
  MarkValueLabel(f->TimeLabel, nullptr, QStringLiteral("Drill time "), QStringLiteral("Minutes and seconds since BEGIN"));
  Describe(f->Button1, {},
           QStringLiteral("Starts a drill; after five right answers it ends it and shows the score. Shortcut: Ctrl+B"));
  Describe(f->Button4, {}, QStringLiteral("Plays the question again. Keys: F1, or p"));
  Describe(f->Button2, {}, QStringLiteral("Plays the question's notes one by one, upwards. Keys: F2, or q"));
  Describe(f->Button3, {}, QStringLiteral("Plays the question's notes one by one, downwards. Keys: F3, or r"));
  Describe(f->StaticText1, QStringLiteral("Answer prefix"), {});
  NameAnswerField(f);
  Describe(f->Edit1, {},
           QStringLiteral("Type the set class number, such as 11, or Z15 with a capital Z, and press Enter. "
                          "Up and Down walk the list of set classes. F1 repeats the question, F2 and F3 arpeggiate "
                          "it. Ctrl+B begins or ends the drill"));
  Describe(f->SubmitButton, {}, QStringLiteral("Answers with the set class chosen. Key: Enter"));
  Describe(f->ListBox, QStringLiteral("Set classes"),
           QStringLiteral("The set classes drilled; choosing one puts its number in the answer field"));
  Describe(f->RadioGroup, {}, QStringLiteral("How questions are played"));
  Describe(f->RadioGroup1, QStringLiteral("Cardinality"), QStringLiteral("Trichords or tetrachords"));
  Describe(f->RadioGroup2, QStringLiteral("Range"), QStringLiteral("How widely the notes of a question are spread"));
  Describe(f->FilterButton, {}, QStringLiteral("Chooses exactly which set classes are drilled"));
  new DrillWindowKeys(f);
  EnsureNotice(f);

  std::vector<QWidget*> order{f->Edit1, f->SubmitButton, f->Button4, f->Button2, f->Button3};
  for (const TRadioGroup* group : {f->RadioGroup, f->RadioGroup1, f->RadioGroup2})
    for (QWidget* item : RadioItems(group)) order.push_back(item);
  order.push_back(f->FilterButton);
  ChainTabOrder(order);
}

// --- the filter window ----------------------------------------------------------

void MakeFilterWindowAccessible(TFilterForm* f) {
  if (!f) return;
  Describe(f->RadioGroup2, QStringLiteral("Cardinality"),
           QStringLiteral("Trichords or tetrachords; changing it enables every set class of that cardinality"));
  Describe(f->RadioGroup1, QStringLiteral("Range"), QStringLiteral("How widely the notes of a question are spread"));
  Describe(f->SaveBox, {}, QStringLiteral("Saves these settings for the next login when the window closes"));
  Describe(f->Button1, {}, QStringLiteral("Closes the window and drills what is checked. Key: Enter"));
  Describe(f->AllButton1, {}, QStringLiteral("Checks every set class"));
  Describe(f->NoneButton1, {}, QStringLiteral("Clears every set class"));
  Describe(f->Bevel1, QStringLiteral("Set classes"), {});
  for (QCheckBox* box : f->SetClassBoxes) Describe(box, {}, QStringLiteral("Drill this set class"));

  // The choices first, then the set classes, then saving and OK.
  std::vector<QWidget*> order = RadioItems(f->RadioGroup2);
  for (QWidget* item : RadioItems(f->RadioGroup1)) order.push_back(item);
  order.push_back(f->AllButton1);
  order.push_back(f->NoneButton1);
  for (QCheckBox* box : f->SetClassBoxes) order.push_back(box);
  order.push_back(f->SaveBox);
  order.push_back(f->Button1);
  ChainTabOrder(order);
}

// --- the login window -------------------------------------------------------------

// The saved filters appear below the name: read out as they appear.
class LoginQuestionNews : public QObject {
 public:
  explicit LoginQuestionNews(TLoginForm* form) : QObject(form), form_(form) {
    form->StaticText4->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      Announce(form_, form_->StaticText3->text() + QLatin1Char(' ') + form_->Label1->text() + QLatin1Char(' ') +
                          form_->Label2->text() + QLatin1Char(' ') + form_->StaticText4->text());
    }
    return false;
  }

 private:
  TLoginForm* form_;
};

void MakeLoginWindowAccessible(TLoginForm* f) {
  if (!f) return;
  Describe(f->ComboBox1, QStringLiteral("Your name"),
           QStringLiteral("Type your name and press Enter; a name typed before is completed as you type"));
  if (f->StaticText1) f->StaticText1->setBuddy(f->ComboBox1);
  Describe(f->Label1, QStringLiteral("Saved filters"), {});
  Describe(f->Button1, {}, QStringLiteral("Drills the filters saved last time. Key: Alt+Y"));
  Describe(f->Button2, {}, QStringLiteral("Drills every set class of that cardinality instead. Key: Alt+N"));
  new LoginQuestionNews(f);
  EnsureNotice(f);
  ChainTabOrder({f->ComboBox1, f->Button1, f->Button2});
}

// --- the score window ------------------------------------------------------------

// The score is read out once the window has computed it.
class ScoreNews : public QObject {
 public:
  explicit ScoreNews(TForm2* form) : QObject(form), form_(form) { form->installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) QTimer::singleShot(0, this, [this] { Tell(); });
    return false;
  }

 private:
  void Tell() {
    if (!form_->isVisible()) return;
    QString text = QStringLiteral("Score %1: %2 time points, %3 correct, longevity bonus %4.")
                       .arg(form_->ScoreLabel->text(), form_->TimePointsLabel->text(),
                            form_->PercentageLabel->text(), form_->LongevityLabel->text());
    if (form_->FilterLabel->isVisible()) text += QStringLiteral(" Not eligible for the high scores.");
    Announce(form_, text);
  }

  TForm2* form_;
};

void MakeScoreWindowAccessible(TForm2* f) {
  if (!f) return;
  new ScoreNews(f);
  EnsureNotice(f);
  // The window has no title to show; readers still need one.
  f->setAccessibleName(QStringLiteral("Score"));
  Describe(f->TimeLabel, {}, QStringLiteral("Time per interval, in seconds"));
  Describe(f->TimePointsLabel, {}, QStringLiteral("Time points"));
  Describe(f->PercentageLabel, {}, QStringLiteral("Correct percentage"));
  Describe(f->LongevityLabel, {}, QStringLiteral("Longevity bonus"));
  Describe(f->ScoreLabel, {}, QStringLiteral("Score"));
  // Letters spaced for the eye are read one by one; columns need words.
  Describe(f->Panel1, QStringLiteral("High Scores"), {});
  Describe(f->Label12, QStringLiteral("Columns: date, correct, incorrect, percentage, time per interval, score"), {});
  Describe(f->ListBox, QStringLiteral("High scores"),
           QStringLiteral("Date, correct, incorrect, percentage, time per interval and score of each entry; the "
                          "drill just ended is selected"));
  // Buttons of which exactly one is down: radio buttons to a reader, and
  // reachable with Tab (arrows move within each row of them).
  const std::initializer_list<std::pair<QPushButton*, const char*>> tables{
      {f->SpeedButton4, "Shows the trichord tables"},
      {f->SpeedButton5, "Shows the tetrachord tables"},
      {f->SpeedButton1, "Shows the tables of close position"},
      {f->SpeedButton2, "Shows the tables within one octave"},
      {f->SpeedButton3, "Shows the tables within two octaves"}};
  for (const auto& [button, description] : tables) {
    if (!button) continue;
    button->setAutoExclusive(true);  // its button group keeps the exclusivity
    button->setFocusPolicy(Qt::StrongFocus);
    Describe(button, {}, QString::fromUtf8(description));
    ForgetInterface(button);
  }
  Describe(f->Button2, {}, QStringLiteral("Shows right and wrong answers per set class"));
  ChainTabOrder({f->SpeedButton4, f->SpeedButton5, f->SpeedButton1, f->SpeedButton2, f->SpeedButton3, f->ListBox,
                 f->Button2, f->Button1});
}

// --- the error report --------------------------------------------------------------

void MakeErrorReportAccessible(TErrorReport* f) {
  if (!f) return;
  Describe(f->RichEdit1, QStringLiteral("Error report"),
           QStringLiteral("Success rate per set class, form and voicing; read it with the arrow keys"));
  if (f->RichEdit1) {
    // Read-only, but a reader's caret moves through it and Tab leaves it.
    f->RichEdit1->setTextInteractionFlags(f->RichEdit1->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    f->RichEdit1->setFocusPolicy(Qt::StrongFocus);
    f->RichEdit1->setTabChangesFocus(true);
  }
  Describe(f->RadioGroup1, {}, QStringLiteral("The drill just ended, or every eligible drill"));
  Describe(f->CheckBox4, {}, QStringLiteral("Breaks each set class down by form A and form B"));
  Describe(f->CheckBox5, {}, QStringLiteral("Breaks each form down by voicing"));
  Describe(f->CheckBox6, {}, QStringLiteral("Lists the set classes each one was mistaken for"));
  Describe(f->Button2, {}, QStringLiteral("Sets every cumulative count to zero, without asking"));
  std::vector<QWidget*> order{f->RichEdit1};
  for (QWidget* item : RadioItems(f->RadioGroup1)) order.push_back(item);
  for (QWidget* w : std::initializer_list<QWidget*>{f->Button2, f->CheckBox4, f->CheckBox5, f->CheckBox6, f->Button1})
    order.push_back(w);
  ChainTabOrder(order);
}

// --- MIDI setup, help, answers from a MIDI keyboard ------------------------------------

void MakeSmallWindowsAccessible() {
  if (TMidiForm* f = MidiForm) {
    Describe(f->ListBox1, QStringLiteral("MIDI output devices"),
             QStringLiteral("Choosing a device sends the questions to it at once"));
    ChainTabOrder({f->ListBox1, f->Button1});
  }
  if (TReadmeBox* f = ReadmeBox) {
    Describe(f->Memo1, QStringLiteral("Instructions"), QStringLiteral("The text of readme.txt"));
    // Tab leaves the text for the Close button instead of typing a tab.
    if (f->Memo1) f->Memo1->setTabChangesFocus(true);
    ChainTabOrder({f->Memo1, f->Button1});
  }
  if (TAboutBox* f = AboutBox) Describe(f, {}, QStringLiteral("Closes with Escape"));
  if (TKeyboardForm* f = KeyboardForm) {
    Describe(f->ListBox1, QStringLiteral("MIDI input ports"), QStringLiteral("The keyboard to answer from"));
    ChainTabOrder({f->ListBox1, f->CheckBox1, f->Button1});
  }
}

// --- windows made anew at each opening -------------------------------------------

// On Linux a combo box's name is its current text; the label beside it names
// it to a reader only as its buddy.
void LabelComboBox(QWidget* window, QComboBox* box, const QString& caption) {
  if (!box) return;
  for (QLabel* label : window->findChildren<QLabel*>())
    if (label->text() == caption) label->setBuddy(box);
}

void NameProgressWindow(TProgressForm* f) {
  Describe(f->PersonBox, QStringLiteral("Person"), QStringLiteral("Whose drills are shown"));
  LabelComboBox(f, f->PersonBox, QStringLiteral("Person:"));
  Describe(f->AccuracyChart, QStringLiteral("Correct percentage per drill"), {});
  Describe(f->SpeedChart, QStringLiteral("Time per interval per drill"), {});
  Describe(f->PracticeChart, QStringLiteral("Minutes practised per week"), {});
  Describe(f->DrillTable, QStringLiteral("Drills"), QStringLiteral("One row per drill, the latest last"));
  Describe(f->ExportButton, {}, QStringLiteral("Writes the table to a CSV file"));
}

void NameConfusionWindow(TConfusionForm* f) {
  Describe(f->SourceBox, QStringLiteral("Answers of"), QStringLiteral("Every eligible drill, or the drill just ended"));
  LabelComboBox(f, f->SourceBox, QStringLiteral("Answers of:"));
  Describe(f->Pages, QStringLiteral("Cardinality"), {});
  Describe(f->Matrix[0], QStringLiteral("Trichord confusions"),
           QStringLiteral("Rows: the set class asked; columns: the one answered. Enter plays both"));
  Describe(f->Matrix[1], QStringLiteral("Tetrachord confusions"),
           QStringLiteral("Rows: the set class asked; columns: the one answered. Enter plays both"));
}

}  // namespace

// --- announcements --------------------------------------------------------------

void MakeProgressWindowAccessible(TProgressForm* window) { NameProgressWindow(window); }
void MakeConfusionWindowAccessible(TConfusionForm* window) { NameConfusionWindow(window); }

void NameAnswerField(TForm1* form) {
  if (!form || !form->Edit1 || !form->StaticText1) return;
  const bool tetrachords = form->StaticText1->text().startsWith(QLatin1Char('4'));
  const QString name =
      tetrachords ? QStringLiteral("Answer, tetrachord number") : QStringLiteral("Answer, trichord number");
  if (form->Edit1->accessibleName() != name) form->Edit1->setAccessibleName(name);
}

QString SetClassName(const TForm1* form, int listIndex) {
  const SetClassEntry* entry = form ? form->ListEntry(listIndex) : nullptr;
  if (!entry) return {};
  return QString::number(entry->cardinality) + QLatin1Char('-') + QString::fromStdString(entry->name);
}

void AnnounceDrill(TForm1* form, DrillNews news, int listIndex) {
  if (!form) return;
  const QString counts =
      QStringLiteral("%1 right, %2 wrong.").arg(form->CorrectCount).arg(form->IncorrectCount);
  const QString name = SetClassName(form, listIndex);
  QString text;
  switch (news) {
    case DrillNews::Started:
      text = QStringLiteral("Drill started. First question.");
      break;
    case DrillNews::Right:
      text = QStringLiteral("Right: %1. %2").arg(name, counts);
      if (form->CorrectCount == 5) text += QStringLiteral(" The drill can now be ended with Ctrl+B.");
      text += QStringLiteral(" Next question.");
      break;
    case DrillNews::Wrong:
      text = QStringLiteral("Wrong: not %1. %2 Try again.").arg(name, counts);
      break;
    case DrillNews::WrongAgain:
      text = QStringLiteral("Not %1, counted once. Try again.").arg(name);
      break;
    case DrillNews::NoAnswer:
      text = QStringLiteral("No set class chosen.");
      break;
  }
  Announce(form, text);
}

void MakeWindowsAccessible() {
  InstallControlConventions();
  MakeDrillWindowAccessible(Form1);
  MakeFilterWindowAccessible(FilterForm);
  MakeLoginWindowAccessible(LoginForm);
  MakeScoreWindowAccessible(Form2);
  MakeErrorReportAccessible(ErrorReport);
  MakeSmallWindowsAccessible();
}
