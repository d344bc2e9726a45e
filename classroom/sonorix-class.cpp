// sonorix-class: the figures of a class from drill logs that machines do not
// share (copied logs, a folder per machine), one row per person.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Assignments.h"
#include "Catalogue.h"
#include "ClassFigures.h"
#include "DataFile.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "PracticeScheduler.h"
#include "People.h"
#include "Platform.h"
#include "ReportReader.h"
#include "SessionLog.h"

namespace {

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "Usage: sonorix-class [--json] PATH...\n"
               "       sonorix-class [--json] --assignments FILE PATH...\n"
               "Reads the Sonorix drill log of each PATH (a data folder's report.dat, or the\n"
               "file itself), verifies every record's check value and writes one row per\n"
               "person, merged by name, to standard output: CSV with a header row, or with\n"
               "--json an array of objects. right, wrong and seconds sum the verified records;\n"
               "unverified counts the records that are damaged or fail their check, ambiguous\n"
               "those that verify for more than one person alike; the row \"(unknown)\" holds\n"
               "unverified records that belong to no single person. A folder's practice.dat\n"
               "adds the practice-mode questions, those right at the first try and their time.\n"
               "\n"
               "With --assignments, reads the teacher's assignments from FILE (the class\n"
               "folder's assignments.txt) and writes one row per person (a folder's people.dat\n"
               "adds those without work) with each assignment's status (done, in progress,\n"
               "not started, late) and progress. Lines of FILE that cannot be understood are\n"
               "named on standard error and skipped. The set classes are those of the\n"
               "ftclass.dat beside FILE, in a PATH folder, or installed with Sonorix.\n"
               "\n"
               "  --json     write JSON instead of CSV\n"
               "  --assignments FILE  the statuses of the assignments in FILE\n"
               "  --help     show this help and exit\n"
               "  --version  show the version and exit\n");
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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

int PrintAssignments(const std::string& assignmentsFile, const std::vector<std::string>& paths, bool json) {
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
  int status = 0;
  for (const std::string& path : paths) {
    const bool folder = IsFolder(path);
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
  const auto rows = judge.Rows(static_cast<int32_t>(PlatformToday()));
  const std::string out = json ? AssignmentsJson(file->assignments, rows) : AssignmentsCsv(file->assignments, rows);
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0) return 1;
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  bool optionsEnd = false;
  std::vector<std::string> paths;
  std::optional<std::string> assignments;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnd && arg == "--") {
      optionsEnd = true;
    } else if (!optionsEnd && arg == "--json") {
      json = true;
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
  if (assignments) return PrintAssignments(*assignments, paths, json);

  const auto today = static_cast<int32_t>(PlatformToday());
  std::vector<PersonFigures> rows;
  int status = 0;
  for (const std::string& path : paths) {
    struct stat st {};
    std::string file = path;
    const bool folder = ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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
