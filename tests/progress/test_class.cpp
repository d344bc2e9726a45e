#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "ClassCache.h"
#include "ClassFigures.h"
#include "DrillNotes.h"
#include "PracticeFigures.h"
#include "ProgressFigures.h"
#include "FileLock.h"
#include "ReportReader.h"
#include "ScratchDir.h"
#include "SingLog.h"
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
  ASSERT_EQ(rows.size(), 4u);

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
  // Ann's drill of that day was open too: the tampered record is nobody's.
  EXPECT_EQ(bob.unverified, 0);
  EXPECT_TRUE(rows[3].unknown);
  EXPECT_EQ(rows[3].unverified, 1);

  const PersonFigures& cleo = rows[2];
  EXPECT_EQ(cleo.name, "Cleo");
  EXPECT_EQ(cleo.verifiedDrills, 0);
  EXPECT_EQ(cleo.all.right, 0);
  EXPECT_FALSE(cleo.lastDay);
  EXPECT_EQ(cleo.unverified, 1);

  EXPECT_EQ(ClassSummaryCsv(rows),
            "name,right,wrong,seconds,unverified,last,drills,ambiguous,practice questions,practice first try,"
            "practice seconds,sung questions,sung first try\r\n"
            "Ann,22,5,365,0,2023-03-14,2,0,0,0,0,0,0\r\n"
            "Bob,25,5,130,0,2023-03-14,2,0,0,0,0,0,0\r\n"
            "Cleo,0,0,0,1,,0,0,0,0,0,0,0\r\n"
            "(unknown),0,0,0,1,,0,0,0,0,0,0,0\r\n");
}

