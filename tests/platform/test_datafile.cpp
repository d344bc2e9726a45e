#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DataFile.h"
#include "ScratchDir.h"
#include "Settings.h"

namespace {

class DataFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  void Put(const std::string& name, const std::string& bytes) const { dir_.Write(name, bytes); }
  std::string Get(const std::string& name) const { return dir_.Read(name); }
  int FilesInDir() const { return dir_.EntryCount(); }

  ScratchDir dir_;
};

}  // namespace

TEST_F(DataFileTest, ReadTextFileStopsAtCtrlZAndKeepsOtherBytes) {
  Put("a.dat", std::string("1\r\n2\0x\r\n\x1a" "3\r\n", 11));
  auto text = ReadTextFile(Path("a.dat"));
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, std::string("1\r\n2\0x\r\n", 8));

  Put("z.dat", "\x1a" "everything hidden");
  EXPECT_EQ(ReadTextFile(Path("z.dat")), std::string());
  Put("empty.dat", "");
  EXPECT_EQ(ReadTextFile(Path("empty.dat")), std::string());

  // Larger than one read buffer.
  const std::string big(200000, 'x');
  Put("big.dat", big);
  EXPECT_EQ(ReadTextFile(Path("big.dat")), big);
}

TEST_F(DataFileTest, ReadTextFileFailsWhenThereIsNoFileToRead) {
  EXPECT_FALSE(ReadTextFile(Path("missing.dat")));
  // A directory by the file's name is no empty file.
  std::filesystem::create_directory(Path("ftclass.dat"));
  EXPECT_FALSE(ReadTextFile(Path("ftclass.dat")));
}

