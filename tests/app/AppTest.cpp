// Exceptions the program's way: from an event handler, and from start-up.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "Application.h"
#include "DrillWindow.h"
#include "Platform.h"
#include "Waymidi.h"

namespace {

TSonorixApplication& App() { return *static_cast<TSonorixApplication*>(QCoreApplication::instance()); }

// Waits (in the event loop) for the next modal message box, hands it to
// `inspect` and closes it. The 60 s test timeout is the backstop.
void AnswerNextMessageBox(std::function<void(QMessageBox*)> inspect) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer->stop();
    timer->deleteLater();
    inspect(box);
    box->done(QMessageBox::Ok);
  });
  timer->start();
}

std::vector<QWidget*> VisibleWindows(const QWidget* except = nullptr) {
  std::vector<QWidget*> shown;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w != except) shown.push_back(w);
  }
  return shown;
}

class Raiser : public QObject {
 public:
  int before = 0, after = 0;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    ++before;
    throw EWayMidiException("midiOut not open");
    ++after;  // abandoned
  }
};

TEST(HandlerException, IsShownAndTheRestOfTheHandlerAbandoned) {
  Raiser raiser;
  QString shown;
  AnswerNextMessageBox([&](QMessageBox* box) { shown = box->text(); });
  bool next = false;
  QCoreApplication::postEvent(&raiser, new QEvent(QEvent::User));
  QTimer::singleShot(0, [&] { next = true; });  // the loop goes on afterwards
  QElapsedTimer t;
  t.start();
  while ((!next || shown.isEmpty()) && t.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(shown, "midiOut not open");
  EXPECT_EQ(raiser.before, 1);
  EXPECT_EQ(raiser.after, 0);
  EXPECT_TRUE(next);
}

TEST(HandlerException, FromAPortMessageIsCaughtToo) {
  // The library's messages reach their handlers through the same event loop.
  uint32_t window = PlatformCreateMessageWindow([](uint32_t, uintptr_t, intptr_t) -> bool {
    throw EWayMidiException("already open");
  });
  QString shown;
  AnswerNextMessageBox([&](QMessageBox* box) { shown = box->text(); });
  PlatformPostMessage(window, MIDIWAY_MSG_OUTPUT_READY, 0, 0);
  QElapsedTimer t;
  t.start();
  while (shown.isEmpty() && t.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  PlatformDestroyMessageWindow(window);
  EXPECT_EQ(shown, "already open");
}

TEST(StartUp, WithoutTheLibraryShowsTheMessageAndNoWindow) {
  QTemporaryDir nowhere;
  ASSERT_TRUE(nowhere.isValid());
  PlatformSetLibrarySearchDirForTesting(nowhere.path().toStdString());
  QString shown;
  size_t windowsBesideTheBox = 99;
  AnswerNextMessageBox([&](QMessageBox* box) {
    shown = box->text();
    windowsBesideTheBox = VisibleWindows(box).size();
  });
  const int rc = RunSonorix(App());
  PlatformSetLibrarySearchDirForTesting("");
  EXPECT_EQ(rc, 1);
  EXPECT_EQ(shown, "Load of Midiway library failed");
  EXPECT_EQ(windowsBesideTheBox, 0u);
  EXPECT_EQ(Form1, nullptr);
  QCoreApplication::processEvents();
  EXPECT_TRUE(VisibleWindows().empty());
}

TEST(StartUp, ProgramAloneInAFolderExitsWithTheMessage) {
  // The built program copied without its library: nothing on its search path.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString exe = dir.filePath(QStringLiteral("sonorix"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(SONORIX_EXE), exe));
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("LD_LIBRARY_PATH"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  program.setProcessEnvironment(env);
  program.setWorkingDirectory(dir.path());
  program.start(exe, {});
  ASSERT_TRUE(program.waitForFinished(30000)) << "still running: a window or box waits";
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 1);
  const QString err = QString::fromLocal8Bit(program.readAllStandardError());
  EXPECT_TRUE(err.contains(QStringLiteral("sonorix: Load of Midiway library failed"))) << err.toStdString();
  // It stopped before reading or writing any data file.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sonorix")});
}

// The Class Overview opened on its own: a folder other accounts write is only
// for the teachers that the administrator's file names.
TEST(StartUp, TheClassOverviewOfASharedFolderIsForTeachersOnly) {
  if (QFile::exists(QStringLiteral("/etc/sonorix/sonorix.conf"))) GTEST_SKIP() << "this machine names its teachers";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                    QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup));
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(SONORIX_EXE), {QStringLiteral("--class-overview"), dir.path()});
  ASSERT_TRUE(program.waitForFinished(30000)) << "still running: the overview opened";
  EXPECT_EQ(program.exitCode(), 1);
  const QString err = QString::fromLocal8Bit(program.readAllStandardError());
  EXPECT_TRUE(err.contains(QStringLiteral("is for the teachers named in /etc/sonorix/sonorix.conf"))) << err.toStdString();
}

// Without a display: the reason and status 1, not the toolkit's abort. Also
// with a display named that nobody serves, and in a Wayland session whose
// socket is gone; offscreen needs none and starts.
TEST(StartUp, WithoutADisplaySaysSoAndExitsWithOne) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  struct Case {
    QString display, wayland, platform, expected;
  };
  const std::vector<Case> cases{
      {{}, {}, {}, "sonorix: cannot open a window: no display (DISPLAY is not set)"},
      {":979", {}, "xcb", "sonorix: cannot open a window: cannot connect to the X display \":979\""},
      {{}, "sonorix-gone-0", {}, "sonorix: cannot open a window: cannot connect to the Wayland display"},
  };
  for (const Case& c : cases) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
      env.remove(QString::fromLatin1(name));
    if (!c.display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), c.display);
    if (!c.wayland.isEmpty()) {
      env.insert(QStringLiteral("WAYLAND_DISPLAY"), c.wayland);
      env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    }
    if (!c.platform.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORM"), c.platform);
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(SONORIX_EXE), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(program.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.startsWith(c.expected)) << err.toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
  }
}

}  // namespace