// Two copies append to one report.dat at once, as machines sharing a class
// folder do: every record stands whole on its own line and verifies.
TEST(ClassFigures, TwoProcessesAppendingUnderTheLock) {
  ScratchDir dir;
  const std::string report = dir.Path("report.dat");
  // The day each writer has reached: like machines sharing a clock, neither
  // starts a day before the other has.
  auto* days = static_cast<std::atomic<int>*>(
      ::mmap(nullptr, 2 * sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(static_cast<void*>(days), MAP_FAILED);
  new (&days[0]) std::atomic<int>(0);
  new (&days[1]) std::atomic<int>(0);
  std::vector<pid_t> children;
  for (const std::string name : {"Ann", "Bob Li"}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      bool ok = true;
      const size_t self = children.size(), other = 1 - self;
      for (int i = 0; i < 1000; ++i) {
        // A class practises on the same days.
        const double date = 45000 + i / 100;
        if (i % 100 == 0) {
          days[self] = i / 100;
          while (days[other] < i / 100) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ok = AppendLogRecord(report, StartRecordText(date, 1, name)) && ok;
        ok = AppendLogRecord(report, FilterRecordText(FilterState{4095, 0, i % 3})) && ok;
        ok = AppendLogRecord(report, SegmentRecordText(i % 40, i % 7, 60, SegmentCheckValue(name, date, i % 40, i % 7))) && ok;
      }
      days[self] = 1000;
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
  // Ann sang two questions there, the second right at once, the first at its second try.
  SingRecord sung;
  sung.setClass = "3-11";
  sung.person = "Ann";
  sung.day = 45001;
  std::string singing = SingLine(sung) + "\r\n";
  sung.attempt = 2;
  sung.right = true;
  singing += SingLine(sung) + "\r\n";
  sung.attempt = 1;
  singing += SingLine(sung) + "\r\n";
  dir.Write("pc02/sing.dat", singing);
  const std::string command = std::string(SONORIX_CLASS_EXE) + " " + dir.Path("pc01") + " " + dir.Path("pc02") + " ";
  int status = -1;
  EXPECT_EQ(RunCommand(command + "2>" + dir.Path("err.txt"), status),
            "name,right,wrong,seconds,unverified,last,drills,ambiguous,practice questions,practice first try,"
            "practice seconds,sung questions,sung first try\r\n"
            "Ann,30,7,445,0,2023-03-16,3,0,0,0,0,2,1\r\n"
            "Bob,25,5,130,0,2023-03-14,2,0,0,0,0,0,0\r\n"
            "Cleo,0,0,0,1,,0,0,0,0,0,0,0\r\n"
            "\"Dana, M.\",5,0,50,0,2023-03-16,1,0,0,0,0,0,0\r\n"
            "(unknown),0,0,0,1,,0,0,0,0,0,0,0\r\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(dir.Read("err.txt"), "");

  const std::string json = RunCommand(command + "--json " + dir.Path("pc03") + " 2>" + dir.Path("err.txt"), status);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(dir.Read("err.txt"), "sonorix-class: " + dir.Path("pc03") + ": No such file or directory\n");
  EXPECT_NE(json.find("{\"name\": \"Ann\", \"drills\": 3, \"right\": 30, \"wrong\": 7, \"seconds\": 445, "
                      "\"unverified\": 0, \"last\": \"2023-03-16\", \"ambiguous\": 0, \"practice questions\": 0, "
                      "\"practice first try\": 0, \"practice seconds\": 0, \"sung questions\": 2, \"sung first try\": 1}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("{\"name\": \"Cleo\", \"drills\": 0, \"right\": 0, \"wrong\": 0, \"seconds\": 0, "
                      "\"unverified\": 1, \"last\": null, \"ambiguous\": 0, \"practice questions\": 0, "
                      "\"practice first try\": 0, \"practice seconds\": 0, \"sung questions\": 0, \"sung first try\": 0}"),
            std::string::npos)
      << json;
  EXPECT_EQ(json.front(), '[');
}

namespace {

std::string CommandOn(const ScratchDir& dir, const std::string& log, int& status) {
  std::filesystem::create_directories(dir.Path("lab"));
  dir.Write("lab/report.dat", log);
  return RunCommand(std::string(SONORIX_CLASS_EXE) + " " + dir.Path("lab") + " 2>/dev/null", status);
}

const std::string kHeader =
    "name,right,wrong,seconds,unverified,last,drills,ambiguous,practice questions,practice first try,"
    "practice seconds,sung questions,sung first try\r\n";

}  // namespace

// Logs that once credited one student's records to another, or hid them.
TEST(ClassFigures, TheCommandReadsTheLabsLogsExactly) {
  ScratchDir dir;
  int status = -1;
  // A raised record on a later day is no longer tried against Ann's old drill.
  const double ann = 46352, bob = 46360;
  EXPECT_EQ(CommandOn(dir,
                      S(ann, 0, "Ann") + F(0, 4095, 0) + D("Ann", ann, 20, 5, 100) + S(bob, 1, "Bob") + F(0, 4095, 0) +
                          "\r\n" + SegmentRecordText(14, 3, 200, SegmentCheckValue("Bob", bob, 12, 3)),
                      status),
            kHeader + "Ann,20,5,100,0,2026-11-26,1,0,0,0,0,0,0\r\nBob,0,0,0,1,,0,0,0,0,0,0,0\r\n");
  EXPECT_EQ(status, 0);

  // Two drills open: a record that verifies for neither is nobody's.
  EXPECT_EQ(CommandOn(dir,
                      S(45000, 0, "Ann") + S(45000, 1, "Bob") + F(0, 4095, 0) + F(0, 4095, 0) +
                          D("Ann", 45000, 10, 2, 100) + D("Bob", 45000, 8, 1, 90, 3) + D("Bob", 45000, 9, 0, 80),
                      status),
            kHeader + "Ann,10,2,100,0,2023-03-15,1,0,0,0,0,0,0\r\nBob,9,0,80,0,2023-03-15,1,0,0,0,0,0,0\r\n"
                      "(unknown),0,0,0,1,,0,0,0,0,0,0,0\r\n");

  // Two students pressing BEGIN at once: each F goes to the drill whose D shows it.
  const std::string together = "\r\nS 45003 0 Ann\r\nS 45003 0 Bob Li\r\nF 1 4095 0\r\nD 1 11 423 45468\r\nF 0 4095 0"
                               "\r\nD 11 7 535 45263";
  EXPECT_EQ(CommandOn(dir, together, status),
            kHeader + "Ann,11,7,535,0,2023-03-18,1,0,0,0,0,0,0\r\nBob Li,1,11,423,0,2023-03-18,1,0,0,0,0,0,0\r\n");
  const std::vector<PersonFigures> rows = ClassRows(ParseReportLog(together), 45003);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].eligibleByMode[0].right, 11);
  EXPECT_TRUE(rows[0].bestScore[0]);
  EXPECT_EQ(rows[1].byMode[1].right, 1);  // its own mode, though it never reached END
  EXPECT_EQ(rows[1].notEndedDrills, 1);

  // Same byte sum, same day: the record could be either's, so it is neither's.
  EXPECT_EQ(CommandOn(dir,
                      S(45000, 0, "Amy") + S(45000, 1, "Jon") + F(0, 4095, 0) + F(0, 4095, 0) +
                          D("Amy", 45000, 10, 0, 60),
                      status),
            kHeader + "Amy,0,0,0,0,,0,1,0,0,0,0,0\r\nJon,0,0,0,0,,0,1,0,0,0,0,0\r\n");
  EXPECT_EQ(ParseReportLog(S(45000, 0, "Ann") + S(45000, 1, "Nan") + F(0, 4095, 0) + D("Nan", 45000, 5, 0, 9)).ambiguous, 1);
}

// Damage stays where it is: a stray Ctrl-Z, a damaged S, a name in two encodings.
TEST(ClassFigures, DamageHidesNothingElse) {
  // Ctrl-Z inside a line spoils that line only; at the end, before line breaks, it ends the log.
  const std::string later = S(45001, 0, "Bob") + F(0, 4095, 0) + D("Bob", 45001, 7, 1, 70);
  ReportLog log = ParseReportLog(S(45000, 0, "Ann") + F(0, 4095, 0) + "\r\nD 9 1\x1a 12" + later + "\x1a\r\n\r\n");
  ASSERT_EQ(log.drills.size(), 2u);
  EXPECT_EQ(log.drills[0].unverified, 1);
  ASSERT_EQ(log.drills[1].segments.size(), 1u);
  EXPECT_EQ(log.drills[1].segments[0].correct, 7);
  EXPECT_EQ(log.records, 6);
  // Ctrl-Z followed by more than line breaks: the line is damaged, the rest read.
  log = ParseReportLog(S(45000, 0, "Ann") + F(0, 4095, 0) + D("Ann", 45000, 5, 0, 50) + "\x1a" + later);
  EXPECT_EQ(log.drills.size(), 2u);
  EXPECT_TRUE(log.drills[0].segments.empty());
  EXPECT_EQ(log.unverified, 1);

  // A damaged S: its drill's records are its person's unverified ones, or nobody's.
  log = ParseReportLog("\r\nS 45x00 0 Ann" + F(0, 4095, 0) + D("Ann", 45000, 8, 0, 80) + S(45000, 0, "Ann") +
                       F(0, 4095, 0) + D("Ann", 45000, 5, 0, 50) + S(45000, 0, "Cleo") + F(0, 4095, 0) +
                       D("Cleo", 45000, 6, 0, 60) + "\r\nS 45\x1a" "000 2 Dan" + D("Dan", 45000, 5, 0, 50));
  std::vector<PersonFigures> rows = ClassRows(log, 45000);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].name, "Ann");
  EXPECT_EQ(rows[0].all.right, 5);  // the drill after the damaged one verifies
  EXPECT_EQ(rows[0].unverified, 2);  // its F and D; the S line holds no answers
  EXPECT_EQ(rows[1].all.right, 6);
  EXPECT_EQ(rows[1].unverified, 0);
  EXPECT_TRUE(rows[2].unknown);
  EXPECT_EQ(rows[2].unverified, 2);
  EXPECT_EQ(log.unverified, 5);

  // Cem's damaged drill between Ann's records: its F and D are still Cem's
  // by his name's check value, and Ann keeps her mode.
  const double day = 46360;
  const std::string cem = S(day, 0, "Ann") + F(0, 4095, 0) + D("Ann", day, 5, 0, 50) + "\r\nS 4636O 1 Cem" +
                          F(1, 4095, 0) + D("Ann", day, 6, 0, 60) + D("Cem", day, 7, 1, 70) +
                          D("Ann", day, 8, 0, 80) + D("Cem", day, 9, 0, 90);
  log = ParseReportLog(cem);
  rows = ClassRows(log, 46360);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].all.right, 19);
  EXPECT_EQ(rows[0].byMode[0].right, 19);
  EXPECT_EQ(rows[0].unverified, 0);
  EXPECT_EQ(rows[1].name, "Cem");
  EXPECT_EQ(rows[1].unverified, 3);
  EXPECT_EQ(log.unverified, 4);
  ScratchDir dir;
  int status = -1;
  EXPECT_EQ(CommandOn(dir, cem, status),
            kHeader + "Ann,19,0,190,0,2026-12-04,1,0,0,0,0,0,0\r\nCem,0,0,0,3,,0,0,0,0,0,0,0\r\n");

  // Renée written by a UTF-8 and by a Latin-1 machine is one person.
  log = ParseReportLog(S(45000, 0, "Ren\xc3\xa9" "e") + F(0, 4095, 0) + D("Ren\xc3\xa9" "e", 45000, 5, 1, 50) +
                       S(45001, 0, "Ren\xe9" "e") + F(0, 4095, 0) + D("Ren\xe9" "e", 45001, 6, 0, 40));
  rows = ClassRows(log, 45001);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "Ren\xc3\xa9" "e");
  EXPECT_EQ(rows[0].verifiedDrills, 2);
  EXPECT_EQ(DrillsOf(log, "Ren\xe9" "e").size(), 2u);
}

