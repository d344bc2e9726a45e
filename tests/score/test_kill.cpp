// A save killed at any moment leaves the old file or the new one, whole:
// a child process saves the four rewritten data files in a loop and is
// killed (SIGKILL) at random moments.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "Storage.h"
#include "ErrorStats.h"
#include "FilterState.h"
#include "HighScores.h"
#include "People.h"
#include "ScratchDir.h"

namespace {

struct Versions {
  std::string name;
  std::string bytes[2];
};

std::vector<std::string> ManyStudents() {
  std::vector<std::string> many;
  for (int i = 0; i < 200; ++i) many.push_back("Student " + std::to_string(i));
  return many;
}

// Two contents of different lengths for each file, saved by turns.
std::vector<Versions> FileVersions() {
  HighScoreSet one, full;
  InsertHighScore(one, 1, HighScoreEntry{39001, 20, 5, 5, 1620});
  for (int t = 0; t < kHighScoreTableCount; ++t)
    for (int i = 0; i < 100; ++i) InsertHighScore(full, t, HighScoreEntry{39001.0 + i, i, 1, 2.5f, 100 * i});
  ErrorStats none{}, some{};
  for (int c = 0; c < kStatClasses; ++c) AddWrongAnswer(some, c, c % 2, c % 17, c % 29);
  some[7].Correct[1] = 2147483647;
  return {
      {kHighScoreFileName, {FormatHighScores(one), FormatHighScores(full)}},
      {kErrorsFileName, {FormatErrorStats(none), FormatErrorStats(some)}},
      {kFiltersFileName, {FormatFiltersFile({4095, 0, 0}), FormatFiltersFile({65535, 8191, 5})}},
      {kPeopleFileName, {FormatPeople(0, {"Ann"}), FormatPeople(199, ManyStudents())}},
  };
}

// The child: saves every file by turns through the program's own savers,
// and says once that each has been saved.
[[noreturn]] void SaveForever(const std::vector<Versions>& files, int readyFd) {
  const std::vector<std::string> many = ManyStudents();
  for (int round = 0;; ++round) {
    const int v = round % 2;
    DataStorage().Replace(kHighScoreFileName, files[0].bytes[v]);
    DataStorage().Replace(kErrorsFileName, files[1].bytes[v]);
    SaveFiltersFile(kFiltersFileName, v ? FilterState{65535, 8191, 5} : FilterState{4095, 0, 0});
    SavePeopleFile(kPeopleFileName, v ? 199 : 0, v ? many : std::vector<std::string>{"Ann"});
    if (round == 0 && (::write(readyFd, "x", 1) != 1 || ::close(readyFd) != 0)) ::_exit(1);
  }
}

}  // namespace

TEST(KilledSave, LeavesTheOldFileOrTheNewOneNeverAPart) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  const std::vector<Versions> files = FileVersions();
  for (const Versions& f : files) ASSERT_NE(f.bytes[0].size(), f.bytes[1].size());
  std::mt19937 random(20061005);
  int cutShort = 0;  // kills that caught a save half done
  // Each round syncs four files to disk: on a busy disk fewer kills fit in
  // the time the test may take.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  int kill = 0;
  for (; kill < 300 && std::chrono::steady_clock::now() < deadline; ++kill) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(ready[0]);
      SaveForever(files, ready[1]);
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1) << "the child never saved";
    ::close(ready[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    for (const Versions& f : files) {
      const std::string bytes = dir.Read(f.name);
      ASSERT_TRUE(bytes == f.bytes[0] || bytes == f.bytes[1]) << f.name << " after kill " << kill << ": "
                                                               << bytes.size() << " bytes";
    }
    // A temporary of the save cut short is left beside the file; the file
    // itself never changes through it.
    for (const auto& entry : std::filesystem::directory_iterator(dir.Root())) {
      if (entry.path().filename().string().find(".tmp") == std::string::npos) continue;
      ++cutShort;
      std::filesystem::remove(entry.path());
    }
  }
  EXPECT_GE(kill, 100);
  EXPECT_GT(cutShort, kill / 10) << "the kills did not catch saves half done";
}
