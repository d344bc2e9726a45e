#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QXYSeries>
#include <filesystem>

#include "ClassOverview.h"
#include "ClassTable.h"
#include "ConfusionWindow.h"
#include "EventLoop.h"
#include "NotationView.h"
#include "SessionLog.h"
#include "ProgressMenu.h"
#include "ProgressWindow.h"
#include "ReportReader.h"
#include "SetClassPlayer.h"
#include "DrillWindowTest.h"

namespace {

class ProgressTest : public DrillWindowTest {
 protected:
  static TProgressMenu* Menu() { return TProgressMenu::Of(Form1); }

  // What the menu offers when it opens.
  static bool WindowsOffered() {
    QMenu* menu = Menu()->Progress1;
    menu->popup(QPoint(0, 0));
    const bool offered = Menu()->MyProgress1->isEnabled() && Menu()->Confusions1->isEnabled();
    menu->hide();
    return offered;
  }

  // BEGIN; the notes of the first question.
  std::vector<int> Begin() {
    const size_t mark = Mark();
    Form1->Button1->click();
    return HeardSince(mark);
  }

  // The right answer; the notes of the next question.
  std::vector<int> Right(const std::vector<int>& question) {
    const size_t mark = Mark();
    AnswerByTyping(RowFor(question));
    return HeardSince(mark);
  }

  // END; the fixture closes the score window it shows.
  static void End() { Form1->Button1->click(); }