// What the teacher reads: eligible drills apart, unfinished drills never eligible, time to the second.
TEST(ClassFigures, FiguresKeepEligibleAndUnfinishedDrillsApart) {
  const std::string log = S(45000, 0, "Ann") + F(0, 4095, 0) + D("Ann", 45000, 8, 2, 117) +  // eligible
                          S(45000, 0, "Ann") + F(0, 7, 0) + D("Ann", 45000, 9, 1, 60) +      // three classes
                          S(45000, 0, "Ann") + F(0, 4095, 0) + D("Ann", 45000, 2, 0, 15);    // left by Exit
  const ReportLog parsed = ParseReportLog(log);
  const PersonFigures ann = ClassRows(parsed, 45000).front();
  EXPECT_EQ(OneDecimal(ann.eligibleByMode[0].Accuracy()), "80.0");
  EXPECT_EQ(ann.ineligibleDrills, 1);
  EXPECT_EQ(OneDecimal(ann.ineligible.Accuracy()), "90.0");
  EXPECT_EQ(ann.notEndedDrills, 1);
  EXPECT_EQ(ann.notEnded.right, 2);
  EXPECT_EQ(MinutesSeconds(ann.all.seconds), "3:12");
  const std::vector<DrillFigures> drills = DrillsOf(parsed, "Ann");
  ASSERT_EQ(drills.size(), 3u);
  EXPECT_TRUE(drills[0].eligible);
  EXPECT_FALSE(drills[2].eligible);
  EXPECT_FALSE(drills[2].ended);
  EXPECT_NE(ProgressCsv("Ann", drills).find(",not ended\r\n"), std::string::npos);

  // Practice counts per person, and makes a row for someone who only practised.
  std::vector<PersonFigures> rows = ClassRows(parsed, 45000);
  PracticeLog practice;
  for (const auto& [who, right, day] : {std::tuple{"Ann", true, 45000}, {"Ann", false, 44990}, {"Zoe", true, 45000}}) {
    PracticeRecord r;
    r.person = who;
    r.day = day;
    r.asked = "3-11";
    r.answers = {right ? "3-11" : "3-5"};
    r.seconds = 30;
    practice.records.push_back(r);
  }
  AddClassPractice(rows, practice, 45000);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].practiceQuestions, 2);
  EXPECT_EQ(rows[0].practiceFirstTry, 1);
  EXPECT_EQ(rows[0].practiceSecondsThisWeek, 30);
  EXPECT_EQ(rows[1].name, "Zoe");
  const std::string csv = ClassCsv(rows, ';', true);
  EXPECT_EQ(csv.substr(0, 8), "\xEF\xBB\xBFname;");
  EXPECT_NE(csv.find("\r\nAnn;3;19;3;192;3:12;3:12;2023-03-15;2023-03-15;80,0;14,6;"), std::string::npos) << csv;
}

