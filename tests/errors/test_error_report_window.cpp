// The error report window after drills played through the drill window: its
// two views and boxes, clearing the cumulative file, and when it goes back to
// the session report.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <chrono>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <thread>

#include "ModalWindow.h"
#include "../drill/window/DrillWindowTest.h"
#include "DataFile.h"
#include "ErrorReportText.h"
#include "FileLock.h"

namespace {

std::string Shown() { return ErrorReport->RichEdit1->toPlainText().toStdString(); }

// The report's text for these statistics, as the field shows it: without
// the break after the last line.
std::string Expected(const ErrorStats& stats, const ReportOptions& options) {
  std::string text = ErrorReportText(stats, Form1->catalogue, options);
  if (!text.empty()) text.pop_back();
  return text;
}

// How many shown lines satisfy `match`.
int CountLines(const std::function<bool(const QString&)>& match) {
  int n = 0;
  for (const QString& line : ErrorReport->RichEdit1->toPlainText().split('\n')) n += match(line);
  return n;
}

ErrorStats Sum(ErrorStats a, const ErrorStats& b) {
  AddStats(a, b);
  return a;
}

class ErrorReportWindow : public DrillWindowTest {
 protected:
  void Begin() {
    mark_ = Mark();
    Form1->Button1->click();
    ASSERT_TRUE(Form1->Drilling);
  }

  // Answers n questions, every third one wrongly first; returns how many
  // set classes were asked.
  int Play(int n) {
    std::set<int> asked;
    for (int q = 0; q < n; ++q) {
      const std::vector<int> heard = HeardSince(mark_);
      const int row = RowFor(heard);
      if (row < 0) {
        ADD_FAILURE() << "no row names the question";
        break;
      }
      asked.insert(Form1->answerRowMap[row]);
      if (q % 3 == 0) AnswerByTyping(WrongRowFor(heard, q % 4));
      mark_ = Mark();
      AnswerByTyping(row);
    }
    return static_cast<int>(asked.size());
  }

  // What the drill window does to the statistics once an ended drill's score
  // window has closed.
  static void NextDrill() {
    ErrorReport->ClearSession();
    Form1->FiltersUsed = false;
  }

