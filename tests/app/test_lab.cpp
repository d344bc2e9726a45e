// A class folder shared by several accounts and several running copies: what
// each writes lands, nothing is lost, each account keeps its own choices.
// The program itself doubles as one student (--student), so that the test can
// run it under other accounts. SONORIX_TEST_LOCKS_OFF=1 runs everything with
// the locks switched off, to see the lock tests fail.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "CumulativeFile.h"
#include "DataFile.h"
#include "DataFolder.h"
#include "EndOfDrill.h"
#include "FileLock.h"
#include "FilterState.h"
#include "PracticeLog.h"
#include "ScratchDir.h"
#include "SessionLog.h"
#include "Settings.h"

namespace fs = std::filesystem;

namespace {

const char* self = nullptr;  // this program, for the student runs

PracticeRecord PracticeQuestion(const std::string& person, int n) {
  PracticeRecord r;
  r.day = 46000;
  r.secondOfDay = n % 86400;
  r.asked = "3-11";
  r.voicing = {0, 3, 7};
  r.answers = {"3-11"};
  r.seconds = static_cast<uint32_t>(n);
  r.person = person;
  return r;
}

// One student's start and, with right > 0, one drill: the log's records,
// errors.dat and hiscore.dat, a practice question, a setting and the filters.
// Prints each file trouble the student would be shown.
int RunStudent(const std::string& dir, const std::string& name, int right) {
  std::string error;
  if (!EnterDataFolder(DataFolderChoice{dir, "--data-dir"}, {}, error)) {
    std::printf("cannot enter: %s\n", error.c_str());
    return 2;
  }
  SetFileTroubleHandler([](FileTrouble, const std::string& file, const std::string& reason, const std::string& kept) {
    std::printf("not written: %s (%s) kept: %s\n", file.c_str(), reason.c_str(), kept.empty() ? "-" : "yes");
  });
  CatchUpUnsavedAppends({kReportFileName, kPracticeFileName});
  CatchUpKeptStats();
  CatchUpKeptHighScores();
  if (right > 0) {
    const double date = 46000;
    AppendLogRecord(kReportFileName, StartRecordText(date, 0, name));
    AppendLogRecord(kReportFileName, FilterRecordText(FilterState{4095, 0, 0}));
    AppendLogRecord(kReportFileName, SegmentRecordText(right, 0, 60, SegmentCheckValue(name, date, right, 0)));
    ErrorStats stats{};
    for (int i = 0; i < right; ++i) AddCorrectAnswer(stats, 0, 0, 0);
    SaveEndedDrill(EndedDrillFacts{right, 0, 60000, false, 0, date}, stats);
    AppendPracticeRecord(kPracticeFileName, PracticeQuestion(name, right));
    EditSettings([](QSettings& s) { s.setValue("Practice/Mode", true); });
    SaveFiltersFile(AccountFile(kFiltersFileName), FilterState{7, 0, 0});
  }
  std::fflush(stdout);
  return 0;
}

std::string Run(const std::string& command) {
  std::string out;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  ::pclose(pipe);
  return out;
}

struct Account {
  uid_t uid;
  std::string home;
  std::string name;
};

// The student under another account of group `gid`, umask 022, with nothing
// of root's environment but the home.
std::string RunAs(const Account& who, gid_t gid, const std::string& dir, int right) {
  return Run("umask 022; env -i HOME=" + who.home + " ASAN_OPTIONS=detect_leaks=0 setpriv --reuid=" +
             std::to_string(who.uid) + " --regid=" + std::to_string(who.uid) + " --groups=" + std::to_string(gid) +
             " " + self + " --student " + dir + " " + who.name + " " + std::to_string(right) + " 2>/dev/null");
}

struct stat StatOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st;
}

int CountOf(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

int RightAnswersIn(const std::string& errorsFile) {
  return ParseErrorStats(ReadBytes(errorsFile))[0].Correct[0];
}

void WaitFor(const std::vector<pid_t>& children) {
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
}

// Holds the record lock of `file` again and again while the children write
// it, and counts the times it changed under the lock. The lock's whole
// promise: another copy writes nothing meanwhile.
int ChangesUnderTheLock(const std::string& file, const std::vector<pid_t>& children) {
  int changes = 0;
  for (int round = 0; round < 40; ++round) {
    bool running = false;
    for (pid_t child : children) {
      siginfo_t info{};
      running = running || (::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
                            info.si_pid == 0);
    }
    if (!running) break;
    const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0 && LockWholeFile(fd, 2000)) {
      const std::string before = ReadBytes(file);
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
      if (ReadBytes(file) != before) ++changes;
    }
    if (fd >= 0) ::close(fd);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return changes;
}

}  // namespace

