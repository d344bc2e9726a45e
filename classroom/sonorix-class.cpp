// sonorix-class: the figures of a class from drill logs that machines do not
// share (copied logs, a folder per machine), one row per person.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "ClassFigures.h"
#include "DataFile.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "Platform.h"
#include "ReportReader.h"
#include "SessionLog.h"

namespace {

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "Usage: sonorix-class [--json] PATH...\n"
               "Reads the Sonorix drill log of each PATH (a data folder's report.dat, or the\n"
               "file itself), verifies every record's check value and writes one row per\n"
               "person, merged by name, to standard output: CSV with a header row, or with\n"
               "--json an array of objects. right, wrong and seconds sum the verified records;\n"
               "unverified counts the records that are damaged or fail their check, ambiguous\n"
               "those that verify for more than one person alike; the row \"(unknown)\" holds\n"
               "unverified records that belong to no single person. A folder's practice.dat\n"
               "adds the practice-mode questions, those right at the first try and their time.\n"
               "\n"
               "  --json     write JSON instead of CSV\n"
               "  --help     show this help and exit\n"
               "  --version  show the version and exit\n");
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  bool optionsEnd = false;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnd && arg == "--") {
      optionsEnd = true;
    } else if (!optionsEnd && arg == "--json") {
      json = true;
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
