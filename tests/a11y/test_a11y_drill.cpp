#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLocale>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>

#include "DrillEnd.h"
#include "NextQuestionPause.h"
#include "PacingDialog.h"
#include "Sxerrorform.h"
#include "Sxlogin.h"
#include "HighScores.h"
#include "Sxscore.h"
#include "SxscoreAccess.h"
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
                               "Wrong: not " + wrongName + ". Try again.",
                               "Not " + wrongName + ", counted once. Try again.",
                               "Not " + wrongName + ", counted once. Try again.",
                               "No set class chosen.",
                               "Right: " + rightName + ". Next question.",
                           }));
  EXPECT_EQ(LastAnnouncement(Form1).toStdString(), reader.spoken.back());
  // The announcement comes before the next question sounds, which it names.
  EXPECT_EQ(HeardSince(mark).size(), 3u);
  EXPECT_EQ(ValueOf(Form1->IncorrectLabel), 1);
  EXPECT_EQ(ValueOf(Form1->CorrectLabel), 1);
  // The numbers are what a reader reads of the counters.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form1->IncorrectLabel)->text(QAccessible::Name), "1");

  // The clock, each second.
  clock_.now += 65000;
  Form1->ClockTick();
  EXPECT_EQ(ValueOf(Form1->TimeLabel), 65);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form1->TimeLabel)->text(QAccessible::Value), "1:05");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form1->TimeLabel)->text(QAccessible::Name), "Drill time 1:05");

  // The fifth right answer says the drill can be ended.
  for (int answer = 2; answer <= 5; ++answer) {
    heard = HeardSince(mark);
    mark = Mark();
    AnswerByTyping(RowFor(heard));
  }
  EXPECT_NE(reader.spoken.back().find("The drill can now be ended with Ctrl+B."), std::string::npos);
  // The counts on demand, from the answer field.
  Press(kStateKey.key(), kStateKey.keyboardModifiers());
  EXPECT_EQ(reader.spoken.back(), "5 right, 1 wrong, time 1:05. END possible: Ctrl+B.");
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
        EXPECT_TRUE(LastAnnouncement(Form2).endsWith(" seconds per interval. Row 1 of 1, trichords, close position."))
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

// The score window as a reader hears it: the score, the time per interval and
// the drill's place in its table; each row with its column names.
TEST_F(A11yTest, TheScoreWindowTellsTheDrillsPlace) {
  ShowDrillWindow();
  // Close-position trichords: scores 5000 and 10 above and below the drill's 838.
  dir_.Write("hiscore.dat", "2\r\n38000 50 0 1 5000\r\n38000 1 9 30 10\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  for (const bool filtersUsed : {false, true}) {
    Form1->CorrectCount = 5;
    Form1->IncorrectCount = 1;
    Form1->DrillStart = clock_.now - 60000;
    Form1->FiltersUsed = filtersUsed;
    WhileModal(
        Form2,
        [&] {
          ASSERT_TRUE(QTest::qWaitFor([] { return LastAnnouncement(Form2).startsWith("Score "); }));
          const QString heard = LastAnnouncement(Form2);
          const QString score = Form2->ScoreLabel->text();
          const QString time = Form2->TimeLabel->text();
          if (!filtersUsed) {
            EXPECT_EQ(heard.toStdString(), ("Score " + score + ": " + Form2->TimePointsLabel->text() +
                                            " time points, 83.3% correct, longevity bonus 5. " + time +
                                            " seconds per interval. Row 2 of 3, trichords, close position.")
                                               .toStdString());
            // Focusing the list reads the entry selected, with its columns named.
            Form2->ListBox->clearFocus();
            Form2->ListBox->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(LastAnnouncement(Form2).toStdString(),
                      ("2. 1 September 2006, 5 right, 1 wrong, 83.3 %, " + time + " s per interval, score " + score)
                          .toStdString());
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(Form2->ListBox);
            ASSERT_NE(list->child(0), nullptr);
            EXPECT_TRUE(list->child(0)->text(QAccessible::Name).startsWith("1. 14 January 2004, 50 right, 0 wrong"))
                << list->child(0)->text(QAccessible::Name).toStdString();
          } else {
            EXPECT_TRUE(heard.endsWith("seconds per interval. Not entered: filters were used.")) << heard.toStdString();
          }
          Form2->accept();
        },
        [] {
          const DrillResult ended = Form1->Session().Result(true);
          Form2->ShowEndedDrill(ended, SaveDrillResult(ended));
          Form2->ShowModal();
        });
    Announce(Form2, {});
  }
}

