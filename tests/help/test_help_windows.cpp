// The Help menu's windows as the student meets them: the readme viewer with
// whatever readme.txt it finds at start, and the about box.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "ModalWindow.h"
#include "About.h"
#include "Readme.h"
#include "Sxmidi.h"
#include "WindowsFixture.h"

namespace {

class HelpWindowsTest : public WindowsTest {
 protected:
  // Chooses a menu item and runs `whileShown` inside the modal window it
  // opens; a window still open then is closed by its close box. Returns the
  // window that was shown modally, or null.
  static QWidget* Choose(QAction* item, const std::function<void(QWidget*)>& whileShown = {}) {
    return RunModal([item] { item->trigger(); }, whileShown);
  }
  static QString MemoText() { return ReadmeBox->Memo1->toPlainText(); }
};

TEST_F(HelpWindowsTest, TheMidiAndHelpItemsOpenTheirWindowsModally) {
  CreateWindows();
  for (const auto& [item, window] : {std::pair<QAction*, QWidget*>{Form1->Midisetup1, MidiForm},
                                     {Form1->Instructionsreadmetxt1, ReadmeBox},
                                     {Form1->AboutSonorix1, AboutBox}}) {
    EXPECT_TRUE(item->isEnabled());
    EXPECT_EQ(Choose(item), window) << item->text().toStdString();
    EXPECT_FALSE(window->isVisible());
  }
}

TEST_F(HelpWindowsTest, ReadmeShowsTheFileReadAtStartWithEveryKindOfLineBreak) {
  // CR LF, LF and CR mixed, an empty line, bytes of a single-byte file, Ctrl-Z.
  dir_.Write("readme.txt", "Sonorix\r\nline two\nthird\rfourth\r\n\r\nCaf\xE9 \x93quoted\x94\x1A after the end");
  CreateWindows();
  EXPECT_EQ(MemoText(), QString::fromUtf16(u"Sonorix\nline two\nthird\nfourth\n\nCaf\u00E9 \u201Cquoted\u201D"));
  EXPECT_EQ(ReadmeBox->size(), QSize(502, 399));

  // Read once: a later change is not seen; what is typed is kept while the
  // program runs and never saved; Close ends the window with OK.
  dir_.Write("readme.txt", "changed\r\n");
  Choose(Form1->Instructionsreadmetxt1, [](QWidget*) {
    EXPECT_TRUE(MemoText().startsWith("Sonorix\n"));
    QTest::keyClicks(ReadmeBox->Memo1, "typed ");
    QTest::mouseClick(ReadmeBox->Button1, Qt::LeftButton);
  });
  EXPECT_EQ(ReadmeBox->result(), QDialog::Accepted);
  EXPECT_TRUE(MemoText().startsWith("typed Sonorix\n"));
  EXPECT_EQ(ReadFile("readme.txt"), "changed\r\n");
}

TEST_F(HelpWindowsTest, ReadmeMissingOrUnreadableIsOneEmptyLineAndAShortOneDoesNotScroll) {
  CreateWindows();
  EXPECT_EQ(MemoText(), "");
  EXPECT_EQ(ReadmeBox->Memo1->blockCount(), 1);
  EXPECT_NE(Choose(Form1->Instructionsreadmetxt1), nullptr);
  DestroySonorixWindows();

  std::filesystem::create_directory(dir_.Path("readme.txt"));  // cannot be read
  CreateWindows();
  EXPECT_EQ(MemoText(), "");
  Choose(Form1->Instructionsreadmetxt1,
         [](QWidget*) { EXPECT_EQ(ReadmeBox->Memo1->verticalScrollBar()->maximum(), 0); });
}

TEST_F(HelpWindowsTest, ALongReadmeScrollsAndItsLinesWrapAtTheFieldsWidth) {
  const std::string longLine(400, 'x');
  dir_.Write("readme.txt", longLine + " " + longLine + "\r\n" + ReadBytes(ShippedDataPath("readme.txt")));
  CreateWindows();
  Choose(Form1->Instructionsreadmetxt1, [](QWidget*) {
    QPlainTextEdit* memo = ReadmeBox->Memo1;
    EXPECT_GT(memo->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(memo->verticalScrollBar()->isVisible());
    EXPECT_FALSE(memo->horizontalScrollBar()->isVisible());
    const QTextBlock first = memo->document()->firstBlock();
    EXPECT_GT(memo->document()->documentLayout()->blockBoundingRect(first).height(),
              2.5 * memo->fontMetrics().lineSpacing());
  });
}

TEST_F(HelpWindowsTest, AboutBoxShowsVersionAndCreditsAndClosesWithoutButtons) {
  CreateWindows();
  const TAboutBox* a = AboutBox;
  EXPECT_EQ(a->ProductName->text(), "Sonorix v. 3.0");
  QString credits;
  int right = a->ProductName->geometry().right() + 1;
  int bottom = a->ProductName->geometry().bottom() + 1;
  for (const QLabel* line : a->CreditLines) {
    credits += line->text() + " ";
    EXPECT_GE(line->y(), bottom);  // one below the other
    bottom = line->geometry().bottom() + 1;
    right = std::max(right, line->geometry().right() + 1);
  }
  for (const char* needed : {"free software", "GNU General Public License", "version 3", "later version",
                             "/usr/share/common-licenses/GPL-3", "/share/doc/sonorix/copyright",
                             "Qt", "FluidSynth", "RtMidi", "General MIDI SoundFont", "TimGM6mb"})
    EXPECT_TRUE(credits.contains(QLatin1String(needed))) << needed;
  EXPECT_EQ(a->size(), QSize(right + 40, bottom + 40));
  EXPECT_EQ(a->minimumSize(), a->maximumSize());
  EXPECT_TRUE(a->findChildren<QAbstractButton*>().isEmpty());

  bool escaped = false;
  Choose(Form1->AboutSonorix1, [&](QWidget* w) {
    QTest::keyClick(w, Qt::Key_Escape);
    escaped = !w->isVisible();
  });
  EXPECT_TRUE(escaped);
}

}  // namespace
