// A drill played in German writes the same files as one played in the C
// locale. The drill runs in a child process of this test, started with
// LANG set, so the application object and the catalogue see the language
// exactly as the program does at start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>

#include "Application.h"
#include "Language.h"
#include "Sxerrorform.h"
#include "Sxlogin.h"
#include "DrillWindowTest.h"

namespace {

namespace fs = std::filesystem;

const char* const kDrillFiles[] = {"report.dat", "errors.dat", "hiscore.dat", "people.dat", "filters.dat"};

// The student's moves, borrowed from the drill window's tests.
struct Student : DrillWindowTest {
  using DrillWindowTest::AnswerByTyping;
  using DrillWindowTest::RowFor;
  using DrillWindowTest::WrongRowFor;
};

// Runs `act` once `window` is shown (modally): the caller's modal loop then
// runs it.
void WhenShown(QWidget* window, std::function<void()> act) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, window, act] {
    if (QApplication::activeModalWidget() != window) return;
    poll->stop();
    poll->deleteLater();
    act();
  });
  poll->start();
}

// With SONORIX_SHOTS set to a folder, the child also saves pictures of the
// drill window, the score window and the error report there, for checking by
// eye that no translated text is cut off.
void Shot(QWidget* window, const char* name) {
  const QString folder = qEnvironmentVariable("SONORIX_SHOTS");
  if (folder.isEmpty()) return;
  QApplication::processEvents();
  window->grab().save(folder + QStringLiteral("/") + QLatin1String(name) + QStringLiteral(".png"));
}

// In the child: a whole drill from the login to the error report, with a
// fixed clock and random source, in the working directory. Prints what the
// windows said, so the test sees the language was in force.
int PlayDrill(TSonorixApplication& app) {
  InstallLanguage(app);
  app.SetShowsMessageBoxes(false);
  QApplication::setQuitOnLastWindowClosed(false);
  FakeClock clock(10000, 38961);
  RecorderReset();
  CreateSonorixWindows();
  ProgramRandom().Seed(12345);

  // The login: a name with a letter outside ASCII, and Enter.
  WhenShown(LoginForm, [] {
    QTest::keyClicks(LoginForm->ComboBox1, QStringLiteral("J"));
    QTest::sendKeyEvent(QTest::Click, LoginForm->ComboBox1, Qt::Key_Odiaeresis, QStringLiteral("ö"), Qt::NoModifier);
    QTest::keyClicks(LoginForm->ComboBox1, QStringLiteral("rg"));
    QTest::keyClick(LoginForm->ComboBox1, Qt::Key_Return);
  });
  Form1->show();
  QApplication::processEvents();

  std::printf("locale %s\n", std::setlocale(LC_MESSAGES, nullptr));
  std::printf("BEGIN %s\n", Form1->Button1->text().toUtf8().constData());

  // Six questions, one wrong answer before each of the even ones.
  Form1->Button1->click();
  size_t mark = 0;
  for (int right = 0; right < 6; ++right) {
    const std::vector<int> notes = [&] {
      const auto puts = RecorderPuts();
      std::vector<int> heard;
      for (size_t i = mark; i < puts.size(); ++i) heard.push_back(puts[i].event.data1);
      return heard;
    }();
    mark = RecorderPuts().size();
    clock.now += 1700;
    if (right % 2 == 0) {
      const int wrong = Student::WrongRowFor(notes);
      if (wrong >= 0) Student::AnswerByTyping(wrong);
      clock.now += 900;
    }
    const int row = Student::RowFor(notes);
    if (row < 0) {
      std::printf("no row for the question\n");
      return 2;
    }
    Student::AnswerByTyping(row);
  }
  std::printf("END %s\n", Form1->Button1->text().toUtf8().constData());
  Shot(Form1, "drill");

  // END: the score window, its error report in both views, then OK.
  WhenShown(Form2, [] {
    WhenShown(ErrorReport, [] {
      std::printf("report %s\n", ErrorReport->RadioGroup1->Button(1)->text().toUtf8().constData());
      ErrorReport->CheckBox6->click();
      Shot(ErrorReport, "error-report");
      ErrorReport->RadioGroup1->SetItemIndex(1);
      Shot(ErrorReport, "error-report-cumulative");
      ErrorReport->Button1->click();
    });
    Shot(Form2, "score");
    Form2->Button2->click();
    Form2->Button1->click();
  });
  Form1->Button1->click();
  Form1->close();
  QApplication::processEvents();
  DestroySonorixWindows();
  std::fflush(stdout);
  return 0;
}

