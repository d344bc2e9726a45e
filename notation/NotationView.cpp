#include "NotationView.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "Catalogue.h"
#include "Language.h"
#include "Playback.h"
#include "Question.h"
#include "ZoomLevel.h"

namespace {

using notation::Clef;
using notation::Sign;

// Clefs and accidentals come from GNU FreeFont's serif face (Debian's
// fonts-freefont-ttf): it holds the Unicode musical symbols (clefs) as well as
// the sharp, flat and natural signs, under a free licence, in a small package.
constexpr const char* kMusicFamily = "FreeSerif";
constexpr char32_t kGClef = 0x1D11E;
constexpr char32_t kFClef = 0x1D122;
constexpr char32_t kSharp = 0x266F;
constexpr char32_t kFlat = 0x266D;
constexpr char32_t kNatural = 0x266E;

// Horizontal measures, in staff spaces.
constexpr double kMargin = 1.0;
constexpr double kClefWidth = 4.0;
constexpr double kSignWidth = 1.1;
constexpr double kHeadWidth = 1.45;
constexpr double kColumnGap = 1.6;
constexpr double kGroupPad = 1.5;
constexpr double kKeyWidth = 1.5;
// Vertical ones: the treble staff's top line, the gap to the bass staff.
constexpr double kTrebleTop = 6.0;
constexpr double kStaffGap = 5.0;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::vector<int> PrimeForm(const SetClassEntry* entry) {
  std::vector<int> prime;
  if (entry)
    for (int i = 0; i < std::clamp(entry->cardinality, 0, 12); ++i) prime.push_back(entry->pitchClasses[i]);
  return prime;
}

QString ClassName(const SetClassEntry* entry) {
  return entry ? QString::number(entry->cardinality) + QLatin1Char('-') + QString::fromStdString(entry->name) : QString();
}

// A glyph of the music font, scaled to `height` with its top at `top` and
// centred on `centreX`. Nothing when the font lacks it.
void DrawGlyph(QPainter& painter, char32_t glyph, double centreX, double top, double height) {
  QPainterPath path;
  QFont font(QString::fromLatin1(kMusicFamily));
  font.setPixelSize(100);
  path.addText(0, 0, font, QString::fromUcs4(&glyph, 1));
  const QRectF box = path.boundingRect();
  if (box.isEmpty()) return;
  const double k = height / box.height();
  QTransform place;
  place.translate(centreX - box.center().x() * k, top - box.top() * k);
  place.scale(k, k);
  painter.fillPath(place.map(path), painter.pen().color());
}

}  // namespace

std::vector<std::vector<int>> QuestionColumns(const QuestionState& question, PlayManner manner) {
  const int n = std::clamp<int32_t>(question.noteCount, 0, 4);
  if (manner == PlayManner::Chord) return {std::vector<int>(question.sortedNotes, question.sortedNotes + n)};
  std::vector<std::vector<int>> columns;
  for (int i = 0; i < n; ++i) {
    // The mixed figure's joined pair sounds together.
    const bool joined = manner == PlayManner::MixedFigure && i == question.joinedIndex + 1 && !columns.empty();
    if (joined)
      columns.back().push_back(question.playedNotes[i]);
    else
      columns.push_back({question.playedNotes[i]});
  }
  return columns;
}

std::vector<std::vector<int>> ClosePosition(const SetClassEntry& entry, int lowest) {
  std::vector<int> chord;
  for (int pc : PrimeForm(&entry)) chord.push_back(lowest + pc);
  return {chord};
}

TNotationView::TNotationView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("NotationView"));
  setAccessibleName(QCoreApplication::translate("HeardPicture", "What I heard"));
  setFocusPolicy(Qt::TabFocus);
  setAutoFillBackground(true);
  QPalette paper = palette();
  paper.setColor(QPalette::Window, Qt::white);
  paper.setColor(QPalette::WindowText, Qt::black);
  setPalette(paper);
}

double TNotationView::StaffSpace() { return 10.0 * ZoomPercent() / 100.0; }

QColor TNotationView::SetColour(int set) { return set == 0 ? QColor(0x1a, 0x4f, 0x9c) : QColor(0xb3, 0x47, 0x00); }

notation::Language TNotationView::NameLanguage() {
  const QString language = CurrentLanguage();
  if (language.startsWith(QLatin1String("de"))) return notation::Language::German;
  if (language.startsWith(QLatin1String("fr"))) return notation::Language::French;
  if (language.startsWith(QLatin1String("es"))) return notation::Language::Spanish;
  if (language.startsWith(QLatin1String("it"))) return notation::Language::Italian;
  return notation::Language::English;
}

