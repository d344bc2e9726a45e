#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "HighScores.h"
#include "Sxlogin.h"
#include "DrillWindowTest.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

}  // namespace

TEST_F(DrillWindowTest, CreatedWithItsControlsMenuAndSize) {
  Create();
  EXPECT_EQ(Form1->windowTitle(), "Sonorix");
  // 468 x 463 with the designed width of the range group, which only grows
  // when a wide system font needs it.
  EXPECT_GE(Form1->RadioGroup2->width(), 121);
  EXPECT_EQ(Form1->size(), QSize(Form1->RadioGroup2->x() + Form1->RadioGroup2->width() + 30, 463));
  EXPECT_EQ(Form1->Button1->geometry(), QRect(140, 79, 169, 33));
  EXPECT_EQ(Form1->ListBox->geometry(), QRect(168, 200, 113, 160));
  EXPECT_EQ(Form1->RadioGroup2->pos(), QPoint(317, 272));
  EXPECT_EQ(Form1->Button1->text(), "BEGIN");
  EXPECT_TRUE(Form1->Button1->isEnabled());
  EXPECT_FALSE(Form1->Button2->isEnabled());
  EXPECT_FALSE(Form1->Button4->isEnabled());
  EXPECT_EQ(Form1->CorrectLabel->text(), "0");
  EXPECT_EQ(Form1->RadioGroup1->ItemIndex(), -1);
  EXPECT_EQ(Form1->RadioGroup2->ItemIndex(), -1);
  EXPECT_EQ(Form1->currentList.length, 12);
  EXPECT_TRUE(Form1->Timer1->isActive());
  EXPECT_EQ(Form1->Timer1->interval(), 1000);

  // Edit1 first in the tab order; BEGIN and the list are not tab stops.
  QWidget* first = Form1->Client->nextInFocusChain();
  while (!(first->focusPolicy() & Qt::TabFocus)) first = first->nextInFocusChain();
  EXPECT_EQ(first, Form1->Edit1);
  EXPECT_EQ(Form1->Edit1->nextInFocusChain(), Form1->SubmitButton);
  EXPECT_EQ(Form1->Button1->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(Form1->ListBox->focusPolicy(), Qt::ClickFocus);

  // Device 0 opened with 78624.
  bool opened = false;
  for (const RecordedCall& call : RecorderCalls())
    if (call.name == "OpenMidiOut") opened = call.args[1] == 0 && call.args[3] == 78624;
  EXPECT_TRUE(opened);
  EXPECT_TRUE(Form1->WayMidiOut->IsOpen);

  QStringList menus;
  // Each caption as designed; its first letter underlined for Alt (and View › Zoom after them).
  for (QAction* a : Form1->MainMenu1->actions()) menus << QString(a->text()).remove('&');
  EXPECT_EQ(menus, QStringList({"Exit", "Filters", "MIDI", "Progress", "Help", "Options", "Class", "View"}));
  // Every item can be chosen.
  EXPECT_TRUE(Form1->Midisetup1->isEnabled());
  EXPECT_TRUE(Form1->Instructionsreadmetxt1->isEnabled());
  EXPECT_TRUE(Form1->AboutSonorix1->isEnabled());
}

TEST_F(DrillWindowTest, WithoutTheLibraryNoWindowIsLeft) {
  QTemporaryDir empty;
  PlatformSetLibrarySearchDirForTesting(empty.path().toStdString());
  try {
    CreateSonorixWindows();
    ADD_FAILURE() << "created without the driver library";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Load of Midiway library failed");
  }
  PlatformSetLibrarySearchDirForTesting("");
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(FilterForm, nullptr);
}

TEST_F(DrillWindowTest, WithoutTheCatalogueTheCaptionSaysSoAndNoDrillStarts) {
  QFile::remove("ftclass.dat");
  CreateAndShowLoggedIn();
  EXPECT_EQ(Form1->windowTitle(), "File Error!");
  const size_t mark = Mark();
  Form1->Button1->click();
  EXPECT_FALSE(Form1->Drilling);
  EXPECT_TRUE(HeardSince(mark).empty());
  EXPECT_TRUE(Form1->Button1->isEnabled());
}

TEST_F(DrillWindowTest, FirstShowLogsInAndSetsTheSelectors) {
  Create();
  QTimer::singleShot(0, [] {
    QTest::keyClicks(LoginForm->ComboBox1->lineEdit(), "Ann");
    QTest::keyClick(LoginForm->ComboBox1->lineEdit(), Qt::Key_Return);
    if (LoginForm->isVisible()) LoginForm->reject();  // never leave the modal open
  });
  Form1->show();
  QApplication::processEvents();
  EXPECT_TRUE(Form1->LoggedIn);
  EXPECT_EQ(Form1->CurrentPersonName, "Ann");
  EXPECT_EQ(Form1->ListBox->count(), 12);
  EXPECT_EQ(Form1->RadioGroup1->ItemIndex(), 0);
  EXPECT_EQ(Form1->RadioGroup2->ItemIndex(), 0);
  // The range selector's handler saved the filters.
  EXPECT_EQ(ReadFile("filters.dat"), "4095\r\n0\r\n0");
}

TEST_F(DrillWindowTest, AWholeDrillByTypingAndByClicking) {
  CreateAndShowLoggedIn("Ann", 0);
  size_t mark = Mark();
  Form1->Button1->click();
  EXPECT_TRUE(Form1->Drilling);
  EXPECT_FALSE(Form1->Button1->isEnabled());
  EXPECT_TRUE(Form1->Button2->isEnabled() && Form1->Button3->isEnabled() && Form1->Button4->isEnabled());
  EXPECT_TRUE(Form1->TimeLabel->isVisible());
  EXPECT_EQ(Form1->TimeLabel->text(), "0:00");
  EXPECT_EQ(Form1->DrillStart, 10000u);

  for (int answer = 1; answer <= 5; ++answer) {
    const std::vector<int> heard = HeardSince(mark);
    ASSERT_EQ(heard.size(), 3u) << "one chord per question";
    const int row = RowFor(heard);
    ASSERT_GE(row, 0);
    clock_.now += 15000;
    mark = Mark();
    if (answer % 2) {
      AnswerByTyping(row);
      EXPECT_TRUE(Form1->Edit1->text().isEmpty());
    } else {
      AnswerByClicking(row);
    }
    EXPECT_EQ(Form1->CorrectCount, answer);
    EXPECT_EQ(Form1->CorrectLabel->text(), QString::number(answer));
    EXPECT_EQ(Form1->Button1->isEnabled(), answer >= 5) << answer;
    EXPECT_EQ(Form1->Button1->text(), answer >= 5 ? "END" : "BEGIN") << answer;
  }
  EXPECT_EQ(Form1->IncorrectCount, 0);
  EXPECT_EQ(Form1->IncorrectLabel->text(), "0");

  // The clock, read from the injected millisecond clock.
  clock_.now = 10000 + 59999;
  Form1->ClockTick();
  EXPECT_EQ(Form1->TimeLabel->text(), "0:59");
  clock_.now = 10000 + 60000;
  Form1->ClockTick();
  EXPECT_EQ(Form1->TimeLabel->text(), "1:00");
  clock_.now = 10000 + 125000;
  Form1->ClockTick();
  EXPECT_EQ(Form1->TimeLabel->text(), "2:05");

  mark = Mark();
  Form1->Button1->click();  // END
  EXPECT_FALSE(Form1->Drilling);
  EXPECT_TRUE(HeardSince(mark).empty());
  EXPECT_EQ(Form1->Button1->text(), "BEGIN");
  EXPECT_TRUE(Form1->Button1->isEnabled());
  EXPECT_FALSE(Form1->Button4->isEnabled());
  EXPECT_TRUE(Form1->TimeLabel->isHidden());
  EXPECT_EQ(Form1->CorrectCount, 0);
  EXPECT_EQ(Form1->SegmentCorrect, 0);
  EXPECT_EQ(Form1->CorrectLabel->text(), "0");
  EXPECT_EQ(Form1->IncorrectLabel->text(), "0");
  int sessionAnswers = 0;
  for (const SetClassStats& s : ErrorReport->SessionStats) sessionAnswers += s.Correct[0] + s.Correct[1];
  EXPECT_EQ(sessionAnswers, 0);

  // S, F, then D: 5 right, 0 wrong, 125 s, check 285 ("Ann") + 38961 - 5.
  EXPECT_EQ(ReadFile("report.dat"), "\r\nS 38961 0 Ann\r\nF 0 4095 0\r\nD 5 0 125 39241");
}

TEST_F(DrillWindowTest, WrongAnswersCountOncePerRepeatAndTheRightOneClearsTheMemory) {
  CreateAndShowLoggedIn();
  size_t mark = Mark();
  Form1->Button1->click();
  std::vector<int> heard = HeardSince(mark);
  const int x = WrongRowFor(heard, 0);
  const int y = WrongRowFor(heard, 1);
  const int right = RowFor(heard);

  mark = Mark();
  AnswerByTyping(x);
  EXPECT_EQ(Form1->IncorrectCount, 1);
  EXPECT_EQ(Form1->IncorrectLabel->text(), "1");
  AnswerByClicking(x);
  EXPECT_EQ(Form1->IncorrectCount, 1) << "the same wrong answer again";
  AnswerByTyping(y);
  EXPECT_EQ(Form1->IncorrectCount, 2);
  AnswerByTyping(x);
  EXPECT_EQ(Form1->IncorrectCount, 3) << "X after Y is not a repeat";
  EXPECT_TRUE(HeardSince(mark).empty()) << "a wrong answer keeps the question";
  EXPECT_EQ(Form1->SegmentIncorrect, 3);

  AnswerByTyping(right);
  EXPECT_EQ(Form1->CorrectCount, 1);
  heard = HeardSince(mark);
  ASSERT_EQ(heard.size(), 3u);
  // A new question forgets the last wrong row: X counts again if wrong now.
  const int x2 = FormHeard(heard, RowClass(x).prime) < 0 ? x : WrongRowFor(heard, 0);
  EXPECT_EQ(x2, x) << "with this seed X is wrong again";
  AnswerByTyping(x2);
  EXPECT_EQ(Form1->IncorrectCount, 4);
}

TEST_F(DrillWindowTest, TypingSelectsByExactNameAndKeysActByFocus) {
  CreateAndShowLoggedIn();
  Form1->RadioGroup1->Button(1)->click();  // tetrachords
  ASSERT_EQ(Form1->ListBox->count(), 29);
  EXPECT_EQ(Form1->StaticText1->text(), "4 -");

  QTest::keyClicks(Form1->Edit1, "Z15");
  ASSERT_GE(SelectedRow(), 0);
  EXPECT_TRUE(Form1->ListBox->item(SelectedRow())->text().startsWith("4-Z15 ("));
  Form1->ListBox->clearSelection();
  Form1->Edit1->clear();
  QTest::keyClicks(Form1->Edit1, "z15");
  EXPECT_EQ(SelectedRow(), -1);
  // An unmatched text leaves the selection as it was.
  Form1->Edit1->clear();
  QTest::keyClicks(Form1->Edit1, "2");
  const int two = SelectedRow();
  ASSERT_GE(two, 0);
  QTest::keyClicks(Form1->Edit1, "7");  // "27" is a tetrachord too
  QTest::keyClicks(Form1->Edit1, "9");  // "279" is none
  EXPECT_TRUE(Form1->ListBox->item(SelectedRow())->text().startsWith("4-27 ("));
  Form1->Edit1->clear();

  // Clicking a row puts its name in the field and submits nothing.
  ClickRow(14);
  EXPECT_EQ(Form1->Edit1->text(), QString::fromStdString(RowClass(14).name));
  EXPECT_EQ(Form1->CorrectCount + Form1->IncorrectCount, 0);
  Form1->Edit1->clear();

  size_t mark = Mark();
  Form1->Button1->click();
  const std::vector<int> question = HeardSince(mark);
  ASSERT_EQ(question.size(), 4u);

  // p on a button or the list repeats; in the answer field it types.
  mark = Mark();
  QTest::keyClick(Form1->Button4, 'p');
  EXPECT_EQ(HeardSince(mark), question);
  mark = Mark();
  QTest::keyClick(Form1->ListBox, 'p');
  QTest::keyClick(Form1->SubmitButton, 'p');
  EXPECT_EQ(HeardSince(mark).size(), 8u);
  mark = Mark();
  QTest::keyClick(Form1->Edit1, 'p');
  EXPECT_EQ(Form1->Edit1->text(), "p");
  EXPECT_TRUE(HeardSince(mark).empty());
  QTest::keyClick(Form1->Button2, 'P');
  EXPECT_TRUE(HeardSince(mark).empty()) << "upper-case P does nothing";
  Form1->Edit1->clear();

  // q and r arpeggiate, one note a second; F1 to F3 do the same in the field.
  std::vector<int> up = question;
  std::sort(up.begin(), up.end());
  std::vector<int> down(up.rbegin(), up.rend());
  mark = Mark();
  const uint32_t start = clock_.now;
  QTest::keyClick(Form1->Button3, 'q');
  EXPECT_EQ(HeardSince(mark), up);
  EXPECT_EQ(clock_.now - start, 4000u);
  mark = Mark();
  QTest::keyClick(Form1->ListBox, 'r');
  EXPECT_EQ(HeardSince(mark), down);
  mark = Mark();
  QTest::keyClick(Form1->Edit1, Qt::Key_F1);
  QTest::keyClick(Form1->Edit1, Qt::Key_F2);
  QTest::keyClick(Form1->Edit1, Qt::Key_F3);
  std::vector<int> expected = question;
  expected.insert(expected.end(), up.begin(), up.end());
  expected.insert(expected.end(), down.begin(), down.end());
  EXPECT_EQ(HeardSince(mark), expected);
  EXPECT_TRUE(Form1->Edit1->text().isEmpty());
}

TEST_F(DrillWindowTest, EnterAnywhereSubmitsExactlyOnce) {
  CreateAndShowLoggedIn();
  size_t mark = Mark();
  Form1->Button1->click();
  int expected = 0;
  for (QWidget* target : std::vector<QWidget*>{Form1->Edit1, Form1->ListBox, Form1->Button4, Form1->SubmitButton,
                                               Form1->FilterButton, Form1->RadioGroup->Button(1), Form1->Client}) {
    const int row = RowFor(HeardSince(mark));
    ASSERT_GE(row, 0);
    Form1->ListBox->setCurrentRow(row);
    mark = Mark();
    QTest::keyClick(target, Qt::Key_Return);
    ++expected;
    EXPECT_EQ(Form1->CorrectCount, expected) << target->metaObject()->className();
    EXPECT_EQ(HeardSince(mark).size(), 3u) << "one new question";
  }
  // The Enter key's own release in the emptied field changes nothing.
  EXPECT_TRUE(Form1->Edit1->text().isEmpty());
  EXPECT_EQ(Form1->IncorrectCount, 0);
}

TEST_F(DrillWindowTest, OutsideADrillAnswersAndKeysDoNothing) {
  CreateAndShowLoggedIn();
  const QuestionState before = Form1->question;
  const size_t mark = Mark();
  Form1->ListBox->setCurrentRow(0);
  Form1->SubmitButton->click();
  QTest::keyClick(Form1->Edit1, Qt::Key_Return);
  QTest::keyClicks(Form1->Edit1, "1");
  QTest::keyClick(Form1->Edit1, Qt::Key_Return);
  QTest::keyClick(Form1->Edit1, Qt::Key_F1);
  QTest::keyClick(Form1->Edit1, Qt::Key_F2);
  ClickRow(3);
  for (QWidget* w : std::vector<QWidget*>{Form1->Button1, Form1->ListBox, Form1->SubmitButton})
    for (char key : {'p', 'q', 'r'}) QTest::keyClick(w, key);
  EXPECT_TRUE(HeardSince(mark).empty());
  EXPECT_EQ(Form1->CorrectCount + Form1->IncorrectCount + Form1->SegmentCorrect + Form1->SegmentIncorrect, 0);
  EXPECT_EQ(Form1->question.listIndex, before.listIndex);
  EXPECT_EQ(Form1->question.lastWrongRow, before.lastWrongRow);
  EXPECT_FALSE(PlatformFileExists("report.dat"));
}

TEST_F(DrillWindowTest, TextEnteredOutsideADrillNeverJoinsTheFirstAnswer) {
  CreateAndShowLoggedIn();
  QTest::keyClicks(Form1->Edit1, "3");
  QTest::keyClick(Form1->Edit1, Qt::Key_Return);
  EXPECT_TRUE(Form1->Edit1->text().isEmpty());
  const size_t mark = Mark();
  Form1->Button1->click();
  AnswerByTyping(RowFor(HeardSince(mark)));
  EXPECT_EQ(Form1->CorrectCount, 1);
  EXPECT_EQ(Form1->IncorrectCount, 0);
}

TEST_F(DrillWindowTest, ARangeChangedAfterTheLastQuestionMakesTheDrillIneligibleAtEnd) {
  const std::string emptyTables = FormatHighScores(HighScoreSet{});
  WriteBytes(kHighScoreFileName, emptyTables);
  CreateAndShowLoggedIn();
  size_t mark = Mark();
  Form1->Button1->click();
  for (int answer = 1; answer <= 5; ++answer) {
    const int row = RowFor(HeardSince(mark));
    clock_.now += 4000;
    mark = Mark();
    AnswerByTyping(row);
  }
  ASSERT_EQ(Form1->CorrectCount, 5);
  ASSERT_FALSE(Form1->FiltersUsed);
  // Close position drilled, "within 2 octaves" chosen just before END.
  Form1->RadioGroup2->Button(2)->click();
  Form1->Button1->click();
  EXPECT_FALSE(Form2->FilterLabel->isHidden());
  EXPECT_EQ(ReadFile(kHighScoreFileName), emptyTables);
  EXPECT_EQ(ReadFile(kErrorsFileName), FormatErrorStats(ErrorStats{}));
}

TEST_F(DrillWindowTest, SelectorsSaveFiltersAndChangeTheDrill) {
  CreateAndShowLoggedIn();
  size_t mark = Mark();
  Form1->Button1->click();
  const int row = RowFor(HeardSince(mark));
  AnswerByTyping(row);
  ASSERT_EQ(Form1->CorrectCount, 1);

  // A new cardinality during a drill: the file, the list and a new question.
  mark = Mark();
  Form1->RadioGroup1->Button(1)->click();
  EXPECT_EQ(FilterForm->CardinalityIndex(), 1);
  EXPECT_EQ(ReadFile("filters.dat"), "65535\r\n8191\r\n3");
  EXPECT_EQ(Form1->ListBox->count(), 29);
  std::vector<int> heard = HeardSince(mark);
  ASSERT_EQ(heard.size(), 4u);
  EXPECT_GE(RowFor(heard), 0);
  EXPECT_TRUE(Form1->FiltersUsed);
  std::vector<std::string> lines = Lines(ReadFile("report.dat"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3].substr(0, 6), "D 1 0 ");
  EXPECT_EQ(lines[4], "F 3 65535 8191");

  // A new range: the file, but no new question until the next answer, which
  // then logs D and F.
  mark = Mark();
  Form1->RadioGroup2->Button(1)->click();
  EXPECT_EQ(FilterForm->RangeIndex(), 1);
  EXPECT_EQ(ReadFile("filters.dat"), "65535\r\n8191\r\n4");
  EXPECT_TRUE(HeardSince(mark).empty());
  EXPECT_EQ(Lines(ReadFile("report.dat")).size(), 5u);
  AnswerByTyping(RowFor(heard));
  ASSERT_EQ(Form1->CorrectCount, 2);
  lines = Lines(ReadFile("report.dat"));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[5].substr(0, 6), "D 1 0 ");
  EXPECT_EQ(lines[6], "F 4 65535 8191");
  heard = HeardSince(mark);
  ASSERT_EQ(heard.size(), 4u);
  EXPECT_LE(*std::max_element(heard.begin(), heard.end()) - *std::min_element(heard.begin(), heard.end()), 11);

  // The filter window's own cardinality group is moved by the selector.
  EXPECT_EQ(FilterForm->RadioGroup2->ItemIndex(), 1);
  EXPECT_EQ(FilterForm->RadioGroup1->ItemIndex(), 1);
}

