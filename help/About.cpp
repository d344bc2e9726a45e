#include "About.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <algorithm>

TAboutBox* AboutBox = nullptr;

namespace {

constexpr int kLeft = 20;
constexpr int kLineGap = 2;
constexpr int kParagraphGap = 10;

// An empty entry ends a paragraph. Each line is translated on its own.
constexpr const char* kCredits[] = {
    QT_TRANSLATE_NOOP("TAboutBox", "Ear training for music students: Sonorix plays trichords and"),
    QT_TRANSLATE_NOOP("TAboutBox", "tetrachords and asks which pitch-class set class you heard."),
    "",
    QT_TRANSLATE_NOOP("TAboutBox", "Sonorix is free software under the GNU General Public License,"),
    QT_TRANSLATE_NOOP("TAboutBox", "version 3 or (at your option) any later version: you may share"),
    QT_TRANSLATE_NOOP("TAboutBox", "and change it under its terms. It comes with NO WARRANTY."),
    QT_TRANSLATE_NOOP("TAboutBox", "The license is in /usr/share/common-licenses/GPL-3,"),
    QT_TRANSLATE_NOOP("TAboutBox", "Sonorix's copyright notice in %1."),
    "",
    QT_TRANSLATE_NOOP("TAboutBox", "It stands on Qt, FluidSynth and RtMidi, and its built-in"),
    QT_TRANSLATE_NOOP("TAboutBox", "synthesizer plays a General MIDI SoundFont, by default TimGM6mb."),
};

// Where the installed package keeps its copyright notice: beside the program
// (any install prefix), or where the Debian package puts it.
QString CopyrightFile() {
  const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(
      QStringLiteral("../share/doc/sonorix/copyright")));
  if (beside.exists()) return beside.canonicalFilePath();
  return QStringLiteral("/usr/share/doc/sonorix/copyright");
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Sonorix"));
  // A fixed-size dialog closed only by its close box (or Escape).
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);

  ProductName = new QLabel(QStringLiteral("Sonorix v. 3.0"), this);
  QFont title = ProductName->font();
  title.setPointSize(title.pointSize() * 3 / 2);
  title.setBold(true);
  ProductName->setFont(title);
  ProductName->move(kLeft, 16);
  ProductName->adjustSize();

  int top = ProductName->y() + ProductName->height() + kParagraphGap + 4;
  for (const char* text : kCredits) {
    if (*text == '\0') {
      top += kParagraphGap;
      continue;
    }
    QString lineText = tr(text);
    if (lineText.contains(QLatin1String("%1"))) lineText = lineText.arg(CopyrightFile());
    auto* line = new QLabel(lineText, this);
    line->move(kLeft, top);
    line->adjustSize();
    CreditLines.push_back(line);
    top += line->height() + kLineGap;
  }

  int right = ProductName->x() + ProductName->width();
  for (const QLabel* line : CreditLines) right = std::max(right, line->x() + line->width());
  const QLabel* last = CreditLines.back();
  setFixedSize(right + 40, last->y() + last->height() + 40);
}

TAboutBox::~TAboutBox() = default;

int TAboutBox::ShowModal() { return exec(); }
