// The sonorix command. It answers --help and --version without opening a
// window. It runs in the data folder that DataFolder.h chooses: a class
// folder when one is named; else, installed (a share/sonorix folder beside
// its bin folder), the student's $XDG_DATA_HOME/sonorix, wherever it was
// started from; from the build tree, the working directory, as the tests
// expect.
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Application.h"
#include "ClassOverview.h"
#include "CumulativeFile.h"
#include "DataFile.h"
#include "EndOfDrill.h"
#include "DataFolder.h"
#include "DisplayProbe.h"
#include "EarlySound.h"
#include "Language.h"
#include "OutputOpen.h"

namespace {

constexpr const char* kVersion = SONORIX_VERSION;

// In the student's language when there is a catalogue for it; the option
// names stay as they are typed.
void PrintHelp() {
  const char* const text = QT_TRANSLATE_NOOP(
      "main",
      "Usage: sonorix [--help] [--version] [--data-dir DIR] [--class-overview [DIR]]\n"
      "Ear training: Sonorix plays trichords and tetrachords and you name their set class.\n"
      "\n"
      "  --help          show this help and exit\n"
      "  --version       show the version and exit\n"
      "  --data-dir DIR  keep the data files in DIR (a class folder, for example)\n"
      "  --class-overview [DIR]\n"
      "                  show the Class Overview of DIR (else of the data folder)\n"
      "                  without logging in\n"
      "\n"
      "The data folder is the first of: --data-dir, $SONORIX_DATA_DIR, DataDir=\n"
      "in /etc/sonorix/sonorix.conf; else the installed program keeps its data\n"
      "files in $XDG_DATA_HOME/sonorix (~/.local/share/sonorix by default).\n"
      "It copies ftclass.dat and readme.txt there when they are missing.\n"
      "Sound: see sonorix(1) for MIDIWAY_SOUNDFONT, MIDIWAY_AUDIO_DRIVER and\n"
      "MIDIWAY_AUDIO_FILE.\n");
  const std::unique_ptr<QTranslator> catalogue = EnvironmentCatalogue();
  QString shown = catalogue ? catalogue->translate("main", text) : QString();
  if (shown.isEmpty()) shown = QString::fromUtf8(text);
  std::fputs(shown.toUtf8().constData(), stdout);
}

void PrintVersion() {
  std::printf(
      "Sonorix %s\n"
      "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
      "This is free software: you are free to change and redistribute it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n",
      kVersion);
}

// The Class Overview alone, without a login: of `dir` (only looked at, so a
// teacher needs no write access), or of the data folder already entered.
int RunClassOverview(TSonorixApplication& app, const std::string& dir) {
  if (!dir.empty()) {
    if (::chdir(dir.c_str()) != 0) {
      app.ShowException(QCoreApplication::translate("main", "Cannot use the data folder: ") +
                        QString::fromLocal8Bit((dir + ": " + std::strerror(errno)).c_str()));
      return 1;
    }
    SetSharedDataFolder(FolderIsShared(".") ? UserConfigDir().string() : std::string(), {});
  }
  if (!AccountMayOversee()) {
    app.ShowException(QCoreApplication::translate(
        "main", "The Class Overview of a shared folder is for the teachers named in /etc/sonorix/sonorix.conf."));
    return 1;
  }
  ShowClassOverview(nullptr);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  bool overview = false;
  std::string overviewDir;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--class-overview") {
      overview = true;
      if (i + 1 < argc && argv[i + 1][0] != '-') overviewDir = argv[++i];
    }
    if (arg == "--help" || arg == "-h") {
      PrintHelp();
      return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (arg == "--version") {
      PrintVersion();
      return std::fflush(stdout) == 0 ? 0 : 1;
    }
  }

  // Without a display the toolkit would abort with its own message.
  if (std::string reason; !CanOpenWindow(argc, argv, reason)) {
    std::fprintf(stderr, "sonorix: cannot open a window: %s\n", reason.c_str());
    return 1;
  }
  std::string folderError;
  const auto folder =
      ChooseDataFolder(std::vector<std::string>(argv + 1, argv + argc), std::getenv(kDataDirVariable), kSystemConfFile,
                       folderError);
  TSonorixApplication app(argc, argv);
  // The sound's libraries load, and its output opens, while the windows are
  // built and the login window shows. Not sooner: the toolkit's own plugins
  // would wait for the loader's lock that loading them holds.
  if (!overview) {
    LoadSoundEarly();
    if (SoundOpensAnywhere()) OpenSoundEarly(kOutputOpenParameter);
  }
  // Whatever was started and not taken goes before the application.
  struct DropSound {
    ~DropSound() { DropEarlySound(); }
  } dropSound;
  InstallLanguage(app);
  std::string confError;
  const auto conf = ReadSystemConf(kSystemConfFile, confError);
  SetAccountIsTeacher(conf && AccountIsTeacher(*conf));
  if (overview && !overviewDir.empty()) return RunClassOverview(app, overviewDir);
  if (!folder || !EnterDataFolder(*folder, InstalledDataDir(), folderError)) {
    app.ShowException(QCoreApplication::translate("main", "Cannot use the data folder: ") +
                      QString::fromLocal8Bit(folderError.c_str()));
    return 1;
  }
  if (overview) return RunClassOverview(app, {});
  OpenSoundEarly(kOutputOpenParameter);
  // What this account could not write into a shared folder last time.
  CatchUpUnsavedAppends({"report.dat", "practice.dat"});
  CatchUpKeptStats();
  CatchUpKeptHighScores();
  return RunSonorix(app);
}