// The lab as it was tried: a folder root:<group> 2775, two students with
// umask 022. Their files stay the group's, both students' work lands, and
// what could not be written is kept and added at the next start.
TEST(Lab, TwoAccountsShareAGroupFolder) {
  if (::geteuid() != 0 || std::system("setpriv --reuid=64211 --regid=64211 --clear-groups true 2>/dev/null") != 0)
    GTEST_SKIP() << "needs root and setpriv";
  ScratchDir scratch;
  ASSERT_EQ(::chmod(scratch.Root().c_str(), 0755), 0);
  const gid_t theory = 64201;
  const Account ann{64211, scratch.Path("ann"), "Ann"}, bob{64212, scratch.Path("bob"), "Bob"};
  const std::string dir = scratch.Path("class");
  for (const Account* who : {&ann, &bob}) {
    fs::create_directory(who->home);
    ASSERT_EQ(::chown(who->home.c_str(), who->uid, who->uid), 0);
  }
  fs::create_directory(dir);
  ASSERT_EQ(::chown(dir.c_str(), 0, theory), 0);
  ASSERT_EQ(::chmod(dir.c_str(), 02775), 0);

  EXPECT_EQ(RunAs(ann, theory, dir, 12), "");
  for (const char* name : {"report.dat", "errors.dat", "hiscore.dat", "practice.dat", "errors.dat.lock",
                           "hiscore.dat.lock"}) {
    const struct stat st = StatOf(dir + "/" + name);
    EXPECT_EQ(st.st_gid, theory) << name;
    EXPECT_EQ(st.st_mode & 0060, 0060u) << name;
  }
  EXPECT_EQ(RunAs(bob, theory, dir, 7), "");
  EXPECT_EQ(CountOf(scratch.Read("class/report.dat"), "\r\nS 46000 0 "), 2);
  EXPECT_EQ(RightAnswersIn(dir + "/errors.dat"), 19);
  EXPECT_EQ(ParseHighScores(scratch.Read("class/hiscore.dat")).EntryCount[0], 2);
  EXPECT_EQ(LoadPracticeLog(dir + "/practice.dat")->records.size(), 2u);
  // Settings and filters are each account's own, none in the class folder.
  EXPECT_FALSE(scratch.Exists("class/sonorix.ini"));
  EXPECT_FALSE(scratch.Exists("class/filters.dat"));
  EXPECT_TRUE(fs::exists(bob.home + "/.config/sonorix/sonorix.ini"));
  EXPECT_EQ(LoadFiltersFile(bob.home + "/.config/sonorix/filters.dat").LowMask, 7);

  // Files an older version left as Ann's alone (0644): Bob is refused, told,
  // and his work kept at home.
  for (const char* name : {"report.dat", "errors.dat", "hiscore.dat", "practice.dat", "errors.dat.lock",
                           "hiscore.dat.lock"}) {
    const std::string path = dir + "/" + name;
    ASSERT_EQ(::chown(path.c_str(), ann.uid, ann.uid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  }
  const std::string before = scratch.Read("class/report.dat");
  const std::string told = RunAs(bob, theory, dir, 5);
  for (const char* name : {"report.dat", "errors.dat", "hiscore.dat", "practice.dat"})
    EXPECT_NE(told.find(std::string("not written: ") + name + " (Permission denied) kept: yes"), std::string::npos)
        << told;
  EXPECT_EQ(scratch.Read("class/report.dat"), before);
  EXPECT_EQ(RightAnswersIn(dir + "/errors.dat"), 19);

  // Ann's next start gives her files back to the group; Bob's next start
  // adds what he kept, once.
  EXPECT_EQ(RunAs(ann, theory, dir, 0), "");
  EXPECT_EQ(RunAs(bob, theory, dir, 0), "");
  EXPECT_EQ(RunAs(bob, theory, dir, 0), "");
  const std::string log = scratch.Read("class/report.dat");
  EXPECT_EQ(log.substr(0, before.size()), before);
  EXPECT_EQ(log.substr(before.size()), "\r\nS 46000 0 Bob\r\nF 0 4095 0\r\nD 5 0 60 " +
                                           FormatLogDouble(SegmentCheckValue("Bob", 46000, 5, 0)));
  EXPECT_EQ(RightAnswersIn(dir + "/errors.dat"), 24);
  EXPECT_EQ(ParseHighScores(scratch.Read("class/hiscore.dat")).EntryCount[0], 3);
  EXPECT_EQ(LoadPracticeLog(dir + "/practice.dat")->records.size(), 3u);
  for (const auto& entry : fs::recursive_directory_iterator(bob.home + "/.local/share/sonorix/unsaved"))
    EXPECT_FALSE(entry.is_regular_file() && entry.path().extension() == ".dat") << entry.path();
}

// Two copies ending drills at once: every one of 600 updates of errors.dat
// and hiscore.dat is in the files.
TEST(Lab, RewritesUnderTheLockLoseNoUpdate) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  constexpr int kDrills = 300;
  std::vector<pid_t> children;
  for (int copy = 0; copy < 2; ++copy) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0; i < kDrills; ++i) {
        ErrorStats stats{};
        AddCorrectAnswer(stats, copy, 0, 0);
        // Each drill's entry told apart by its right answers.
        const int right = 5 + 2 * i + copy;
        SaveEndedDrill(EndedDrillFacts{right, 0, static_cast<uint32_t>(right) * 700u, false, 0, 46000}, stats);
      }
      ::_exit(0);
    }
    children.push_back(child);
  }
  WaitFor(children);
  const ErrorStats errors = ParseErrorStats(dir.Read("errors.dat"));
  EXPECT_EQ(errors[0].Correct[0], kDrills);
  EXPECT_EQ(errors[1].Correct[0], kDrills);
  // The table keeps the 100 best of all 600.
  std::vector<int32_t> best;
  for (int right = 5; right < 5 + 2 * kDrills; ++right)
    best.push_back(ComputeScoreResult(right, 0, static_cast<uint32_t>(right) * 700u).Score);
  std::sort(best.rbegin(), best.rend());
  best.resize(kMaxHighScores);
  const HighScoreSet tables = ParseHighScores(dir.Read("hiscore.dat"));
  ASSERT_EQ(tables.EntryCount[0], kMaxHighScores);
  for (int i = 0; i < kMaxHighScores; ++i) EXPECT_EQ(tables.Rows[0][static_cast<size_t>(i)].Score, best[static_cast<size_t>(i)]) << i;
}

