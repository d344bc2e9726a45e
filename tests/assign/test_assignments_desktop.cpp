// Class > "Assignments" in the drill window: each student of the fixture
// class sees the statuses worked out by hand, through the core's judge;
// "Start" drills the assignment without touching the student's saved
// filters and "Stop" gives them back; the teacher's editor writes what it shows.
#include <QAction>
#include <QAbstractItemModel>
#include <QDir>
#include <QTableView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QScreen>
#include <QTreeWidget>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "AssignFixture.h"
#include "AssignmentEditor.h"
#include "AssignmentsForm.h"
#include "AssignmentsMenu.h"
#include "ClassOverview.h"
#include "ClassServer.h"
#include "EventLoop.h"
#include "ClassMenu.h"
#include "DataFile.h"
#include "DrillWindowTest.h"
#include "Storage.h"
#include "Sxlogin.h"

namespace {

constexpr int32_t kToday = 45000;  // a Wednesday

// With SONORIX_SCREENSHOTS naming a folder, under a real X server
// (xvfb-run -s "-screen 0 1280x760x24"), the screen as the README shows it.
bool Shooting() {
  const char* dir = std::getenv("SONORIX_SCREENSHOTS");
  return dir && *dir;
}
void SaveScreen(const QString& name) {
  if (!Shooting()) return;
  QTest::qWait(300);
  QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(std::getenv("SONORIX_SCREENSHOTS")) +
                                                       "/" + name);
}

class AssignmentsDesktopTest : public DrillWindowTest {
 protected:
  void SetUp() override {
    clock_.today = kToday;
    DrillWindowTest::SetUp();
    if (HasFatalFailure()) return;
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Load("ftclass.dat"));
    lists_ = ListsOf(catalogue);
    const assign_fixture::ClassFiles c = assign_fixture::MakeClass(lists_, kToday);
    dir_.Write("report.dat", c.report);
    dir_.Write("practice.dat", c.practice);
    dir_.Write("people.dat", c.people);
    dir_.Write("assignments.txt", c.assignments);
  }
  // "Bob: late/0 of 2 drills, ..." as the window's rows show it.
  static std::string Seen(const std::string& name, const TAssignmentsForm& form) {
    std::string text = name + ":";
    for (int r = 0; r < form.List->topLevelItemCount(); ++r) {
      const QStringList cells = form.RowTexts(r);
      text += (r ? ", " : " ") + (cells[3] + "/" + cells[2]).toStdString();
    }
    return text;
  }
  PracticeLists lists_;
};

TEST_F(AssignmentsDesktopTest, EachStudentSeesTheStatusesOfTheFixtureClass) {
  CreateAndShowLoggedIn("Ann");
  TAssignmentsMenu* menu = TAssignmentsMenu::Of(Form1);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(TClassMenu::Of(Form1)->Class1->actions().contains(menu->Assignments1));
  const std::vector<std::string> names = {"Ann", "Bob", "Cleo", "Dan"};
  for (size_t i = 0; i < names.size(); ++i) {
    Form1->CurrentPersonName = names[i];
    TAssignmentsForm form(*menu, Form1);
    ASSERT_EQ(form.List->topLevelItemCount(), 3);
    EXPECT_EQ(Seen(names[i], form), assign_fixture::Expected()[i]);
  }
  // The damaged line is named; the first assignment's instructions are shown.
  TAssignmentsForm form(*menu, Form1);
  EXPECT_TRUE(form.Message->text().contains("line 5")) << form.Message->text().toStdString();
  EXPECT_EQ(form.Instructions->text(), "Two chords only.");
  EXPECT_EQ(form.RowTexts(0)[0], "Pair drills");
  EXPECT_EQ(form.RowTexts(0)[1], DayText(kToday - 1));

  // After a login, the status line says what is still due this week, for a screen reader too.
  Form1->CurrentPersonName = "Bob";
  emit LoginForm->finished(QDialog::Accepted);
  QApplication::processEvents();
  const QString due = "1 assignment due this week: Practice time by " + DayText(kToday + 4);
  EXPECT_EQ(menu->DueLabel->text(), due);
  EXPECT_EQ(menu->DueLabel->accessibleName(), due);
  EXPECT_TRUE(Form1->statusBar()->isVisible());
  Form1->CurrentPersonName = "Ann";
  emit LoginForm->finished(QDialog::Accepted);
  QApplication::processEvents();
  EXPECT_EQ(menu->DueLabel->text(), "");

  if (Shooting()) {
    // The teacher's view: the list with its buttons, and the editor beside it.
    Form1->hide();
    TAssignmentsForm teacher(*menu);
    teacher.List->setCurrentItem(teacher.List->topLevelItem(2));
    teacher.move(10, 10);
    teacher.resize(660, 420);
    teacher.show();
    TAssignmentEditor editor(teacher.Assignments()[2], lists_);
    editor.setWindowTitle(TAssignmentsForm::tr("Edit Assignment"));
    editor.move(690, 10);
    editor.show();
    SaveScreen("desktop-assignments-teacher.png");
  }
}

