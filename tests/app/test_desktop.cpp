// Sonorix as installed on a desktop: the install tree, the installed program
// run from anywhere in the student's data folder, the desktop metadata, the
// Debian package, and the title that tells a student there is no sound.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "EarlySound.h"
#include "OutputOpen.h"
#include "PracticeMode.h"
#include "SoundNotice.h"
#include "WindowsFixture.h"
#include "Waymidi.h"

namespace {

const QString kBuildDir = QStringLiteral(SONORIX_TEST_BINARY_DIR);
const QString kAppId = QStringLiteral("org.sonorix.sonorix");

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Outcome {
  int exitCode = -1;
  QString out, err;
};

// Runs a command to its end (30 s at most).
Outcome RunToEnd(const QString& program, const QStringList& args, const QProcessEnvironment& env = {},
             const QString& dir = {}) {
  QProcess p;
  if (!env.isEmpty()) p.setProcessEnvironment(env);
  if (!dir.isEmpty()) p.setWorkingDirectory(dir);
  p.start(program, args);
  Outcome run;
  if (!p.waitForFinished(30000)) {
    p.kill();
    p.waitForFinished();
    run.err = QStringLiteral("still running after 30 s");
    return run;
  }
  run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  run.out = QString::fromLocal8Bit(p.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(p.readAllStandardError());
  return run;
}

bool WaitFor(const std::function<bool()>& condition, int ms = 20000) {
  QElapsedTimer t;
  t.start();
  while (!condition()) {
    if (t.elapsed() > ms) return false;
    // Lets a running QProcess notice its output and its end.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(20);
  }
  return true;
}

// The environment of a desktop session without a screen: nothing from the
// build tree's search paths, the test's own data folder.
QProcessEnvironment ProgramEnvironment(const QString& xdgDataHome) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("LD_LIBRARY_PATH"));
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.remove(QStringLiteral("MIDIWAY_AUDIO_DRIVER"));
  env.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
  return env;
}

// The program running: started headless, stopped at the end.
class RunningProgram {
 public:
  RunningProgram(const QString& exe, QProcessEnvironment env, const QString& startDir) {
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(startDir);
    process_.start(exe, {});
    process_.waitForStarted(10000);
  }
  ~RunningProgram() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished();
    }
  }
  bool Running() { return process_.state() == QProcess::Running; }
  // Where it runs: its working directory as the kernel knows it.
  QString WorkingDirectory() const {
    return QFileInfo(QStringLiteral("/proc/%1/cwd").arg(process_.processId())).symLinkTarget();
  }
  QString StandardError() {
    QCoreApplication::processEvents();
    err_ += QString::fromLocal8Bit(process_.readAllStandardError());
    return err_;
  }

 private:
  QProcess process_;
  QString err_;
};

// A fresh install of the build into a temporary prefix.
class InstallTree : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    prefix_ = root_.filePath(QStringLiteral("prefix"));
    const Outcome install = RunToEnd(QStringLiteral(SONORIX_CMAKE), {QStringLiteral("--install"), kBuildDir,
                                                                  QStringLiteral("--prefix"), prefix_});
    ASSERT_EQ(install.exitCode, 0) << install.out.toStdString() << install.err.toStdString();
    ASSERT_TRUE(QDir().mkpath(Path("start")));
  }

  QString Path(const QString& relative) const { return root_.filePath(relative); }
  QString Installed(const QString& relative) const { return prefix_ + QLatin1Char('/') + relative; }

  QTemporaryDir root_;
  QString prefix_;
};