  static QString Plain(QString text) { return text.remove('&'); }
};

TEST_F(ProgressTest, MenuSitsBeforeHelpAndItsWindowsWaitForTheDrillToEnd) {
  CreateAndShowLoggedIn();
  QStringList titles;
  for (QAction* a : Form1->MainMenu1->actions()) titles << Plain(a->text());
  const auto progress = titles.indexOf("Progress");
  EXPECT_EQ(titles.indexOf("MIDI") + 1, progress);
  EXPECT_EQ(titles.indexOf("Help"), progress + 1);
  EXPECT_FALSE(Menu()->PlayMyWrongAnswers1->isChecked());
  EXPECT_TRUE(WindowsOffered());

  std::vector<int> q = Begin();
  EXPECT_FALSE(WindowsOffered());
  Menu()->Confusions1->trigger();  // would block on a modal window if it opened
  const int wrongRow = WrongRowFor(q);
  AnswerByTyping(wrongRow);
  for (int i = 0; i < 5; ++i) q = Right(q);
  EXPECT_FALSE(WindowsOffered());
  End();
  ASSERT_FALSE(Form1->Drilling);
  EXPECT_TRUE(WindowsOffered());

  // The drill just ended stays there to study after the drill window cleared it.
  ASSERT_TRUE(Menu()->LastDrill.has_value());
  TConfusionForm window(Form1);
  window.LoadStats(Menu()->LastDrill);
  EXPECT_EQ(window.SourceBox->count(), 2);
  EXPECT_EQ(window.SourceBox->currentIndex(), 1);
  int64_t answers = 0, right = 0;
  for (int r = 0; r < 12; ++r) {
    answers += window.Shown(0).RowTotal(r);
    right += window.Shown(0).counts[static_cast<size_t>(r)][static_cast<size_t>(r)];
  }
  EXPECT_EQ(answers, 6);
  EXPECT_EQ(right, 5);
  // The next BEGIN forgets it.
  q = Begin();
  EXPECT_FALSE(Menu()->LastDrill.has_value());
}

struct DrillRun {
  std::vector<int> questionNotes;              // everything heard but after wrong answers
  std::vector<std::vector<int>> afterWrong;    // heard right after each wrong answer
  std::vector<std::string> namedClasses;       // the set class each wrong answer named
  std::vector<uint32_t> sleeps;
  int correct = 0, incorrect = 0;
  std::string sessionStats;
  std::vector<std::pair<int, int>> segments;   // logged right and wrong
  int unverified = -1;
};

TEST_F(ProgressTest, WrongAnswersSoundOnlyWhenChosenAndCountAsBefore) {
  auto play = [this](bool on) {
    DrillRun run;
    CreateAndShowLoggedIn();
    if (on) Menu()->PlayMyWrongAnswers1->trigger();
    ClearRecords();
    std::vector<int> q = Begin();
    run.questionNotes = q;
    for (int k = 0; k < 3; ++k) {
      const int row = WrongRowFor(q, k);
      const QuestionState before = Form1->question;
      size_t mark = Mark();
      AnswerByTyping(row);
      run.afterWrong.push_back(HeardSince(mark));
      run.namedClasses.push_back(RowClass(row).name);
      // The question stays, and F1 repeats it.
      EXPECT_TRUE(std::equal(before.sortedNotes, before.sortedNotes + 4, Form1->question.sortedNotes));
      mark = Mark();
      QTest::keyClick(Form1->Edit1, Qt::Key_F1);
      EXPECT_EQ(HeardSince(mark), q);
      run.questionNotes.insert(run.questionNotes.end(), q.begin(), q.end());
      if (on && !run.afterWrong.back().empty()) {
        EXPECT_EQ(FormHeard(run.afterWrong.back(), RowClass(row).prime), 0) << RowClass(row).name;
      }
      q = Right(q);
      run.questionNotes.insert(run.questionNotes.end(), q.begin(), q.end());
    }
    for (int i = 0; i < 2; ++i) {
      q = Right(q);
      run.questionNotes.insert(run.questionNotes.end(), q.begin(), q.end());
    }
    run.sleeps = clock_.sleeps;
    run.correct = Form1->CorrectCount;
    run.incorrect = Form1->IncorrectCount;
    run.sessionStats = FormatErrorStats(ErrorReport->SessionStats);
    End();
    const ReportLog log = ParseReportLog(ReadFile("report.dat"));
    run.unverified = log.unverified;
    for (const LoggedDrill& d : log.drills)
      for (const LoggedSegment& s : d.segments) run.segments.emplace_back(s.correct, s.incorrect);
    return run;
  };

  const DrillRun off = play(false);
  EXPECT_FALSE(Exists("sonorix.ini"));
  DestroySonorixWindows();
  for (const char* name : {"report.dat", "errors.dat", "filters.dat", "people.dat", "hiscore.dat"})
    std::filesystem::remove(dir_.Root() / name);
  const DrillRun on = play(true);

  for (const auto& heard : off.afterWrong) EXPECT_TRUE(heard.empty());
  EXPECT_TRUE(off.sleeps.empty());
  ASSERT_EQ(on.afterWrong.size(), 3u);
  for (const auto& heard : on.afterWrong) {
    ASSERT_EQ(heard.size(), 3u);
    for (int note : heard) EXPECT_TRUE(note >= 43 && note <= 67);
  }
  EXPECT_EQ(on.sleeps, (std::vector<uint32_t>{kAfterWrongAnswerMs, kAfterWrongAnswerMs, kAfterWrongAnswerMs}));
  // Same questions, same counts, same statistics, same log.
  EXPECT_EQ(on.questionNotes, off.questionNotes);
  EXPECT_EQ(on.namedClasses, off.namedClasses);
  EXPECT_EQ(on.correct, off.correct);
  EXPECT_EQ(on.incorrect, 3);
  EXPECT_EQ(on.incorrect, off.incorrect);
  EXPECT_EQ(on.sessionStats, off.sessionStats);
  EXPECT_EQ(on.segments, off.segments);
  EXPECT_EQ(on.segments, (std::vector<std::pair<int, int>>{{5, 3}}));
  EXPECT_EQ(on.unverified, 0);

  // The choice is kept in our own settings file and comes back.
  const std::string ini = ReadFile("sonorix.ini");
  EXPECT_NE(ini.find("[Progress]"), std::string::npos);
  EXPECT_NE(ini.find("PlayWrongAnswers=true"), std::string::npos);
  DestroySonorixWindows();
  CreateAndShowLoggedIn();
  EXPECT_TRUE(Menu()->PlayMyWrongAnswers1->isChecked());
}

TEST_F(ProgressTest, ConfusionCellPlaysTheClassAskedThenTheOneAnswered) {
  CreateAndShowLoggedIn();
  ErrorStats stats{};
  for (int i = 0; i < 6; ++i) AddCorrectAnswer(stats, 10, 0, 0);
  for (int i = 0; i < 3; ++i) AddWrongAnswer(stats, 10, 0, 0, 9);
  AddWrongAnswer(stats, 10, 0, 0, 0);
  dir_.Write("errors.dat", FormatErrorStats(stats));
  Form1->RadioGroup2->SetItemIndex(2);  // within 2 octaves
  Form1->RadioGroup->SetItemIndex(1);   // figure

  TConfusionForm window(Form1);
  window.LoadStats(std::nullopt);
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(window.SourceBox->count(), 1);
  QTableWidget* m = window.Matrix[0];
  EXPECT_EQ(m->verticalHeaderItem(10)->text(), "3-11");
  EXPECT_EQ(m->horizontalHeaderItem(9)->text(), "3-10");
  EXPECT_EQ(m->item(10, 9)->text(), "30");
  EXPECT_EQ(m->item(10, 10)->text(), "60");
  EXPECT_EQ(m->item(10, 12)->text(), "60.0");
  EXPECT_EQ(m->item(10, 5)->text(), "");
  EXPECT_EQ(m->item(3, 3)->text(), "");  // no answers
  EXPECT_EQ(m->item(3, 12)->text(), "–");

  ClearRecords();
  QTest::mouseClick(m->viewport(), Qt::LeftButton, {}, m->visualItemRect(m->item(10, 9)).center());
  const std::vector<int> heard = PutNotes();
  ASSERT_EQ(heard.size(), 6u);
  const std::vector<int> asked(heard.begin(), heard.begin() + 3), answered(heard.begin() + 3, heard.end());
  EXPECT_EQ(FormHeard(asked, RowClass(10).prime), 0);
  EXPECT_EQ(FormHeard(answered, RowClass(9).prime), 0);
  EXPECT_EQ(clock_.sleeps, (std::vector<uint32_t>{kBetweenClassesMs}));
  EXPECT_EQ(clock_.waits.size(), 4u);  // two figures of three notes
  for (int note : heard) EXPECT_TRUE(note >= 43 && note <= 67);
  // Both classes shown too, from middle C, with the interval classes that set them apart.
  ASSERT_TRUE(window.Picture->isVisible());
  EXPECT_TRUE(window.Picture->TextEquivalent().startsWith("Asked: C4, E♭4, G4: 3-11, prime form 0 3 7. Answered: C4, E♭4, G♭4: 3-10"))
      << window.Picture->TextEquivalent().toStdString();
  EXPECT_EQ(window.Picture->DifferingIntervalClasses(), (std::vector<int>{3, 4, 5, 6}));

  // Nothing plays during a drill.
  Begin();
  ClearRecords();
  window.PlayCell(0, 10, 9);
  EXPECT_TRUE(PutNotes().empty());
}

TEST_F(ProgressTest, MyProgressShowsTheDrillsPlayedAndExportsThem) {
  CreateAndShowLoggedIn("Mary Ann Lee");
  // An eligible drill: one wrong answer, five right ones, 30 seconds.
  std::vector<int> q = Begin();
  AnswerByTyping(WrongRowFor(q));
  for (int i = 0; i < 5; ++i) q = Right(q);
  clock_.now += 30000;
  End();
  // A drill whose range changes midway.
  q = Begin();
  for (int i = 0; i < 2; ++i) q = Right(q);
  clock_.now += 10000;
  Form1->RadioGroup2->SetItemIndex(1);
  for (int i = 0; i < 4; ++i) q = Right(q);
  clock_.now += 8000;
  Form1->RadioGroup->SetItemIndex(1);  // heard as a figure from here on
  End();
  dir_.Write("report.dat", ReadFile("report.dat") + "\r\nD 9 9 9 9");

  TProgressForm window(Form1);
  window.LoadLog("Mary Ann Lee");
  ASSERT_EQ(window.PersonBox->count(), 1);
  EXPECT_EQ(window.PersonBox->currentText(), "Mary Ann Lee");
  EXPECT_TRUE(window.NoteLabel->text().contains("1 of 9 records"));
  QTableWidget* t = window.DrillTable;
  ASSERT_EQ(t->rowCount(), 2);
  auto row = [t](int r) {
    QStringList cells;
    for (int c = 0; c < t->columnCount(); ++c) cells << t->item(r, c)->text();
    return cells.join('|').toStdString();
  };
  // The time of day each drill began, and how it was played.
  const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d$"));
  EXPECT_TRUE(time.match(t->item(0, 1)->text()).hasMatch()) << t->item(0, 1)->text().toStdString();
  EXPECT_TRUE(time.match(t->item(1, 1)->text()).hasMatch());
  t->item(0, 1)->setText("T");
  t->item(1, 1)->setText("T");
  EXPECT_EQ(row(0), "2006-09-01|T|close position|trichords|chord|5|1|83.3|6.0|yes");
  EXPECT_EQ(row(1), "2006-09-01|T|close position / within 1 octave|trichords|chord, figure|6|0|100.0|3.0|no");
  // One day of drills: a point per drill, not one dot per day.
  EXPECT_TRUE(window.ChartsPerDrill());
  EXPECT_EQ(window.AccuracyChart->chart()->series().size(), 2);
  int points = 0;
  for (QAbstractSeries* series : window.AccuracyChart->chart()->series())
    points += static_cast<int>(static_cast<QXYSeries*>(series)->count());
  EXPECT_EQ(points, 3);  // drill 1 in one mode, drill 2 in two
  EXPECT_EQ(window.PracticeChart->chart()->series().size(), 1);
  // What a reader hears of the charts and of the person chosen.
  EXPECT_EQ(window.AccuracyChart->accessibleDescription().toStdString(),
            "accuracy (tri, close) rose from 83 % to 100 % over 2 drills; "
            "accuracy (tri, 1 oct) stayed at 100 % over 1 drill.");
  EXPECT_EQ(window.SpeedChart->accessibleDescription().toStdString(),
            "seconds per right answer (tri, close) fell from 6.0 to 3.3 over 2 drills; "
            "seconds per right answer (tri, 1 oct) stayed at 2.7 over 1 drill.");
  EXPECT_EQ(window.PracticeChart->accessibleDescription().toStdString(), "Practice over 1 week: 1 min in all, 1 min in the latest week.");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.PersonBox)->text(QAccessible::Description).toStdString(),
            "Showing Mary Ann Lee");
  // Tab leaves the table (the arrow keys walk its cells).
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  t->setFocus();
  t->setCurrentCell(0, 0);
  QTest::keyClick(t, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window.ExportButton);
  QTest::keyClick(window.ExportButton, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window.CloseButton);

  const std::string csv = dir_.Path("progress.csv");
  ASSERT_TRUE(window.ExportCsv(QString::fromStdString(csv)));
  EXPECT_EQ(ReadFile("progress.csv"), ProgressCsv("Mary Ann Lee", window.Drills()));
  EXPECT_EQ(ReadFile("progress.csv").substr(0, 5), "Name,");
}