// Joined to a class on a server, its password not remembered: the data
// folder's assignments.txt is not the class's, so neither the window nor the
// notice after the login shows it; the window says how to read the class's.
TEST_F(AssignmentsDesktopTest, AClassJoinedWithoutItsPasswordShowsNoOtherAssignments) {
  ASSERT_TRUE(DataStorage().Replace(AccountFile("classlink.dat"),
                                    "address https://class.example/Theory%201/\r\naccount bob\r\n"));
  CreateAndShowLoggedIn("Bob");
  TAssignmentsMenu* menu = TAssignmentsMenu::Of(Form1);
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(TClassMenu::Of(Form1)->Link().Joined());
  EXPECT_TRUE(menu->PasswordNeeded());
  emit LoginForm->finished(QDialog::Accepted);
  QApplication::processEvents();
  EXPECT_EQ(menu->DueLabel->text(), "");  // Bob has one due this week in the data folder's file
  TAssignmentsForm form(*menu, Form1);
  EXPECT_EQ(form.List->topLevelItemCount(), 0);
  EXPECT_TRUE(form.Message->text().contains("Class Password")) << form.Message->text().toStdString();
  EXPECT_EQ(form.Message->accessibleName(), form.Message->text());
}

TEST_F(AssignmentsDesktopTest, StartDrillsTheAssignmentAndStopGivesTheOwnSettingsBack) {
  // Bob's own: all tetrachords within two octaves, as a mixed figure.
  dir_.Write("filters.dat", FormatFiltersFile({kAllTetrachordsLow, kAllTetrachordsHigh, 5}));
  CreateAndShowLoggedIn("Bob", 1);
  Form1->RadioGroup->SetItemIndex(2);
  const std::string saved = ReadFile("filters.dat");
  const QString title = Form1->windowTitle();
  const FilterModel& model = Form1->Session().filters;
  const DrillSettings own = SettingsOf(model);
  ASSERT_EQ(own.filters.ModeCode, 5);

  TAssignmentsMenu* menu = TAssignmentsMenu::Of(Form1);
  TAssignmentsForm form(*menu, Form1);
  form.List->setCurrentItem(form.List->topLevelItem(0));
  ASSERT_TRUE(form.StartButton->isEnabled());
  form.StartButton->click();
  EXPECT_TRUE(Form1->windowTitle().contains("Pair drills")) << Form1->windowTitle().toStdString();
  ASSERT_EQ(Form1->ListBox->count(), 2);
  EXPECT_EQ(RowClass(0).name, "1");  // 3-1 and 3-11, after the "3 -" prefix
  EXPECT_EQ(RowClass(1).name, "11");
  EXPECT_EQ(Form1->RadioGroup1->ItemIndex(), 0);
  EXPECT_EQ(Form1->RadioGroup2->ItemIndex(), 0);
  EXPECT_EQ(Form1->RadioGroup->ItemIndex(), 0);
  EXPECT_TRUE(form.StopButton->isEnabled());
  // A drill of it counts for it: the filter record is exactly the assigned one.
  EXPECT_EQ(SettingsOf(model).filters.LowMask, assign_fixture::Filter(lists_, {"3-1", "3-11"}, 0).LowMask);
  menu->TellWhatIsDue();
  if (Shooting()) {
    // A student of a lab's shared folder, who may not change the assignments.
    SetSharedDataFolder(dir_.Path("config"), dir_.Path("kept"));
    SetAccountIsTeacher(false);
    TAssignmentsForm student(*menu, Form1);
    SetSharedDataFolder("", "");
    student.List->setCurrentItem(student.List->topLevelItem(0));
    student.Message->setText(form.Message->text());
    Form1->move(10, 10);
    student.move(Form1->frameGeometry().right() + 20, 10);
    student.resize(740, 380);
    student.show();
    SaveScreen("desktop-assignments-student.png");
  }
  // The selectors changed meanwhile are not the student's own settings.
  Form1->RadioGroup2->SetItemIndex(1);
  EXPECT_EQ(ReadFile("filters.dat"), saved);

  form.StopButton->click();
  EXPECT_EQ(SettingsOf(model), own);
  EXPECT_EQ(Form1->RadioGroup->ItemIndex(), 2);
  EXPECT_EQ(Form1->RadioGroup2->ItemIndex(), 2);
  EXPECT_EQ(Form1->ListBox->count(), kTetrachordCount);
  EXPECT_EQ(Form1->windowTitle(), title);
  EXPECT_EQ(ReadFile("filters.dat"), saved);
  EXPECT_FALSE(form.StopButton->isEnabled());
}

