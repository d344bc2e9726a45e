// The sonorix command. It answers --help and --version without opening a
// window. Installed (a share/sonorix folder beside its bin folder), it keeps
// the student's data in $XDG_DATA_HOME/sonorix and runs there, wherever it
// was started from (scripts/run.sh runs it so, from a staging install); from
// the build tree it runs in the working directory, as the tests expect.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "Application.h"
#include "DisplayProbe.h"
#include "Language.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kVersion = SONORIX_VERSION;
// The files the program is given beside its own; the student's copies are
// never overwritten.
constexpr const char* kGivenFiles[] = {"ftclass.dat",   "readme.txt",    "readme.de.txt",
                                       "readme.es.txt", "readme.fr.txt", "readme.it.txt"};

void PrintHelp() {
  std::printf(
      "Usage: sonorix [--help] [--version]\n"
      "Ear training: Sonorix plays trichords and tetrachords and you name their set class.\n"
      "\n"
      "  --help     show this help and exit\n"
      "  --version  show the version and exit\n"
      "\n"
      "The installed program keeps its data files in $XDG_DATA_HOME/sonorix\n"
      "(~/.local/share/sonorix by default) and copies ftclass.dat and readme.txt\n"
      "there when they are missing. Sound: see sonorix(1) for MIDIWAY_SOUNDFONT,\n"
      "MIDIWAY_AUDIO_DRIVER and MIDIWAY_AUDIO_FILE.\n");
}

void PrintVersion() {
  std::printf(
      "Sonorix %s\n"
      "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
      "This is free software: you are free to change and redistribute it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n",
      kVersion);
}

std::string ErrnoText(int error) { return std::strerror(error); }

// The shared data of an installed program: <prefix>/share/sonorix beside
// <prefix>/bin. Empty when the program does not run from an installed tree.
fs::path InstalledDataDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return {};
  const fs::path share = exe.parent_path().parent_path() / "share" / "sonorix";
  return fs::is_directory(share, ec) ? share : fs::path();
}

// $XDG_DATA_HOME/sonorix, or ~/.local/share/sonorix. A relative
// XDG_DATA_HOME is ignored, as the base directory convention asks.
fs::path UserDataDir() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') return fs::path(xdg) / "sonorix";
  std::string home;
  if (const char* h = std::getenv("HOME"); h != nullptr && h[0] != '\0') {
    home = h;
  } else if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    home = pw->pw_dir;
  }
  if (home.empty()) return {};
  return fs::path(home) / ".local" / "share" / "sonorix";
}

// Creates the folder and any missing parents, private to the user as the base
// directory convention asks for folders it has to create.
bool MakeFolder(const fs::path& dir, std::string& error) {
  fs::path partial;
  for (const auto& part : dir) {
    partial /= part;
    if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
      error = partial.string() + ": " + ErrnoText(errno);
      return false;
    }
  }
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    error = dir.string() + ": not a folder";
    return false;
  }
  return true;
}

// Copies `from` to `to` unless `to` exists. The copy is written under a
// temporary name and moved into place without replacing anything, so a
// student's own file is never overwritten (not even by a second copy of the
// program starting at the same moment) and a copy cut short never stands
// under the real name.
bool CopyIfMissing(const fs::path& from, const fs::path& to, std::string& error) {
  std::error_code ec;
  if (fs::symlink_status(to, ec).type() != fs::file_type::not_found) return true;

  std::ifstream in(from, std::ios::binary);
  std::ostringstream content;
  if (in.is_open()) content << in.rdbuf();
  if (!in.is_open() || in.bad()) {
    error = from.string() + ": cannot be read";
    return false;
  }
  const std::string bytes = content.str();

  std::string hidden = ".";
  hidden += to.filename().string();
  hidden += ".XXXXXX";
  std::string temp = (to.parent_path() / hidden).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = to.parent_path().string() + ": " + ErrnoText(errno);
    return false;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  bool written = ::fchmod(fd, 0666 & ~mask) == 0;
  for (size_t done = 0; written && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      written = false;
      break;
    }
    done += static_cast<size_t>(n);
  }
  written = written && ::fsync(fd) == 0;
  const int writeErrno = errno;
  written = ::close(fd) == 0 && written;
  if (!written) {
    ::unlink(temp.c_str());
    error = to.string() + ": " + ErrnoText(writeErrno);
    return false;
  }

  int rc = ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
  if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
    // A file system without the no-replace rename: a hard link never
    // replaces either.
    rc = ::link(temp.c_str(), to.c_str());
  }
  const int moveErrno = errno;
  ::unlink(temp.c_str());  // gone already after a rename; after a link, the spare name
  if (rc != 0 && moveErrno != EEXIST) {
    error = to.string() + ": " + ErrnoText(moveErrno);
    return false;
  }
  return true;
}

// Makes the data folder ready and enters it. A file that cannot be copied is
// only reported: the program then says itself what it misses.
bool EnterUserDataDir(const fs::path& shared, std::string& error) {
  const fs::path data = UserDataDir();
  if (data.empty()) {
    error = "no home folder to keep the data files in";
    return false;
  }
  if (!MakeFolder(data, error)) return false;
  for (const char* name : kGivenFiles) {
    std::string copyError;
    if (!CopyIfMissing(shared / name, data / name, copyError))
      std::fprintf(stderr, "sonorix: %s\n", copyError.c_str());
  }
  if (::chdir(data.c_str()) != 0) {
    error = data.string() + ": " + ErrnoText(errno);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
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
  const fs::path shared = InstalledDataDir();
  TSonorixApplication app(argc, argv);
  InstallLanguage(app);
  if (!shared.empty()) {
    std::string error;
    if (!EnterUserDataDir(shared, error)) {
      app.ShowException(QStringLiteral("Cannot use the data folder: ") + QString::fromLocal8Bit(error.c_str()));
      return 1;
    }
  }
  return RunSonorix(app);
}
