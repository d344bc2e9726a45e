#include "Readme.h"
#include "Controls.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
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
    Memo1->setPlainText(SplitLines(DecodeText(*bytes)).join(u'\n'));
    Memo1->moveCursor(QTextCursor::Start);
  }
}

TReadmeBox::~TReadmeBox() = default;

int TReadmeBox::ShowModal() { return exec(); }