// Typing a number, or Up and Down, selects a row of the list while the answer
// field keeps the keyboard: nothing about the list reaches a reader then (it
// would take the reader into the list), and each set class chosen is read once.
TEST_F(A11yTest, TypingKeepsTheReaderInTheAnswerField) {
  ShowDrillWindow();
  ReaderNews reader(Form1);
  Press(Qt::Key_B, Qt::ControlModifier);
  ASSERT_EQ(QApplication::focusWidget(), Form1->Edit1);
  reader.spoken.clear();

  static std::vector<std::pair<QObject*, QAccessible::Event>> reached;
  reached.clear();
  QAccessible::setActive(true);
  const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
    if (ReachesReaders(event)) reached.emplace_back(event->object(), event->type());
  });
  std::vector<std::string> chosen;
  auto row = [] { return Form1->ListBox->currentItem()->text().toStdString(); };
  Type("1");
  QApplication::processEvents();
  chosen.push_back(row());
  Type("1");  // 11
  QApplication::processEvents();
  chosen.push_back(row());
  Press(Qt::Key_Up);
  QApplication::processEvents();
  chosen.push_back(row());
  QAccessible::installUpdateHandler(previous);
  QAccessible::setActive(false);

  EXPECT_EQ(Form1->Edit1->text(), "10");
  EXPECT_EQ(reader.spoken, chosen);
  EXPECT_NE(chosen[0], chosen[1]);
  int aboutTheList = 0;
  for (const auto& [object, type] : reached) {
    if (object == Form1->ListBox || object == Form1->ListBox->viewport()) ++aboutTheList;
    if (type == QAccessible::Focus) {
      EXPECT_EQ(object, Form1->Edit1);
    }
  }
  EXPECT_EQ(aboutTheList, 0);
  // Enter answers: the judgement is the last thing heard, not the row again.
  Press(Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(reader.spoken.back().starts_with("Wrong: ") || reader.spoken.back().starts_with("Right: "))
      << reader.spoken.back();
  // The list with the keyboard is heard again.
  Form1->ListBox->setFocus();
  QAccessibleEvent focus(Form1->ListBox, QAccessible::SelectionAdd);
  EXPECT_TRUE(ReachesReaders(&focus));
}

