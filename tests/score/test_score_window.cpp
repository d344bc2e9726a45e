// The score window: opened by END, and its opening sequence run by itself.
#include <QButtonGroup>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QProcess>
#include <QSet>
#include <QTimer>
#include <functional>

#include "HighScores.h"
#include "DrillEnd.h"
#include "Sxscore.h"
#include "DrillWindowTest.h"

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

QStringList ListLines() {
  QStringList lines;
  for (int i = 0; i < Form2->ListBox->count(); ++i) lines << Form2->ListBox->item(i)->text();
  return lines;
}

int SelectedLine() {
  const auto items = Form2->ListBox->selectedItems();
  return items.isEmpty() ? -1 : Form2->ListBox->row(items.first());
}

QString Formula() {
  return QStringList{Form2->TimeLabel->text(), Form2->TimePointsLabel->text(), Form2->PercentageLabel->text(),
                     Form2->LongevityLabel->text(), Form2->ScoreLabel->text()}
      .join(' ');
}

QStringList DownButtons() {
  QStringList down;
  for (QPushButton* b : {Form2->SpeedButton1, Form2->SpeedButton2, Form2->SpeedButton3, Form2->SpeedButton4,
                         Form2->SpeedButton5})
    if (b->isChecked()) down << b->text();
  return down;
}

HighScoreEntry Entry(double date, int correct, int score) { return HighScoreEntry{date, correct, 1, 4.5f, score}; }

}  // namespace

class ScoreWindowTest : public DrillWindowTest {
 protected:
  void SetUp() override {
    DrillWindowTest::SetUp();
    if (HasFatalFailure()) return;
    Create();
    scoreWindowCloser_.enabled = false;
  }

  static void SetMode(int range, int cardinality) {
    FilterForm->RadioGroup2->SetItemIndex(cardinality);
    FilterForm->RadioGroup2Click();
    FilterForm->RadioGroup1->SetItemIndex(range);
  }

  // The drill window's state at END, then the window's opening.
  void OpenAfterDrill(int correct, int incorrect, uint32_t ms, bool filtersUsed = false) {
    Form1->CorrectCount = correct;
    Form1->IncorrectCount = incorrect;
    Form1->DrillStart = clock_.now - ms;
    Form1->FiltersUsed = filtersUsed;
    const DrillResult ended = Form1->Session().Result(true);
    Form2->ShowEndedDrill(ended, SaveDrillResult(ended));
  }
};

TEST_F(ScoreWindowTest, CreatedWithItsCaptionsAndSize) {
  QStringList captions{Form2->windowTitle()};
  for (QLabel* l : Form2->findChildren<QLabel*>()) captions << l->text();
  for (QPushButton* b : Form2->findChildren<QPushButton*>()) captions << b->text();
  EXPECT_EQ(captions.join('|'),
            "|SCORE|Time per|interval|Correct %|Longevity|bonus|XX.X|XXXX|pts|X|XXX%|+|XXX|=|XXXXX|H i g h  S c o r e s|"
            "Date              Correct   Incrct    Pctge   Time/Int  Score |"
            "(This session is not eligible for high score due to filter usage,|"
            "mixing of cardinalities, or changes in range.)|"
            "TRICHORDS|TETRACHORDS|\"close position\"|one-octave|two-octave|Error Report|OK");
  EXPECT_TRUE(DownButtons().isEmpty());
  EXPECT_TRUE(Form2->FilterLabel->isHidden() && Form2->FilterLabel2->isHidden());
  const QRect ok = Form2->Button1->geometry();
  EXPECT_EQ(Form2->size(), QSize(ok.right() + 1 + 40, ok.bottom() + 1 + 40));
  // The columns line up whichever fonts the machine has: digits, space, "%"
  // and "." equally wide (run also under other font set-ups, see CMake).
  const QFontMetricsF list(Form2->ListBox->font());
  for (const QChar c : QStringLiteral("123456789 %."))
    EXPECT_EQ(list.horizontalAdvance(c), list.horizontalAdvance(QLatin1Char('0')))
        << QString(c).toStdString() << " in " << QFontInfo(Form2->ListBox->font()).family().toStdString();
}

