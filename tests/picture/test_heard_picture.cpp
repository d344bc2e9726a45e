#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSettings>
#include <QTimer>
#include <algorithm>

#include "Accessible.h"
#include "Catalogue.h"
#include "DrillWindowTest.h"
#include "HeardWindow.h"
#include "Notation.h"
#include "PracticeMode.h"
#include "PracticeWindows.h"
#include "Zoom.h"

namespace {

class HeardPictureTest : public DrillWindowTest {
 protected:
  static std::vector<int> Begin() {
    const size_t mark = Mark();
    Form1->Button1->click();
    return HeardSince(mark);
  }
  static std::vector<int> Type(int row) {
    const size_t mark = Mark();
    AnswerByTyping(row);
    return HeardSince(mark);
  }
  static THeardForm* Window() { return HeardWindow(Form1); }
  static bool Shown() { return Window() && Window()->isVisible(); }
  static QAction* Item() { return Form1->findChild<QAction*>(QStringLiteral("ShowWhatIHeard1")); }
  void EndPractice() {
    QTimer::singleShot(0, [] {
      if (auto* summary = qobject_cast<TPracticeSummaryForm*>(QApplication::activeModalWidget())) summary->OkButton->click();
    });
    Form1->Button1->click();
  }
};

// Pixels of that colour, give or take the edges' smoothing.
int PixelsOf(const QImage& image, const QColor& colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) + std::abs(c.blue() - colour.blue()) < 40;
    }
  return n;
}

}  // namespace

// A wrong answer in practice: the question and the class named, on the named
// one's close position from the question's lowest note, the differing interval
// classes, the words announced with the judgement, and the picture drawn.
TEST_F(HeardPictureTest, PracticeShowsTheQuestionBesideTheClassNamed) {
  CreateAndShowLoggedIn("Ann", 0);
  TPracticeMode::Of(Form1)->PracticeMode1->trigger();
  std::vector<int> q = Begin();
  ASSERT_FALSE(q.empty());
  std::sort(q.begin(), q.end());
  const int wrong = WrongRowFor(q);
  Type(wrong);
  ASSERT_TRUE(Shown());
  TNotationView* view = Window()->View;
  const QString words = view->TextEquivalent();
  const std::string named = RowClass(wrong).name;
  EXPECT_NE(words.indexOf(QString::fromStdString("3-" + named)), -1) << words.toStdString();
  EXPECT_NE(LastAnnouncement(Form1).indexOf(words), -1) << "announced with the judgement";
  EXPECT_EQ(Window()->TextLabel->text(), words);

  // The class named in close position on the question's lowest note, spelled
  // by the rule: its first name is the question's lowest note's.
  const SetClassEntry* entry = nullptr;
  for (int i = 0; i < Form1->currentList.length; ++i)
    if (Form1->ListEntry(i)->name == named) entry = Form1->ListEntry(i);
  ASSERT_NE(entry, nullptr);
  std::vector<int> close;
  for (int k = 0; k < 3; ++k) close.push_back(q[0] + entry->pitchClasses[k]);
  const auto spelled = notation::SpellTogether(close);
  QStringList names;
  for (const auto& note : spelled) names << QString::fromStdString(notation::NoteName(note, notation::Language::English));
  EXPECT_NE(words.indexOf(QStringLiteral("You named: ") + names.join(QStringLiteral(", "))), -1) << words.toStdString();

  const SetClassEntry* asked = Form1->ListEntry(Form1->question.listIndex);
  std::vector<int> a(asked->pitchClasses, asked->pitchClasses + 3), b(entry->pitchClasses, entry->pitchClasses + 3);
  const auto va = notation::IntervalClassVector(a), vb = notation::IntervalClassVector(b);
  std::vector<int> differing;
  for (int i = 0; i < 6; ++i)
    if (va[i] != vb[i]) differing.push_back(i + 1);
  ASSERT_FALSE(differing.empty()) << "no two trichord classes share a vector";
  EXPECT_EQ(view->DifferingIntervalClasses(), differing);

  // Drawn: the staff in black, each set's notes in its own colour.
  const QImage image = view->grab().toImage();
  EXPECT_GE(view->width(), view->sizeHint().width());
  EXPECT_GT(PixelsOf(image, Qt::black), 200);
  EXPECT_GT(PixelsOf(image, TNotationView::SetColour(0)), 100);
  EXPECT_GT(PixelsOf(image, TNotationView::SetColour(1)), 100);
  if (const char* dir = std::getenv("SONORIX_SCREENSHOT_DIR")) {
    // The drill window and the picture beside it, for the readme.
    const QImage drill = Form1->grab().toImage();
    const QImage heard = Window()->grab().toImage();
    QImage both(drill.width() + 12 + heard.width(), std::max(drill.height(), heard.height()), QImage::Format_RGB32);
    both.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&both);
    painter.drawImage(0, 0, drill);
    painter.drawImage(drill.width() + 12, 0, heard);
    painter.end();
    both.save(QString::fromLocal8Bit(dir) + QStringLiteral("/practice-what-i-heard.png"));
  }

  // A right answer: the question alone; Show Answer: the question again.
  Type(RowFor(q));
  EXPECT_EQ(Window()->View->DifferingIntervalClasses(), std::vector<int>{});
  EXPECT_EQ(Window()->View->TextEquivalent().indexOf(QStringLiteral("You named")), -1);
  const QuestionState next = Form1->question;
  TPracticeMode::Of(Form1)->ShowAnswer1->trigger();
  EXPECT_NE(Window()->View->TextEquivalent().indexOf(QString::fromStdString("3-" + Form1->ListEntry(next.listIndex)->name)), -1);
  EndPractice();
}

// In a drill: nothing until View › Show What I Heard is checked (kept in
// sonorix.ini); then after a right answer only; the staff grows with the zoom.
TEST_F(HeardPictureTest, TheDrillShowsItOnlyWhenAskedAndOnlyAfterARightAnswer) {
  CreateAndShowLoggedIn("Ann", 0);
  ASSERT_NE(Item(), nullptr);
  EXPECT_FALSE(Item()->isChecked());
  std::vector<int> q = Begin();
  q = Type(RowFor(q));
  EXPECT_FALSE(Shown()) << "off by default";

  Item()->trigger();
  EXPECT_TRUE(QSettings(QStringLiteral("sonorix.ini"), QSettings::IniFormat).value("View/ShowWhatIHeard").toBool());
  Type(WrongRowFor(q));
  EXPECT_FALSE(Shown()) << "a test stays a test";
  const QuestionState asked = Form1->question;
  Type(RowFor(q));
  ASSERT_TRUE(Shown());
  std::vector<int> sorted(asked.sortedNotes, asked.sortedNotes + asked.noteCount);
  QStringList names;
  for (const auto& note : notation::SpellTogether(sorted))
    names << QString::fromStdString(notation::NoteName(note, notation::Language::English));
  EXPECT_TRUE(Window()->View->TextEquivalent().startsWith(names.join(QStringLiteral(", ")) + QStringLiteral(": 3-")))
      << Window()->View->TextEquivalent().toStdString();

  EXPECT_GE(TNotationView::StaffSpace(), 8.0);
  const QSize at100 = Window()->View->sizeHint();
  SetZoomPercent(200, false);
  EXPECT_EQ(TNotationView::StaffSpace(), 20.0);
  EXPECT_GT(Window()->View->sizeHint().height(), at100.height() * 3 / 2);
  SetZoomPercent(100, false);
}
