#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QTableWidget>
#include <QTimer>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "Accessible.h"
#include "DataFile.h"
#include "PracticeLog.h"
#include "PracticeMode.h"
#include "PracticeWindows.h"
#include "ProgressMenu.h"
#include "ProgressWindow.h"
#include "DrillWindowTest.h"

namespace {

class PracticeTest : public DrillWindowTest {
 protected:
  static TPracticeMode* Mode() { return TPracticeMode::Of(Form1); }

  // BEGIN; the notes of the first question.
  static std::vector<int> Begin() {
    const size_t mark = Mark();
    Form1->Button1->click();
    return HeardSince(mark);
  }

  // An answer typed and entered; the notes heard after it.
  static std::vector<int> Type(int row) {
    const size_t mark = Mark();
    AnswerByTyping(row);
    return HeardSince(mark);
  }

  // END, closing what it opens: the lines of the practice summary, none
  // when the score window opened instead (the fixture closes that one).
  std::vector<std::string> End() {
    auto lines = std::make_shared<std::vector<std::string>>();
    QTimer::singleShot(0, [lines] {
      if (auto* summary = qobject_cast<TPracticeSummaryForm*>(QApplication::activeModalWidget())) {
        for (QLabel* label : summary->Lines) lines->push_back(label->text().toStdString());
        summary->OkButton->click();
      }
    });
    Form1->Button1->click();
    return *lines;
  }

  // A drill with one wrong answer and five right ones, each from the same
  // seed and clock in every run.
  void PlainDrill(uint32_t seed, uint32_t start) {
    ProgramRandom().Seed(seed);
    clock_.now = start;
    std::vector<int> q = Begin();
    Type(WrongRowFor(q));
    for (int i = 0; i < 5; ++i) {
      clock_.now += 7000;
      q = Type(RowFor(q));
    }
    ASSERT_TRUE(End().empty()) << "a drill ends with its score";
  }

  // A practice drill: wrong answers, a reveal, right answers, END early.
  void PracticeDrill() {
    Mode()->PracticeMode1->trigger();
    ASSERT_TRUE(Mode()->Active());
    std::vector<int> q = Begin();
    Type(WrongRowFor(q, 0));
    Type(WrongRowFor(q, 1));
    clock_.now += 9000;
    Mode()->ShowAnswer1->trigger();
    const size_t mark = Mark();
    QTest::keyClick(Form1->Edit1, Qt::Key_Return);
    q = HeardSince(mark);
    Type(RowFor(q));
    ASSERT_EQ(End().size(), 6u);
    Mode()->PracticeMode1->trigger();
    ASSERT_FALSE(Mode()->Active());
  }

  std::array<std::string, 3> DrillFiles() const {
    return {ReadFile("report.dat"), ReadFile("errors.dat"), ReadFile("hiscore.dat")};
  }
};

}  // namespace

// Practice drills between drills leave report.dat, errors.dat and
// hiscore.dat byte for byte as the same drills leave them alone.
TEST_F(PracticeTest, PracticeLeavesTheDrillFilesAsTheyWere) {
  CreateAndShowLoggedIn("Ann", 0);
  PlainDrill(7, 100000);
  PlainDrill(8, 300000);
  const auto alone = DrillFiles();
  ASSERT_FALSE(alone[0].empty() || alone[1].empty() || alone[2].empty());
  for (const char* name : {"report.dat", "errors.dat", "hiscore.dat"}) std::filesystem::remove(name);

  PracticeDrill();
  PlainDrill(7, 100000);
  PracticeDrill();
  PlainDrill(8, 300000);
  PracticeDrill();
  EXPECT_EQ(DrillFiles(), alone);
  const auto log = LoadPracticeLog(kPracticeFileName);
  ASSERT_TRUE(log);
  EXPECT_EQ(log->records.size(), 6u) << "two questions in each practice drill";
  EXPECT_EQ(log->damaged, 0);
}