TEST_F(ProgressTest, ExportStartsInDocumentsAndThenInTheFolderUsedLast) {
  const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
  const std::filesystem::path home = dir_.Root() / "home";
  std::filesystem::create_directories(home / ".config");
  qputenv("HOME", QByteArray::fromStdString(home.string()));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home / ".config").string()));
  const QString homePath = QString::fromStdString(home.string());

  // No Documents folder: the home folder, never the hidden data folder.
  EXPECT_EQ(TProgressForm::ExportFolder(), homePath);
  std::filesystem::create_directories(home / "Documents");
  EXPECT_EQ(TProgressForm::ExportFolder(), homePath + "/Documents");
  CreateAndShowLoggedIn("Ann");
  TProgressForm window(Form1);
  window.LoadLog("Ann");
  EXPECT_EQ(window.SuggestedExportPath(), homePath + "/Documents/progress-Ann.csv");

  // The folder used last is remembered, while it exists.
  std::filesystem::create_directories(home / "class");
  ASSERT_TRUE(window.ExportTo(homePath + "/class/ann.csv"));
  EXPECT_EQ(TProgressForm::ExportFolder(), homePath + "/class");
  EXPECT_NE(ReadFile("sonorix.ini").find("ExportFolder="), std::string::npos);
  std::filesystem::remove_all(home / "class");
  EXPECT_EQ(TProgressForm::ExportFolder(), homePath + "/Documents");
  EXPECT_FALSE(window.ExportTo(homePath + "/class/ann.csv"));

  qputenv("HOME", oldHome);
  if (oldConfig.isNull()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", oldConfig);
  }
}