// A locale the C library can load: the system's own, or one made with
// localedef into `folder` (then LOCPATH must name it). Empty when neither.
QString LoadableLocale(const QString& name, const QString& folder, bool& generated) {
  generated = false;
  if (locale_t probe = newlocale(LC_ALL_MASK, name.toLatin1().constData(), nullptr)) {
    freelocale(probe);
    return name;
  }
  QProcess localedef;
  localedef.start(QStringLiteral("localedef"), {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                                                QStringLiteral("UTF-8"), folder + QStringLiteral("/") + name});
  if (!localedef.waitForFinished(50000) || localedef.exitStatus() != QProcess::NormalExit) return {};
  // localedef warns (exit 1) about harmless things; the result is what counts.
  if (!QDir(folder + QStringLiteral("/") + name).exists()) return {};
  generated = true;
  return name;
}

struct Played {
  QString out;
  std::string files[std::size(kDrillFiles)];
};

Played PlayIn(const QString& folder, const QString& lang, const QString& locpath) {
  Played run;
  fs::copy_file(ShippedDataPath("ftclass.dat"), fs::path(folder.toStdString()) / "ftclass.dat");
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_TIME", "LC_CTYPE"})
    env.remove(QString::fromLatin1(name));
  env.insert(QStringLiteral("LANG"), lang);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  if (!locpath.isEmpty()) env.insert(QStringLiteral("LOCPATH"), locpath);
  QProcess child;
  child.setProcessEnvironment(env);
  child.setWorkingDirectory(folder);
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--play-drill")});
  EXPECT_TRUE(child.waitForFinished(25000)) << lang.toStdString();
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0) << lang.toStdString();
  run.out = QString::fromUtf8(child.readAllStandardOutput());
  for (size_t i = 0; i < std::size(kDrillFiles); ++i)
    run.files[i] = ReadBytes(fs::path(folder.toStdString()) / kDrillFiles[i]);
  return run;
}

TEST(DrillInGerman, WritesTheSameFilesAsInTheCLocale) {
  QTemporaryDir locales, plain, german;
  bool generated = false;
  const QString de = LoadableLocale(QStringLiteral("de_DE.UTF-8"), locales.path(), generated);
  ASSERT_FALSE(de.isEmpty()) << "no de_DE.UTF-8 locale, and localedef could not make one";

  const Played c = PlayIn(plain.path(), QStringLiteral("C"), QString());
  const Played g = PlayIn(german.path(), de, generated ? locales.path() : QString());

  // The language was in force: the C library took the locale, the windows spoke German.
  EXPECT_TRUE(c.out.contains(QStringLiteral("BEGIN BEGIN\n"))) << c.out.toStdString();
  EXPECT_TRUE(c.out.contains(QStringLiteral("END END\n"))) << c.out.toStdString();
  EXPECT_TRUE(g.out.contains(QStringLiteral("locale de_DE.UTF-8\n"))) << g.out.toStdString();
  EXPECT_TRUE(g.out.contains(QStringLiteral("BEGIN START\n"))) << g.out.toStdString();
  EXPECT_TRUE(g.out.contains(QStringLiteral("END ENDE\n"))) << g.out.toStdString();
  EXPECT_TRUE(g.out.contains(QStringLiteral("report Fehler insgesamt\n"))) << g.out.toStdString();

  for (size_t i = 0; i < std::size(kDrillFiles); ++i) {
    EXPECT_FALSE(c.files[i].empty()) << kDrillFiles[i];
    EXPECT_EQ(g.files[i], c.files[i]) << kDrillFiles[i];
  }
  // The drill reached the score: a D record, a table entry, counted errors.
  EXPECT_NE(c.files[0].find("\r\nD "), std::string::npos) << c.files[0];
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TSonorixApplication app(argc, argv);
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == "--play-drill") return PlayDrill(app);
  app.SetShowsMessageBoxes(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
