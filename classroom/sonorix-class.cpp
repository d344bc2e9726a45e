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

#include "Assignments.h"
#include "ClassAssignments.h"
#include "Catalogue.h"
#include "ClassCache.h"
#include "ClassFetch.h"
#include "ClassFigures.h"
#include "ClassReader.h"
#include "DataFile.h"
#include "Platform.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "People.h"
#include "PracticeScheduler.h"
#include "SingLog.h"
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
               "       sonorix-class [--json] [--user NAME] --assignments FILE PATH|URL...\n"
               "Reads the Sonorix drill log of each PATH (a data folder's report.dat, or the\n"
               "file itself), verifies every record's check value and writes one row per\n"
               "person, merged by name, to standard output: CSV with a header row, or with\n"
               "--json an array of objects. right, wrong and seconds sum the verified records;\n"
               "unverified counts the records that are damaged or fail their check, ambiguous\n"
               "those that verify for more than one person alike; the row \"(unknown)\" holds\n"
               "unverified records that belong to no single person. A folder's practice.dat\n"
               "adds the practice-mode questions, those right at the first try and their time;\n"
               "its sing.dat the questions sung and those sung right at the first try.\n"
               "\n"
               "A URL (https://, or http:// on this machine) is a class folder on a WebDAV\n"
               "server, read as the account NAME; a PATH holding no report.dat but folders\n"
               "is a local copy of one. Every record in an account's folder is that account's:\n"
               "one row per account folder. The password comes from the environment variable\n"
               "SONORIX_CLASS_PASSWORD, or is asked on the terminal.\n"
               "\n"
               "With --assignments, reads the teacher's assignments from FILE (the class\n"
               "folder's assignments.txt) and writes one row per person (a folder's people.dat,\n"
               "and each account folder of a class, adds those without work) with each\n"
               "assignment's status (done, in progress, not started, late) and progress.\n"
               "Lines of FILE that cannot be understood are named on standard error and\n"
               "skipped. The set classes are those of the ftclass.dat beside FILE, in a PATH\n"
               "folder, or installed with Sonorix.\n"
               "\n"
               "  --json               write JSON instead of CSV\n"
               "  --user NAME          the account on the class's server\n"
               "  --assignments FILE   the statuses of the assignments in FILE\n"
               "  --help               show this help and exit\n"
               "  --version            show the version and exit\n");
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

// Reads the class folder at `url`, and with `files` keeps every account
// folder's part files too; nullopt after naming the fault. Folders that
// this account may not read are named and in no figure.
std::optional<ClassFetchResult> FetchServerClass(const std::string& url, const Credentials& credentials, int32_t today,
                                                 ClassFiles* files) {
  const AddressCheck address = ParseClassAddress(url);
  if (address.fault != AddressFault::None) {
    std::fprintf(stderr, "sonorix-class: %s: %s\n", url.c_str(), AddressFaultMessage(address.fault));
    return std::nullopt;
  }
  QtTransport transport;
  QtScheduler scheduler;
  ClassFetch fetch({address.address, credentials}, transport, scheduler, DataStorage(), ClassCacheFolder(), today);
  ClassFiles read;
  if (files)
    fetch.SetFolderSink([&read](const std::string& account, const FolderFiles& folder) { read[account] = folder; });
  std::optional<ClassFetchResult> got;
  QEventLoop loop;
  fetch.Start({}, [&](ClassFetchResult result) {
    got = std::move(result);
    loop.quit();
  });
  if (!got) loop.exec();
  if (got->fault != ClassFault::None) {
    std::fprintf(stderr, "sonorix-class: %s: %s\n", url.c_str(), ClassReadFaultMessage(got->fault));
    return std::nullopt;
  }
  for (const std::string& account : got->unreadable)
    std::fprintf(stderr, "sonorix-class: %s: %s: this account may not read the folder\n", url.c_str(), account.c_str());
  // Only a read that ended gives its folders: half a class would show students as not started.
  if (files)
    for (auto& [account, folder] : read) (*files)[account] = std::move(folder);
  return got;
}

bool ReadServerClass(const std::string& url, const Credentials& credentials, int32_t today,
                     std::vector<PersonFigures>& rows) {
  const auto got = FetchServerClass(url, credentials, today, nullptr);
  if (!got) return false;
  MergeRows(rows, got->reading.rows);
  return got->unreadable.empty();
}

// A local copy of a class folder; nullopt after naming the fault, and
// `complete` false when a folder or a file of it could not be read.
std::optional<ClassFiles> LocalClassFiles(const std::string& path, bool& complete) {
  std::vector<std::string> unreadable;
  auto files = ReadLocalClass(path, &unreadable);
  if (!files) {
    std::fprintf(stderr, "sonorix-class: %s: %s\n", path.c_str(), std::strerror(errno));
    complete = false;
    return std::nullopt;
  }
  for (const std::string& name : unreadable)
    std::fprintf(stderr, "sonorix-class: %s/%s: cannot be read\n", path.c_str(), name.c_str());
  complete = unreadable.empty();
  return files;
}

bool ReadClassCopy(const std::string& path, int32_t today, std::vector<PersonFigures>& rows) {
  bool complete = true;
  const auto files = LocalClassFiles(path, complete);
  if (!files) return false;
  MergeRows(rows, ReadClass(*files, today).rows);
  return complete;
}