TEST_F(ScoreWindowTest, FirstUseCreatesTheFileAndShowsTheDrillsTable) {
  // An ineligible first drill: six empty tables, the notice, its table shown.
  SetMode(2, 0);
  OpenAfterDrill(20, 5, 100999, true);
  EXPECT_EQ(Formula(), "5.0 2000 80.0% 20 1620");
  EXPECT_EQ(ReadFile(kHighScoreFileName), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_FALSE(Form2->FilterLabel->isHidden() || Form2->FilterLabel2->isHidden());
  EXPECT_EQ(DownButtons(), QStringList({"two-octave", "TRICHORDS"}));
  EXPECT_EQ(Form2->ListBox->count(), 0);
  EXPECT_TRUE(Exists("errors.dat"));
  Form2->FormClose();

  // An eligible one: the drill alone in the one-octave tetrachord table,
  // shown with its entry selected and its two buttons down.
  QFile::remove(kHighScoreFileName);
  SetMode(1, 1);
  OpenAfterDrill(20, 5, 100999);
  EXPECT_EQ(ReadFile(kHighScoreFileName), "0\r\n0\r\n0\r\n0\r\n1\r\n38961 20 5 5 1620\r\n0\r\n");
  EXPECT_TRUE(Form2->FilterLabel->isHidden() && Form2->FilterLabel2->isHidden());
  EXPECT_EQ(DownButtons(), QStringList({"one-octave", "TETRACHORDS"}));
  EXPECT_EQ(ListLines(), QStringList{" 1. 09/01/06    20    5  80.0%  5.0  1620"});
  EXPECT_EQ(SelectedLine(), 0);
  // The speed buttons then show what the new file holds.
  Form2->SpeedButton4->click();
  EXPECT_EQ(Form2->ListBox->count(), 0);
  Form2->SpeedButton5->click();
  EXPECT_EQ(SelectedLine(), 0);
  Form2->FormClose();
}

TEST_F(ScoreWindowTest, AnEligibleDrillEntersItsTableAndTheSpeedButtonsShowEachTable) {
  // One-octave tetrachords hold 100 entries, 40 of them 1620 or better.
  HighScoreSet tables;
  for (int i = 0; i < 100; ++i)
    InsertHighScore(tables, 4, Entry(38000 + i, i + 1, i < 40 ? 5000 - i * 84 : 1000 - i));
  InsertHighScore(tables, 1, Entry(38500, 7, 700));
  WriteBytes(kHighScoreFileName, FormatHighScores(tables));
  SetMode(1, 1);
  OpenAfterDrill(20, 5, 100000);
  ASSERT_EQ(Form2->NewEntryIndex, 40);
  EXPECT_EQ(ListLines().size(), 101);
  EXPECT_EQ(ListLines()[40], "41. 09/01/06    20    5  80.0%  5.0  1620");
  EXPECT_EQ(SelectedLine(), 40);
  EXPECT_EQ(DownButtons(), QStringList({"one-octave", "TETRACHORDS"}));
  EXPECT_EQ(Form2->ShownRange * 10 + Form2->ShownCardinality, 11);
  // Saved: the drill in row 41, the former 100th gone.
  HighScoreSet saved = ParseHighScores(ReadFile(kHighScoreFileName));
  EXPECT_EQ(saved.EntryCount[4], 100);
  EXPECT_EQ(saved.Rows[4][40].Score, 1620);
  EXPECT_EQ(saved.Rows[4][99].Date, 38098);

  // Other tables: the drill's entry is selected on its own table only.
  Form2->SpeedButton4->click();  // one-octave trichords
  EXPECT_EQ(ListLines(), QStringList{" 1. 05/28/05     7    1  87.5%  4.5   700"});
  EXPECT_EQ(SelectedLine(), -1);
  Form2->SpeedButton1->click();  // close-position trichords
  EXPECT_EQ(ListLines().size(), 0);
  Form2->SpeedButton5->click();  // close-position tetrachords
  EXPECT_EQ(ListLines().size(), 0);
  Form2->SpeedButton2->click();  // one-octave tetrachords again, now 100 rows
  EXPECT_EQ(ListLines().size(), 100);
  EXPECT_EQ(SelectedLine(), 40);
  EXPECT_EQ(DownButtons(), QStringList({"one-octave", "TETRACHORDS"}));

  // A drill below all 100: row 101, selected, and gone after the save.
  Form2->FormClose();
  OpenAfterDrill(5, 0, 10000000);
  EXPECT_EQ(Form2->NewEntryIndex, 100);
  ASSERT_EQ(ListLines().size(), 101);
  EXPECT_EQ(ListLines()[100], "101. 09/01/06     5    0  100.0%  2000.0    10");
  EXPECT_EQ(SelectedLine(), 100);
  saved = ParseHighScores(ReadFile(kHighScoreFileName));
  EXPECT_EQ(saved.EntryCount[4], 100);
  EXPECT_EQ(saved.Rows[4][99].Date, 38098);
}

TEST_F(ScoreWindowTest, WithFiltersUsedTheNoticeShowsAndNothingIsInserted) {
  HighScoreSet tables;
  InsertHighScore(tables, 0, Entry(38900, 30, 9000));
  InsertHighScore(tables, 0, Entry(38901, 31, 8000));
  // Written with LF line breaks: the save rewrites it in CR LF.
  std::string lf = FormatHighScores(tables);
  for (size_t p; (p = lf.find('\r')) != std::string::npos;) lf.erase(p, 1);
  WriteBytes(kHighScoreFileName, lf);
  SetMode(0, 0);
  OpenAfterDrill(20, 5, 100000, true);
  EXPECT_FALSE(Form2->FilterLabel->isHidden() || Form2->FilterLabel2->isHidden());
  EXPECT_EQ(ListLines().size(), 2);
  EXPECT_EQ(SelectedLine(), 0);
  EXPECT_EQ(Form2->NewEntryIndex, 0);
  EXPECT_EQ(ReadFile(kHighScoreFileName), FormatHighScores(tables));
  // An eligible drill next hides the notice again.
  Form2->FormClose();
  OpenAfterDrill(20, 5, 100000, false);
  EXPECT_TRUE(Form2->FilterLabel->isHidden() && Form2->FilterLabel2->isHidden());
  EXPECT_EQ(SelectedLine(), 2);
}

TEST_F(ScoreWindowTest, TheErrorReportOpenedAndClosedFromTheScoreWindowAddsNothingTwice) {
  WriteBytes(kHighScoreFileName, "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  Form1->LoggedIn = true;
  Form1->CurrentPersonName = "Ann";
  FilterForm->FillAnswerList();
  Form1->show();
  QApplication::processEvents();
  size_t mark = Mark();
  Form1->Button1->click();  // BEGIN
  ASSERT_GE(WrongRowFor(HeardSince(mark)), 0);
  AnswerByTyping(WrongRowFor(HeardSince(mark)));
  for (int answer = 0; answer < 6; ++answer) {
    const int row = RowFor(HeardSince(mark));
    ASSERT_GE(row, 0);
    mark = Mark();
    clock_.now += 7000;
    AnswerByTyping(row);
  }
  ASSERT_EQ(Form1->Button1->text(), "END");

  std::string errorsSeen, hiscoreSeen;
  QStringList linesSeen, linesAfterReport;
  bool opened = false;
  QTimer::singleShot(0, [&] {
    opened = Form2->isVisible();
    errorsSeen = ReadFile("errors.dat");
    hiscoreSeen = ReadFile(kHighScoreFileName);
    linesSeen = ListLines();
    clock_.now += 60000;  // time spent reading the report
    QTimer::singleShot(0, [] { ErrorReport->reject(); });
    Form2->Button2->click();
    // Whatever the toolkit makes of the score window's coming back to the front.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(Form2, &activate);
    Form2->activateWindow();
    QApplication::processEvents();
    linesAfterReport = ListLines();
    Form2->Button1->click();  // OK
  });
  Form1->Button1->click();  // END
  ASSERT_TRUE(opened);
  EXPECT_FALSE(Form2->isVisible());
  // 6 right, 1 wrong in 42 s: 7.0 s per interval, 1428 x 6/7 + 6.
  EXPECT_EQ(Formula(), "7.0 1428 85.7% 6 1230");
  EXPECT_EQ(linesSeen, QStringList{" 1. 09/01/06     6    1  85.7%  7.0  1230"});
  EXPECT_EQ(linesAfterReport, linesSeen);
  EXPECT_EQ(ReadFile(kHighScoreFileName), hiscoreSeen);
  EXPECT_EQ(ReadFile("errors.dat"), errorsSeen);
  const ErrorStats cumulative = ParseErrorStats(errorsSeen);
  int right = 0, wrong = 0;
  for (const SetClassStats& s : cumulative) {
    right += s.Correct[0] + s.Correct[1];
    wrong += s.Wrong[0] + s.Wrong[1];
  }
  EXPECT_EQ(right, 6);
  EXPECT_EQ(wrong, 1);
  // END went on: the drill is cleared.
  EXPECT_EQ(Form1->CorrectCount, 0);
  EXPECT_EQ(Form1->CorrectLabel->text(), "0");
}

TEST_F(ScoreWindowTest, TwoProgramsEndingDrillsAtOnceLoseNothing) {
  // Each ends 50 drills on a fresh folder: 5, 7, ... 103 and 6, 8, ... 104 right.
  QProcess writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w].setWorkingDirectory(QString::fromStdString(dir_.Root().string()));
    writers[w].setProcessChannelMode(QProcess::ForwardedChannels);
    writers[w].start(QStringLiteral(SCORE_DRILL_WRITER), {QString::number(5 + w), "2", "50"});
  }
  for (QProcess& w : writers) ASSERT_TRUE(w.waitForStarted(10000));
  WriteBytes("go", "");
  for (QProcess& w : writers) {
    ASSERT_TRUE(w.waitForFinished(50000));
    ASSERT_EQ(w.exitCode(), 0);
  }
  const HighScoreSet saved = ParseHighScores(ReadFile(kHighScoreFileName));
  ASSERT_EQ(saved.EntryCount[0], 100);
  QSet<int> corrects;
  for (int i = 0; i < 100; ++i) corrects.insert(saved.Rows[0][static_cast<size_t>(i)].Correct);
  EXPECT_EQ(corrects.size(), 100);
  EXPECT_EQ(*std::min_element(corrects.begin(), corrects.end()), 5);
  EXPECT_EQ(*std::max_element(corrects.begin(), corrects.end()), 104);
  // Every drill's right answer reached errors.dat too.
  EXPECT_EQ(ParseErrorStats(ReadFile("errors.dat"))[0].Correct[0], 100);
}

