#include "About.h"

#include <QFont>
#include <QLabel>
#include <algorithm>

TAboutBox* AboutBox = nullptr;

namespace {

constexpr int kLeft = 20;
constexpr int kLineGap = 2;
constexpr int kParagraphGap = 10;

// An empty entry ends a paragraph.
constexpr const char* kCredits[] = {
    "Ear training for music students: Sonorix plays trichords and",
    "tetrachords and asks which pitch-class set class you heard.",
    "",
    "Sonorix is free software under the GNU General Public License,",
    "version 3 or (at your option) any later version: you may share",
    "and change it under its terms. It comes with NO WARRANTY.",
    "The license is in the file COPYING.",
    "",
    "It stands on Qt, FluidSynth and RtMidi, and its built-in",
    "synthesizer plays a General MIDI SoundFont, by default TimGM6mb.",
};

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Sonorix"));
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
    auto* line = new QLabel(QString::fromUtf8(text), this);
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