void TNotationView::SetPicture(std::vector<PictureSet> sets) {
  sets_.clear();
  for (PictureSet& set : sets) {
    Laid laid;
    laid.group = notation::LayOut(set.columns);
    for (const auto& column : set.columns) laid.notes.insert(laid.notes.end(), column.begin(), column.end());
    laid.set = std::move(set);
    sets_.push_back(std::move(laid));
  }
  keyboard_ = notation::LayOutKeyboard(sets_.empty() ? std::vector<int>{} : sets_[0].notes,
                                       sets_.size() > 1 ? sets_[1].notes : std::vector<int>{});
  setAccessibleDescription(TextEquivalent());
  Arrange();
  updateGeometry();
  update();
}

QString TNotationView::TextEquivalent() const {
  QStringList parts;
  for (const Laid& laid : sets_) {
    QStringList names;
    for (const notation::SpelledNote& note : laid.group.spelled) names << FromUtf8(notation::NoteName(note, NameLanguage()));
    QStringList prime;
    for (int pc : PrimeForm(laid.set.entry)) prime << QString::number(pc);
    // Notes that make no class of the catalogue (sung ones) are just their names.
    QString part = laid.set.entry ? QCoreApplication::translate("HeardPicture", "%1: %2, prime form %3").arg(names.join(QStringLiteral(", ")), ClassName(laid.set.entry),
                                                    prime.join(QLatin1Char(' ')))
                                  : names.join(QStringLiteral(", "));
    if (sets_.size() > 1) part = laid.set.label + QStringLiteral(": ") + part;
    parts << part;
  }
  const std::vector<int> differing = DifferingIntervalClasses();
  if (!differing.empty()) {
    QStringList classes;
    for (int ic : differing) classes << QString::number(ic);
    parts << QCoreApplication::translate("HeardPicture", "They differ in interval classes %1").arg(classes.join(QStringLiteral(", ")));
  }
  return parts.join(QStringLiteral(". "));
}

std::vector<int> TNotationView::DifferingIntervalClasses() const {
  std::vector<int> differing;
  if (sets_.size() < 2 || !sets_[0].set.entry || !sets_[1].set.entry) return differing;
  const auto a = notation::IntervalClassVector(PrimeForm(sets_[0].set.entry));
  const auto b = notation::IntervalClassVector(PrimeForm(sets_[1].set.entry));
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) differing.push_back(static_cast<int>(i) + 1);
  return differing;
}

void TNotationView::Arrange() {
  const double s = StaffSpace();
  QFont text = font();
  text.setPixelSize(static_cast<int>(1.3 * s));
  const QFontMetricsF metrics(text);
  double x = (kMargin + kClefWidth) * s;
  for (Laid& laid : sets_) {
    double width = 2 * kGroupPad * s;
    for (const notation::Column& column : laid.group.columns) {
      int shifts = 0;
      for (const auto& note : column.notes) shifts = std::max(shifts, note.shift);
      width += (column.signColumns * kSignWidth + (shifts + 1) * kHeadWidth + kColumnGap) * s;
    }
    QStringList names;
    for (const auto& note : laid.group.spelled) names << FromUtf8(notation::NoteName(note, NameLanguage()));
    width = std::max({width, metrics.horizontalAdvance(names.join(QLatin1Char(' '))) + 2 * s,
                      metrics.horizontalAdvance(laid.set.label) + 2 * s});
    laid.x = x;
    laid.width = width;
    x += width;
  }
  // The set class lines and the keyboard may be wider than the staff.
  double lines = 0;
  for (const Laid& laid : sets_)
    lines = std::max(lines, metrics.horizontalAdvance(laid.set.label + QStringLiteral(":  ") +
                                                      FromUtf8(notation::SetClassLine(laid.set.entry ? laid.set.entry->name : "",
                                                                                      PrimeForm(laid.set.entry)))));
  if (sets_.size() > 1) lines = std::max(lines, metrics.horizontalAdvance(QCoreApplication::translate("HeardPicture", "Underlined: the interval classes in which they differ")));
  width_ = std::max({x + kMargin * s, lines + 2 * kMargin * s, (keyboard_.whiteKeys * kKeyWidth + 2 * kMargin) * s});
}