TEST_F(DataFileTest, WriteFileAtomicCreatesAndReplacesLeavingNoTemporary) {
  ASSERT_TRUE(WriteFileAtomic(Path("f.dat"), "4095\r\n0\r\n0"));
  EXPECT_EQ(Get("f.dat"), "4095\r\n0\r\n0");
  ASSERT_TRUE(WriteFileAtomic(Path("f.dat"), "1"));
  EXPECT_EQ(Get("f.dat"), "1");
  ASSERT_TRUE(WriteFileAtomic(Path("f.dat"), ""));
  EXPECT_EQ(Get("f.dat"), "");
  EXPECT_EQ(FilesInDir(), 1);

  // The replaced file keeps its permissions.
  ::chmod(Path("f.dat").c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomic(Path("f.dat"), "2"));
  struct stat st {};
  ASSERT_EQ(::stat(Path("f.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(DataFileTest, WriteFileAtomicFailureLeavesTheOldStateAndNoTemporary) {
  EXPECT_FALSE(WriteFileAtomic(Path("no-such-dir/f.dat"), "x"));
  // A directory cannot be replaced by a file; it stays as it was.
  std::filesystem::create_directory(Path("d.dat"));
  EXPECT_FALSE(WriteFileAtomic(Path("d.dat"), "x"));
  EXPECT_TRUE(std::filesystem::is_directory(Path("d.dat")));
  EXPECT_EQ(FilesInDir(), 1);
}

TEST_F(DataFileTest, AppendToFileCreatesThenAppends) {
  ASSERT_TRUE(AppendToFile(Path("report.dat"), "\r\nS 38961 0 Ann"));
  ASSERT_TRUE(AppendToFile(Path("report.dat"), "\r\nF 0 4095 0"));
  EXPECT_EQ(Get("report.dat"), "\r\nS 38961 0 Ann\r\nF 0 4095 0");
  EXPECT_FALSE(AppendToFile(Path("no-such-dir/report.dat"), "x"));
}

TEST(TokenReader, IntegersAcrossLineBreaksAndSigns) {
  TokenReader r(" 12\r\n-7\t+3\n\n0042\r\n");
  int32_t v = 0;
  ASSERT_TRUE(r.ReadInt(v));
  EXPECT_EQ(v, 12);
  ASSERT_TRUE(r.ReadInt(v));
  EXPECT_EQ(v, -7);
  ASSERT_TRUE(r.ReadInt(v));
  EXPECT_EQ(v, 3);
  ASSERT_TRUE(r.ReadInt(v));
  EXPECT_EQ(v, 42);
  EXPECT_FALSE(r.ReadInt(v));  // only white space is left
  EXPECT_TRUE(r.Failed());
}

TEST(TokenReader, IntegerLimitsAndOverflow) {
  int32_t v = 0;
  TokenReader limits("2147483647 -2147483648");
  ASSERT_TRUE(limits.ReadInt(v));
  EXPECT_EQ(v, INT32_MAX);
  ASSERT_TRUE(limits.ReadInt(v));
  EXPECT_EQ(v, INT32_MIN);

  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999999", "-", "+", "+-1", "x1", ""}) {
    SCOPED_TRACE(text);
    TokenReader r(text);
    v = 77;
    EXPECT_FALSE(r.ReadInt(v));
    EXPECT_EQ(v, 77);  // a failed read stores nothing
    EXPECT_TRUE(r.Failed());
  }
}

TEST(TokenReader, AFailedReadFailsEveryLaterRead) {
  TokenReader r("1 abc 2\r\nline");
  int32_t v = 0;
  std::string s;
  double d = 0;
  ASSERT_TRUE(r.ReadInt(v));
  EXPECT_FALSE(r.ReadInt(v));
  EXPECT_FALSE(r.ReadToken(s));
  EXPECT_FALSE(r.ReadInt(v));
  EXPECT_FALSE(r.ReadDouble(d));
  EXPECT_FALSE(r.ReadLine(s, 99));
  EXPECT_TRUE(r.Failed());
}

TEST(TokenReader, AnIntegerEndsWhereItsDigitsEnd) {
  TokenReader r("12abc 3.5");
  int32_t v = 0;
  std::string s;
  ASSERT_TRUE(r.ReadInt(v));
  EXPECT_EQ(v, 12);
  ASSERT_TRUE(r.ReadToken(s));
  EXPECT_EQ(s, "abc");
  ASSERT_TRUE(r.ReadInt(v));
  EXPECT_EQ(v, 3);
  EXPECT_FALSE(r.ReadInt(v));  // ".5"
}

TEST(TokenReader, Doubles) {
  TokenReader r("39001 2.31469 -0.5 .25 1e3 5. 7E-2");
  double d = 0;
  for (double expected : {39001.0, 2.31469, -0.5, 0.25, 1000.0, 5.0, 0.07}) {
    ASSERT_TRUE(r.ReadDouble(d));
    EXPECT_DOUBLE_EQ(d, expected);
  }
  EXPECT_FALSE(r.ReadDouble(d));

  for (const char* text : {".", "-", "e5", "nan", "inf", "1e999", "-1e999", ""}) {
    SCOPED_TRACE(text);
    TokenReader bad(text);
    EXPECT_FALSE(bad.ReadDouble(d));
  }
  // An exponent without digits is not part of the number.
  TokenReader partial("2e+ 4");
  std::string s;
  ASSERT_TRUE(partial.ReadDouble(d));
  EXPECT_DOUBLE_EQ(d, 2.0);
  ASSERT_TRUE(partial.ReadToken(s));
  EXPECT_EQ(s, "e+");
}

TEST(TokenReader, TokensAreRunsOfNonWhiteSpace) {
  TokenReader r("  Z15\t\r\n11  \x01\xff  ");
  std::string s;
  ASSERT_TRUE(r.ReadToken(s));
  EXPECT_EQ(s, "Z15");
  ASSERT_TRUE(r.ReadToken(s));
  EXPECT_EQ(s, "11");
  ASSERT_TRUE(r.ReadToken(s));
  EXPECT_EQ(s, "\x01\xff");
  EXPECT_FALSE(r.ReadToken(s));
}

TEST(TokenReader, LinesWithCrLfOrLfAndALimit) {
  // The layout of people.dat: an index, then one name per line.
  TokenReader r("1\r\nAnn\r\nBob Smith\n\r\nan overlong name\r\nlast");
  int32_t v = 0;
  std::string s;
  ASSERT_TRUE(r.ReadInt(v));
  r.SkipLine();
  ASSERT_TRUE(r.ReadLine(s, 99));
  EXPECT_EQ(s, "Ann");
  ASSERT_TRUE(r.ReadLine(s, 99));
  EXPECT_EQ(s, "Bob Smith");
  ASSERT_TRUE(r.ReadLine(s, 99));
  EXPECT_EQ(s, "");
  ASSERT_TRUE(r.ReadLine(s, 7));
  EXPECT_EQ(s, "an over");  // the rest of that line is dropped
  ASSERT_TRUE(r.ReadLine(s, 99));
  EXPECT_EQ(s, "last");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_FALSE(r.ReadLine(s, 99));
  EXPECT_TRUE(r.Failed());

  // After a number, a line read takes the rest of the number's line.
  TokenReader rest("5 tail\r\nnext");
  ASSERT_TRUE(rest.ReadInt(v));
  ASSERT_TRUE(rest.ReadLine(s, 99));
  EXPECT_EQ(s, " tail");
  ASSERT_TRUE(rest.ReadLine(s, 99));
  EXPECT_EQ(s, "next");

  TokenReader empty("");
  EXPECT_FALSE(empty.ReadLine(s, 99));
  TokenReader lone("\r");
  ASSERT_TRUE(lone.ReadLine(s, 99));
  EXPECT_EQ(s, "");
}

namespace {

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st;
}

// A group of this process other than the file's, which the writer may set; 0 when none.
gid_t OtherGroupOf(const std::string& path) {
  std::vector<gid_t> groups(static_cast<size_t>(::getgroups(0, nullptr)) + 1);
  groups.resize(static_cast<size_t>(::getgroups(static_cast<int>(groups.size()), groups.data())));
  groups.push_back(::getegid());
  if (::geteuid() == 0) groups.push_back(100);  // root may set any group
  const gid_t current = StatOf(path).st_gid;
  for (gid_t g : groups)
    if (g != current && ::chown(path.c_str(), static_cast<uid_t>(-1), g) == 0) {
      (void)::chown(path.c_str(), static_cast<uid_t>(-1), current);
      return g;
    }
  return 0;
}

void Age(const std::string& path, int seconds) {
  struct timeval times[2] {};
  ::gettimeofday(&times[0], nullptr);
  times[0].tv_sec -= seconds;
  times[1] = times[0];
  ASSERT_EQ(::lutimes(path.c_str(), times), 0) << path;
}

}  // namespace

// A class links its data files to a shared folder and shares them through a
// group: every rewrite must reach the shared file and leave it shared.
TEST_F(DataFileTest, RewritesGoThroughLinksAndKeepModeAndGroup) {
  namespace fs = std::filesystem;
  fs::create_directory(Path("shared"));
  fs::create_directory(Path("home"));
  Put("shared/hiscore.dat", "old");
  ::chmod(Path("shared/hiscore.dat").c_str(), 0664);
  const gid_t group = OtherGroupOf(Path("shared/hiscore.dat"));
  if (group != 0) {
    ASSERT_EQ(::chown(Path("shared/hiscore.dat").c_str(), static_cast<uid_t>(-1), group), 0);
  }
  // A relative link to a link to the file.
  fs::create_symlink("../shared/hiscore.dat", Path("shared/current"));
  fs::create_symlink("../shared/current", Path("home/hiscore.dat"));

  ASSERT_TRUE(WriteFileAtomic(Path("home/hiscore.dat"), "new"));
  EXPECT_TRUE(fs::is_symlink(Path("home/hiscore.dat")));
  EXPECT_TRUE(fs::is_symlink(Path("shared/current")));
  EXPECT_EQ(Get("shared/hiscore.dat"), "new");
  const struct stat st = StatOf(Path("shared/hiscore.dat"));
  EXPECT_EQ(st.st_mode & 07777, 0664u);
  if (group != 0) {
    EXPECT_EQ(st.st_gid, group);
  } else {
    std::printf("(no second group to test the group with)\n");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("shared")), fs::directory_iterator()), 2);
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("home")), fs::directory_iterator()), 1);

  // A link to a file not there yet makes it there.
  fs::create_symlink("../shared/errors.dat", Path("home/errors.dat"));
  ASSERT_TRUE(WriteFileAtomic(Path("home/errors.dat"), "41 lines"));
  EXPECT_TRUE(fs::is_symlink(Path("home/errors.dat")));
  EXPECT_EQ(Get("shared/errors.dat"), "41 lines");

  // The settings file too; what was in it stays.
  Put("shared/sonorix.ini", "[Keyboard]\nPort=Piano 1\n");
  ::chmod(Path("shared/sonorix.ini").c_str(), 0660);
  fs::create_symlink("../shared/sonorix.ini", Path("home/sonorix.ini"));
  ASSERT_TRUE(EditSettings([](QSettings& s) { s.setValue(QStringLiteral("PlayWrongAnswers"), true); },
                           Path("home/sonorix.ini")));
  EXPECT_TRUE(fs::is_symlink(Path("home/sonorix.ini")));
  EXPECT_EQ(StatOf(Path("shared/sonorix.ini")).st_mode & 07777, 0660u);
  QSettings back(QString::fromStdString(Path("shared/sonorix.ini")), QSettings::IniFormat);
  EXPECT_EQ(back.value(QStringLiteral("Keyboard/Port")).toString(), QStringLiteral("Piano 1"));
  EXPECT_TRUE(back.value(QStringLiteral("PlayWrongAnswers")).toBool());
}

