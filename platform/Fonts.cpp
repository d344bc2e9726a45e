#include "Fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>

// Qt's global scale factor (what QT_SCALE_FACTOR sets at start-up), which a
// program may change before it has windows. Declared here: Debian ships no
// private headers for it.
class QHighDpiScaling {
 public:
  static void setGlobalFactor(qreal factor);
};

namespace {
const QString kColumnChars = QStringLiteral("0123456789 %.");
}

bool EvenAdvances(const QFont& font, const QString& chars) {
  const QFontMetricsF metrics(font);
  if (chars.isEmpty()) return true;
  const qreal first = metrics.horizontalAdvance(chars.at(0));
  for (const QChar c : chars)
    if (qAbs(metrics.horizontalAdvance(c) - first) > 0.01) return false;
  return first > 0;
}

QFont EvenColumnsFont(const QFont& preferred, int pixels) {
  QFont candidates[] = {preferred, QFontDatabase::systemFont(QFontDatabase::FixedFont),
                        QFont(QStringLiteral("DejaVu Sans Mono")), QFont(QStringLiteral("Liberation Mono")),
                        QFont(QStringLiteral("Courier New"))};
  for (QFont& font : candidates) {
    font.setPixelSize(pixels);
    if (EvenAdvances(font, kColumnChars)) return font;
  }
  // Nothing fits (no such font at all): the system's fixed font is the best left.
  return candidates[1];
}

double FontScaleFor(const QFont& font) {
  // The design's font: 9 points at 96 dots per inch, 12 pixels. Measured in
  // pixels, so that a larger font dpi counts as a larger font.
  constexpr double kDesignPixels = 12;
  return std::clamp(QFontInfo(font).pixelSize() / kDesignPixels, 1.0, 4.0);
}

void ScaleForSystemFont() {
  static bool scaled = false;
  if (scaled) return;
  scaled = true;
  QFont font = QApplication::font();
  const double scale = FontScaleFor(font);
  if (scale < 1.1) return;  // a point more or less still fits
  // Every length grows by the scale, the fonts with it: the application font
  // is given back its design size, which the scale brings to the size chosen.
  bool ok = false;
  double userFactor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  if (!ok || userFactor <= 0) userFactor = 1;
  QHighDpiScaling::setGlobalFactor(userFactor * scale);
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() / scale);
  } else {
    font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() / scale + 0.5)));
  }
  QApplication::setFont(font);
}
