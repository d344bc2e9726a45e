// Every window at every zoom on a 1280×1024 screen: it fits the screen, its
// texts are whole, and a control that takes the focus is scrolled into view.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <memory>
#include <vector>

#include "ClassOverview.h"
#include "ConfusionWindow.h"
#include "CutTexts.h"
#include "DrillWindow.h"
#include "HeardWindow.h"
#include "PacingDialog.h"
#include "PracticeWindows.h"
#include "ProgressWindow.h"
#include "RadioGroup.h"
#include "Sxfilters.h"
#include "WindowsFixture.h"
#include "Zoom.h"

namespace {

class ZoomFitTest : public WindowsTest {
 protected:
  void TearDown() override {
    SetZoomPercent(kZoomMinPercent, false);
    owned_.clear();
    WindowsTest::TearDown();
  }

  // Every window the program opens, those made at start and those made when
  // asked for.
  std::vector<QWidget*> AllWindows() {
    PracticeSummary summary;
    summary.totals.questions = 12;
    summary.totals.firstTryRight = 7;
    summary.drillSeconds = 216;
    summary.needsWork = {"3-5", "4-Z15"};
    summary.surer = {"3-11"};
    owned_.emplace_back(new TProgressForm(Form1));
    owned_.emplace_back(new TConfusionForm(Form1));
    owned_.emplace_back(new TClassOverviewForm());
    owned_.emplace_back(new TPracticeSummaryForm(summary, Form1));
    owned_.emplace_back(new THeardForm(Form1));
    owned_.emplace_back(new TPacingForm(Form1));
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->inherits("QDialog") || window->inherits("QMainWindow")) windows.push_back(window);
    return windows;
  }

  std::vector<std::unique_ptr<QWidget>> owned_;
};

TEST_F(ZoomFitTest, EveryWindowAtEveryZoomFitsTheScreenWithItsTextsWhole) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_EQ(screen.size(), QSize(1280, 1024));
  CreateWindows();
  scoreWindowCloser_.enabled = false;  // the score window stays open to be measured
  Form1->CurrentPersonName = "Ann";
  Form1->LoggedIn = true;
  const std::vector<QWidget*> windows = AllWindows();
  ASSERT_GE(windows.size(), 15u);

  const auto sizes = [&] {
    std::vector<QSize> all;
    for (QWidget* window : windows) all.push_back(window->size());
    return all;
  };
  std::vector<QSize> atDesign;
  std::vector<bool> laidOut;
  for (QWidget* window : windows) laidOut.push_back(window->layout() != nullptr);
  for (int cardinality : {0, 1}) {
    Form1->RadioGroup1->SetItemIndex(cardinality);  // the filter window's page for it
    for (int percent = kZoomMinPercent; percent <= kZoomMaxPercent; percent += kZoomStepPercent) {
      SetZoomPercent(percent, false);
      for (QWidget* window : windows) window->show();
      QApplication::processEvents();
      if (percent == kZoomMinPercent && cardinality == 0) atDesign = sizes();
      for (QWidget* window : windows) {
        const std::string where = std::to_string(percent) + " % " + window->metaObject()->className() +
                                  (window == FilterForm ? " cardinality " + std::to_string(cardinality + 3) : "");
        EXPECT_TRUE(screen.contains(window->frameGeometry())) << where << " at " << window->frameGeometry().x() << ","
                                                               << window->frameGeometry().y() << " is "
                                                               << window->frameGeometry().width() << "×"
                                                               << window->frameGeometry().height();
        for (const CutText& cut : CutTextsOf(window))
          ADD_FAILURE() << where << " " << cut.where << ": \"" << cut.text.toStdString() << "\" needs " << cut.needed
                        << " px, has " << cut.room;
      }
      for (QWidget* window : windows) window->hide();
    }
  }

  // At 100 % every window has its design size again.
  SetZoomPercent(kZoomMinPercent, false);
  Form1->RadioGroup1->SetItemIndex(0);
  for (QWidget* window : windows) window->show();
  QApplication::processEvents();
  const std::vector<QSize> again = sizes();
  for (size_t i = 0; i < windows.size(); ++i) {
    const std::string where = windows[i]->metaObject()->className() + (" " + std::to_string(again[i].width())) + "×" +
                              std::to_string(again[i].height()) + ", designed " + std::to_string(atDesign[i].width()) +
                              "×" + std::to_string(atDesign[i].height());
    if (laidOut[i]) {
      // A layout may settle a few pixels away from the size first shown.
      EXPECT_NEAR(again[i].width(), atDesign[i].width(), 8) << where;
      EXPECT_NEAR(again[i].height(), atDesign[i].height(), 8) << where;
    } else {
      EXPECT_EQ(again[i], atDesign[i]) << where;
    }
  }
  for (QWidget* window : windows) window->hide();
}

// The focusable controls of a window in Tab order.
std::vector<QWidget*> TabChain(QWidget* window) {
  std::vector<QWidget*> chain;
  for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled() && !w->focusProxy())
      chain.push_back(w);
  return chain;
}

double FontSize(const QFont& font) { return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize(); }

TEST_F(ZoomFitTest, AWindowLargerThanTheScreenScrollsToEachControlAndScalesItsParts) {
  CreateWindows();
  Form1->RadioGroup1->SetItemIndex(1);  // tetrachords: the widest filter window
  TProgressForm progress(Form1);
  FilterForm->show();
  progress.show();
  QApplication::processEvents();
  QWidget* box = FilterForm->SetClassBoxes[0];
  const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
  const int extent = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box);
  const QSize designed = FilterForm->size();
  const QPoint boxAt = box->mapTo(FilterForm, QPoint(0, 0));
  const std::vector<QWidget*> chain = TabChain(FilterForm);
  ASSERT_GE(chain.size(), 30u);
  QChart* chart = progress.findChild<QChartView*>()->chart();
  const double title = FontSize(chart->titleFont());

  SetZoomPercent(kZoomMaxPercent, false);
  QApplication::processEvents();
  ASSERT_GT(designed.width() * 2, 1280);
  EXPECT_LE(FilterForm->frameGeometry().width(), 1280);
  auto* scroll = FilterForm->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_EQ(scroll->widget()->minimumSize(), designed * 2);
  EXPECT_EQ(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box), indicator * 2);
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_EQ(scroll->horizontalScrollBar()->height(), extent * 2);
  EXPECT_DOUBLE_EQ(FontSize(chart->titleFont()), title * 2);
  for (QAbstractAxis* axis : chart->axes()) EXPECT_GT(FontSize(axis->labelsFont()), title);

  // Tab goes the same way as at 100 %, and what takes the focus is in view.
  EXPECT_EQ(TabChain(FilterForm), chain);
  QApplication::setActiveWindow(FilterForm);
  for (QWidget* w : {chain.back(), chain.front(), chain[chain.size() / 2]}) {
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QRect shown(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown)) << w->objectName().toStdString() << " out of view";
  }

  // Back at 100 %: the design again, nothing to scroll.
  SetZoomPercent(kZoomMinPercent, false);
  QApplication::processEvents();
  EXPECT_EQ(FilterForm->size(), designed);
  EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_EQ(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box), indicator);
  EXPECT_DOUBLE_EQ(FontSize(chart->titleFont()), title);
  EXPECT_EQ(box->mapTo(FilterForm, QPoint(0, 0)), boxAt);
  FilterForm->hide();
  progress.hide();
}

}  // namespace