// The account's cache folder in a test's scratch folder while it lives.
class ScratchCache {
 public:
  explicit ScratchCache(const std::string& folder) : old_(qgetenv("XDG_CACHE_HOME")) {
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(folder));
  }
  ~ScratchCache() {
    if (old_.isNull())
      qunsetenv("XDG_CACHE_HOME");
    else
      qputenv("XDG_CACHE_HOME", old_);
  }

 private:
  QByteArray old_;
};

// One eligible drill of day 45000 in the log, as the drill window writes it;
// `tamper` is added to its check value.
std::string DrillRecords(const std::string& name, int right, int wrong, int seconds, double tamper = 0) {
  return "\r\n" + StartRecordText(45000, 0, name) + "\r\n" + FilterRecordText(FilterState{4095, 0, 0}) + "\r\n" +
         SegmentRecordText(right, wrong, seconds, SegmentCheckValue(name, 45000, right, wrong) + tamper);
}

// The overview reads off the GUI thread, shows what its model computes, keeps
// an unchanged folder's figures in the account's cache, and can be stopped.
TEST_F(ProgressTest, ClassOverviewReadsInTheBackgroundAndFromTheCache) {
  const ScratchCache cache(dir_.Path("cache"));
  std::string log;
  for (const auto& [name, right, seconds] : {std::tuple{"Ann", 8, 117}, {"Bob", 2, 30}})
    log += DrillRecords(name, right, 1, seconds);
  dir_.Write("report.dat", log + "\r\nD 1 1 1 1");
  const auto open = [](TClassOverviewForm& window) {
    window.LoadFolder();
    return ProcessEventsUntil([&window] { return !window.Loading(); });
  };
  {
    TClassOverviewForm window;
    ASSERT_TRUE(open(window));
    EXPECT_FALSE(window.FromCache());
    QAbstractItemModel* model = window.ClassTable->model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->index(0, 0).data().toString(), "Ann");
    EXPECT_EQ(model->index(0, 3).data().toString(), "1:57");
    EXPECT_EQ(model->index(2, 0).data().toString(), "(unknown)");
    // Sorted by a number, not by its text: Bob's 0:30 before Ann's 1:57.
    window.ClassTable->sortByColumn(3, Qt::AscendingOrder);
    EXPECT_EQ(model->index(1, 0).data().toString(), "Bob");
    EXPECT_TRUE(window.ExportButton->isEnabled());

    const std::string pdf = dir_.Path("class.pdf");
    ASSERT_TRUE(window.SavePdf(QString::fromStdString(pdf)));
    EXPECT_EQ(ReadFile("class.pdf").substr(0, 4), "%PDF");
    const QString html = window.ReportHtml();
    EXPECT_TRUE(html.contains("from 2023-03-15 to 2023-03-15")) << html.toStdString();
    EXPECT_TRUE(html.contains("<b>1 oct 4</b>: within 1 octave, tetrachords."));
  }
  {
    TClassOverviewForm window;
    ASSERT_TRUE(open(window));
    EXPECT_TRUE(window.FromCache());
    EXPECT_EQ(window.Rows().size(), 3u);
  }
  dir_.Write("report.dat", log);
  {
    TClassOverviewForm window;
    ASSERT_TRUE(open(window));
    EXPECT_FALSE(window.FromCache());
    EXPECT_EQ(window.Rows().size(), 2u);
  }
  // Cancel stops a long read; nothing half-read is shown or cached.
  std::string longLog;
  while (longLog.size() < (6u << 20)) longLog += log;
  dir_.Write("report.dat", longLog);
  {
    TClassOverviewForm window;
    window.LoadFolder();
    window.CancelButton->click();
    ASSERT_TRUE(ProcessEventsUntil([&window] { return !window.Loading(); }));
    EXPECT_TRUE(window.Rows().empty());
    EXPECT_TRUE(window.FolderLabel->text().contains("cancelled"));
  }
  {
    TClassOverviewForm window;
    ASSERT_TRUE(open(window));
    EXPECT_FALSE(window.FromCache());
    EXPECT_EQ(window.Rows().size(), 2u);
  }
}