// The cached figures stand for the logs only while they are the same files, unchanged.
TEST(ClassFigures, TheCacheIsUsedOnlyWhileTheLogsAreUnchanged) {
  ScratchDir dir;
  dir.Write("report.dat", SharedLog());
  const std::string report = dir.Path("report.dat"), practice = dir.Path("practice.dat");
  const auto keyNow = [&] { return ClassCacheKey{dir.Path(""), kToday, StampOf(report), StampOf(practice)}; };
  ReportLog counts;
  CachedClass figures{*ClassRowsOfFile(report, kToday, &counts), 0, 0, 0};
  figures.records = counts.records;
  figures.unverified = counts.unverified;
  const std::string cache = dir.Path("cache/sonorix/class.cache");
  ASSERT_TRUE(SaveClassCache(cache, keyNow(), figures));

  const auto loaded = LoadClassCache(cache, keyNow());
  ASSERT_TRUE(loaded);
  EXPECT_EQ(ClassCsv(loaded->rows), ClassCsv(figures.rows));
  EXPECT_EQ(loaded->records, counts.records);
  EXPECT_FALSE(LoadClassCache(cache, ClassCacheKey{dir.Path(""), kToday + 7, StampOf(report), StampOf(practice)}));

  const auto missesAfter = [&](const std::function<void()>& change) {
    ASSERT_TRUE(SaveClassCache(cache, keyNow(), figures));
    change();
    EXPECT_FALSE(LoadClassCache(cache, keyNow()));
  };
  missesAfter([&] { dir.Write("report.dat", SharedLog() + "\r\n"); });  // longer
  missesAfter([&] {                                                       // same size, another time
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, report.c_str(), times, 0), 0);
  });
  missesAfter([&] {  // another file of the same size and time put in its place
    dir.Write("other.dat", dir.Read("report.dat"));
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.Path("other.dat").c_str(), times, 0), 0);
    std::filesystem::rename(dir.Path("other.dat"), report);
  });
  missesAfter([&] { dir.Write("practice.dat", ""); });  // practice begun

  // A damaged cache is read as none.
  ASSERT_TRUE(SaveClassCache(cache, keyNow(), figures));
  std::string text = dir.Read("cache/sonorix/class.cache");
  dir.Write("cache/sonorix/class.cache", text.substr(0, text.size() - 10));
  EXPECT_FALSE(LoadClassCache(cache, keyNow()));

  // Notes beside the log: a Ctrl-Z spoils its own line only.
  const DrillNotes notes = ParseDrillNotes("1 45000 100 0\r\n2 45\x1a 1 0\r\n3 45000 200 1\r\n\x1a\r\n");
  EXPECT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes.count(3), 1u);
}

