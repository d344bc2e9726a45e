#include "FocusFrame.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

constexpr int kRingWidth = 2;

// The base style's look and metrics, with a ring for the focus frame.
class FocusRingStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) return kRingWidth;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_FocusFrame_Mask && option) {
      if (auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(returnData)) {
        mask->region = QRegion(option->rect);
        mask->region -= option->rect.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth);
      }
      return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (element == CE_FocusFrame && option) {
      painter->fillRect(option->rect, option->palette.color(QPalette::Active, QPalette::Highlight));
      return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
};

QPointer<QFocusFrame>& Frame() {
  static QPointer<QFocusFrame> frame;
  return frame;
}

void Follow(QWidget* now) {
  const bool framed = now && !now->isWindow() && now->focusPolicy() != Qt::NoFocus;
  if (!framed) {
    if (Frame()) Frame()->setWidget(nullptr);
    return;
  }
  // The ring lives in the focused control's window and goes with it.
  if (!Frame()) Frame() = new QFocusFrame(now);
  Frame()->setWidget(now);
}

}  // namespace

void InstallFocusFrame() {
  static bool installed = false;
  if (installed || !qApp) return;
  installed = true;
  if (QStyle* base = QStyleFactory::create(QApplication::style()->name())) QApplication::setStyle(new FocusRingStyle(base));
  QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) { Follow(now); });
}
