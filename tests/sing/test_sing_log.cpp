// sing.dat: what a sung try leaves, read back whatever happened to the file,
// and the counts the progress windows and the class show.
#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "SingLog.h"

namespace {

SingRecord Record(const std::string& person, int attempt, bool right) {
  SingRecord r;
  r.day = 46365;  // 9 December 2026
  r.secondOfDay = 3600 * 17 + 61;
  r.setClass = "4-Z15";
  r.exercise = 'C';
  r.form = 1;
  r.startPitchClass = 2;
  r.played = {62};
  r.sung = {{64, 12}, {67, -8}, {68, 0}};
  r.right = right;
  r.attempt = attempt;
  r.person = person;
  return r;
}

}  // namespace

TEST(SingLog, WritesReadsAndCounts) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  const std::string name = "Mary \\Ann\r\nLee";
  ASSERT_TRUE(AppendSingRecord(kSingFileName, Record(name, 1, false)));
  EXPECT_EQ(SingLine(Record("Mary", 1, false)).substr(0, 50), "2026-12-09T17:01:01 4-Z15 C B 2 62 64+12,67-8,68+0");
  // The whole line, check value too: written by the writer practice.dat shares.
  EXPECT_EQ(SingLine(Record("Mary", 1, false)), "2026-12-09T17:01:01 4-Z15 C B 2 62 64+12,67-8,68+0 W 1 c4dba4a3 Mary");
  // A torn line from a crash, a foreign one, then more tries.
  std::string bytes = ReadBytes(kSingFileName) + "2026-12-09T17:02:00 4-Z15 C B 2 62 64+1";
  WriteBytes(kSingFileName, bytes);
  ASSERT_TRUE(AppendSingRecord(kSingFileName, Record(name, 2, true)));
  ASSERT_TRUE(AppendSingRecord(kSingFileName, Record("Tom", 1, true)));
  SingRecord back = Record("Tom", 1, true);
  back.exercise = 'B';
  back.sung.clear();
  back.played = {62, 63, 66, 68};
  ASSERT_TRUE(AppendSingRecord(kSingFileName, back));

  bytes = ReadBytes(kSingFileName);
  EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
  EXPECT_NE(bytes.find("62 64+1\r\n2026"), std::string::npos) << "the torn line stays alone";
  const auto log = LoadSingLog(kSingFileName);
  ASSERT_TRUE(log);
  EXPECT_EQ(log->lines, 5);
  EXPECT_EQ(log->damaged, 1);
  ASSERT_EQ(log->records.size(), 4u);
  EXPECT_EQ(log->records[0].person, name);
  EXPECT_EQ(log->records[0].sung.size(), 3u);
  EXPECT_EQ(log->records[0].sung[1].cents, -8);
  EXPECT_EQ(log->records[3].sung.size(), 0u);
  EXPECT_EQ(log->records[3].played.size(), 4u);

  const SingCounts mary = CountSing(*log, &name);
  EXPECT_EQ(mary.sung, 1) << "a second try is the same question";
  EXPECT_EQ(mary.firstTryRight, 0);
  const SingCounts all = CountSing(*log);
  EXPECT_EQ(all.sung, 3);
  EXPECT_EQ(all.firstTryRight, 2);

  // LF only, a Ctrl-Z at the end, and every kind of damage: never a crash.
  std::string lf;
  for (char c : bytes)
    if (c != '\r') lf += c;
  EXPECT_EQ(ParseSingLog(lf + "\x1a\r\n").records.size(), 4u);
  std::string line = SingLine(Record("Tom", 1, true));
  for (size_t i = 0; i < line.size(); ++i) {
    std::string bad = line;
    bad[i] = bad[i] == '7' ? '8' : '7';
    EXPECT_FALSE(ParseSingLine(bad)) << i;
    EXPECT_FALSE(ParseSingLine(line.substr(0, i))) << i;
  }
  EXPECT_EQ(ParseSingLog(std::string_view("\x1a\x00\xff\n\n\r\n", 7)).records.size(), 0u);
}

// A sung try as the front ends record it: the exercise, the notes, the verdict.
TEST(SingLog, RecordsWhatWasSung) {
  SingExercise e;
  e.className = "3-11";
  e.kind = SingKind::Class;
  e.anyForm = true;
  e.startPitchClass = 9;
  e.played = {69};
  std::vector<SungNote> sung = {NoteOfMidi(69.2), NoteOfMidi(59.6)};
  SingVerdict v;
  const SingRecord r = MakeSingRecord(e, sung, v, 0, "Ann");
  const auto parsed = ParseSingLine(SingLine(r));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->exercise, 'X');
  EXPECT_EQ(parsed->attempt, 1);
  ASSERT_EQ(parsed->sung.size(), 2u);
  EXPECT_EQ(parsed->sung[0].midi, 69);
  EXPECT_EQ(parsed->sung[0].cents, 20);
  EXPECT_EQ(parsed->sung[1].midi, 60);
  EXPECT_EQ(parsed->sung[1].cents, -40);
  EXPECT_FALSE(parsed->right);
}