// Years of logs, or damage, with ever new names: the reader forgets names
// it no longer needs, yet still knows the person of each open drill.
TEST(ClassFigures, ANewNameAfterSoManyStillFindsTheOpenDrill) {
  std::string log;
  int name = 0;
  int day = 40000;
  for (; name < 65520; ++day)  // 40 a day, so that few drills are open at once
    for (int k = 0; k < 40; ++k, ++name) log += S(day, 0, "P" + std::to_string(name));
  // Ann's first drill is open when the 65,537th name comes in.
  std::string tail = S(day, 0, "Ann");
  for (int k = 0; k < 40; ++k, ++name) tail += S(day, 0, "P" + std::to_string(name));
  // Her second drill must end her first; else both verify her answers alike.
  tail += D("Ann", day, 5, 0, 30) + S(day, 0, "Ann") + D("Ann", day, 7, 1, 40);
  const ReportLog whole = ParseReportLog(log + tail);
  EXPECT_EQ(whole.ambiguous, 0);
  EXPECT_EQ(whole.unverified, 0);
  std::vector<int32_t> right;
  for (const LoggedDrill& drill : whole.drills)
    if (drill.person == "Ann")
      for (const LoggedSegment& segment : drill.segments) right.push_back(segment.correct);
  EXPECT_EQ(right, (std::vector<int32_t>{5, 7}));

  // More names than that open at once, all on one day.
  // Her byte sum is no Q name's.
  log = S(day, 0, "Annemarie Zimmermann");
  for (int k = 0; k < 66000; ++k) log += S(day, 0, "Q" + std::to_string(k));
  log += D("Annemarie Zimmermann", day, 5, 0, 30) + D("Q0", day, 6, 0, 30);
  const ReportLog crowded = ParseReportLog(log);
  EXPECT_EQ(crowded.unverified + crowded.ambiguous, 0);
  ASSERT_EQ(crowded.drills.size(), 66001u);
  EXPECT_EQ(crowded.drills[0].segments.size(), 1u);
  EXPECT_EQ(crowded.drills[1].segments.size(), 1u);
}
