// Writes a class folder as the students' devices leave it on the server, for
// the benchmarks of the class's readers and for trying a server by hand:
//   class_layout FOLDER [--students N] [--days N] [--drills N] [--seed N] [--old-folds] [--check]
// FOLDER is the class folder (its last name is the class's). --check reads
// it back through the core's readers and says where they differ from what
// was written; the exit status is 1 then. Each device's parts are folded as
// it folds them: one range per stem and a few singles, a folded errors.dat
// part its drills' statistics added up. --old-folds writes what older
// versions left: ranges of 32 or so, the statistics one after the other
// (--add-errors adds those up too).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ClassLayout.h"

int main(int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: %s FOLDER [--students N] [--days N] [--drills N] [--seed N] [--old-folds] [--add-errors] [--check]\n", argv[0]);
    return 2;
  }
  ClassLayoutOptions options;
  bool check = false;
  bool addErrors = false;
  for (int i = 2; i < argc; ++i) {
    const bool more = i + 1 < argc;
    if (!std::strcmp(argv[i], "--check")) check = true;
    else if (!std::strcmp(argv[i], "--students") && more) options.students = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--days") && more) options.schoolDays = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--drills") && more) options.drillsPerDay = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--add-errors")) addErrors = true;
    else if (!std::strcmp(argv[i], "--old-folds")) options.cumulative = false;
    else if (!std::strcmp(argv[i], "--seed") && more) options.seed = static_cast<uint32_t>(std::atoll(argv[++i]));
    else {
      std::fprintf(stderr, "%s: not understood: %s\n", argv[0], argv[i]);
      return 2;
    }
  }
  options.joinErrors = !options.cumulative && !addErrors;
  if (options.students < 1 || options.schoolDays < 1 || options.drillsPerDay < 1) {
    std::fprintf(stderr, "%s: students, days and drills must be at least 1\n", argv[0]);
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const ClassLayoutFigures f = WriteClassLayout(argv[1], options);
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("%s: %d students, %d school days: %lld files, %.1f MB, %lld log records, %lld practice lines "
              "(%lld records in all), %lld records changed by hand, %lld files covered by a range; %.0f ms\n",
              argv[1], options.students, options.schoolDays, static_cast<long long>(f.files), static_cast<double>(f.bytes) / 1e6,
              static_cast<long long>(f.reportRecords), static_cast<long long>(f.practiceLines),
              static_cast<long long>(f.reportRecords + f.practiceLines), static_cast<long long>(f.tampered),
              static_cast<long long>(f.coveredFiles), ms);
  if (!check) return 0;
  const std::string faults = CheckClassLayout(argv[1], f);
  if (faults.empty()) {
    std::printf("read back: every account's drills, answers, practice and statistics as written\n");
    return 0;
  }
  std::fputs(faults.c_str(), stdout);
  return 1;
}
