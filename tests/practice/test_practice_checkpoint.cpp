#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "PracticeCheckpoint.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "PracticeScheduler.h"
#include "ScratchDir.h"

namespace {

constexpr int32_t kToday = 46364;

PracticeRecord Random(std::mt19937& rng, const std::string& person) {
  auto name = [&rng] { return "3-" + std::to_string(rng() % 12 + 1); };
  PracticeRecord r;
  r.day = kToday - static_cast<int32_t>(rng() % 40) + (rng() % 50 == 0 ? 2 : 0);  // a few dated ahead
  r.secondOfDay = static_cast<int32_t>(rng() % 86400);
  r.asked = name();
  r.voicing = {0, 3, 7};
  const int wrong = rng() % 3 == 0 ? static_cast<int>(rng() % 3) + 1 : 0;
  for (int i = 0; i < wrong; ++i) r.answers.push_back(name());
  r.reveal = rng() % 8 == 0 ? Reveal::ByStudent : Reveal::None;
  if (r.reveal == Reveal::None) r.answers.push_back(r.asked);
  r.seconds = rng() % 20;
  r.person = person;
  return r;
}

std::string Lines(std::mt19937& rng, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += PracticeLine(Random(rng, i % 3 ? "Ann" : "Bo")) + "\r\n";
  return text;
}

std::vector<PracticeCandidate> All() {
  std::vector<PracticeCandidate> c;
  for (int i = 1; i <= 12; ++i) c.push_back({"3-" + std::to_string(i), true});
  return c;
}

// What a scheduler would do from here: its weights, its focus, and the
// questions of a drill answered the same way.
struct Behaviour {
  std::vector<double> weights;
  std::vector<std::string> why;
  std::vector<int> asked;
  bool operator==(const Behaviour&) const = default;
};

Behaviour Of(PracticeScheduler s) {
  Behaviour b;
  b.weights = s.Weights(All());
  for (const FocusItem& item : s.Focus(All(), 12)) b.why.push_back(item.name + ": " + item.why);
  RandomSource rng;
  rng.Seed(9);
  std::mt19937 answers(4);
  for (int i = 0; i < 60; ++i) {
    const int chosen = s.Choose(All(), rng);
    b.asked.push_back(chosen);
    PracticeRecord r = Random(answers, s.Person());
    r.asked = All()[static_cast<size_t>(chosen)].name;
    r.day = kToday;
    s.Record(r);
  }
  return b;
}

struct Learnt {
  Behaviour behaviour;
  PracticeLearnInfo info;
};

Learnt Learn(const std::string& person, const std::string& checkpoint, int32_t today = kToday) {
  PracticeScheduler s(person, today);
  const PracticeLearnInfo info = s.LearnFromFiles(kPracticeFileName, "report.dat", checkpoint, PracticeLists{});
  return {Of(s), info};
}

// The same person's choices from the log read whole, with no checkpoint.
Behaviour Whole(const std::string& person, int32_t today = kToday) {
  PracticeScheduler s(person, today);
  s.Learn(LoadPracticeLog(kPracticeFileName).value_or(PracticeLog{}), nullptr, PracticeLists{});
  return Of(s);
}

void Append(const std::string& bytes) {
  std::FILE* f = std::fopen(kPracticeFileName, "ab");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// Rewrites bytes in place and moves the time on, as an editor opened later would.
void EditInPlace(long at, const std::string& bytes) {
  std::FILE* f = std::fopen(kPracticeFileName, "r+b");
  std::fseek(f, at, SEEK_SET);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  struct stat info {};
  ::stat(kPracticeFileName, &info);
  const timespec times[2] = {info.st_atim, {info.st_mtim.tv_sec + 1, info.st_mtim.tv_nsec}};
  ::utimensat(AT_FDCWD, kPracticeFileName, times, 0);
}

}  // namespace

// The checkpoint carries on exactly what the whole log teaches: after appends,
// a line cut short and finished later, a final Ctrl-Z; and it is thrown away
// when the log was cut, edited at the same length, replaced, learnt on a
// later day, damaged, or another person's.
TEST(PracticeCheckpoint, ChoicesEqualTheWholeLog) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  const std::string cache = (std::filesystem::current_path() / "cache").string();
  ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
  const std::string ann = PracticeCheckpointPath(AbsolutePracticeLog(kPracticeFileName), "Ann");
  const std::string bo = PracticeCheckpointPath(AbsolutePracticeLog(kPracticeFileName), "Bo");
  ASSERT_EQ(ann.rfind(cache + "/sonorix/", 0), 0u) << ann;
  ASSERT_NE(ann, bo);

  std::mt19937 rng(1);
  dir.Write(kPracticeFileName, Lines(rng, 3000));
  Learnt first = Learn("Ann", ann);
  EXPECT_FALSE(first.info.fromCheckpoint);
  EXPECT_EQ(first.behaviour, Whole("Ann"));
  ASSERT_TRUE(std::filesystem::exists(ann));
  EXPECT_EQ(dir.EntryCount(), 2) << "nothing of the cache beside the log";