// A server that answers every request alike, later, as a transport must.
struct AnsweringServer : Transport {
  HttpResponse answer;
  std::vector<HttpRequest> asked;
  void Send(const HttpRequest& request, std::function<void(HttpResponse)> done) override {
    asked.push_back(request);
    QTimer::singleShot(0, [r = answer, done = std::move(done)] { done(r); });
  }
};

// A class folder, copied or on its server: a row per account folder, and a
// fault said in the window with nothing shown as read.
TEST_F(ProgressTest, ClassOverviewOpensAClassFolderCopiedOrOnItsServer) {
  const ScratchCache cache(dir_.Path("cache"));
  std::filesystem::create_directories(dir_.Path("class/ann"));
  std::filesystem::create_directories(dir_.Path("class/bob"));
  dir_.Write("class/ann/report.dat.d1.00000001", DrillRecords("Ann", 8, 1, 117));
  // Logged under Ann's name in Bob's folder: Bob's, and the tampered record his unverified one.
  dir_.Write("class/bob/report.dat.d2.00000001", DrillRecords("Ann", 6, 0, 50) + DrillRecords("Bob", 5, 0, 40, 1));
  TClassOverviewForm window;
  window.LoadClassCopy(QString::fromStdString(dir_.Path("class")));
  ASSERT_TRUE(ProcessEventsUntil([&window] { return !window.Loading(); }));
  ASSERT_EQ(window.Rows().size(), 2u);
  EXPECT_EQ(window.Rows()[0].name, "ann");
  EXPECT_EQ(window.Rows()[0].all.right, 8);
  EXPECT_EQ(window.Rows()[1].name, "bob");
  EXPECT_EQ(window.Rows()[1].all.right, 6);
  EXPECT_EQ(window.Rows()[1].unverified, 1);
  EXPECT_TRUE(window.ExportButton->isEnabled());
  EXPECT_TRUE(window.FolderLabel->text().contains("2 people, 9 records, 1 of them unverified"))
      << window.FolderLabel->text().toStdString();

  AnsweringServer server;
  server.answer = {HttpResponse::Link::Answered, 401, {}, {}, false};
  const ClassAddress address = ParseClassAddress("https://dav.school.example/class/").address;
  window.LoadServerClass({address, {"teacher", "t-pw"}}, &server);
  ASSERT_TRUE(ProcessEventsUntil([&window] { return !window.Loading(); }));
  // The assignments first; refused, the class's own read says why.
  ASSERT_EQ(server.asked.size(), 2u);
  EXPECT_EQ(server.asked[0].method, "GET");
  EXPECT_EQ(server.asked[1].method, "PROPFIND");
  EXPECT_TRUE(window.FolderLabel->text().contains("did not accept the account or the password"))
      << window.FolderLabel->text().toStdString();
  EXPECT_FALSE(window.ExportButton->isEnabled());
}