std::string FolderOf(const std::string& file) {
  const size_t slash = file.rfind('/');
  return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : file.substr(0, slash);
}

// The catalogue gives the filter masks their set classes: the class folder's
// own first, then a data folder's, then the installed one.
bool LoadCatalogue(const std::string& assignmentsFile, const std::vector<std::string>& paths, Catalogue& catalogue) {
  std::vector<std::string> candidates = {FolderOf(assignmentsFile) + "/" + kCatalogueFileName};
  for (const std::string& path : paths)
    if (IsFolder(path)) candidates.push_back(path + "/" + kCatalogueFileName);
  char self[4096];
  const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (n > 0) {
    self[n] = '\0';
    candidates.push_back(FolderOf(FolderOf(self)) + "/share/sonorix/" + kCatalogueFileName);
  }
  for (const std::string& file : candidates)
    if (catalogue.Load(file)) return true;
  return false;
}

std::string ErrorText() { return errno != 0 ? std::strerror(errno) : "cannot be read"; }

int PrintAssignments(const std::string& assignmentsFile, const std::vector<std::string>& paths,
                     const std::optional<Credentials>& credentials, bool json) {
  errno = 0;
  const auto file = LoadAssignmentsFile(assignmentsFile);
  struct stat st {};
  if (!file || ::stat(assignmentsFile.c_str(), &st) != 0) {
    std::fprintf(stderr, "sonorix-class: %s: %s\n", assignmentsFile.c_str(), ErrorText().c_str());
    return 1;
  }
  for (const AssignmentWarning& w : file->warnings)
    std::fprintf(stderr, "sonorix-class: %s:%d: %s\n", assignmentsFile.c_str(), w.line, w.why.c_str());
  Catalogue catalogue;
  if (!LoadCatalogue(assignmentsFile, paths, catalogue)) {
    std::fprintf(stderr, "sonorix-class: cannot read the set classes (%s)\n", kCatalogueFileName);
    return 1;
  }
  AssignmentJudge judge(file->assignments, ListsOf(catalogue));
  for (const AssignmentWarning& w : judge.Warnings())
    std::fprintf(stderr, "sonorix-class: %s: \"%s\": %s\n", assignmentsFile.c_str(),
                 file->assignments[static_cast<size_t>(w.line - 1)].title.c_str(), w.why.c_str());
  const auto today = static_cast<int32_t>(PlatformToday());
  int status = 0;
  for (const std::string& path : paths) {
    if (IsUrl(path)) {
      ClassFiles files;
      const auto got = FetchServerClass(path, *credentials, today, &files);
      if (!got || !got->unreadable.empty()) status = 1;
      JudgeClassFiles(judge, files);
      continue;
    }
    const bool folder = IsFolder(path);
    if (folder && IsClassCopy(path)) {
      bool complete = true;
      if (const auto files = LocalClassFiles(path, complete)) JudgeClassFiles(judge, *files);
      if (!complete) status = 1;
      continue;
    }
    const std::string report = folder ? path + "/" + kReportFileName : path;
    if (::stat(report.c_str(), &st) != 0) {
      std::fprintf(stderr, "sonorix-class: %s: %s\n", report.c_str(), std::strerror(errno));
      status = 1;
      continue;
    }
    errno = 0;
    ReportLogReader reader([&judge](LoggedDrill&& drill) { judge.AddDrill(drill); });
    if (!ReadReportFile(report, reader)) {
      std::fprintf(stderr, "sonorix-class: %s: %s\n", report.c_str(), ErrorText().c_str());
      status = 1;
      continue;
    }
    reader.Finish();
    if (!folder) continue;
    const std::string practiceFile = path + "/" + kPracticeFileName;
    errno = 0;
    const auto practice = LoadPracticeLog(practiceFile);
    if (!practice) {
      std::fprintf(stderr, "sonorix-class: %s: %s\n", practiceFile.c_str(), ErrorText().c_str());
      status = 1;
    } else {
      for (const PracticeRecord& r : practice->records) judge.AddPractice(r);
    }
    for (const std::string& name : LoadPeopleFile(path + "/" + kPeopleFileName).names)
      if (!name.empty()) judge.AddPerson(PersonKey(name));
  }
  const auto rows = judge.Rows(today);
  const std::string out = json ? AssignmentsJson(file->assignments, rows) : AssignmentsCsv(file->assignments, rows);
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0) return 1;
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  bool optionsEnd = false;
  std::string user;
  std::vector<std::string> paths;
  std::optional<std::string> assignments;
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
    } else if (!optionsEnd && arg == "--assignments") {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "sonorix-class: --assignments needs a file\n");
        PrintUsage(stderr);
        return 2;
      }
      assignments = argv[++i];
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
  if (assignments) return PrintAssignments(*assignments, paths, credentials, json);

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
      const std::string singFile = path + "/" + kSingFileName;
      errno = 0;
      if (const auto sing = LoadSingLog(singFile)) {
        AddClassSinging(folderRows, *sing);
      } else {
        std::fprintf(stderr, "sonorix-class: %s: %s\n", singFile.c_str(),
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
