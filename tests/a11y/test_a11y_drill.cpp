#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>

#include "Sxerrorform.h"
#include "Sxlogin.h"
#include "Sxscore.h"
#include "test_a11y_support.h"

TEST_F(A11yTest, RightAndWrongAnswersAndTheNewQuestionAreAnnounced) {
  ShowDrillWindow();
  ReaderNews reader(Form1);
  ASSERT_TRUE(reader.Listening());
  size_t mark = Mark();
  QTest::keyClick(Form1->Edit1, Qt::Key_B, Qt::ControlModifier);
  ASSERT_TRUE(Form1->Drilling);
  EXPECT_EQ(reader.spoken, std::vector<std::string>({"Drill started. First question."}));

  std::vector<int> heard = HeardSince(mark);
  const int right = RowFor(heard);
  const int wrong = WrongRowFor(heard);
  ASSERT_GE(right, 0);
  ASSERT_GE(wrong, 0);
  const std::string rightName = "3-" + RowClass(right).name;
  const std::string wrongName = "3-" + RowClass(wrong).name;

  AnswerByTyping(wrong);
  AnswerByTyping(wrong);  // counted once
  QTest::keyClicks(Form1->Edit1, "Z99");
  QTest::keyClick(Form1->Edit1, Qt::Key_Return);  // no trichord is named so: the selection stays
  Form1->ListBox->clearSelection();
  QTest::keyClick(Form1->Edit1, Qt::Key_Return);
  mark = Mark();
  AnswerByTyping(right);
  EXPECT_EQ(reader.spoken, std::vector<std::string>({
                               "Drill started. First question.",
                               "Wrong: not " + wrongName + ". 0 right, 1 wrong. Try again.",
                               "Not " + wrongName + ", counted once. Try again.",
                               "Not " + wrongName + ", counted once. Try again.",
                               "No set class chosen.",
                               "Right: " + rightName + ". 1 right, 1 wrong. Next question.",
                           }));
  EXPECT_EQ(LastAnnouncement(Form1).toStdString(), reader.spoken.back());
  // The announcement comes before the next question sounds, which it names.
  EXPECT_EQ(HeardSince(mark).size(), 3u);
  EXPECT_EQ(ValueOf(Form1->IncorrectLabel), 1);
  EXPECT_EQ(ValueOf(Form1->CorrectLabel), 1);

  // The clock, each second.
  clock_.now += 65000;
  Form1->ClockTick();
  EXPECT_EQ(ValueOf(Form1->TimeLabel), 65);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form1->TimeLabel)->text(QAccessible::Value), "1:05");

  // The fifth right answer says the drill can be ended.
  for (int answer = 2; answer <= 5; ++answer) {
    heard = HeardSince(mark);
    mark = Mark();
    AnswerByTyping(RowFor(heard));
  }
  EXPECT_NE(reader.spoken.back().find("5 right, 1 wrong. The drill can now be ended with Ctrl+B."), std::string::npos);
  // The notice a reader speaks from draws nothing a sighted student sees.
  const QWidget* notice = Form1->findChild<QWidget*>("sonorixNotice");
  ASSERT_NE(notice, nullptr);
  EXPECT_LE(notice->width() * notice->height(), 1);
  EXPECT_EQ(notice->focusPolicy(), Qt::NoFocus);
}

// Login, BEGIN, answers typed and walked to, END, the score window, the error
// report and back: not one mouse event.
TEST_F(A11yTest, AWholeDrillPlayedWithKeysAlone) {
  Create();
  WhileModal(
      LoginForm,
      [] {
        ASSERT_EQ(QApplication::focusWidget(), LoginForm->ComboBox1);
        Type("Ann");
        Press(Qt::Key_Return);
      },
      [] { Form1->show(); });
  QApplication::processEvents();
  ASSERT_TRUE(Form1->LoggedIn);
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  ASSERT_EQ(QApplication::focusWidget(), Form1->Edit1);

  size_t mark = Mark();
  Press(Qt::Key_B, Qt::ControlModifier);
  ASSERT_TRUE(Form1->Drilling);
  ASSERT_EQ(QApplication::focusWidget(), Form1->Edit1);
  for (int answer = 1; answer <= 5; ++answer) {
    const std::vector<int> heard = HeardSince(mark);
    const int row = RowFor(heard);
    ASSERT_GE(row, 0);
    clock_.now += 8000;
    if (answer == 1) {
      // A wrong answer first, typed.
      Type(QString::fromStdString(RowClass(WrongRowFor(heard)).name));
      Press(Qt::Key_Return);
      ASSERT_EQ(Form1->IncorrectCount, 1);
    }
    mark = Mark();
    if (answer % 2 == 0) {
      // Walked to in the list with Down, which puts the number in the field.
      Form1->ListBox->clearSelection();
      for (int r = 0; r <= row; ++r) Press(Qt::Key_Down);
      ASSERT_EQ(Form1->Edit1->text().toStdString(), RowClass(row).name);
      EXPECT_EQ(LastAnnouncement(Form1), Form1->ListBox->item(row)->text()) << "the set class walked to is read out";
      Press(Qt::Key_Return);
    } else {
      Type(QString::fromStdString(RowClass(row).name));
      Press(Qt::Key_Return);
    }
    ASSERT_EQ(Form1->CorrectCount, answer);
    // F1 repeats the question from the answer field.
    const size_t before = Mark();
    Press(Qt::Key_F1);
    EXPECT_EQ(HeardSince(before).size(), 3u);
    mark = before;
  }
  ASSERT_EQ(Form1->Button1->text(), "END");

  // END: the score window. Tab reaches its table buttons and the error report.
  bool reportRead = false;
  WhileModal(
      Form2,
      [&] {
        EXPECT_TRUE(QTest::qWaitFor([] { return !LastAnnouncement(Form2).isEmpty(); }));
        EXPECT_TRUE(LastAnnouncement(Form2).startsWith("Score " + Form2->ScoreLabel->text() + ": "))
            << LastAnnouncement(Form2).toStdString();
        // Each row of table buttons is one tab stop; the arrows move within it.
        ASSERT_TRUE(TabTo(Form2->SpeedButton4));
        Press(Qt::Key_Right);
        ASSERT_EQ(QApplication::focusWidget(), Form2->SpeedButton5);
        if (!Form2->SpeedButton5->isChecked()) Press(Qt::Key_Space);
        EXPECT_EQ(Form2->ShownCardinality, 1);
        ASSERT_TRUE(TabTo(Form2->Button2));
        WhileModal(
            ErrorReport,
            [&] {
              ASSERT_TRUE(TabTo(ErrorReport->RichEdit1));
              reportRead = ErrorReport->RichEdit1->toPlainText().contains(QStringLiteral("3-"));
              Press(Qt::Key_Escape);
            },
            [] { Press(Qt::Key_Space); });
        EXPECT_FALSE(ErrorReport->isVisible());
        // A window manager hands the keyboard back to the score window.
        Form2->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
        ASSERT_TRUE(TabTo(Form2->Button1));
        Press(Qt::Key_Space);
      },
      [] { Press(Qt::Key_B, Qt::ControlModifier); });
  EXPECT_TRUE(reportRead);
  EXPECT_FALSE(Form1->Drilling);
  EXPECT_EQ(Form1->CorrectCount, 0);
  EXPECT_EQ(Form1->Button1->text(), "BEGIN");
  EXPECT_TRUE(Exists("hiscore.dat"));
  // Back in the drill window, where the next drill can begin.
  Form1->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  Press(Qt::Key_B, Qt::ControlModifier);
  EXPECT_TRUE(Form1->Drilling);
}
