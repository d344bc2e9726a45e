#include "Readme.h"
#include "Controls.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>
#include <optional>
#include <string>

#include "DataFile.h"
#include "HelpText.h"
#include "Language.h"

TReadmeBox* ReadmeBox = nullptr;

namespace {

constexpr const char* kReadmeFileName = "readme.txt";

// The readme in the student's language when the data folder has it
// (readme.de_AT.txt, then readme.de.txt), else the English one.
std::optional<std::string> ReadReadme() {
  const QString language = CurrentLanguage();
  QStringList names;
  if (!language.isEmpty()) {
    names << QStringLiteral("readme.%1.txt").arg(language);
    if (language.contains(u'_')) names << QStringLiteral("readme.%1.txt").arg(language.section(u'_', 0, 0));
  }
  names << QString::fromLatin1(kReadmeFileName);
  for (const QString& name : names)
    if (auto bytes = ReadTextFile(name.toStdString())) return bytes;
  return std::nullopt;
}

// A heading's "=====" or "-----" as wide as the heading shows, and never
// wider than the field: in a proportional font "=" is wider than a letter,
// and a wrapped underline reads as a line of its own.
QStringList FitUnderlines(QStringList lines, const QFontMetrics& metrics, int room) {
  static const QRegularExpression underline(QStringLiteral("^(=+|-+)$"));
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (lines[i - 1].trimmed().isEmpty() || !underline.match(lines[i]).hasMatch()) continue;
    const QChar mark = lines[i][0];
    const int width = std::min(metrics.horizontalAdvance(lines[i - 1]), room);
    qsizetype count = 1;
    while (metrics.horizontalAdvance(QString(count + 1, mark)) <= width) ++count;
    lines[i] = QString(count, mark);
  }
  return lines;
}

}  // namespace

TReadmeBox::TReadmeBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("readme.txt"));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(6, 1, 486, 328);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Tabs every eight average characters, as a plain text field sets them.
  Memo1->setTabStopDistance(8 * Memo1->fontMetrics().averageCharWidth());

  Button1 = new QPushButton(tr("Close"), this);
  Button1->setGeometry(443, 334, 49, 25);
  FitButtonToCaption(Button1, true);  // its right edge under the text's
  // Enter belongs to the text field, which can be typed into.
  Button1->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(Memo1->x() + Memo1->width() + 10, Button1->y() + Button1->height() + 40);

  // Read once, here. A file that is missing or cannot be read leaves the
  // field as designed: one empty line, and no message.
  if (const auto bytes = ReadReadme()) {
    // The field's lines, beside its scroll bar (the viewport is not laid out yet).
    const int room = Memo1->contentsRect().width() - Memo1->verticalScrollBar()->sizeHint().width() -
                     2 * static_cast<int>(Memo1->document()->documentMargin());
    Memo1->setPlainText(FitUnderlines(SplitLines(DecodeText(*bytes)), Memo1->fontMetrics(), room).join(u'\n'));
    Memo1->moveCursor(QTextCursor::Start);
  }
}

TReadmeBox::~TReadmeBox() = default;

int TReadmeBox::ShowModal() { return exec(); }