TEST_F(InstallTree, HoldsEveryFileInItsPlaceAndTheDesktopToolsAcceptThem) {
  QStringList expected = {
      QStringLiteral("bin/sonorix"),
      QStringLiteral(SONORIX_PRIVATE_LIBDIR "/libMidiway.so"),
      QStringLiteral("share/sonorix/ftclass.dat"),
      QStringLiteral("share/sonorix/readme.txt"),
      QStringLiteral("share/sonorix/readme.de.txt"),
      QStringLiteral("share/sonorix/readme.fr.txt"),
      QStringLiteral("share/applications/%1.desktop").arg(kAppId),
      QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId),
      QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId),
      QStringLiteral("share/man/man1/sonorix.1.gz"),
      QStringLiteral("share/doc/sonorix/copyright"),
      QStringLiteral("share/doc/sonorix/changelog.gz"),
  };
  for (const int size : {48, 128, 256})
    expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
  // The MIDI file tools.
  for (const QString& tool : {QStringLiteral("sonorix-smfplay"), QStringLiteral("sonorix-smfrecord")})
    expected << QStringLiteral("bin/") + tool << QStringLiteral("share/man/man1/%1.1.gz").arg(tool);
  for (const QString& file : expected) EXPECT_TRUE(QFile::exists(Installed(file))) << file.toStdString();
  EXPECT_TRUE(QFileInfo(Installed(QStringLiteral("bin/sonorix"))).isExecutable());
  EXPECT_EQ(ReadAll(Installed(QStringLiteral("share/sonorix/ftclass.dat"))),
            ReadAll(QStringLiteral(SONORIX_TEST_SOURCE_DIR "/data/ftclass.dat")));

  // Each icon is the size its folder says.
  for (const int size : {48, 128, 256}) {
    const QByteArray png = ReadAll(Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId)));
    ASSERT_GE(png.size(), 24);
    const auto be32 = [&](int at) {
      return (uint8_t(png[at]) << 24) | (uint8_t(png[at + 1]) << 16) | (uint8_t(png[at + 2]) << 8) | uint8_t(png[at + 3]);
    };
    EXPECT_EQ(be32(16), size);
    EXPECT_EQ(be32(20), size);
  }

  const QString desktopValidate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
  const QString appstreamcli = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
  ASSERT_FALSE(desktopValidate.isEmpty()) << "desktop-file-utils is not installed (scripts/install-deps.sh --test)";
  ASSERT_FALSE(appstreamcli.isEmpty()) << "appstream is not installed (scripts/install-deps.sh --test)";
  const Outcome entry = RunToEnd(desktopValidate, {Installed(QStringLiteral("share/applications/%1.desktop").arg(kAppId))});
  EXPECT_EQ(entry.exitCode, 0);
  EXPECT_EQ(entry.out + entry.err, QString()) << "warnings count too";
  const Outcome meta = RunToEnd(appstreamcli, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                           QStringLiteral("--pedantic"),
                                           Installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId))});
  EXPECT_EQ(meta.exitCode, 0) << meta.out.toStdString() << meta.err.toStdString();
  // Not even a pedantic remark (such as capitals in the component id).
  EXPECT_TRUE(meta.out.trimmed().endsWith(QStringLiteral("Validation was successful."))) << meta.out.toStdString();
}

TEST_F(InstallTree, ProgramAnswersVersionAndHelpWithoutAScreen) {
  const QProcessEnvironment env = ProgramEnvironment(Path(QStringLiteral("xdg")));
  const Outcome version = RunToEnd(Installed(QStringLiteral("bin/sonorix")), {QStringLiteral("--version")}, env,
                               Path(QStringLiteral("start")));
  EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
  EXPECT_TRUE(version.out.startsWith(QStringLiteral("Sonorix 3.0.0\n"))) << version.out.toStdString();
  const Outcome help = RunToEnd(Installed(QStringLiteral("bin/sonorix")), {QStringLiteral("--help")}, env,
                            Path(QStringLiteral("start")));
  EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
  EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: sonorix"))) << help.out.toStdString();
  EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));
  // Neither touched a data folder.
  EXPECT_FALSE(QFile::exists(Path(QStringLiteral("xdg"))));
}

TEST_F(InstallTree, ProgramRunsInTheDataFolderAndNeverOverwritesTheStudentsFiles) {
  const QString data = Path(QStringLiteral("xdg/deeper/sonorix"));
  QProcessEnvironment env = ProgramEnvironment(Path(QStringLiteral("xdg/deeper")));
  env.insert(QStringLiteral("MIDIWAY_AUDIO_FILE"), Path(QStringLiteral("first.wav")));
  {
    RunningProgram program(Installed(QStringLiteral("bin/sonorix")), env, Path(QStringLiteral("start")));
    // The sound file may appear before the program has entered its data folder:
    // an output that opens anywhere is opened early.
    ASSERT_TRUE(WaitFor([&] {
      return (QFile::exists(Path(QStringLiteral("first.wav"))) && program.WorkingDirectory() == data) ||
             !program.Running();
    }));
    ASSERT_TRUE(program.Running()) << program.StandardError().toStdString();
    EXPECT_EQ(program.WorkingDirectory(), data);
  }
  EXPECT_EQ(ReadAll(data + QStringLiteral("/ftclass.dat")), ReadAll(Installed(QStringLiteral("share/sonorix/ftclass.dat"))));
  EXPECT_EQ(ReadAll(data + QStringLiteral("/readme.txt")), ReadAll(Installed(QStringLiteral("share/sonorix/readme.txt"))));
  EXPECT_TRUE(QDir(Path(QStringLiteral("start"))).isEmpty());
  EXPECT_EQ(QFileInfo(data).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0) << "a new data folder is private";

  // The student's own readme stays; a lost catalogue comes back; no
  // temporary is left behind.
  {
    QFile mine(data + QStringLiteral("/readme.txt"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly | QIODevice::Truncate));
    mine.write("my own notes\r\n");
  }
  ASSERT_TRUE(QFile::remove(data + QStringLiteral("/ftclass.dat")));
  env.insert(QStringLiteral("MIDIWAY_AUDIO_FILE"), Path(QStringLiteral("second.wav")));
  {
    RunningProgram program(Installed(QStringLiteral("bin/sonorix")), env, QDir::rootPath());
    ASSERT_TRUE(WaitFor([&] {
      return (QFile::exists(Path(QStringLiteral("second.wav"))) && program.WorkingDirectory() == data) ||
             !program.Running();
    }));
    ASSERT_TRUE(program.Running()) << program.StandardError().toStdString();
    EXPECT_EQ(program.WorkingDirectory(), data);
  }
  EXPECT_EQ(ReadAll(data + QStringLiteral("/readme.txt")), QByteArray("my own notes\r\n"));
  EXPECT_EQ(ReadAll(data + QStringLiteral("/ftclass.dat")), ReadAll(Installed(QStringLiteral("share/sonorix/ftclass.dat"))));
  for (const QString& name : QDir(data).entryList(QDir::Files | QDir::Hidden))
    EXPECT_FALSE(name.startsWith(QLatin1Char('.'))) << name.toStdString();
}