TEST_F(DrillWindowTest, SelectorsFollowTheFilterWindowWithoutSavingBehindItsBack) {
  CreateAndShowLoggedIn();
  const std::string saved = ReadFile("filters.dat");
  // The student switches to tetrachords within two octaves and asks not to save.
  QTimer::singleShot(0, [] {
    FilterForm->RadioGroup2->Button(1)->click();
    FilterForm->RadioGroup1->Button(2)->click();
    FilterForm->SaveBox->setChecked(false);
    FilterForm->Button1->click();
  });
  Form1->FilterButton->click();
  EXPECT_FALSE(FilterForm->isVisible());
  EXPECT_EQ(Form1->RadioGroup1->ItemIndex(), 1);
  EXPECT_EQ(Form1->RadioGroup2->ItemIndex(), 2);
  EXPECT_EQ(Form1->ListBox->count(), 29);
  EXPECT_EQ(ReadFile("filters.dat"), saved);

  // Choosing a range in the drill window itself still saves.
  Form1->RadioGroup2->Button(0)->click();
  EXPECT_EQ(ReadFile("filters.dat"), "65535\r\n8191\r\n3");
}

TEST_F(DrillWindowTest, LoginNewPersonEndsADrillOnlyAfterARightAnswer) {
  CreateAndShowLoggedIn("Ann", 0);
  auto closeLogin = [] { QTimer::singleShot(0, [] { LoginForm->reject(); }); };
  size_t mark = Mark();
  Form1->Button1->click();
  std::vector<int> heard = HeardSince(mark);
  AnswerByTyping(WrongRowFor(heard));
  closeLogin();
  Form1->LoginNewPerson1->trigger();
  EXPECT_TRUE(Form1->Drilling) << "no right answer yet";
  EXPECT_EQ(Form1->IncorrectCount, 1);

  AnswerByTyping(RowFor(heard));
  closeLogin();
  Form1->LoginNewPerson1->trigger();
  EXPECT_FALSE(Form1->Drilling);
  EXPECT_EQ(Form1->Button1->text(), "BEGIN");
  EXPECT_TRUE(Form1->Button1->isEnabled());
  EXPECT_FALSE(Form1->Button2->isEnabled());
  EXPECT_EQ(Form1->CorrectCount + Form1->IncorrectCount, 0);
  EXPECT_EQ(Form1->CorrectLabel->text(), "0");
  EXPECT_TRUE(Form1->TimeLabel->isHidden());
  int sessionAnswers = 0;
  for (const SetClassStats& s : ErrorReport->SessionStats) sessionAnswers += s.Correct[0] + s.Wrong[0] + s.Correct[1] + s.Wrong[1];
  EXPECT_EQ(sessionAnswers, 0);
  const std::vector<std::string> lines = Lines(ReadFile("report.dat"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "D 1 1 0 39243");  // 285 + 38961 - 1 - 2
}

TEST_F(DrillWindowTest, ClosingLogsTheLastSegmentClosesThePortAndReleasesTheCatalogue) {
  CreateAndShowLoggedIn("Ann", 0);
  size_t mark = Mark();
  Form1->Button1->click();
  clock_.now += 7000;
  AnswerByTyping(RowFor(HeardSince(mark)));
  RecorderReset();
  Form1->Exit2->trigger();
  EXPECT_FALSE(Form1->isVisible());
  const std::vector<std::string> lines = Lines(ReadFile("report.dat"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "D 1 0 7 39245");
  std::vector<std::string> calls;
  for (const RecordedCall& call : RecorderCalls()) calls.push_back(call.name);
  EXPECT_EQ(calls, (std::vector<std::string>{"ResetMidiOut", "ResetMidiOut", "CloseMidiOut"}));
  EXPECT_FALSE(Form1->WayMidiOut->IsOpen);
  EXPECT_EQ(Form1->currentList.length, 0);
  EXPECT_EQ(Form1->catalogue.Entry(20), nullptr);
}

TEST_F(DrillWindowTest, ClosingWithAClosedPortAndNoAnswersTouchesNeither) {
  RecorderSetOpenResult(32);  // refused
  CreateAndShowLoggedIn();
  EXPECT_FALSE(Form1->WayMidiOut->IsOpen);
  RecorderReset();
  Form1->close();
  EXPECT_TRUE(RecorderCalls().empty());
  EXPECT_FALSE(PlatformFileExists("report.dat"));
}
