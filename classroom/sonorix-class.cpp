// sonorix-class: the figures of a class, one row per person: from drill logs
// that machines do not share (copied logs, a folder per machine), from a
// class folder on a WebDAV server, or from a local copy of one.
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ClassCache.h"
#include "ClassFetch.h"
#include "ClassFigures.h"
#include "ClassReader.h"
#include "DataFile.h"
#include "Platform.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "QtScheduler.h"
#include "QtTransport.h"
#include "ReportReader.h"
#include "SessionLog.h"
#include "Storage.h"

namespace {

constexpr const char* kPasswordVariable = "SONORIX_CLASS_PASSWORD";

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "Usage: sonorix-class [--json] [--user NAME] PATH|URL...\n"
               "Reads the Sonorix drill log of each PATH (a data folder's report.dat, or the\n"
               "file itself), verifies every record's check value and writes one row per\n"
               "person, merged by name, to standard output: CSV with a header row, or with\n"
               "--json an array of objects. right, wrong and seconds sum the verified records;\n"
               "unverified counts the records that are damaged or fail their check, ambiguous\n"
               "those that verify for more than one person alike; the row \"(unknown)\" holds\n"
               "unverified records that belong to no single person. A folder's practice.dat\n"
               "adds the practice-mode questions, those right at the first try and their time.\n"
               "\n"
               "A URL (https://, or http:// on this machine) is a class folder on a WebDAV\n"
               "server, read as the account NAME; a PATH holding no report.dat but folders\n"
               "is a local copy of one. Every record in an account's folder is that account's:\n"
               "one row per account folder. The password comes from the environment variable\n"
               "SONORIX_CLASS_PASSWORD, or is asked on the terminal.\n"
               "\n"
               "  --json       write JSON instead of CSV\n"
               "  --user NAME  the account on the class's server\n"
               "  --help       show this help and exit\n"
               "  --version    show the version and exit\n");
}

bool IsUrl(std::string_view arg) { return arg.rfind("https://", 0) == 0 || arg.rfind("http://", 0) == 0; }

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// A class folder's copy has account folders and no log of its own.
bool IsClassCopy(const std::string& path) {
  if (IsFile(path + "/" + kReportFileName) || IsFile(path + "/" + kPracticeFileName)) return false;
  const auto files = ReadLocalClass(path);
  return files && !files->empty();
}

// The password from the terminal, not echoed; nullopt without a terminal.
std::optional<std::string> AskPassword(const std::string& prompt) {
  const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY);
  if (tty < 0) return std::nullopt;
  termios old {};
  if (::tcgetattr(tty, &old) != 0) {
    ::close(tty);
    return std::nullopt;
  }
  termios quiet = old;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  ::tcsetattr(tty, TCSAFLUSH, &quiet);
  [[maybe_unused]] const ssize_t shown = ::write(tty, prompt.data(), prompt.size());
  std::string password;
  char c = 0;
  bool ended = false;
  while (::read(tty, &c, 1) == 1) {
    if (c == '\n' || c == '\r') {
      ended = true;
      break;
    }
    password += c;
  }
  ::tcsetattr(tty, TCSAFLUSH, &old);
  [[maybe_unused]] const ssize_t newline = ::write(tty, "\n", 1);
  ::close(tty);
  if (!ended && password.empty()) return std::nullopt;
  return password;
}

// Reads the class folder at `url`; false after naming the fault.
bool ReadServerClass(const std::string& url, const Credentials& credentials, int32_t today,
                     std::vector<PersonFigures>& rows) {
  const AddressCheck address = ParseClassAddress(url);
  if (address.fault != AddressFault::None) {
    std::fprintf(stderr, "sonorix-class: %s: %s\n", url.c_str(), AddressFaultMessage(address.fault));
    return false;
  }
  QtTransport transport;
  QtScheduler scheduler;
  ClassFetch fetch({address.address, credentials}, transport, scheduler, DataStorage(), ClassCacheFolder(), today);
  std::optional<ClassFetchResult> got;
  QEventLoop loop;
  fetch.Start({}, [&](ClassFetchResult result) {
    got = std::move(result);
    loop.quit();
  });
  if (!got) loop.exec();
  if (got->fault != ClassFault::None) {
    std::fprintf(stderr, "sonorix-class: %s: %s\n", url.c_str(), ClassFaultMessage(got->fault));
    return false;
  }
  for (const std::string& account : got->unreadable)
    std::fprintf(stderr, "sonorix-class: %s: %s: this account may not read the folder\n", url.c_str(), account.c_str());
  MergeRows(rows, got->reading.rows);
  return got->unreadable.empty();
}

