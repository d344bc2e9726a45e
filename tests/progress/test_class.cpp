#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "ClassFigures.h"
#include "FileLock.h"
#include "ReportReader.h"
#include "ScratchDir.h"
#include "SessionLog.h"

namespace {

std::string S(double date, int index, const std::string& name) { return "\r\n" + StartRecordText(date, index, name); }
std::string F(int mode, int low, int high) { return "\r\n" + FilterRecordText(FilterState{low, high, mode}); }
std::string D(const std::string& name, double date, int right, int wrong, unsigned seconds, double tamper = 0) {
  return "\r\n" + SegmentRecordText(right, wrong, seconds, SegmentCheckValue(name, date, right, wrong) + tamper);
}

constexpr int32_t kToday = 45000;  // a Wednesday; its week began on day 44998

// Two machines sharing a class folder: their records interleave. Bob's
// second drill has a tampered record, Cleo's only drill is all tampered.
std::string SharedLog() {
  return S(44990, 0, "Ann") + F(0, 4095, 0) + S(44990, 3, "Bob") + F(3, 65535, 8191) +  //
         D("Ann", 44990, 12, 3, 245) + D("Bob", 44990, 20, 5, 100) +                     //
         S(44999, 0, "Ann") + F(1, 4095, 0) + D("Ann", 44999, 6, 2, 90) +                //
         F(2, 4095, 0) + D("Ann", 44999, 4, 0, 30) +                                     // range changed midway
         S(44999, 3, "Bob") + F(3, 65535, 8191) + D("Bob", 44999, 9, 1, 60, 1) + D("Bob", 44999, 5, 0, 30) +
         S(kToday, 5, "Cleo") + F(0, 4095, 0) + D("Cleo", kToday, 3, 0, 10, -2);
}

std::string RunCommand(const std::string& command, int& status) {
  std::string out;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int rc = ::pclose(pipe);
  status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return out;
}

}  // namespace

TEST(ClassFigures, ALogOfAClassWithTamperedRecords) {
  const ReportLog log = ParseReportLog(SharedLog());
  EXPECT_EQ(log.unverified, 2);
  const std::vector<PersonFigures> rows = ClassRows(log, kToday);
  ASSERT_EQ(rows.size(), 3u);

  const PersonFigures& ann = rows[0];
  EXPECT_EQ(ann.name, "Ann");
  EXPECT_EQ(ann.verifiedDrills, 2);
  EXPECT_EQ(ann.all.right, 22);
  EXPECT_EQ(ann.all.wrong, 5);
  EXPECT_EQ(ann.all.seconds, 365);
  EXPECT_EQ(ann.secondsThisWeek, 120);
  EXPECT_EQ(ann.lastDay, 44999);
  EXPECT_EQ(OneDecimal(ann.byMode[0].Accuracy()), "80.0");
  EXPECT_EQ(OneDecimal(ann.byMode[0].SecondsPerRight()), "20.4");
  EXPECT_EQ(OneDecimal(ann.byMode[1].Accuracy()), "75.0");
  EXPECT_EQ(OneDecimal(ann.byMode[2].SecondsPerRight()), "7.5");
  EXPECT_FALSE(ann.byMode[3].Accuracy());
  // Only the first drill was eligible: 12 right, 3 wrong in 245 s.
  EXPECT_EQ(ann.bestScore[0], 403);
  EXPECT_FALSE(ann.bestScore[1]);
  EXPECT_FALSE(ann.bestScore[2]);
  EXPECT_EQ(ann.unverified, 0);

  const PersonFigures& bob = rows[1];
  EXPECT_EQ(bob.verifiedDrills, 2);
  EXPECT_EQ(bob.all.right, 25);
  EXPECT_EQ(bob.all.wrong, 5);
  EXPECT_EQ(bob.all.seconds, 130);
  // 20 right, 5 wrong in 100 s score 1620; 5 right in 30 s score 1671.
  EXPECT_EQ(bob.bestScore[3], 1671);
  EXPECT_EQ(bob.unverified, 1);

  const PersonFigures& cleo = rows[2];
  EXPECT_EQ(cleo.name, "Cleo");
  EXPECT_EQ(cleo.verifiedDrills, 0);
  EXPECT_EQ(cleo.all.right, 0);
  EXPECT_FALSE(cleo.lastDay);
  EXPECT_EQ(cleo.unverified, 1);

  EXPECT_EQ(ClassSummaryCsv(rows),
            "name,right,wrong,seconds,unverified,last\r\n"
            "Ann,22,5,365,0,2023-03-14\r\n"
            "Bob,25,5,130,1,2023-03-14\r\n"
            "Cleo,0,0,0,1,\r\n");
}