// What the editor shows is what it gives back, for every kind of goal.
TEST_F(AssignmentsDesktopTest, TheTeachersEditorGivesBackWhatItShows) {
  const AssignmentFile file = ParseAssignments(ReadFile("assignments.txt"));
  for (const Assignment& a : file.assignments) {
    TAssignmentEditor editor(a, lists_);
    EXPECT_EQ(editor.Result(), a) << a.title;
  }
  TAssignmentEditor editor(file.assignments[0], lists_);
  // Tetrachords: the boxes of that list, in catalogue order, all on at first.
  editor.CardinalityBox->setCurrentIndex(1);
  ASSERT_EQ(editor.ClassBoxes.size(), static_cast<size_t>(kTetrachordCount));
  EXPECT_EQ(editor.ClassBoxes[0]->text(), "4-1");
  EXPECT_TRUE(editor.Result().allClasses);
  for (QCheckBox* box : editor.ClassBoxes) box->setChecked(box->text() == "4-Z15");
  editor.GoalBox->setCurrentIndex(1);
  EXPECT_FALSE(editor.RightBox->isVisibleTo(&editor));
  editor.CountBox->setValue(25);
  editor.DueEdit->setDate(editor.StartEdit->date().addDays(-1));
  editor.accept();
  EXPECT_FALSE(editor.Problem->text().isEmpty());  // due before the start: not taken
  editor.DueEdit->setDate(editor.StartEdit->date().addDays(3));
  const Assignment got = editor.Result();
  EXPECT_EQ(got.cardinality, 4);
  EXPECT_EQ(got.classes, std::vector<std::string>{"4-Z15"});
  EXPECT_EQ(got.goal, AssignmentGoal::Minutes);
  EXPECT_EQ(got.count, 25);
  EXPECT_EQ(got.due, got.start + 3);
  EXPECT_EQ(ParseAssignments(FormatAssignments({got})).assignments, std::vector<Assignment>{got});
}

}  // namespace

// The Class Overview of the fixture's data folder: a column per assignment
// with the statuses worked out by hand (Dan, who never drilled, has a row);
// "Due this week" keeps the assignments due Monday to Sunday; the CSV and
// the printed report carry what the window shows.
TEST_F(AssignmentsDesktopTest, ClassOverviewShowsEachAssignmentAndWhatIsDueThisWeek) {
  TClassOverviewForm window;
  window.LoadFolder();
  ASSERT_TRUE(ProcessEventsUntil([&window] { return !window.Loading(); }));
  const QAbstractItemModel* model = window.ClassTable->model();
  const int first = ClassTableModel::kColumns;
  const auto seen = [&](int row) {
    std::string text = model->index(row, ClassTableModel::kName).data().toString().toStdString() + ":";
    for (int c = first; c < model->columnCount(); ++c)
      text += (c > first ? ", " : " ") +
              model->index(row, c).data().toString().replace(QStringLiteral(", "), QStringLiteral("/")).toStdString();
    return text;
  };
  ASSERT_EQ(model->columnCount(), first + 3);
  EXPECT_EQ(model->headerData(first + 2, Qt::Horizontal).toString(), "First try");
  std::vector<std::string> rows;
  for (int r = 0; r < model->rowCount(); ++r) rows.push_back(seen(r));
  EXPECT_EQ(rows, assign_fixture::Expected());

  // Sorting by an assignment puts the late first and the done last.
  window.ClassTable->sortByColumn(first, Qt::AscendingOrder);
  EXPECT_EQ(seen(model->rowCount() - 1).substr(0, 4), "Ann:");

  // Wednesday: Pair drills was due yesterday, Practice time on Sunday; First try next Wednesday.
  window.DueThisWeekBox->setChecked(true);
  ASSERT_EQ(model->columnCount(), first + 2);
  EXPECT_EQ(model->headerData(first, Qt::Horizontal).toString(), "Pair drills");
  EXPECT_EQ(model->headerData(first + 1, Qt::Horizontal).toString(), "Practice time");

  const QString csvFile = QDir::current().filePath("class.csv");
  ASSERT_TRUE(window.ExportCsv(csvFile));
  const std::string csv = dir_.Read("class.csv");
  EXPECT_NE(csv.find(",Pair drills status,Pair drills progress,Practice time status,Practice time progress\r\n"),
            std::string::npos);
  EXPECT_EQ(csv.find("First try"), std::string::npos);
  EXPECT_NE(csv.find(",late,0 of 2 drills,not started,0 of 10 minutes\r\n"), std::string::npos);  // Dan
  const QString html = window.ReportHtml();
  EXPECT_TRUE(html.contains("Pair drills") && html.contains("in progress, 3 of 10 minutes"));
  EXPECT_FALSE(html.contains("First try"));
}