// Each column is exactly as wide as laying out every cell and heading makes
// it: names that kerning narrows below a longer one, long times, and again
// in a larger font, as a zoom gives the table.
TEST_F(ProgressTest, ClassOverviewColumnsFitTheirWidestTextAndHeading) {
  const ScratchCache cache(dir_.Path("cache"));
  std::string log;
  for (const auto& [name, seconds] : {std::tuple{"AVAVAVAVAVAVAVAVAVAVAVAV", 117}, {"HHHHHHHHHHHHHHHHHHHHH", 99999999},
                                      {"To To To To To To Tom", 8}})
    log += DrillRecords(name, 11, 1, seconds);
  dir_.Write("report.dat", log);
  TClassOverviewForm window;
  window.LoadFolder();
  ASSERT_TRUE(ProcessEventsUntil([&window] { return !window.Loading(); }));
  ASSERT_EQ(window.Rows().size(), 3u);
  QHeaderView* header = window.ClassTable->horizontalHeader();
  const auto expectLaidOut = [&](const char* when) {
    QTableView laidOut;
    laidOut.setFont(window.ClassTable->font());
    laidOut.setModel(window.ClassTable->model());
    laidOut.horizontalHeader()->setSortIndicatorShown(true);
    laidOut.resizeColumnsToContents();
    for (int c = 0; c < header->count(); ++c)
      EXPECT_EQ(window.ClassTable->columnWidth(c), laidOut.columnWidth(c)) << when << ", column " << c;
    // The names and the longest time, not their headings, set those widths.
    EXPECT_GT(laidOut.columnWidth(0), laidOut.horizontalHeader()->sectionSizeHint(0) + 20) << when;
    EXPECT_GT(laidOut.columnWidth(3), laidOut.horizontalHeader()->sectionSizeHint(3)) << when;
  };
  expectLaidOut("as opened");
  QFont larger = window.ClassTable->font();
  larger.setPointSizeF(larger.pointSizeF() * 1.6);
  window.ClassTable->setFont(larger);
  window.ClassTable->resizeColumnsToContents();
  expectLaidOut("in a larger font");
}

