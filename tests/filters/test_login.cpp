// The login window as a student meets it: names, Enter, the saved filters.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "DataFile.h"
#include "ModalWindow.h"
#include "ProgressMenu.h"
#include "ProgressWindow.h"
#include "Sxerrorform.h"
#include "RadioGroup.h"
#include "Sxlogin.h"
#include "WindowsFixture.h"

namespace fs = std::filesystem;

namespace {

int Bottom(const QWidget* w) { return w->y() + w->height(); }
int Right(const QWidget* w) { return w->x() + w->width(); }

// The windows are created as at start-up.
class LoginTest : public WindowsTest {
 protected:
  void Create() {
    CreateWindows();
    ASSERT_NE(LoginForm, nullptr);
  }

  // Shows the login modally and runs `whileShown` inside it; a window that is
  // still open afterwards is closed by its close box.
  void ShowLogin(const std::function<void()>& whileShown) {
    RunModal([] { LoginForm->ShowModal(); }, [&](QWidget*) { whileShown(); }, LoginForm);
  }

  QLineEdit* Edit() const { return LoginForm->ComboBox1->lineEdit(); }
  // Keys go where the keyboard sends them: to the box, which has the focus.
  void Type(const QString& text) { QTest::keyClicks(LoginForm->ComboBox1, text); }
  void Enter() { QTest::keyClick(LoginForm->ComboBox1, Qt::Key_Return); }
  bool NameBoxHasFocus() const {
    return LoginForm->focusWidget() == LoginForm->ComboBox1 || LoginForm->focusWidget() == Edit();
  }