// The pause before the next question: only the new question's notes wait;
// the counts, the announcement and the clock do not.
TEST_F(A11yTest, ThePauseHoldsBackOnlyTheNextQuestionsNotes) {
  dir_.Write("sonorix.ini", "[Drill]\nPauseBeforeNextQuestion=1\n");
  ShowDrillWindow();
  ReaderNews reader(Form1);
  size_t mark = Mark();
  Press(Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(HeardSince(mark).size(), 3u) << "the first question comes at once";
  const std::vector<int> heard = HeardSince(mark);
  const uint32_t start = Form1->DrillStart;

  // A wrong answer changes nothing of the pause: F1 still plays at once.
  AnswerByTyping(WrongRowFor(heard));
  mark = Mark();
  AnswerByTyping(RowFor(heard));
  EXPECT_EQ(Form1->CorrectCount, 1);
  EXPECT_EQ(Form1->CorrectLabel->text(), "1");
  EXPECT_TRUE(reader.spoken.back().starts_with("Right: ")) << reader.spoken.back();
  EXPECT_TRUE(HeardSince(mark).empty()) << "the next question waits";
  EXPECT_TRUE(QTest::qWaitFor([&] { return HeardSince(mark).size() == 3u; }, 3000));
  QTest::qWait(300);
  EXPECT_EQ(HeardSince(mark).size(), 3u) << "and sounds once";
  EXPECT_EQ(Form1->DrillStart, start);

  // END during the pause: the question of the ended drill never sounds.
  for (int answer = 2; answer <= 5; ++answer) {
    const std::vector<int> asked = HeardSince(mark);
    mark = Mark();
    AnswerByTyping(RowFor(asked));
    ASSERT_TRUE(QTest::qWaitFor([&] { return HeardSince(mark).size() == 3u; }, 3000));
  }
  const std::vector<int> last = HeardSince(mark);
  mark = Mark();
  AnswerByTyping(RowFor(last));
  scoreWindowCloser_.enabled = true;
  Press(Qt::Key_B, Qt::ControlModifier);
  EXPECT_FALSE(Form1->Drilling);
  QTest::qWait(1300);
  EXPECT_TRUE(HeardSince(mark).empty());
}

// "Wait for me": the first question and each next one sound only when the
// student asks (Space, Enter on the answer field, Next); nothing is judged
// meanwhile and the clock and the counts go on as without it. The choice is
// made in Options › Pause and Wait for Me and kept in sonorix.ini.
TEST_F(A11yTest, WaitForMeHoldsEachQuestionUntilTheStudentAsks) {
  ShowDrillWindow();
  QMenu* options = Form1->MainMenu1->findChild<QMenu*>("Options1");
  ASSERT_NE(options, nullptr);
  const QList<QAction*> menus = Form1->MainMenu1->actions();
  const qsizetype at = menus.indexOf(options->menuAction());
  ASSERT_GT(at, 0);
  EXPECT_EQ(menus.value(at - 1), Form1->Help1->menuAction()) << "after Help: no menu of the design moves";
  QAction* item = options->findChild<QAction*>("PauseAndWait1");
  ASSERT_NE(item, nullptr);
  auto choose = [item](int pause, bool wait, bool ok) {
    WhileNewModal(
        [pause, wait, ok](QWidget* modal) {
          auto* form = qobject_cast<TPacingForm*>(modal);
          ASSERT_NE(form, nullptr);
          form->PauseBox->setCurrentIndex(pause);
          form->WaitBox->setChecked(wait);
          Press(ok ? Qt::Key_Return : Qt::Key_Escape);
        },
        [item] { item->trigger(); });
  };
  choose(4, true, false);  // Escape keeps what was
  EXPECT_FALSE(WaitForMeSetting());
  EXPECT_EQ(PauseBeforeNextQuestion(), 0);
  choose(4, true, true);
  EXPECT_TRUE(WaitForMeSetting());
  EXPECT_EQ(PauseBeforeNextQuestion(), 4);
  EXPECT_NE(ReadFile("sonorix.ini").find("WaitForMe=true"), std::string::npos);
  choose(0, true, true);
  Form1->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

  ReaderNews reader(Form1);
  size_t mark = Mark();
  Press(Qt::Key_B, Qt::ControlModifier);
  ASSERT_TRUE(Form1->Drilling);
  EXPECT_TRUE(HeardSince(mark).empty()) << "the first question waits too";
  EXPECT_TRUE(Form1->NextQuestionButton->isVisible());
  EXPECT_EQ(reader.spoken.back(), "Drill started. Space: first question.");
  Form1->Edit1->setFocus();
  Press(Qt::Key_Space);
  EXPECT_EQ(HeardSince(mark).size(), 3u);
  EXPECT_EQ(Form1->Edit1->text(), "") << "the Space typed nothing";
  EXPECT_FALSE(Form1->NextQuestionButton->isVisible());
  Press(Qt::Key_Space);  // once heard, Space is typed again
  EXPECT_EQ(Form1->Edit1->text(), " ");
  Form1->Edit1->clear();

  // A right answer: the counts and "Right" at once, the next question held.
  std::vector<int> heard = HeardSince(mark);
  const uint32_t start = Form1->DrillStart;
  mark = Mark();
  AnswerByTyping(RowFor(heard));
  EXPECT_EQ(Form1->CorrectCount, 1);
  EXPECT_TRUE(reader.spoken.back().starts_with("Right: ")) << reader.spoken.back();
  EXPECT_TRUE(reader.spoken.back().ends_with(" Space: next question.")) << reader.spoken.back();
  EXPECT_TRUE(HeardSince(mark).empty());
  clock_.now += 7000;
  Form1->ClockTick();
  EXPECT_EQ(ValueOf(Form1->TimeLabel), 7) << "the clock runs on";
  // Enter asks for it and answers nothing; a number typed before the
  // question was heard goes.
  QTest::keyClicks(Form1->Edit1, "1");
  Press(Qt::Key_Return);
  EXPECT_EQ(HeardSince(mark).size(), 3u);
  EXPECT_EQ(Form1->CorrectCount, 1);
  EXPECT_EQ(Form1->IncorrectCount, 0);
  EXPECT_EQ(Form1->Edit1->text(), "");
  // Next, with the mouse.
  heard = HeardSince(mark);
  mark = Mark();
  AnswerByTyping(RowFor(heard));
  EXPECT_TRUE(HeardSince(mark).empty());
  QTest::mouseClick(Form1->NextQuestionButton, Qt::LeftButton);
  EXPECT_EQ(HeardSince(mark).size(), 3u);
  EXPECT_EQ(Form1->CorrectCount, 2);
  EXPECT_EQ(Form1->DrillStart, start);
  EXPECT_FALSE(Form1->FiltersUsed) << "the drill stays eligible";
}

// Smaller things a reader hears: an empty high-score table says so; a row's
// percentage is rounded as the row shows it and its month is named in the
// language; each zoom step is spoken.
TEST_F(A11yTest, EmptyTablesRoundingMonthsAndZoomAreSpokenTruly) {
  ShowDrillWindow();
  Form2->HighScoreTables = HighScoreSet{};
  Form2->ShowHighScores(4, -1);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form2->ListBox)->text(QAccessible::Description),
            "No entry yet in this table.");

  HighScoreEntry entry;
  entry.Date = 46246;  // 12 August 2026
  entry.Correct = 13;
  entry.Incorrect = 3;
  entry.TimePerInterval = 2.5F;
  entry.Score = 900;
  EXPECT_NE(HighScoreLine(0, entry).find(" 81.2%"), std::string::npos) << HighScoreLine(0, entry);
  EXPECT_EQ(SpokenHighScoreRow(0, entry), "1. 12 August 2026, 13 right, 3 wrong, 81.2 %, 2.5 s per interval, score 900");
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  const QString french = SpokenHighScoreRow(0, entry);
  QLocale::setDefault(before);
  EXPECT_TRUE(french.contains("12 août 2026")) << french.toStdString();

  QAction* in = Form1->MainMenu1->findChild<QAction*>("ZoomIn1");
  QAction* actual = Form1->MainMenu1->findChild<QAction*>("ActualSize1");
  ASSERT_NE(in, nullptr);
  ASSERT_NE(actual, nullptr);
  in->trigger();
  EXPECT_EQ(LastAnnouncement(Form1), "Zoom 125 %");
  actual->trigger();
  EXPECT_EQ(LastAnnouncement(Form1), "Zoom 100 %");
}