// Two copies appending practice questions: every line whole, in each copy's
// order, and none lands while another holds the file's lock.
TEST(Lab, PracticeAppendsUnderTheLock) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  constexpr int kQuestions = 400;
  std::vector<pid_t> children;
  for (const std::string name : {"Ann", "Bob Li"}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      bool ok = true;
      for (int i = 0; i < kQuestions; ++i) ok = AppendPracticeRecord(kPracticeFileName, PracticeQuestion(name, i)) && ok;
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(child);
  }
  while (!dir.Exists(kPracticeFileName)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(ChangesUnderTheLock(kPracticeFileName, children), 0);
  WaitFor(children);
  const PracticeLog log = *LoadPracticeLog(kPracticeFileName);
  EXPECT_EQ(log.damaged, 0);
  ASSERT_EQ(log.records.size(), 2u * kQuestions);
  std::map<std::string, uint32_t> next;
  for (const PracticeRecord& r : log.records) EXPECT_EQ(r.seconds, next[r.person]++) << r.person;
}

// Two copies running drills into one report.dat, read back record by record:
// each copy's S, F and D records in its own order, and none written while
// another holds the lock.
TEST(Lab, InterleavedDrillsRecordByRecord) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  constexpr int kDrills = 400;
  const std::vector<std::string> names = {"Ann", "Bob Li"};
  std::vector<pid_t> children;
  for (int copy = 0; copy < 2; ++copy) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      bool ok = true;
      for (int i = 0; i < kDrills; ++i) {
        const double date = 46000 + i / 50;
        ok = AppendLogRecord(kReportFileName, StartRecordText(date, copy, names[copy])) && ok;
        // The filters tell the copy (low mask) and the drill (high mask) apart.
        ok = AppendLogRecord(kReportFileName, FilterRecordText(FilterState{4095 - copy, i, i % 6})) && ok;
        ok = AppendLogRecord(kReportFileName, SegmentRecordText(i, copy, 60, SegmentCheckValue(names[copy], date, i, copy))) && ok;
      }
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(child);
  }
  while (!dir.Exists(kReportFileName)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(ChangesUnderTheLock(kReportFileName, children), 0);
  WaitFor(children);

  std::vector<std::vector<std::string>> seen(2);
  const std::string text = dir.Read(kReportFileName);
  for (size_t pos = 0; pos < text.size();) {
    ASSERT_EQ(text.compare(pos, 2, "\r\n"), 0) << pos;
    pos += 2;
    const size_t end = std::min(text.find("\r\n", pos), text.size());
    const std::string line = text.substr(pos, end - pos);
    pos = end;
    int copy = -1;
    if (line[0] == 'S') copy = line.find(names[1]) != std::string::npos ? 1 : 0;
    if (line[0] == 'F') copy = line.find(" 4094 ") != std::string::npos ? 1 : 0;
    if (line[0] == 'D') copy = line.find(" 1 60 ") != std::string::npos ? 1 : 0;
    ASSERT_GE(copy, 0) << line;
    seen[static_cast<size_t>(copy)].push_back(line);
  }
  for (int copy = 0; copy < 2; ++copy) {
    const auto& lines = seen[static_cast<size_t>(copy)];
    ASSERT_EQ(lines.size(), 3u * kDrills) << copy;
    for (int i = 0; i < kDrills; ++i) {
      const double date = 46000 + i / 50;
      const size_t at = 3u * static_cast<size_t>(i);
      EXPECT_EQ(lines[at], StartRecordText(date, copy, names[static_cast<size_t>(copy)]));
      EXPECT_EQ(lines[at + 1], FilterRecordText(FilterState{4095 - copy, i, i % 6}));
      EXPECT_EQ(lines[at + 2], SegmentRecordText(i, copy, 60, SegmentCheckValue(names[static_cast<size_t>(copy)], date, i, copy)));
    }
  }
}