  std::string People() const { return ReadFile("people.dat"); }
  // Whether the saved filters and the question show (all six controls agree).
  bool QuestionShown() const {
    const TLoginForm* f = LoginForm;
    const std::vector<const QWidget*> parts = {f->StaticText3, f->StaticText4, f->Label1,
                                               f->Label2,      f->Button1,     f->Button2};
    const bool shown = !parts[0]->isHidden();
    for (const QWidget* w : parts) EXPECT_EQ(!w->isHidden(), shown);
    return shown;
  }
  int EnabledCount() const {
    int n = 0;
    for (int i = 0; i < Form1->currentList.length; ++i) n += FilterForm->IsEnabled(i) ? 1 : 0;
    return n;
  }
};

TEST_F(LoginTest, StartsWithTheTitlePromptAndNameBoxOnly) {
  Create();
  TLoginForm* f = LoginForm;
  EXPECT_EQ(f->windowTitle(), "Login");
  EXPECT_EQ(f->StaticText5->text(), "Sonorix v. 3.0");
  EXPECT_TRUE(f->StaticText5->font().bold());
  EXPECT_EQ(f->StaticText5->font().pixelSize(), 18);
  EXPECT_EQ(f->StaticText1->text(), "Please type your name in the box");
  EXPECT_EQ(f->StaticText3->text(), "The following filters are saved from last session:");
  EXPECT_EQ(f->Button1->text(), "&Yes");
  EXPECT_EQ(f->ComboBox1->geometry().topLeft(), QPoint(105, 165));
  EXPECT_EQ(f->ComboBox1->width(), 178);
  EXPECT_EQ(f->Button2->geometry(), QRect(207, 320, 92, 31));
  EXPECT_EQ(f->height(), Bottom(f->Button1) + 70);
  EXPECT_EQ(f->width(), Right(f->StaticText3) + 40);
  EXPECT_FALSE(QuestionShown());
  EXPECT_TRUE(f->ComboBox1->isEnabled() && f->ComboBox1->isEditable());
  EXPECT_EQ(f->ComboBox1->currentIndex(), -1);
}

// The first start of all, through the drill window's first show.
TEST_F(LoginTest, FirstRunAddsAnnAndAppliesAllTrichordsInClosePosition) {
  Create();
  QTimer::singleShot(0, LoginForm, [&] {
    Type("Ann");
    Enter();
    if (LoginForm->isVisible()) LoginForm->close();
  });
  Form1->show();
  EXPECT_FALSE(LoginForm->isVisible());
  EXPECT_TRUE(Form1->LoggedIn);
  EXPECT_EQ(Form1->CurrentPersonIndex, 0);
  EXPECT_EQ(Form1->CurrentPersonName, "Ann");
  EXPECT_EQ(People(), "0\r\nAnn");
  EXPECT_EQ(FilterForm->CardinalityIndex(), 0);
  EXPECT_EQ(FilterForm->RangeIndex(), 0);
  EXPECT_EQ(EnabledCount(), 12);
  EXPECT_EQ(Form1->ListBox->count(), 12);
  Form1->hide();
}

TEST_F(LoginTest, LastPersonIsPreselectedAndTypingCompletesAKnownName) {
  dir_.Write("people.dat", "1\r\nAnn\r\nBob");
  Create();
  ShowLogin([&] { Enter(); });
  EXPECT_EQ(Form1->CurrentPersonIndex, 1);
  EXPECT_EQ(Form1->CurrentPersonName, "Bob");
  EXPECT_EQ(People(), "1\r\nAnn\r\nBob");

  ShowLogin([&] {
    EXPECT_EQ(Edit()->text(), "Bob");
    EXPECT_EQ(Edit()->selectedText(), "Bob");  // typing replaces it
    EXPECT_TRUE(NameBoxHasFocus());
    Type("an");
    EXPECT_EQ(LoginForm->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(Edit()->text(), "Ann");
    EXPECT_EQ(Edit()->selectedText(), "n");  // the completed rest, so typing goes on
    QAbstractItemView* list = LoginForm->ComboBox1->completer()->popup();
    EXPECT_TRUE(list->isVisible());  // the list is down, every name in it
    EXPECT_EQ(list->model()->rowCount(), 2);
    Enter();
  });
  EXPECT_EQ(Form1->CurrentPersonIndex, 0);
  EXPECT_EQ(Form1->CurrentPersonName, "Ann");
  EXPECT_EQ(People(), "0\r\nAnn\r\nBob");
}

// In a folder shared by accounts, people.dat's last person is whoever drilled
// last on any machine: each account is offered its own last name, or none,
// and a student sees neither the Class Overview nor clearing the statistics.
TEST_F(LoginTest, InASharedFolderEachAccountIsOfferedItsOwnLastName) {
  dir_.Write("people.dat", "0\r\nAnn\r\nBob");
  fs::create_directory("config");
  SetSharedDataFolder((fs::current_path() / "config").string(), (fs::current_path() / "kept").string());
  SetAccountIsTeacher(false);
  Create();
  ShowLogin([&] {
    EXPECT_EQ(Edit()->text(), "");
    Type("Bob");
    Enter();
  });
  EXPECT_EQ(Form1->CurrentPersonName, "Bob");
  EXPECT_EQ(People(), "1\r\nAnn\r\nBob");  // still the class's file as ever
  EXPECT_FALSE(Exists("sonorix.ini"));
  EXPECT_NE(ReadFile("config/sonorix.ini").find("LastPerson=Bob"), std::string::npos);

  // Another machine logs Ann in meanwhile; this account still gets Bob.
  dir_.Write("people.dat", "0\r\nAnn\r\nBob");
  DestroySonorixWindows();
  Create();
  ShowLogin([&] { EXPECT_EQ(Edit()->text(), "Bob"); });
  EXPECT_FALSE(TProgressMenu::Of(Form1)->ClassOverview1->isVisible());
  {
    dir_.Write("report.dat", "\r\nS 46000 0 Ann\r\nF 0 4095 0\r\nS 46000 1 Bob\r\nF 0 4095 0");
    TProgressForm progress(Form1);
    progress.LoadLog("Bob");
    ASSERT_EQ(progress.PersonBox->count(), 1);  // the classmates are not offered
    EXPECT_EQ(progress.Person(), "Bob");
  }
  ErrorReport->ShowCumulativeReport();
  EXPECT_TRUE(ErrorReport->Button2->isHidden());
  SetAccountIsTeacher(true);
  ErrorReport->ShowCumulativeReport();
  EXPECT_FALSE(ErrorReport->Button2->isHidden());
  SetSharedDataFolder({}, {});
  SetAccountIsTeacher(false);
}

TEST_F(LoginTest, UnknownAndEmptyNamesAreAppended) {
  dir_.Write("people.dat", "1\r\nAnn\r\nBob");
  Create();
  ShowLogin([&] {
    Type("Annika");
    EXPECT_EQ(LoginForm->ComboBox1->currentIndex(), -1);  // no name begins with it
    EXPECT_EQ(Edit()->text(), "Annika");
    Enter();
  });
  EXPECT_EQ(Form1->CurrentPersonIndex, 2);
  EXPECT_EQ(Form1->CurrentPersonName, "Annika");

  ShowLogin([&] {
    QTest::keyClick(LoginForm->ComboBox1, Qt::Key_Delete);
    EXPECT_EQ(Edit()->text(), "");
    EXPECT_EQ(LoginForm->ComboBox1->currentIndex(), -1);
    Enter();
  });
  EXPECT_EQ(Form1->CurrentPersonIndex, 3);
  EXPECT_EQ(Form1->CurrentPersonName, "");

  ShowLogin([&] {
    Type(QString(50, QChar('m')));  // at most 40 are typed
    Enter();
  });
  EXPECT_EQ(Form1->CurrentPersonName, std::string(40, 'm'));
  EXPECT_EQ(People(), "4\r\nAnn\r\nBob\r\nAnnika\r\n\r\n" + std::string(40, 'm'));
}

TEST_F(LoginTest, TheListThatIsDownKeepsTypingAndDeletingInTheBox) {
  dir_.Write("people.dat", "0\r\nAnn\r\nBob\r\nBea");
  Create();
  ShowLogin([&] {
    Type("b");
    QAbstractItemView* list = LoginForm->ComboBox1->completer()->popup();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(Edit()->text(), "Bob");
    // The list has the keyboard grab now; letters still reach the box.
    QTest::keyClicks(list, "e");
    EXPECT_EQ(Edit()->text(), "Bea");
    EXPECT_EQ(LoginForm->ComboBox1->currentIndex(), 2);
    // Deleting takes the completion back and selects no name.
    QTest::keyClick(list, Qt::Key_Backspace);
    EXPECT_EQ(Edit()->text(), "Be");
    EXPECT_EQ(LoginForm->ComboBox1->currentIndex(), -1);
    // Arrow keys walk the list (the first one takes hold of the name it
    // shows) and select the name walked to.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(Edit()->text(), "Bob");
    EXPECT_EQ(LoginForm->ComboBox1->currentIndex(), 1);
    QTest::keyClick(list, Qt::Key_Return);
  });
  EXPECT_EQ(Form1->CurrentPersonName, "Bob");
  EXPECT_EQ(People(), "1\r\nAnn\r\nBob\r\nBea");

  ShowLogin([&] {
    Type("Be");
    QAbstractItemView* list = LoginForm->ComboBox1->completer()->popup();
    QTest::keyClick(list, Qt::Key_Backspace);
    QTest::keyClick(list, Qt::Key_Return);  // "Be" as typed, though Bea is in view
  });
  EXPECT_EQ(Form1->CurrentPersonName, "Be");
  EXPECT_EQ(Form1->CurrentPersonIndex, 3);
}

TEST_F(LoginTest, MostTetrachordsOnListsTheOnesOffAndYesAppliesThem) {
  // 20 of 29 on (list indices 0..19), within one octave.
  dir_.Write("filters.dat", "65535\r\n15\r\n4");
  Create();
  ShowLogin([&] {
    Type("Ann");
    Enter();
    ASSERT_TRUE(LoginForm->isVisible());
    EXPECT_TRUE(Form1->LoggedIn);
    EXPECT_TRUE(QuestionShown());
    EXPECT_FALSE(LoginForm->ComboBox1->isEnabled());
    EXPECT_EQ(LoginForm->Label1->text(), "4-21 4-22 4-23 4-24 4-25 4-26 4-27 4-28 4-Z29 OFF");
    EXPECT_EQ(LoginForm->Label2->text(), "(all else on)");
    EXPECT_EQ(LoginForm->height(), Bottom(LoginForm->Button2) + 80);
    EXPECT_GE(LoginForm->width(), Right(LoginForm->Label1));
    // A second Enter does not answer; nothing is applied before the answer.
    QWidget* focus = LoginForm->focusWidget();
    QTest::keyClick(focus ? focus : LoginForm, Qt::Key_Return);
    EXPECT_TRUE(LoginForm->isVisible());
    EXPECT_EQ(FilterForm->CardinalityIndex(), 0);
    LoginForm->Button1->click();
  });
  EXPECT_FALSE(LoginForm->isVisible());
  EXPECT_EQ(FilterForm->CardinalityIndex(), 1);
  EXPECT_EQ(FilterForm->RangeIndex(), 1);
  EXPECT_EQ(Form1->currentList.length, 29);
  for (int i = 0; i < 29; ++i) EXPECT_EQ(FilterForm->IsEnabled(i), i < 20) << i;
  EXPECT_EQ(Form1->ListBox->count(), 20);
  EXPECT_EQ(People(), "0\r\nAnn");
}

TEST_F(LoginTest, NoEnablesEveryClassOfTheSavedCardinalityAndRange) {
  dir_.Write("filters.dat", "3\r\n0\r\n5");
  Create();
  ShowLogin([&] {
    Type("Ann");
    Enter();
    EXPECT_EQ(LoginForm->Label1->text(), "4-1 4-2 ON");
    EXPECT_EQ(LoginForm->Label2->text(), "(all else off)");
    EXPECT_EQ(LoginForm->Button2->shortcut(), QKeySequence(Qt::ALT | Qt::Key_N));
    LoginForm->Button2->click();
  });
  EXPECT_FALSE(LoginForm->isVisible());
  EXPECT_EQ(FilterForm->CardinalityIndex(), 1);
  EXPECT_EQ(FilterForm->RangeIndex(), 2);
  EXPECT_EQ(EnabledCount(), 29);
  EXPECT_EQ(Form1->ListBox->count(), 29);
}

TEST_F(LoginTest, ClosingBeforeAnAnswerAppliesNothing) {
  dir_.Write("people.dat", "1\r\nAnn\r\nBob");
  dir_.Write("filters.dat", "3\r\n0\r\n5");
  Create();
  ShowLogin([&] {
    Type("Cy");
    LoginForm->close();  // the close box, before Enter
  });
  EXPECT_FALSE(Form1->LoggedIn);
  EXPECT_EQ(FilterForm->CardinalityIndex(), 0);
  EXPECT_EQ(Form1->ListBox->count(), 0);
  EXPECT_EQ(People(), "1\r\nAnn\r\nBob");  // still Bob, the last who logged in

  ShowLogin([&] {
    Type("Ann");
    Enter();
    QTest::keyClick(LoginForm, Qt::Key_Escape);  // while asked
  });
  EXPECT_TRUE(Form1->LoggedIn);
  EXPECT_EQ(Form1->CurrentPersonName, "Ann");
  EXPECT_EQ(FilterForm->CardinalityIndex(), 0);
  EXPECT_EQ(Form1->ListBox->count(), 0);
  EXPECT_EQ(People(), "0\r\nAnn\r\nBob");
}

TEST_F(LoginTest, MissingCatalogueClosesWithoutApplying) {
  dir_.Write("filters.dat", "3\r\n0\r\n5");
  Create();
  fs::remove(dir_.Path("ftclass.dat"));
  ShowLogin([&] {
    Type("Ann");
    Enter();
  });
  EXPECT_FALSE(LoginForm->isVisible());
  EXPECT_EQ(LoginForm->windowTitle(), "File Error! No ftclass.dat");
  EXPECT_TRUE(Form1->LoggedIn);
  EXPECT_EQ(FilterForm->CardinalityIndex(), 0);
  EXPECT_EQ(People(), "0\r\nAnn");
  // The caption stays; the next showing still offers the name box.
  ShowLogin([&] {
    EXPECT_EQ(LoginForm->windowTitle(), "File Error! No ftclass.dat");
    EXPECT_TRUE(LoginForm->ComboBox1->isEnabled());
    EXPECT_FALSE(QuestionShown());
  });
}

TEST_F(LoginTest, PeopleFileWithATrailingBreakOrDamage) {
  dir_.Write("people.dat", "1\r\nAnn\r\n");
  Create();
  ASSERT_EQ(LoginForm->ComboBox1->count(), 2);
  EXPECT_EQ(LoginForm->ComboBox1->currentIndex(), 1);
  ShowLogin([&] { Enter(); });
  EXPECT_EQ(Form1->CurrentPersonName, "");
  EXPECT_EQ(People(), "1\r\nAnn\r\n");
  DestroySonorixWindows();

  // A first line that is no number, a name that is no text, an overlong line.
  const char head[] = "\x7f" "ELF\x02\x01\x01\0\0\0\n\xff\xfe\r\n";
  dir_.Write("people.dat", std::string(head, sizeof head - 1) + std::string(300, 'Q') + "\nZed");
  Create();
  EXPECT_EQ(LoginForm->ComboBox1->currentIndex(), -1);
  ASSERT_EQ(LoginForm->ComboBox1->count(), 3);
  ShowLogin([&] {
    Type("Z");
    Enter();
  });
  EXPECT_EQ(Form1->CurrentPersonName, "Zed");
  EXPECT_EQ(People(), "2\r\n\xff\xfe\r\n" + std::string(99, 'Q') + "\r\nZed");
}

// "Login New Person" after a login that asked: a new student can type a name.
TEST_F(LoginTest, EveryShowingStartsAfresh) {
  dir_.Write("people.dat", "0\r\nAnn");
  dir_.Write("filters.dat", "65535\r\n15\r\n3");
  Create();
  const QSize startSize = LoginForm->size();
  ShowLogin([&] {
    Type("Bob");
    Enter();
    ASSERT_TRUE(QuestionShown());
    LoginForm->Button1->click();
  });
  EXPECT_EQ(Form1->CurrentPersonName, "Bob");

  QTimer::singleShot(0, LoginForm, [&] {
    EXPECT_FALSE(QuestionShown());
    EXPECT_TRUE(LoginForm->ComboBox1->isEnabled());
    EXPECT_TRUE(NameBoxHasFocus());
    EXPECT_EQ(LoginForm->size(), startSize);
    EXPECT_EQ(LoginForm->windowTitle(), "Login");
    EXPECT_EQ(LoginForm->ComboBox1->currentIndex(), 1);  // the last person
    Type("Cy");
    Enter();
    EXPECT_TRUE(QuestionShown());
    LoginForm->Button2->click();
    if (LoginForm->isVisible()) LoginForm->close();
  });
  Form1->LoginNewPerson1Click();
  EXPECT_EQ(Form1->CurrentPersonIndex, 2);
  EXPECT_EQ(Form1->CurrentPersonName, "Cy");
  EXPECT_EQ(People(), "2\r\nAnn\r\nBob\r\nCy");
  // The drill window's selectors follow what the login applied.
  EXPECT_EQ(EnabledCount(), 29);
  EXPECT_EQ(Form1->RadioGroup1->ItemIndex(), 1);
  EXPECT_EQ(Form1->RadioGroup2->ItemIndex(), 0);
}

}  // namespace