// Two copies append to one report.dat at once, as machines sharing a class
// folder do: every record stands whole on its own line and verifies.
TEST(ClassFigures, TwoProcessesAppendingUnderTheLock) {
  ScratchDir dir;
  const std::string report = dir.Path("report.dat");
  std::vector<pid_t> children;
  for (const std::string name : {"Ann", "Bob Li"}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      bool ok = true;
      for (int i = 0; i < 1000; ++i) {
        // A class practises on the same days.
        const double date = 45000 + i / 100;
        ok = AppendLogRecord(report, StartRecordText(date, 1, name)) && ok;
        ok = AppendLogRecord(report, FilterRecordText(FilterState{4095, 0, i % 3})) && ok;
        ok = AppendLogRecord(report, SegmentRecordText(i % 40, i % 7, 60, SegmentCheckValue(name, date, i % 40, i % 7))) && ok;
      }
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const std::string text = dir.Read("report.dat");
  size_t lines = 0;
  for (size_t pos = 2; pos <= text.size();) {
    size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(pos, end - pos);
    ASSERT_TRUE(line.size() > 2 && (line[0] == 'S' || line[0] == 'F' || line[0] == 'D') && line[1] == ' ') << line;
    ++lines;
    pos = end + 2;
  }
  EXPECT_EQ(lines, 6000u);
  const ReportLog log = ParseReportLog(text);
  EXPECT_EQ(log.records, 6000);
  EXPECT_EQ(log.unverified, 0);
  ASSERT_EQ(log.drills.size(), 2000u);
  for (const LoggedDrill& drill : log.drills) EXPECT_EQ(drill.segments.size(), 1u) << drill.person << " " << drill.date;

  // The append waits for a lock held elsewhere, as another machine would
  // hold it. The child is made first: it must not share the parent's lock.
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    char byte;
    ::close(go[1]);
    const bool started = ::read(go[0], &byte, 1) == 1;
    ::_exit(started && AppendLogRecord(report, "S 45000 0 Late") ? 0 : 1);
  }
  ::close(go[0]);
  const int fd = ::open(report.c_str(), O_WRONLY | O_CLOEXEC);
  ASSERT_TRUE(LockWholeFile(fd, 1000));
  ASSERT_EQ(::write(go[1], "x", 1), 1);
  ::close(go[1]);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(dir.Read("report.dat"), text);
  ::close(fd);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(dir.Read("report.dat"), text + "\r\nS 45000 0 Late");
}

// The command on a folder per machine: people merged by name, a tampered
// record counted, an unreadable path named after the rest is printed.
TEST(ClassFigures, TheCommandOnTwoFolders) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.Path("pc01"));
  std::filesystem::create_directory(dir.Path("pc02"));
  dir.Write("pc01/report.dat", SharedLog());
  dir.Write("pc02/report.dat", S(45001, 0, "Ann") + F(0, 4095, 0) + D("Ann", 45001, 8, 2, 80) + S(45001, 1, "Dana, M.") +
                                   F(0, 4095, 0) + D("Dana, M.", 45001, 5, 0, 50));
  const std::string command = std::string(SONORIX_CLASS_EXE) + " " + dir.Path("pc01") + " " + dir.Path("pc02") + " ";
  int status = -1;
  EXPECT_EQ(RunCommand(command + "2>" + dir.Path("err.txt"), status),
            "name,right,wrong,seconds,unverified,last\r\n"
            "Ann,30,7,445,0,2023-03-16\r\n"
            "Bob,25,5,130,1,2023-03-14\r\n"
            "Cleo,0,0,0,1,\r\n"
            "\"Dana, M.\",5,0,50,0,2023-03-16\r\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(dir.Read("err.txt"), "");

  const std::string json = RunCommand(command + "--json " + dir.Path("pc03") + " 2>" + dir.Path("err.txt"), status);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(dir.Read("err.txt"), "sonorix-class: " + dir.Path("pc03") + ": No such file or directory\n");
  EXPECT_NE(json.find("{\"name\": \"Ann\", \"drills\": 3, \"right\": 30, \"wrong\": 7, \"seconds\": 445, "
                      "\"unverified\": 0, \"last\": \"2023-03-16\"}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("{\"name\": \"Cleo\", \"drills\": 0, \"right\": 0, \"wrong\": 0, \"seconds\": 0, "
                      "\"unverified\": 1, \"last\": null}"),
            std::string::npos)
      << json;
  EXPECT_EQ(json.front(), '[');
}