bool ReadClassCopy(const std::string& path, int32_t today, std::vector<PersonFigures>& rows) {
  std::vector<std::string> unreadable;
  const auto files = ReadLocalClass(path, &unreadable);
  if (!files) {
    std::fprintf(stderr, "sonorix-class: %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  for (const std::string& name : unreadable)
    std::fprintf(stderr, "sonorix-class: %s/%s: cannot be read\n", path.c_str(), name.c_str());
  MergeRows(rows, ReadClass(*files, today).rows);
  return unreadable.empty();
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  bool optionsEnd = false;
  std::string user;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnd && arg == "--") {
      optionsEnd = true;
    } else if (!optionsEnd && arg == "--json") {
      json = true;
    } else if (!optionsEnd && arg == "--user") {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "sonorix-class: --user needs a NAME\n");
        return 2;
      }
      user = argv[++i];
    } else if (!optionsEnd && arg.rfind("--user=", 0) == 0) {
      user = std::string(arg.substr(7));
    } else if (!optionsEnd && (arg == "--help" || arg == "-h")) {
      PrintUsage(stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    } else if (!optionsEnd && arg == "--version") {
      std::printf("sonorix-class (Sonorix) %s\n", SONORIX_VERSION);
      return std::fflush(stdout) == 0 ? 0 : 1;
    } else if (!optionsEnd && arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "sonorix-class: unknown option %s\n", argv[i]);
      PrintUsage(stderr);
      return 2;
    } else {
      paths.emplace_back(arg);
    }
  }
  if (paths.empty()) {
    PrintUsage(stderr);
    return 2;
  }

  // The server's account and password, asked once for every address.
  std::optional<Credentials> credentials;
  for (const std::string& path : paths) {
    if (!IsUrl(path) || credentials) continue;
    if (!IsUsableAccount(user)) {
      std::fprintf(stderr, "sonorix-class: %s: give the account with --user NAME\n", path.c_str());
      return 2;
    }
    const char* given = std::getenv(kPasswordVariable);
    std::optional<std::string> password;
    if (given) password = given;
    else password = AskPassword("Password of " + user + ": ");
    if (!password) {
      std::fprintf(stderr, "sonorix-class: no password: set %s or run on a terminal\n", kPasswordVariable);
      return 2;
    }
    credentials = Credentials{user, *password};
  }
  std::optional<QCoreApplication> app;
  if (credentials) app.emplace(argc, argv);

  const auto today = static_cast<int32_t>(PlatformToday());
  std::vector<PersonFigures> rows;
  int status = 0;
  for (const std::string& path : paths) {
    if (IsUrl(path)) {
      if (!ReadServerClass(path, *credentials, today, rows)) status = 1;
      continue;
    }
    const bool folder = IsFolder(path);
    if (folder && IsClassCopy(path)) {
      if (!ReadClassCopy(path, today, rows)) status = 1;
      continue;
    }
    struct stat st {};
    std::string file = path;
    if (folder) file = path + "/" + kReportFileName;
    if (::stat(file.c_str(), &st) != 0) {
      std::fprintf(stderr, "sonorix-class: %s: %s\n", file.c_str(), std::strerror(errno));
      status = 1;
      continue;
    }
    errno = 0;
    // Read in pieces: a school's years of logs need not fit in memory at once.
    const auto read = ClassRowsOfFile(file, today);
    if (!read) {
      std::fprintf(stderr, "sonorix-class: %s: %s\n", file.c_str(), errno != 0 ? std::strerror(errno) : "cannot be read");
      status = 1;
      continue;
    }
    std::vector<PersonFigures> folderRows = *read;
    if (folder) {
      const std::string practiceFile = path + "/" + kPracticeFileName;
      errno = 0;
      const auto practice = LoadPracticeLog(practiceFile);
      if (practice) {
        AddClassPractice(folderRows, *practice, today);
      } else {
        std::fprintf(stderr, "sonorix-class: %s: %s\n", practiceFile.c_str(),
                     errno != 0 ? std::strerror(errno) : "cannot be read");
        status = 1;
      }
    }
    MergeRows(rows, folderRows);
  }
  const std::string out = json ? ClassSummaryJson(rows) : ClassSummaryCsv(rows);
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0) return 1;
  return status;
}