  // Shows the report modally as the score window does, runs `whileOpen` in
  // its event loop, then presses OK.
  static void Open(const std::function<void(TErrorReport*)>& whileOpen) {
    int result = -1;
    QWidget* ran = RunModal([&] { result = ErrorReport->exec(); }, [&](QWidget*) { whileOpen(ErrorReport); },
                            ErrorReport, [](QWidget*) { ErrorReport->Button1->click(); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(ran);
  }

  size_t mark_ = 0;
};

TEST_F(ErrorReportWindow, OpensOnTheSessionReportAndItsBoxesBreakItDown) {
  CreateAndShowLoggedIn();
  TErrorReport* w = ErrorReport;
  // The size rule, and the controls in order in a column right of the report.
  EXPECT_EQ(w->width(), w->Button1->x() + w->Button1->width() + 40);
  EXPECT_EQ(w->height(), w->CheckBox6->y() + w->CheckBox6->height() + 60);
  const QWidget* column[] = {w->RadioGroup1, w->StaticText1, w->Button2,   w->StaticText2,
                             w->CheckBox4,   w->CheckBox5,   w->CheckBox6, w->Button1};
  for (size_t i = 0; i < std::size(column); ++i) {
    EXPECT_GE(column[i]->x(), w->RichEdit1->x() + w->RichEdit1->width()) << i;
    EXPECT_TRUE(i == 0 || column[i]->y() >= column[i - 1]->y() + column[i - 1]->height()) << i;
  }

  Begin();
  const int asked = Play(10);
  ASSERT_GT(Form1->IncorrectCount, 0);
  Open([&](TErrorReport* w) {
    EXPECT_EQ(w->RadioGroup1->ItemIndex(), 0);
    EXPECT_TRUE(w->CheckBox4->isChecked() && w->CheckBox5->isChecked() && !w->CheckBox6->isChecked());
    EXPECT_FALSE(w->StaticText1->isVisible());
    EXPECT_FALSE(w->Button2->isVisible());
    EXPECT_EQ(Shown(), Expected(w->SessionStats, {true, true, false}));
    EXPECT_EQ(CountLines([](const QString& l) { return !l.isEmpty() && l[0] != ' '; }), asked);

    // Without the forms, no RIPs either: only the headers stay.
    w->CheckBox4->click();
    EXPECT_FALSE(w->CheckBox5->isChecked());
    EXPECT_EQ(Shown(), Expected(w->SessionStats, {false, false, false}));
    EXPECT_EQ(CountLines([](const QString& l) { return l.startsWith(' '); }), 0);
    // RIPs bring the forms back.
    w->CheckBox5->click();
    EXPECT_TRUE(w->CheckBox4->isChecked());
    EXPECT_EQ(Shown(), Expected(w->SessionStats, {true, true, false}));
    w->CheckBox6->click();
    EXPECT_EQ(Shown(), Expected(w->SessionStats, {true, true, true}));
    EXPECT_GT(CountLines([](const QString& l) { return l == "       Confused with:"; }), 0);
  });
}

TEST_F(ErrorReportWindow, CumulativeViewAddsEligibleDrillsAndKeepsThroughClicksButNotThroughAShowing) {
  CreateAndShowLoggedIn();
  Begin();
  Play(7);
  ErrorReport->UpdateCumulative();
  const ErrorStats first = ErrorReport->SessionStats;
  NextDrill();
  Play(8);
  ASSERT_FALSE(Form1->FiltersUsed);
  ErrorReport->UpdateCumulative();
  const ErrorStats second = ErrorReport->SessionStats;
  const ErrorStats both = Sum(first, second);
  EXPECT_EQ(ReadFile("errors.dat"), FormatErrorStats(both));

  Open([&](TErrorReport* w) {
    w->RadioGroup1->Button(1)->click();
    EXPECT_EQ(Shown(), Expected(both, {true, true, false}));
    EXPECT_TRUE(w->Button2->isVisible());
    EXPECT_FALSE(w->StaticText1->isVisible());

    // Boxes and repaints keep the view.
    w->CheckBox6->click();
    w->CheckBox4->click();
    w->repaint();
    w->RichEdit1->viewport()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(w->RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(Shown(), Expected(both, {false, false, true}));

    // Restored after being minimised, it shows the session.
    w->setWindowState(Qt::WindowMinimized);
    w->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(w->RadioGroup1->ItemIndex(), 0);
    EXPECT_FALSE(w->Button2->isVisible());
    EXPECT_EQ(Shown(), Expected(second, {false, false, true}));
    w->RadioGroup1->Button(1)->click();
  });

  // So does the next showing; the boxes keep their states.
  Open([&](TErrorReport* w) {
    EXPECT_EQ(w->RadioGroup1->ItemIndex(), 0);
    EXPECT_TRUE(!w->CheckBox4->isChecked() && !w->CheckBox5->isChecked() && w->CheckBox6->isChecked());
    EXPECT_EQ(Shown(), Expected(second, {false, false, true}));
  });
}

TEST_F(ErrorReportWindow, AFilteredDrillStaysOutOfTheCumulativeViewWhichClearsToZeros) {
  // Earlier drills, left in the file by another run.
  ErrorStats earlier{};
  AddCorrectAnswer(earlier, 10, 0, 0);
  AddWrongAnswer(earlier, 10, 1, 2, 9);
  AddCorrectAnswer(earlier, 3, 0, 16);
  dir_.Write("errors.dat", FormatErrorStats(earlier));

  CreateAndShowLoggedIn();
  FilterForm->ApplyFilters(FilterState{0x0FF, 0, 0});  // the first eight trichords
  Begin();
  Play(7);
  ASSERT_TRUE(Form1->FiltersUsed);
  ErrorReport->UpdateCumulative();
  EXPECT_EQ(ReadFile("errors.dat"), FormatErrorStats(earlier));

  Open([&](TErrorReport* w) {
    const std::string session = Shown();
    EXPECT_EQ(session, Expected(w->SessionStats, {true, true, false}));
    w->RadioGroup1->Button(1)->click();
    EXPECT_TRUE(w->StaticText1->isVisible());
    EXPECT_EQ(Shown(),
              "3-4 [0, 1, 5] 100%\n"
              "       3-4a 100%\n"
              "                <0, 0, 0> 100%\n"
              "\n"
              "3-11 [0, 3, 7]  50%\n"
              "       3-11a 100%\n"
              "                <0, 3, 7> 100%\n"
              "       3-11b   0%\n"
              "                <0, 3, 8>   0%\n");

    // Cleared at once, without a question: the report window stays the only modal one.
    w->Button2->click();
    EXPECT_EQ(QApplication::activeModalWidget(), w);
    EXPECT_EQ(ReadFile("errors.dat"), FormatErrorStats(ErrorStats{}));
    EXPECT_EQ(Shown(), "");
    EXPECT_TRUE(w->Button2->isVisible() && w->StaticText1->isVisible());

    w->RadioGroup1->Button(0)->click();
    EXPECT_FALSE(w->StaticText1->isVisible());
    EXPECT_EQ(Shown(), session);
  });
}

// Another running copy holds the lock of errors.dat and writes the file
// before letting go: our read-modify-write waits, so that update is not lost,
// and a clear comes after it.
TEST_F(ErrorReportWindow, TheCumulativeFileChangesOnlyUnderItsLock) {
  CreateAndShowLoggedIn();
  Begin();
  Play(5);
  ErrorStats other{};
  AddCorrectAnswer(other, 7, 1, 3);
  AddWrongAnswer(other, 7, 1, 3, 2);
  auto anotherCopy = [&other] {
    auto lock = std::make_shared<FileLock>(kErrorsFileName);
    EXPECT_TRUE(lock->Locked());
    return std::thread([lock, &other]() mutable {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      WriteFileAtomic(kErrorsFileName, FormatErrorStats(other));
      lock.reset();
    });
  };

  std::thread writer = anotherCopy();
  ErrorReport->UpdateCumulative();
  writer.join();
  EXPECT_EQ(ReadFile("errors.dat"), FormatErrorStats(Sum(other, ErrorReport->SessionStats)));

  writer = anotherCopy();
  ErrorReport->Button2Click();
  writer.join();
  EXPECT_EQ(ReadFile("errors.dat"), FormatErrorStats(ErrorStats{}));
}

}  // namespace