  auto carriesOn = [&](const std::string& what, const std::string& path, const std::string& person) {
    const auto size = std::filesystem::file_size(kPracticeFileName);
    const Learnt next = Learn(person, path);
    EXPECT_TRUE(next.info.fromCheckpoint) << what;
    EXPECT_LT(next.info.bytesRead, 8000) << what << ", of " << size;
    EXPECT_EQ(next.behaviour, Whole(person)) << what;
  };
  auto startsAfresh = [&](const std::string& what, const std::string& path, const std::string& person,
                          int32_t today = kToday) {
    const Learnt next = Learn(person, path, today);
    EXPECT_FALSE(next.info.fromCheckpoint) << what;
    EXPECT_EQ(next.behaviour, Whole(person, today)) << what;
  };

  carriesOn("unchanged", ann, "Ann");
  Append(Lines(rng, 40));
  carriesOn("appended", ann, "Ann");
  const std::string cut = PracticeLine(Random(rng, "Ann"));
  Append(cut.substr(0, cut.size() - 1));  // no line break yet: read, but kept out of the checkpoint
  carriesOn("a last line without its line break", ann, "Ann");
  ASSERT_TRUE(AppendPracticeRecord(kPracticeFileName, Random(rng, "Ann")));
  carriesOn("appended after it", ann, "Ann");
  Append("\x1a\r\n");
  carriesOn("ended by Ctrl-Z", ann, "Ann");
  Append(Lines(rng, 5));
  carriesOn("appended after the Ctrl-Z, now a damaged line", ann, "Ann");

  // Two lines of Ann's swapped half way: same length, same first and last kilobyte.
  const std::string text = dir.Read(kPracticeFileName);
  const size_t a = text.find(" Ann\r\n", text.size() / 2) + 6;
  const size_t b = text.find(" Ann\r\n", a) + 6, c = text.find(" Ann\r\n", b) + 6;
  const std::string swapped = text.substr(b, c - b) + text.substr(a, b - a);
  ASSERT_NE(swapped, text.substr(a, c - a));
  EditInPlace(static_cast<long>(a), swapped);
  startsAfresh("edited at the same length", ann, "Ann");
  carriesOn("the new checkpoint", ann, "Ann");

  std::filesystem::resize_file(kPracticeFileName, text.size() / 2);
  startsAfresh("cut", ann, "Ann");
  std::mt19937 other(2);
  dir.Write("other.dat", Lines(other, 4000));
  std::filesystem::rename("other.dat", kPracticeFileName);
  startsAfresh("replaced by a longer log", ann, "Ann");

  startsAfresh("learnt on a later day than today", ann, "Ann", kToday - 1);
  carriesOn("a day later", ann, "Ann");
  std::filesystem::copy_file(ann, bo);
  startsAfresh("Ann's checkpoint where Bo's belongs", bo, "Bo");
  carriesOn("Bo's own", bo, "Bo");
  std::string damaged = ReadBytes(bo);
  damaged[damaged.size() / 2] ^= 1;
  WriteBytes(bo, damaged);
  startsAfresh("damaged", bo, "Bo");
  ::unsetenv("XDG_CACHE_HOME");
}

// One reader for the whole log and for one person's lines, from a file: a
// stray Ctrl-Z or a raw NUL damages its line only, and the lines after it
// count in both.
TEST(PracticeLog, OneReaderForEveryUse) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  std::mt19937 rng(3);
  const std::string before = Lines(rng, 6), after = Lines(rng, 6);
  // Well sealed, yet holding bytes no writer leaves raw.
  auto sealed = [](const std::string& head, const std::string& name) {
    char check[9];
    std::snprintf(check, sizeof check, "%08x", PracticeHash(head + ' ' + name));
    return head + ' ' + check + ' ' + name;
  };
  const std::string head = "2026-12-08T06:03:54 3-11 A 0,3,7 3-11 N 4";
  const std::string log = before + sealed(head, std::string("Ann\0", 4)) + "\r\n" + sealed(head, "Ann\x1a") +
                          "\r\n" + sealed(head, "An\rn") + "\r\n" + "2026-12-08T06:03\x1a" + "\r\n" + after;
  dir.Write(kPracticeFileName, log);

  const PracticeLog whole = LoadPracticeLog(kPracticeFileName).value();
  EXPECT_EQ(whole.records.size(), 12u) << "the lines after the Ctrl-Z are read";
  EXPECT_EQ(whole.damaged, 4);
  for (const std::string& person : std::vector<std::string>{"Ann", "Bo", "Ann\x1a", "An\rn", std::string("Ann\0", 4)}) {
    const PracticeLog own = LoadPracticeLog(kPracticeFileName, &person).value();
    const auto days = PracticeDays(whole, person);
    int32_t counted = 0;
    for (const auto& day : days) counted += day.questions;
    EXPECT_EQ(static_cast<int32_t>(own.records.size()), counted) << person;
    for (const PracticeRecord& r : own.records) EXPECT_EQ(r.person, person);
  }
}