namespace {

class OnShow : public QObject {
 public:
  explicit OnShow(std::function<void()> seen) : seen_(std::move(seen)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) seen_();
    return false;
  }

 private:
  std::function<void()> seen_;
};

}  // namespace

// The drill's end writes the files; the window only shows the result it is
// handed, whatever the drill window holds by then, and writes nothing itself.
TEST_F(ScoreWindowTest, TheDrillsEndSavesItAndTheWindowShowsTheResultItIsHanded) {
  Form1->LoggedIn = true;
  Form1->CurrentPersonName = "Ann";
  FilterForm->FillAnswerList();
  ASSERT_TRUE(Form1->Session().Begin());
  Form1->CorrectCount = 20;
  Form1->IncorrectCount = 5;
  Form1->DrillStart = clock_.now - 100999;
  std::string atShow;
  OnShow spy([&] { atShow = ReadFile(kHighScoreFileName); });
  Form2->installEventFilter(&spy);
  QTimer::singleShot(0, [] { Form2->accept(); });
  Form1->Button1Click();  // END, as the counters above would allow it
  Form2->removeEventFilter(&spy);
  EXPECT_EQ(atShow, "1\r\n38961 20 5 5 1620\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(Form1->CorrectCount, 0);

  Form1->CorrectCount = 99;
  DrillResult ended;
  ended.correct = 20;
  ended.incorrect = 5;
  ended.endedAt = 100999;
  ended.filtersUsed = true;
  ended.filters.ModeCode = 4;
  ended.cardinalityIndex = 1;
  EndOfDrill files;
  files.score = ComputeScoreResult(20, 5, 100999);
  Form2->ShowEndedDrill(ended, files);
  EXPECT_EQ(Formula(), "5.0 2000 80.0% 20 1620");
  EXPECT_EQ(DownButtons(), QStringList({"one-octave", "TETRACHORDS"}));
  EXPECT_FALSE(Form2->FilterLabel->isHidden());
  EXPECT_EQ(Form2->ListBox->count(), 0);
  QTimer::singleShot(0, [] { Form2->accept(); });
  Form2->ShowModal();
  EXPECT_EQ(ReadFile(kHighScoreFileName), atShow);
}