TEST_F(InstallTree, ProgramWithoutAudioOutputSaysWhy) {
  QProcessEnvironment env = ProgramEnvironment(Path(QStringLiteral("xdg")));
  env.remove(QStringLiteral("MIDIWAY_AUDIO_FILE"));
  env.insert(QStringLiteral("MIDIWAY_AUDIO_DRIVER"), QStringLiteral("no-such-driver"));
  RunningProgram program(Installed(QStringLiteral("bin/sonorix")), env, Path(QStringLiteral("start")));
  ASSERT_TRUE(WaitFor([&] { return program.StandardError().contains(QStringLiteral("no sound")) || !program.Running(); }));
  const QString err = program.StandardError();
  // Sonorix's own line, not only the driver library's, carries the reason.
  QString notice;
  for (const QString& line : err.split(QLatin1Char('\n')))
    if (line.startsWith(QStringLiteral("sonorix: no sound:"))) notice = line;
  EXPECT_TRUE(notice.contains(QStringLiteral("no audio output"))) << err.toStdString();
  EXPECT_TRUE(notice.contains(QStringLiteral("no-such-driver"))) << err.toStdString();
  EXPECT_TRUE(program.Running()) << "the drill goes on without sound";
}

TEST(BuildTreeProgram, StillRunsWhereItIsStarted) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  QProcessEnvironment env = ProgramEnvironment(root.filePath(QStringLiteral("xdg")));
  env.insert(QStringLiteral("MIDIWAY_AUDIO_FILE"), root.filePath(QStringLiteral("out.wav")));
  RunningProgram program(kBuildDir + QStringLiteral("/bin/sonorix"), env, root.path());
  ASSERT_TRUE(WaitFor([&] { return QFile::exists(root.filePath(QStringLiteral("out.wav"))) || !program.Running(); }));
  ASSERT_TRUE(program.Running()) << program.StandardError().toStdString();
  EXPECT_EQ(program.WorkingDirectory(), QFileInfo(root.path()).canonicalFilePath());
  EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("xdg"))));
}

