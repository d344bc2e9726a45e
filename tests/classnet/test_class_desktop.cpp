// The drill window in a class on Debian's Apache and on rclone: joined
// through the join window's rules, a drill played to END reaches the server
// once, a refused password keeps it waiting, and a remembered password is for
// this account's eyes alone.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>

#include "ClassMenu.h"
#include "ClassServer.h"
#include "DrillFiling.h"
#include "DrillWindowTest.h"
#include "ErrorStats.h"
#include "JoinClassForm.h"
#include "SessionLog.h"

namespace {

class ClassDesktopTest : public DrillWindowTest {
 protected:
  void SetUp() override {
    // No session bus: the keyring is not asked, the file is the store.
    config_ = dir_.Path("config");
    ::setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    DrillWindowTest::SetUp();
  }
  void TearDown() override {
    DrillWindowTest::TearDown();
    ::unsetenv("XDG_CONFIG_HOME");
  }

  // A drill of five right answers, ended by END.
  void Drill() {
    std::vector<int> q = Begin();
    for (int k = 0; k < 5; ++k) {
      clock_.now += 2000;
      const size_t mark = Mark();
      AnswerByTyping(RowFor(q));
      q = HeardSince(mark);
    }
    Form1->Button1->click();
  }
  std::vector<int> Begin() {
    const size_t mark = Mark();
    Form1->Button1->click();
    return HeardSince(mark);
  }
  std::vector<std::string> Parts(const ClassServer& server, const std::string& stem) const {
    std::vector<std::string> parts;
    std::error_code ignored;
    for (const auto& e : std::filesystem::directory_iterator(server.Folder("ann"), ignored))
      if (e.path().filename().string().rfind(stem + ".", 0) == 0) parts.push_back(e.path().filename().string());
    std::sort(parts.begin(), parts.end());
    return parts;
  }

  std::string config_;
};

// On each server the tests start: Apache and rclone.
class ClassDesktopServerTest : public ClassDesktopTest, public testing::WithParamInterface<DavServer> {};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Servers, ClassDesktopServerTest, testing::Values(DavServer::Apache, DavServer::Rclone),
                         [](const auto& info) { return std::string(DavServerName(info.param)); });