// The table's cells look exactly as the style's own painting makes them:
// plain and right-aligned texts, a selected row, the red counts of damaged
// records, and texts too long for their column.
TEST_F(ProgressTest, ClassOverviewPaintsItsCellsAsTheStyleDoes) {
  const ScratchCache cache(dir_.Path("cache"));
  std::string log;
  for (const auto& [name, check] : {std::tuple{"Ann", 0.0}, {"Bob Tampered", 1.0}, {"Cleo", 0.0}})
    log += DrillRecords(name, 9, 2, 345, check);
  dir_.Write("report.dat", log + "\r\nD 1 1 1 1");
  TClassOverviewForm window;
  window.LoadFolder();
  ASSERT_TRUE(ProcessEventsUntil([&window] { return !window.Loading(); }));
  window.show();
  QTableView* table = window.ClassTable;
  // The first columns, then the counts of damaged records beside them.
  for (int c = 6; c < table->model()->columnCount() - 2; ++c) table->setColumnHidden(c, true);
  table->selectRow(1);
  const auto paintedBy = [table](QAbstractItemDelegate* delegate) {
    table->setItemDelegate(delegate);
    QApplication::processEvents();
    return table->grab().toImage();
  };
  const auto compare = [&](const char* what) {
    QAbstractItemDelegate* own = table->itemDelegate();
    const QImage ours = table->grab().toImage();
    const QImage styles = paintedBy(new QStyledItemDelegate(table));
    EXPECT_FALSE(ours.isNull());
    EXPECT_TRUE(ours == styles) << what;
    table->setItemDelegate(own);
  };
  QApplication::processEvents();
  compare("as shown");
  table->setColumnWidth(0, 30);
  table->setColumnWidth(3, 18);
  QApplication::processEvents();
  compare("with cut texts");
}

// The class table is a well-formed model, also sorted and through its
// resets, and sorts by value: times as numbers, the unknown row below the
// names, an empty cell below every number.
TEST(ClassTableModel, PassesTheModelTesterAndSortsByValue) {
  static QStringList failures;
  failures.clear();
  const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (context.category && QLatin1String(context.category) == QLatin1String("qt.modeltest")) failures << text;
  });
  std::vector<PersonFigures> rows(3);
  rows[0].name = "Bea";
  rows[0].verifiedDrills = 10;
  rows[0].all.seconds = 600;
  rows[0].firstDay = 45000;
  rows[0].unverified = 2;
  rows[1].name = "Al";
  rows[1].verifiedDrills = 9;
  rows[1].all.seconds = 75;
  rows[2].unknown = true;
  rows[2].all.seconds = 5;
  {
    ClassTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    QSortFilterProxyModel sorted;
    sorted.setSortRole(Qt::UserRole);
    sorted.setSourceModel(&model);
    QAbstractItemModelTester sortedTester(&sorted, QAbstractItemModelTester::FailureReportingMode::Warning);
    model.SetRows(rows);
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), ClassTableModel::kColumns);
    EXPECT_EQ(model.headerData(ClassTableModel::kAllTime, Qt::Horizontal).toString(), "Time\nin all");
    const auto column = [&sorted](int c) {
      QStringList texts;
      for (int r = 0; r < sorted.rowCount(); ++r) texts << sorted.index(r, c).data().toString();
      return texts;
    };
    sorted.sort(ClassTableModel::kName);
    EXPECT_EQ(column(ClassTableModel::kName), QStringList({"Al", "Bea", "(unknown)"}));
    // "10:00" sorts before "1:15" as text.
    sorted.sort(ClassTableModel::kAllTime);
    EXPECT_EQ(column(ClassTableModel::kAllTime), QStringList({"0:05", "1:15", "10:00"}));
    sorted.sort(ClassTableModel::kFirst, Qt::DescendingOrder);
    EXPECT_EQ(column(ClassTableModel::kFirst), QStringList({"2023-03-15", "", ""}));
    const QModelIndex damaged = model.index(0, ClassTableModel::kUnverified);
    EXPECT_EQ(damaged.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(model.index(1, ClassTableModel::kUnverified).data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(damaged.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_FALSE(model.index(0, ClassTableModel::kColumns).isValid());
    model.SetRows({});
    EXPECT_EQ(sorted.rowCount(), 0);
    model.SetRows(rows);
    EXPECT_EQ(sorted.rowCount(), 3);
  }
  qInstallMessageHandler(previous);
  EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();
}

}  // namespace