double TNotationView::StaffTop() const { return kTrebleTop * StaffSpace(); }

double TNotationView::YOf(Clef clef, int position) const {
  const double s = StaffSpace();
  const double bottom = StaffTop() + (clef == Clef::Treble ? 4 : 4 + 4 + kStaffGap) * s;
  return bottom - position * s / 2;
}

QSize TNotationView::sizeHint() const {
  const double s = StaffSpace();
  // Staves, then a row of names, two class lines, the legend and the keyboard.
  const double height = YOf(Clef::Bass, 0) + (2.5 + 2 * 2 + 2 + 1 + 5 + 1) * s;
  return QSize(static_cast<int>(std::max(width_, 30 * s)), static_cast<int>(height));
}

void TNotationView::changeEvent(QEvent* event) {
  // View › Zoom changes the fonts of every window: follow it.
  if (event->type() == QEvent::FontChange) {
    Arrange();
    updateGeometry();
  }
  QWidget::changeEvent(event);
}

void TNotationView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = StaffSpace();
  const QColor ink = Qt::black;
  QFont text = font();
  text.setPixelSize(static_cast<int>(1.3 * s));
  painter.setFont(text);
  const QFontMetricsF metrics(text);

  // The grand staff: two staves, a line joining them at the left, the clefs.
  const double left = kMargin * s;
  const double right = sets_.empty() ? width() - kMargin * s : sets_.back().x + sets_.back().width;
  painter.setPen(QPen(ink, std::max(1.0, s / 10)));
  for (Clef clef : {Clef::Treble, Clef::Bass})
    for (int line = 0; line <= 8; line += 2) painter.drawLine(QPointF(left, YOf(clef, line)), QPointF(right, YOf(clef, line)));
  painter.drawLine(QPointF(left, YOf(Clef::Treble, 8)), QPointF(left, YOf(Clef::Bass, 0)));
  painter.drawLine(QPointF(right, YOf(Clef::Treble, 8)), QPointF(right, YOf(Clef::Bass, 0)));
  DrawGlyph(painter, kGClef, left + 2 * s, YOf(Clef::Treble, 8) - 1.5 * s, 7 * s);
  DrawGlyph(painter, kFClef, left + 2 * s, YOf(Clef::Bass, 8) - 0.1 * s, 3.4 * s);

  for (size_t g = 0; g < sets_.size(); ++g) {
    const Laid& laid = sets_[g];
    const QColor colour = SetColour(static_cast<int>(g));
    if (g > 0) {
      painter.setPen(QPen(ink, std::max(1.0, s / 10)));
      painter.drawLine(QPointF(laid.x, YOf(Clef::Treble, 8)), QPointF(laid.x, YOf(Clef::Bass, 0)));
    }
    // Its label above it, in its colour.
    painter.setPen(colour);
    QFont bold = text;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QPointF(laid.x + s, 2.0 * s), laid.set.label);
    painter.setFont(text);

    double x = laid.x + kGroupPad * s;
    for (const notation::Column& column : laid.group.columns) {
      const double heads = x + column.signColumns * kSignWidth * s + 0.3 * s;
      int shifts = 0;
      for (const auto& note : column.notes) shifts = std::max(shifts, note.shift);
      for (const notation::PlacedNote& note : column.notes) {
        const double y = YOf(note.clef, note.position);
        const double cx = heads + (note.shift + 0.5) * kHeadWidth * s;
        painter.setPen(QPen(ink, std::max(1.0, s / 10)));
        for (int ledger : note.ledgers)
          painter.drawLine(QPointF(cx - 1.1 * s, YOf(note.clef, ledger)), QPointF(cx + 1.1 * s, YOf(note.clef, ledger)));
        // A whole note: a tilted opening in an oval.
        QPainterPath head;
        head.setFillRule(Qt::OddEvenFill);
        head.addEllipse(QPointF(cx, y), 0.72 * s, 0.5 * s);
        QPainterPath hole;
        hole.addEllipse(QPointF(0, 0), 0.4 * s, 0.26 * s);
        QTransform tilt;
        tilt.translate(cx, y);
        tilt.rotate(-35);
        head.addPath(tilt.map(hole));
        painter.fillPath(head, colour);
        if (note.sign != Sign::None) {
          painter.setPen(colour);
          const double sx = heads - 0.2 * s - (note.signColumn + 0.5) * kSignWidth * s;
          if (note.sign == Sign::Flat)
            DrawGlyph(painter, kFlat, sx, y - 1.8 * s, 2.35 * s);
          else
            DrawGlyph(painter, note.sign == Sign::Sharp ? kSharp : kNatural, sx, y - 1.3 * s, 2.6 * s);
        }
      }
      x += (column.signColumns * kSignWidth + (shifts + 1) * kHeadWidth + kColumnGap) * s;
    }
    // The notes' names under the staves.
    QStringList names;
    for (const auto& note : laid.group.spelled) names << FromUtf8(notation::NoteName(note, NameLanguage()));
    painter.setPen(colour);
    painter.drawText(QPointF(laid.x + s, YOf(Clef::Bass, 0) + 2.5 * s), names.join(QLatin1Char(' ')));
  }

  // The set class lines; the interval classes in which two sets differ are bold
  // and underlined.
  const std::vector<int> differing = DifferingIntervalClasses();
  double y = YOf(Clef::Bass, 0) + 4.5 * s;
  for (size_t g = 0; g < sets_.size(); ++g) {
    const Laid& laid = sets_[g];
    if (!laid.set.entry) continue;
    const std::vector<int> prime = PrimeForm(laid.set.entry);
    QStringList pcs;
    for (int pc : prime) pcs << QString::number(pc);
    QString head = ClassName(laid.set.entry) + QStringLiteral(" (") + pcs.join(QStringLiteral(", ")) + QStringLiteral(") ⟨");
    if (sets_.size() > 1) head = laid.set.label + QStringLiteral(":  ") + head;
    painter.setPen(SetColour(static_cast<int>(g)));
    painter.setFont(text);
    double x = left;
    painter.drawText(QPointF(x, y), head);
    x += metrics.horizontalAdvance(head);
    const auto vector = notation::IntervalClassVector(prime);
    for (size_t i = 0; i < vector.size(); ++i) {
      const bool marked = std::find(differing.begin(), differing.end(), static_cast<int>(i) + 1) != differing.end();
      QFont digit = text;
      digit.setBold(marked);
      digit.setUnderline(marked);
      painter.setFont(digit);
      const QString n = QString::number(vector[i]);
      painter.drawText(QPointF(x, y), n);
      x += QFontMetricsF(digit).horizontalAdvance(n);
    }
    painter.setFont(text);
    painter.drawText(QPointF(x, y), QStringLiteral("⟩"));
    y += 2 * s;
  }
  if (!differing.empty()) {
    painter.setPen(ink);
    painter.drawText(QPointF(left, y), QCoreApplication::translate("HeardPicture", "Underlined: the interval classes in which they differ"));
  }
  y += 1.0 * s;

  // The keyboard: the first set's keys marked with a round dot, the second's
  // with a diamond.
  const double keyTop = y;
  auto marker = [&](const notation::Key& key, int set, double cx, double cy) {
    painter.setPen(QPen(key.black ? Qt::white : ink, std::max(1.0, s / 12)));
    painter.setBrush(SetColour(set));
    const double r = 0.4 * s;
    if (set == 0) {
      painter.drawEllipse(QPointF(cx, cy), r, r);
    } else {
      const QPointF diamond[4] = {{cx, cy - r * 1.25}, {cx + r * 1.25, cy}, {cx, cy + r * 1.25}, {cx - r * 1.25, cy}};
      painter.drawPolygon(diamond, 4);
    }
  };
  for (const notation::Key& key : keyboard_.keys) {
    const QRectF rect(left + key.x * kKeyWidth * s, keyTop, key.width * kKeyWidth * s, (key.black ? 3.2 : 5.0) * s);
    const bool pressed = key.pressed[0] || key.pressed[1];
    QColor fill = key.black ? QColor(0x20, 0x20, 0x20) : Qt::white;
    if (pressed && !key.black) fill = SetColour(key.pressed[0] ? 0 : 1).lighter(190);
    painter.setPen(QPen(ink, std::max(1.0, s / 12)));
    painter.setBrush(fill);
    painter.drawRect(rect);
    const double cx = rect.center().x();
    const double cy = rect.bottom() - (key.black ? 0.8 : 1.0) * s;
    if (key.pressed[0] && key.pressed[1]) {
      marker(key, 0, cx, cy - 0.9 * s);
      marker(key, 1, cx, cy);
    } else if (pressed) {
      marker(key, key.pressed[0] ? 0 : 1, cx, cy);
    }
  }
  painter.setBrush(Qt::NoBrush);
}