TEST(DebianPackage, HasItsControlFieldsAndFiles) {
  const QString dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
  ASSERT_FALSE(dpkgDeb.isEmpty());
  // Built with the tests (test_desktop_deb), so cpack's time is no test's.
  const QDir out(QStringLiteral(SONORIX_TEST_DEB_DIR));
  const QStringList debs = out.entryList({QStringLiteral("sonorix_*.deb")}, QDir::Files);
  ASSERT_EQ(debs.size(), 1) << out.entryList().join(QLatin1Char(' ')).toStdString();
  const QString deb = out.filePath(debs.front());
  EXPECT_TRUE(debs.front().startsWith(QStringLiteral("sonorix_3.0.0_"))) << debs.front().toStdString();

  const auto field = [&](const char* name) {
    return RunToEnd(dpkgDeb, {QStringLiteral("-f"), deb, QString::fromLatin1(name)}).out.trimmed();
  };
  EXPECT_EQ(field("Package"), QStringLiteral("sonorix"));
  EXPECT_EQ(field("Version"), QStringLiteral("3.0.0"));
  EXPECT_EQ(field("Section"), QStringLiteral("education"));
  EXPECT_FALSE(field("Maintainer").isEmpty());
  const QString depends = field("Depends");
  // Computed from the binaries, plus what is only loaded at run time.
  for (const char* package : {"libc6", "libqt6widgets6", "libfluidsynth3", "timgm6mb-soundfont",
                              "fonts-dejavu-core", "fonts-freefont-ttf"})
    EXPECT_TRUE(depends.contains(QString::fromLatin1(package))) << package << " missing in " << depends.toStdString();
  const QString description = field("Description");
  EXPECT_TRUE(description.startsWith(QStringLiteral("ear training"))) << description.toStdString();
  EXPECT_GE(description.count(QLatin1Char('\n')), 5) << "a long description follows the summary";

  // No maintainer scripts: the desktop's triggers do their work.
  const QString info = RunToEnd(dpkgDeb, {QStringLiteral("-I"), deb}).out;
  for (const char* script : {"preinst", "postinst", "prerm", "postrm"})
    EXPECT_FALSE(info.contains(QString::fromLatin1(script))) << script;

  const Outcome contents = RunToEnd(dpkgDeb, {QStringLiteral("-c"), deb});
  ASSERT_EQ(contents.exitCode, 0);
  QStringList files;
  for (const QString& line : contents.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QString path = line.section(QLatin1Char(' '), -1);
    EXPECT_TRUE(path.startsWith(QStringLiteral("./usr/"))) << path.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral("root/root"))) << line.toStdString();
    files << path;
  }
  for (const QString& file :
       {QStringLiteral("./usr/bin/sonorix"), QStringLiteral("./usr/" SONORIX_PRIVATE_LIBDIR "/libMidiway.so"),
        QStringLiteral("./usr/share/sonorix/ftclass.dat"), QStringLiteral("./usr/share/sonorix/readme.txt"),
        QStringLiteral("./usr/share/applications/org.sonorix.sonorix.desktop"),
        QStringLiteral("./usr/share/metainfo/org.sonorix.sonorix.metainfo.xml"),
        QStringLiteral("./usr/share/icons/hicolor/256x256/apps/org.sonorix.sonorix.png"),
        QStringLiteral("./usr/share/man/man1/sonorix.1.gz"), QStringLiteral("./usr/share/doc/sonorix/copyright"),
        QStringLiteral("./usr/share/doc/sonorix/changelog.gz")})
    EXPECT_TRUE(files.contains(file)) << file.toStdString();
}

// The drill window's title when its output is refused, on the recorder.
class SoundCaption : public WindowsTest {};

TEST_F(SoundCaption, TellsWhenTheOutputIsRefusedAndClearsWhenItOpens) {
  RecorderSetDeviceOpenResult(0, MIDIWAY_OPEN_NO_AUDIO);
  CreateDrillAndFilterWindows();
  EXPECT_FALSE(Form1->WayMidiOut->IsOpen);
  EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Sonorix - No sound: MIDI output not open"));

  // Opened later (as the MIDI setup window does): the plain title is back.
  RecorderSetDeviceOpenResult(0, 100);
  ASSERT_TRUE(Form1->WayMidiOut->Open(0, 0));
  UpdateSoundCaption(*Form1, *Form1->WayMidiOut);
  EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Sonorix"));
}

TEST_F(SoundCaption, LeavesAnOpenOutputAndAGraverMessageAlone) {
  CreateDrillAndFilterWindows();
  EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Sonorix"));
  DestroySonorixWindows();

  ASSERT_TRUE(QFile::remove(QString::fromStdString(dir_.Path("ftclass.dat"))));
  RecorderSetDeviceOpenResult(0, MIDIWAY_OPEN_NO_AUDIO);
  CreateDrillAndFilterWindows();
  EXPECT_EQ(Form1->windowTitle(), QStringLiteral("File Error!"));
}

// Begun at the start, the open may end after practice marked the title: the
// notice still reads as if it had come first, whenever it comes.
TEST_F(SoundCaption, FromTheStartsOwnOpenComesBeforePracticesMark) {
  const QString expected = QStringLiteral("Sonorix - No sound: MIDI output not open - Practice");
  RecorderSetDeviceOpenResult(0, MIDIWAY_OPEN_NO_AUDIO);
  SetPracticeModeSetting(true);
  LoadSoundEarly();
  OpenSoundEarly(kOutputOpenParameter);
  CreateWindows();
  FinishEarlySound();
  EXPECT_FALSE(Form1->WayMidiOut->IsOpen);
  EXPECT_EQ(Form1->windowTitle(), expected);

  QWidget late;
  late.setWindowTitle(QStringLiteral("Sonorix - Practice"));
  UpdateSoundCaptionAsOf(late, *Form1->WayMidiOut, QStringLiteral("Sonorix"));
  EXPECT_EQ(late.windowTitle(), expected);
  late.setWindowTitle(QStringLiteral("File Error! - Practice"));
  UpdateSoundCaptionAsOf(late, *Form1->WayMidiOut, QStringLiteral("File Error!"));
  EXPECT_EQ(late.windowTitle(), QStringLiteral("File Error! - Practice"));
}

}  // namespace