// By keys: the title says so, END comes at once, F5 shows the answer and
// plays the question, then the class named last, without waiting; the next
// question comes on Enter; the automatic reveal after two wrong answers;
// practice.dat holds it all.
TEST_F(PracticeTest, APracticeDrillByKeysWithRevealsByF5AndByItself) {
  CreateAndShowLoggedIn("Mary Ann Lee", 0);
  QApplication::setActiveWindow(Form1);
  Form1->activateWindow();
  EXPECT_EQ(Form1->windowTitle(), "Sonorix");
  Mode()->PracticeMode1->trigger();
  EXPECT_EQ(Form1->windowTitle(), "Sonorix - Practice");
  EXPECT_TRUE(QTest::qWaitFor([] { return LastAnnouncement(Form1).indexOf("Practice mode on") != -1; }, 2000));
  EXPECT_TRUE(QSettings(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat).value("Practice/Mode").toBool());
  Mode()->RevealAfter2->trigger();
  EXPECT_EQ(AutoRevealSetting(), 2);

  std::vector<int> q = Begin();
  EXPECT_TRUE(Form1->Button1->isEnabled()) << "END at any time";
  EXPECT_EQ(Form1->Button1->text(), "END");
  EXPECT_FALSE(Mode()->PracticeMode1->isEnabled()) << "the mode is chosen between drills";

  // One wrong answer, then F5 in the answer field. The clock moves as in the
  // page's practice test, which compares its practice.dat with this one's.
  const int wrong = WrongRowFor(q);
  clock_.now += 4000;
  Type(wrong);
  clock_.now += 5000;
  const std::string named = RowClass(wrong).name;
  const std::string asked = RowClass(RowFor(q)).name;
  const QString askedLabel = QString::fromStdString(Form1->FormatSetClassLabel(Form1->question.listIndex));
  const QString namedLabel = Form1->ListBox->item(wrong)->text().trimmed();
  size_t mark = Mark();
  const uint32_t before = clock_.now;
  QTest::keyClick(Form1->Edit1, Qt::Key_F5);
  const uint32_t afterReveal = clock_.now;
  EXPECT_EQ(afterReveal, before) << "the reveal never waits";
  std::vector<int> heard = HeardSince(mark);
  ASSERT_EQ(heard.size(), 6u) << "the question, then the class named";
  EXPECT_EQ(std::vector<int>(heard.begin(), heard.begin() + 3), q);
  EXPECT_EQ(FormHeard({heard.begin() + 3, heard.end()}, RowClass(wrong).prime), 0);
  // Every note is timed, after the words, and ends by its own note-off.
  const auto puts = RecorderPuts();
  ASSERT_EQ(puts.size() - mark, 12u);
  EXPECT_GT(puts[mark].event.time, 0u);
  for (size_t i = mark; i < puts.size(); ++i) EXPECT_NE(puts[i].event.time, MIDIWAY_TIME_NOW);
  EXPECT_TRUE(Mode()->AnswerLabel->isVisible());
  EXPECT_EQ(Mode()->AnswerLabel->text(), "= " + askedLabel + "; you named " + namedLabel);
  EXPECT_EQ(Mode()->AnswerLabel->accessibleName(), Mode()->AnswerLabel->text());
  EXPECT_EQ(Form1->ListBox->currentRow(), RowFor(q)) << "its row is highlighted";
  EXPECT_NE(LastAnnouncement(Form1).indexOf(askedLabel), -1);
  EXPECT_EQ(Form1->CorrectCount, 0);

  // Waiting: F1 and F6 play the question and the class named again; an
  // answer is no answer now; Enter asks for the next question.
  mark = Mark();
  QTest::keyClick(Form1->Edit1, Qt::Key_F1);
  EXPECT_EQ(HeardSince(mark), q);
  mark = Mark();
  QTest::keyClick(Form1->Edit1, Qt::Key_F6);
  EXPECT_EQ(FormHeard(HeardSince(mark), RowClass(wrong).prime), 0);
  const int incorrect = Form1->IncorrectCount;
  EXPECT_FALSE(Form1->SubmitButton->isEnabled());
  Form1->Session().Submit(RowFor(q));
  Form1->Session().Submit(wrong);
  EXPECT_EQ(Form1->IncorrectCount, incorrect);
  EXPECT_EQ(Form1->CorrectCount, 0);
  EXPECT_TRUE(Mode()->WaitingForNext());
  clock_.now += 2000;
  mark = Mark();
  QTest::keyClick(Form1->Edit1, Qt::Key_Return);
  heard = HeardSince(mark);
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_FALSE(Mode()->AnswerLabel->isVisible()) << "cleared as the next question is asked";
  EXPECT_FALSE(Mode()->NextButton->isVisible());
  EXPECT_TRUE(Form1->ListBox->selectedItems().isEmpty());
  EXPECT_TRUE(Form1->SubmitButton->isEnabled());
  q = heard;

  // Two different wrong answers reveal by themselves.
  clock_.now += 3000;
  Type(WrongRowFor(q, 0));
  EXPECT_TRUE(Mode()->Run()->QuestionOpen());
  mark = Mark();
  clock_.now += 3000;
  Type(WrongRowFor(q, 1));
  const std::string asked2 = RowClass(RowFor(q)).name;
  heard = HeardSince(mark);
  ASSERT_EQ(heard.size(), 6u);
  ASSERT_TRUE(Mode()->WaitingForNext());
  clock_.now += 2000;
  mark = Mark();
  Mode()->NextButton->click();
  q = HeardSince(mark);
  clock_.now += 6000;
  Type(RowFor(q));

  const std::vector<std::string> summary = End();
  ASSERT_EQ(summary.size(), 6u);
  EXPECT_EQ(summary[0], "Questions: 3");
  EXPECT_EQ(summary[1], "Right at the first try: 1 (33 %)");
  EXPECT_EQ(summary[2], "Revealed: 2");
  EXPECT_EQ(summary[3].substr(0, 6), "Time: ");
  EXPECT_NE(summary[5].find("3-" + asked), std::string::npos) << "revealed: needs more work";
  EXPECT_NE(summary[5].find("3-" + asked2), std::string::npos);
  EXPECT_FALSE(Form1->Drilling);
  EXPECT_EQ(Form1->Button1->text(), "BEGIN");
  EXPECT_FALSE(Exists("report.dat"));

  const auto log = LoadPracticeLog(kPracticeFileName);
  ASSERT_TRUE(log && log->records.size() == 3u);
  const auto& r = log->records;
  EXPECT_EQ(r[0].person, "Mary Ann Lee");
  EXPECT_EQ(r[0].asked, "3-" + asked);
  EXPECT_EQ(r[0].answers, std::vector<std::string>{"3-" + named});
  EXPECT_EQ(r[0].reveal, Reveal::ByStudent);
  EXPECT_EQ(r[1].reveal, Reveal::Automatic);
  EXPECT_EQ(r[1].answers.size(), 2u);
  EXPECT_TRUE(r[2].FirstTryRight());
  EXPECT_EQ(r[2].voicing.size(), 3u);
  EXPECT_EQ(r[0].seconds, 9u);
  EXPECT_EQ(PracticeLine(r[0]).substr(0, 20), "2006-09-01T10:00:00 ") << "dated by the clock";
  // The page's practice test expects these bytes; SONORIX_RECORD_DRILL_FILES=1 records them anew.
  const char* source = std::getenv("SONORIX_SOURCE_DIR");
  const std::string recorded =
      std::string(source && *source ? source : SONORIX_TEST_SOURCE_DIR) + "/tests/drill/window/files/practice.dat";
  if (const char* record = std::getenv("SONORIX_RECORD_DRILL_FILES"); record && *record == '1') {
    std::ofstream(recorded, std::ios::binary) << ReadFile(kPracticeFileName);
  } else {
    std::ifstream in(recorded, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(ReadFile(kPracticeFileName), bytes.str());
  }

  // My Progress shows the practice and its focus.
  TProgressForm window(Form1);
  window.LoadLog(Form1->CurrentPersonName);
  AddPracticeSection(Form1, &window);
  auto* section = window.findChild<TPracticeSection*>();
  ASSERT_TRUE(section);
  ASSERT_EQ(section->DayTable->rowCount(), 1);
  EXPECT_EQ(section->DayTable->item(0, 1)->text(), "3");
  EXPECT_EQ(section->DayTable->item(0, 2)->text(), "1");
  EXPECT_NE(section->FocusLabel->text().indexOf("Practice focus"), -1);
  EXPECT_NE(section->FocusLabel->text().indexOf("confused with 3-"), -1);
  // Tab leaves the practice table as it leaves the drills table.
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  section->DayTable->setFocus();
  section->DayTable->setCurrentCell(0, 0);
  QTest::keyClick(section->DayTable, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), section->DayTable);
}