TEST_P(ClassDesktopServerTest, JoinedTheDrillReachesTheServerOnceAndARefusalKeepsItWaiting) {
  ClassServer server(GetParam());
  ASSERT_TRUE(server.Ready()) << DavServerName(GetParam()) << " did not start";
  CreateAndShowLoggedIn("Ann");
  TClassMenu* menu = TClassMenu::Of(Form1);
  ASSERT_NE(menu, nullptr);
  ClassLink& link = menu->Link();
  EXPECT_TRUE(menu->Join1->isEnabled());
  EXPECT_FALSE(menu->Leave1->isEnabled());
  EXPECT_FALSE(Form1->statusBar()->isVisible()) << "in no class the window keeps its design";

  // The join window's rules: no password to another machine without HTTPS,
  // none in the address; the server's refusal is told, nothing is kept.
  TJoinClassForm form(link, menu->Passwords(), Form1);
  form.show();
  form.AddressEdit->setText(QStringLiteral("http://dav.school.example/Theory 1/"));
  form.AccountEdit->setText(QStringLiteral("ann"));
  form.PasswordEdit->setText(QStringLiteral("a-pw"));
  EXPECT_EQ(form.PasswordEdit->echoMode(), QLineEdit::Password);
  form.Try();
  EXPECT_FALSE(form.Asking()) << "nothing is sent";
  EXPECT_EQ(form.MessageLabel->text().toStdString(), AddressFaultMessage(AddressFault::NotHttps));
  form.AddressEdit->setText(QString::fromStdString(server.Class()));
  form.PasswordEdit->setText(QStringLiteral("guess"));
  form.Try();
  EXPECT_TRUE(form.Asking());
  ASSERT_TRUE(ProcessEventsUntil([&] { return !form.Asking(); }));
  EXPECT_EQ(form.MessageLabel->text().toStdString(), ClassFaultMessage(ClassFault::Unauthorized));
  EXPECT_FALSE(link.Joined());
  EXPECT_TRUE(form.isVisible());

  form.PasswordEdit->setText(QStringLiteral("a-pw"));
  form.RememberBox->setChecked(true);
  form.Try();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !form.isVisible(); }));
  EXPECT_EQ(form.result(), QDialog::Accepted);
  ASSERT_TRUE(link.Joined());
  EXPECT_FALSE(menu->Join1->isEnabled());
  EXPECT_TRUE(menu->Leave1->isEnabled());
  EXPECT_TRUE(Form1->statusBar()->isVisible());
  EXPECT_EQ(ReadFile(kClassLinkFileName), "address " + server.Class() + "\r\naccount ann\r\n");

  // Remembered in a file this account alone may read, not in the data folder.
  struct stat info {};
  ASSERT_EQ(::stat(PasswordStore::FilePath().c_str(), &info), 0) << PasswordStore::FilePath();
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(PasswordStore::LoadFromFile(ClassPasswordKey("ann", server.Class())), "a-pw");
  for (const auto& e : std::filesystem::directory_iterator(dir_.Root()))
    if (e.is_regular_file()) {
      EXPECT_EQ(ReadFile(e.path().filename().string()).find("a-pw"), std::string::npos) << e.path();
    }

  // Started again, the remembered password is used without a question.
  {
    QMainWindow restarted;
    TClassMenu second(&restarted, restarted.menuBar());
    EXPECT_TRUE(second.Link().Joined());
    EXPECT_TRUE(second.Link().HasPassword());
  }
  SetDrillFiling(&link);

  // A drill to END: its records and statistics are on the server, once each.
  Drill();
  ASSERT_TRUE(ProcessEventsUntil([&] { return Parts(server, kErrorsFileName).size() == 1; }));
  ASSERT_EQ(Parts(server, kReportFileName).size(), 1u);
  EXPECT_EQ(server.OnDisk("ann/" + Parts(server, kReportFileName)[0]), ReadFile(kReportFileName));
  EXPECT_EQ(server.OnDisk("ann/" + Parts(server, kErrorsFileName)[0]), ReadFile(kErrorsFileName));
  ASSERT_TRUE(ProcessEventsUntil([&] { return link.Waiting().drills == 0 && link.Waiting().others == 0; }));
  EXPECT_EQ(menu->StatusLabel->text(), "Saved to the class");

  // The server refuses the password now: the drill waits, and says why.
  const std::string before = ReadFile(kReportFileName);
  link.SetPassword("changed meanwhile");
  Drill();
  ASSERT_TRUE(ProcessEventsUntil([&] { return link.LastFault() == ClassFault::Unauthorized; }));
  EXPECT_EQ(link.Waiting().drills, 1);
  EXPECT_EQ(Parts(server, kReportFileName).size(), 1u);
  EXPECT_EQ(menu->StatusLabel->text().toStdString(), ClassFaultMessage(ClassFault::Unauthorized));
  EXPECT_TRUE(menu->LeaveQuestion().startsWith("1 drill still waits for the network")) << menu->LeaveQuestion().toStdString();

  // The right one again: it goes, once.
  TJoinClassForm again(link, menu->Passwords(), Form1);
  EXPECT_TRUE(again.AddressEdit->isReadOnly());
  again.show();
  again.PasswordEdit->setText(QStringLiteral("a-pw"));
  again.Try();
  ASSERT_TRUE(ProcessEventsUntil([&] { return Parts(server, kReportFileName).size() == 2; }));
  EXPECT_EQ(server.OnDisk("ann/" + Parts(server, kReportFileName)[1]), ReadFile(kReportFileName).substr(before.size()));
  EXPECT_FALSE(again.RememberBox->isChecked());
  EXPECT_FALSE(PasswordStore::LoadFromFile(ClassPasswordKey("ann", server.Class()))) << "not remembered this time";

  // Started again without it, the password is asked once the window shows.
  {
    QMainWindow restarted;
    TClassMenu second(&restarted, restarted.menuBar());
    EXPECT_FALSE(second.Link().HasPassword());
    EXPECT_EQ(second.StatusLabel->text(), "The class's password is needed to send");
    restarted.show();
    TJoinClassForm* asked = nullptr;
    ASSERT_TRUE(ProcessEventsUntil([&] { return (asked = restarted.findChild<TJoinClassForm*>()) && asked->isVisible(); }));
    EXPECT_TRUE(asked->AccountEdit->isReadOnly());
    asked->PasswordEdit->setText(QStringLiteral("a-pw"));
    asked->Try();
    EXPECT_TRUE(ProcessEventsUntil([&] { return second.Link().HasPassword(); }));
  }
  SetDrillFiling(&link);

  // Leaving forgets the class; the student's files stay.
  menu->Leave();
  EXPECT_FALSE(link.Joined());
  EXPECT_TRUE(menu->Join1->isEnabled());
  EXPECT_FALSE(Form1->statusBar()->isVisible());
  EXPECT_NE(ReadFile(kReportFileName), "");
  EXPECT_EQ(ReadFile(kClassLinkFileName), "");
}

// The desktop's half of the page's test of one class for both
// (web/tests/class-desktop.test.mjs): joins the class it started as the
// account and password it names, plays one drill to END, and ends once the
// drill is on the server. Skipped when no class is named.
TEST_F(ClassDesktopTest, ADrillPlayedHereReachesTheClassThePageTestNames) {
  const char* address = std::getenv("SONORIX_CLASS_ADDRESS");
  const char* account = std::getenv("SONORIX_CLASS_ACCOUNT");
  const char* password = std::getenv("SONORIX_CLASS_PASSWORD");
  if (!address || !account || !password) GTEST_SKIP() << "run by web/tests/class-desktop.test.mjs";
  CreateAndShowLoggedIn("Ann");
  TClassMenu* menu = TClassMenu::Of(Form1);
  ASSERT_NE(menu, nullptr);
  ClassLink& link = menu->Link();
  TJoinClassForm form(link, menu->Passwords(), Form1);
  form.show();
  form.AddressEdit->setText(QString::fromUtf8(address));
  form.AccountEdit->setText(QString::fromUtf8(account));
  form.PasswordEdit->setText(QString::fromUtf8(password));
  form.Try();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !form.isVisible(); })) << form.MessageLabel->text().toStdString();
  ASSERT_TRUE(link.Joined());
  SetDrillFiling(&link);

  Drill();
  ASSERT_TRUE(ProcessEventsUntil([&] { return link.Waiting().drills == 0 && link.Waiting().others == 0; }))
      << menu->StatusLabel->text().toStdString();
  EXPECT_EQ(link.LastFault(), ClassFault::None);
  EXPECT_EQ(menu->StatusLabel->text(), "Saved to the class");
}