// A hand-edited settings file: comments, a line that is no setting and a
// Ctrl-Z all survive a save, every setting is kept, and the student is told
// once.
TEST(Lab, AHandEditedSettingsFileKeepsEverything) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  const std::string file = dir.Write("sonorix.ini",
                                     "# set by the teacher\n[View]\nZoom 150\nZoom=125\n\x1a\n"
                                     "[Practice]\nMode=true\n");
  std::vector<std::string> told;
  SetFileTroubleHandler([&](FileTrouble trouble, const std::string&, const std::string& reason, const std::string&) {
    EXPECT_EQ(trouble, FileTrouble::NotUnderstood);
    told.push_back(reason);
  });
  EXPECT_EQ(QSettings(QString::fromStdString(file), QSettings::IniFormat).value("Practice/Mode").toBool(), true);
  ASSERT_TRUE(EditSettings([](QSettings& s) {
    s.setValue("View/Zoom", 175);
    s.setValue("Keyboard/Shown", true);
    s.remove("Practice/Mode");
  }, file));
  ASSERT_TRUE(EditSettings([](QSettings& s) { s.setValue("Progress/PlayWrongAnswers", true); }, file));
  SetFileTroubleHandler({});
  EXPECT_EQ(dir.Read("sonorix.ini"),
            "# set by the teacher\n[View]\nZoom 150\nZoom=175\n\x1a\n[Practice]\n\n[Keyboard]\nShown=true\n"
            "\n[Progress]\nPlayWrongAnswers=true\n");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], "line 3 is no \"key=value\": Zoom 150");
  const QSettings read(QString::fromStdString(file), QSettings::IniFormat);
  EXPECT_EQ(read.value("View/Zoom").toInt(), 175);
  EXPECT_TRUE(read.value("Keyboard/Shown").toBool());
}

int main(int argc, char** argv) {
  self = argv[0];
  QCoreApplication app(argc, argv);
  if (const char* off = std::getenv("SONORIX_TEST_LOCKS_OFF"); off && off[0] == '1') SwitchOffLocksForTesting(true);
  if (argc == 5 && std::string(argv[1]) == "--student") return RunStudent(argv[2], argv[3], std::atoi(argv[4]));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