// A save killed mid-way leaves its temporary; the next start removes it once
// it is old enough to belong to no running save, and nothing else.
TEST_F(DataFileTest, StaleTemporariesOfOurFilesAloneAreRemoved) {
  namespace fs = std::filesystem;
  fs::create_directory(Path("shared"));
  fs::create_symlink("shared/errors.dat", Path("errors.dat"));
  const std::vector<std::string> stale = {"hiscore.dat.tmpAb12Cd", "report.dat.tmp000000", "shared/errors.dat.tmpQwErTy"};
  const std::vector<std::string> kept = {
      "hiscore.dat.tmpYoung1",  // a save running now
      "hiscore.dat.tmpAb12C",   // not our pattern
      "hiscore.dat.tmpAb12C-",  "hiscore.dat.bak", "notes.txt.tmpAb12Cd", "hiscore.datx.tmpAb12Cd",
      "errors.dat.tmpAb12Cd.keep"};
  for (const auto& name : stale) Put(name, "half");
  for (const auto& name : kept) Put(name, "mine");
  fs::create_directory(Path("people.dat.tmpFolder"));
  fs::create_symlink("hiscore.dat.bak", Path("filters.dat.tmpLinked"));
  for (const auto& name : stale) Age(Path(name), 120);
  for (const auto& name : kept) Age(Path(name), name == "hiscore.dat.tmpYoung1" ? 5 : 120);
  Age(Path("people.dat.tmpFolder"), 120);
  Age(Path("filters.dat.tmpLinked"), 120);

  ASSERT_TRUE(dir_.Enter());
  EXPECT_EQ(RemoveStaleTemporaries({"hiscore.dat", "report.dat", "errors.dat", "people.dat", "filters.dat"}), 3);
  for (const auto& name : stale) EXPECT_FALSE(dir_.Exists(name)) << name;
  for (const auto& name : kept) EXPECT_TRUE(dir_.Exists(name)) << name;
  EXPECT_TRUE(fs::is_directory(Path("people.dat.tmpFolder")));
  EXPECT_TRUE(fs::is_symlink(Path("filters.dat.tmpLinked")));
}
