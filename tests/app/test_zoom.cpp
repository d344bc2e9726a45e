// View › Zoom: every window at the zoom chosen, fonts and positions together,
// and exactly as designed again at 100 %.
#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QDialog>
#include <QFocusFrame>
#include <QMap>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "About.h"
#include "DrillWindow.h"
#include "FocusFrame.h"
#include "RadioGroup.h"
#include "Sxfilters.h"
#include "Zoom.h"
#include "DrillWindowTest.h"

namespace {

class ZoomTest : public DrillWindowTest {
 protected:
  static QAction* Item(const char* name) { return Form1->findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(ZoomTest, AWindowScalesItsPositionsAndFontsAndComesBackExactly) {
  QDialog window;
  window.resize(300, 200);
  auto* label = new QLabel(QStringLiteral("Correct:"), &window);
  QFont big = label->font();
  big.setPointSize(12);
  label->setFont(big);
  label->setGeometry(10, 20, 100, 30);
  auto* edit = new QLineEdit(&window);
  edit->setGeometry(50, 60, 33, 21);
  const double inherited = edit->font().pointSizeF();

  ZoomWindow(&window, 1.0);  // never zoomed: untouched
  EXPECT_FALSE(edit->testAttribute(Qt::WA_SetFont));

  ZoomWindow(&window, 1.5);
  EXPECT_EQ(label->geometry(), QRect(15, 30, 150, 45));
  EXPECT_EQ(edit->geometry(), QRect(75, 90, 50, 32));
  EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 18);
  EXPECT_DOUBLE_EQ(edit->font().pointSizeF(), inherited * 1.5);
  EXPECT_EQ(window.size(), QSize(450, 300));

  // The program moves a control while zoomed: a design position it gave.
  label->move(12, 20);
  ZoomWindow(&window, 2.0);
  EXPECT_EQ(label->geometry(), QRect(24, 40, 200, 60));
  EXPECT_EQ(window.size(), QSize(600, 400));

  ZoomWindow(&window, 1.0);
  EXPECT_EQ(label->geometry(), QRect(12, 20, 100, 30));
  EXPECT_EQ(edit->geometry(), QRect(50, 60, 33, 21));
  EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12);
  EXPECT_DOUBLE_EQ(edit->font().pointSizeF(), inherited);
  EXPECT_EQ(window.size(), QSize(300, 200));
}

TEST_F(ZoomTest, TheDrillWindowAndWindowsOpenedLaterFollowTheZoomKeptInTheSettings) {
  dir_.Write("sonorix.ini", "[View]\nZoom=150\n");
  CreateAndShowLoggedIn();
  EXPECT_EQ(Form1->Edit1->geometry(), QRect(312, 258, 50, 32));
  EXPECT_EQ(Form1->SubmitButton->geometry(), QRect(393, 257, 113, 38));

  // The menu comes after the others and says what it does.
  const QList<QAction*> menus = Form1->MainMenu1->actions();
  ASSERT_FALSE(menus.isEmpty());
  EXPECT_EQ(menus.back()->text(), "&View");  // Alt+V
  EXPECT_EQ(Item("ZoomIn1")->shortcut(), QKeySequence(QKeySequence::ZoomIn));
  EXPECT_EQ(Item("ZoomOut1")->shortcut(), QKeySequence(QKeySequence::ZoomOut));
  EXPECT_EQ(Item("ActualSize1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));

  // A window opened later appears at the zoom too.
  QSize aboutAtZoom;
  QTimer::singleShot(0, [&] {
    aboutAtZoom = AboutBox->size();
    AboutBox->close();
  });
  Form1->AboutSonorix1->trigger();
  const QSize aboutDesign = AboutBox->property("sonorixZoomDesignGeometry").toRect().size();
  EXPECT_EQ(aboutAtZoom, QSize(qRound(aboutDesign.width() * 1.5), qRound(aboutDesign.height() * 1.5)));

  // What the program places anew while zoomed is zoomed again: a control
  // put back at its design place, a counter grown to its text at the zoomed
  // font; a hidden window rebuilt for the other cardinality shows zoomed.
  Form1->Edit1->move(208, 172);
  const int correctX = Form1->CorrectLabel->x();
  Form1->CorrectLabel->setText(QStringLiteral("12"));
  Form1->CorrectLabel->adjustSize();
  QApplication::processEvents();
  EXPECT_EQ(Form1->Edit1->geometry(), QRect(312, 258, 50, 32));
  EXPECT_EQ(Form1->CorrectLabel->x(), correctX);
  EXPECT_NEAR(Form1->CorrectLabel->width(), Form1->CorrectLabel->sizeHint().width(), 1);
  Form1->RadioGroup1->SetItemIndex(1);  // tetrachords: the filter window's page rebuilt
  QSize tetraAtZoom;
  QTimer::singleShot(0, [&] {
    tetraAtZoom = FilterForm->size();
    FilterForm->close();
  });
  Form1->SetFiltersRange1->trigger();
  // Rebuilt while open, at its design values, then zoomed.
  QSize tetraAgain;
  QRect boxAgain;
  QTimer::singleShot(0, [&] {
    FilterForm->RadioGroup2->SetItemIndex(0);
    FilterForm->RadioGroup2->SetItemIndex(1);
    QApplication::processEvents();
    tetraAgain = FilterForm->size();
    boxAgain = FilterForm->SetClassBoxes[20]->geometry();
    FilterForm->close();
  });
  Form1->SetFiltersRange1->trigger();
  EXPECT_EQ(tetraAgain.height(), tetraAtZoom.height());

  Item("ZoomIn1")->trigger();
  EXPECT_EQ(ZoomPercent(), 175);
  EXPECT_EQ(Form1->Edit1->geometry(), QRect(364, 301, 58, 37));

  // Actual size: every window exactly as designed, and kept for the next start.
  Item("ActualSize1")->trigger();
  EXPECT_EQ(Form1->Edit1->geometry(), QRect(208, 172, 33, 21));
  EXPECT_EQ(Form1->SubmitButton->geometry(), QRect(262, 171, 75, 25));
  QSize aboutAtActualSize;
  QTimer::singleShot(0, [&] {
    aboutAtActualSize = AboutBox->size();
    AboutBox->close();
  });
  Form1->AboutSonorix1->trigger();
  EXPECT_EQ(aboutAtActualSize, aboutDesign);
  // The same rebuild at 100 %: the zoomed one is it, one and a half times.
  QSize tetra;
  QRect box;
  QTimer::singleShot(0, [&] {
    FilterForm->RadioGroup2->SetItemIndex(0);
    FilterForm->RadioGroup2->SetItemIndex(1);
    tetra = FilterForm->size();
    box = FilterForm->SetClassBoxes[20]->geometry();
    FilterForm->close();
  });
  Form1->SetFiltersRange1->trigger();
  EXPECT_EQ(tetraAgain, QSize(qRound(tetra.width() * 1.5), qRound(tetra.height() * 1.5)));
  EXPECT_EQ(boxAgain.topLeft(), QPoint(qRound(box.x() * 1.5), qRound(box.y() * 1.5)));
  EXPECT_EQ(tetraAtZoom.height(), qRound(tetra.height() * 1.5));
  Form1->RadioGroup1->SetItemIndex(0);
  EXPECT_NE(ReadFile("sonorix.ini").find("Zoom=100"), std::string::npos);

  // Never beyond 200 %, never below 100 %.
  for (int i = 0; i < 8; ++i) Item("ZoomIn1")->trigger();
  EXPECT_EQ(ZoomPercent(), 200);
  EXPECT_EQ(Form1->Edit1->geometry(), QRect(416, 344, 66, 42));
  SetZoomPercent(20);
  EXPECT_EQ(ZoomPercent(), 100);
}

TEST_F(ZoomTest, TheFocusRingShowsAroundEachControlAndMovesNothing) {
  InstallFocusFrame();
  CreateAndShowLoggedIn();
  QApplication::setActiveWindow(Form1);
  QMap<QWidget*, QRect> before;
  for (QWidget* w : Form1->findChildren<QWidget*>())
    if (!w->inherits("QFocusFrame")) before[w] = w->geometry();
  int ringed = 0;
  for (QWidget* w : Form1->Client->findChildren<QWidget*>()) {
    if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()) continue;
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), w) << w->objectName().toStdString();
    const QFocusFrame* ring = Form1->findChild<QFocusFrame*>();
    ASSERT_NE(ring, nullptr);
    EXPECT_TRUE(ring->isVisible());
    const QRect around(w->mapTo(Form1, QPoint(0, 0)) - QPoint(2, 2), w->size() + QSize(4, 4));
    EXPECT_EQ(QRect(ring->mapTo(Form1, QPoint(0, 0)), ring->size()), around);
    ++ringed;
  }
  EXPECT_GE(ringed, 6);  // the answer field, Submit, each group of choices, More Filters
  for (auto it = before.begin(); it != before.end(); ++it) EXPECT_EQ(it.key()->geometry(), it.value());
}

}  // namespace