// A class on its server: the teacher's overview judges each account folder
// against the class's assignments.txt, every record in it the account's.
TEST_F(AssignmentsDesktopTest, ClassOverviewOnTheServerJudgesEachAccountsFolder) {
  // The reader's cache in the scratch folder, not the account's.
  struct CacheHere {
    QByteArray old = qgetenv("XDG_CACHE_HOME");
    explicit CacheHere(const std::string& folder) { qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(folder)); }
    ~CacheHere() { old.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", old); }
  } cache(dir_.Path("cache"));
  ClassServer server;
  ASSERT_TRUE(server.Ready()) << "Apache did not start";
  const assign_fixture::ClassFiles c = assign_fixture::MakeClass(lists_, kToday);
  std::map<std::string, std::string> report, practice;
  std::string person;
  for (size_t at = 0; at < c.report.size();) {
    const size_t next = std::min(c.report.find("\r\n", at + 2), c.report.size());
    const std::string line = c.report.substr(at, next - at);
    if (line.rfind("\r\nS ", 0) == 0) person = line.substr(line.rfind(' ') + 1);
    report[person] += line;
    at = next;
  }
  for (size_t at = 0; at < c.practice.size();) {
    const size_t next = c.practice.find("\r\n", at) + 2;
    const std::string line = c.practice.substr(at, next - at);
    for (const char* name : {"Ann", "Bob", "Cleo"})
      if (line.find(name) != std::string::npos) practice[name] += line;
    at = next;
  }
  const auto put = [&server](const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(server.OnDiskPath(path)).parent_path());
    std::ofstream(server.OnDiskPath(path), std::ios::binary) << bytes;
  };
  put("assignments.txt", c.assignments);
  for (const char* name : {"Ann", "Bob", "Cleo"}) {
    std::string account = name;
    account[0] = static_cast<char>(std::tolower(account[0]));
    // Under another name in the log: still the account's.
    put(account + "/report.dat.d1.00000001", report[name]);
    put(account + "/practice.dat.d1.00000001", practice[name]);
  }

  TClassOverviewForm window;
  window.LoadServerClass({ParseClassAddress(server.Class()).address, {"teacher", "t-pw"}});
  ASSERT_TRUE(ProcessEventsUntil([&window] { return !window.Loading(); }));
  const QAbstractItemModel* model = window.ClassTable->model();
  const int first = ClassTableModel::kColumns;
  ASSERT_EQ(model->columnCount(), first + 3) << window.FolderLabel->text().toStdString();
  std::map<std::string, std::string> seen;
  for (int r = 0; r < model->rowCount(); ++r) {
    std::string text;
    for (int col = first; col < model->columnCount(); ++col)
      text += (col > first ? ", " : " ") +
              model->index(r, col).data().toString().replace(QStringLiteral(", "), QStringLiteral("/")).toStdString();
    seen[model->index(r, ClassTableModel::kName).data().toString().toStdString()] = text;
  }
  const std::vector<std::string> expected = assign_fixture::Expected();
  EXPECT_EQ("Ann:" + seen["ann"], expected[0]);
  EXPECT_EQ("Bob:" + seen["bob"], expected[1]);
  EXPECT_EQ("Cleo:" + seen["cleo"], expected[2]);
}