// The summary in a student's words, with and without questions.
TEST(PracticeSummaryTexts, SaysWhatGotSurerAndWhatNeedsWork) {
  PracticeSummary s;
  s.totals.questions = 4;
  s.totals.firstTryRight = 3;
  s.totals.revealed = 1;
  s.drillSeconds = 125;
  s.surer = {"3-6", "3-11"};
  s.needsWork = {"3-5"};
  EXPECT_EQ(SummaryTexts(s), (QStringList{"Questions: 4", "Right at the first try: 3 (75 %)", "Revealed: 1",
                                          "Time: 2:05", "Getting surer: 3-6, 3-11", "Needs more work: 3-5"}));
  const QStringList none = SummaryTexts(PracticeSummary{});
  EXPECT_EQ(none[1], "Right at the first try: 0");
  EXPECT_EQ(none[3], "Time: 0:00");
  EXPECT_EQ(none[4], "Getting surer: none yet");
  EXPECT_EQ(none[5], "Needs more work: none");
}

// A screen reader hears the whole summary: the window and the focused OK
// describe every line, short ones too; it is announced on opening and again
// on the state key.
TEST_F(PracticeTest, TheSummaryIsHeardWholeOnOpeningAndOnTheStateKey) {
  PracticeSummary s;
  s.totals.questions = 3;
  s.totals.revealed = 2;
  s.drillSeconds = 216;
  s.needsWork = {"3-5"};
  TPracticeSummaryForm window(s);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const QString whole = "Questions: 3. Right at the first try: 0 (0 %). Revealed: 2. Time: 3:36. "
                        "Getting surer: none yet. Needs more work: 3-5.";
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Description), whole);
  ASSERT_EQ(QApplication::focusWidget(), window.OkButton);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.OkButton)->text(QAccessible::Description), whole);
  for (QLabel* line : window.Lines)
    EXPECT_EQ(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), line->text());
  EXPECT_TRUE(QTest::qWaitFor([&] { return LastAnnouncement(&window) == whole; }, 2000));
  Announce(&window, "something else");
  QTest::keyClick(window.OkButton, kStateKey.key(), kStateKey.keyboardModifiers());
  EXPECT_EQ(LastAnnouncement(&window), whole);
}
