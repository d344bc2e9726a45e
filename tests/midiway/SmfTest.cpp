// Standard MIDI Files through the library's entry points: what reading hands
// over, what writing keeps, and damaged files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "midiway.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::string TempFile(const std::string& name) {
  return testing::TempDir() + "midiway-smf-" + std::to_string(getpid()) + "-" + name;
}

void Save(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

Bytes Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Bytes Be(uint32_t value, int bytes) {
  Bytes out;
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  return out;
}

Bytes File(uint16_t division, const std::vector<Bytes>& tracks, uint16_t declared = 0xFFFF) {
  Bytes out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  for (auto part : {Be(declared == 0xFFFF ? tracks.size() : declared, 2), Be(division, 2)})
    out.insert(out.end(), part.begin(), part.end());
  for (const auto& t : tracks) {
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    const Bytes length = Be(static_cast<uint32_t>(t.size()), 4);
    out.insert(out.end(), length.begin(), length.end());
    out.insert(out.end(), t.begin(), t.end());
  }
  return out;
}

struct Opened {
  uint32_t handle = 0;
  std::vector<std::vector<MIDIEVENT>> tracks;
};

// Opens the bytes as a file and reads every track whole (handle 0: refused).
Opened Read(const Bytes& bytes, const std::string& name = "read.mid") {
  const std::string path = TempFile(name);
  Save(path, bytes);
  Opened opened;
  opened.handle = OpenSMF(path.c_str(), 'r', 0, 0);
  std::remove(path.c_str());
  if (opened.handle <= 32) return Opened{};
  for (uint32_t t = 0;; ++t) {
    std::vector<MIDIEVENT> events;
    MIDIEVENT chunk[8192];
    while (uint32_t got = ReadSMF(opened.handle, t, chunk, 8192)) events.insert(events.end(), chunk, chunk + got);
    uint8_t* header = nullptr;
    uint32_t length = 0;
    EXPECT_EQ(ReadMetaEvent(opened.handle, 0, MIDIWAY_META_HEADER, &header, &length), 0);
    if (t >= (static_cast<uint32_t>(header[2]) << 8 | header[3])) break;
    opened.tracks.push_back(events);
  }
  return opened;
}

bool Same(const MIDIEVENT& a, const MIDIEVENT& b) {
  return a.time == b.time && a.status == b.status && a.data1 == b.data1 && a.data2 == b.data2 &&
         a.reserved == b.reserved;
}

// Notes with running status, a meta event, an exclusive message, a tempo change.
const Bytes kTrack = {0x00, 0xFF, 0x03, 0x04, 'L', 'e', 'a', 'd',       // track name
                      0x00, 0x90, 0x3C, 0x40, 0x60, 0x3E, 0x40,         // running status
                      0x81, 0x40, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,   // delta 192, tempo 500000
                      0x10, 0xF0, 0x03, 0x43, 0x12, 0xF7,               // exclusive
                      0x83, 0x60, 0x80, 0x3C, 0x00,                     // delta 480
                      0x00, 0xFF, 0x2F, 0x00};

TEST(MidiwaySmf, ReadsChannelTempoAndExclusiveEventsWithTheirDeltas) {
  Opened file = Read(File(96, {kTrack}));
  ASSERT_GT(file.handle, 32u);
  EXPECT_EQ(GetSMFResolution(file.handle), 96u);
  ASSERT_EQ(file.tracks.size(), 1u);
  const std::vector<MIDIEVENT> expected = {
      {0, 0x90, 0x3C, 0x40, 0},          {0x60, 0x90, 0x3E, 0x40, 0},
      {192, MIDIWAY_STATUS_TEMPO, 0x07, 0xA1, 0x20},
      {0x10, MIDIWAY_STATUS_EXCLUSIVE, 0xF0, 0, 0}, {0, MIDIWAY_STATUS_EXCLUSIVE, 0x43, 0, 0},
      {0, MIDIWAY_STATUS_EXCLUSIVE, 0x12, 0, 0},    {0, MIDIWAY_STATUS_EXCLUSIVE, 0xF7, 0, 0},
      {480, 0x80, 0x3C, 0x00, 0}};
  ASSERT_EQ(file.tracks[0].size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(Same(file.tracks[0][i], expected[i])) << "event " << i;

  uint8_t* data = nullptr;
  uint32_t length = 0;
  ASSERT_EQ(ReadMetaEvent(file.handle, 0, 3, &data, &length), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data), length), "Lead");
  EXPECT_EQ(data[length], 0) << "a zero follows, for readers that take it as text";
  EXPECT_EQ(ReadMetaEvent(file.handle, 0, 1, &data, &length), -1);
  EXPECT_EQ(ReadMetaEvent(file.handle, 1, 3, &data, &length), -1);

  // Read again from the start after a rewind; writing to it is refused.
  RewindSMF(file.handle);
  MIDIEVENT first[2];
  EXPECT_EQ(ReadSMF(file.handle, 0, first, 2), 2u);
  EXPECT_TRUE(Same(first[1], expected[1]));
  EXPECT_EQ(WriteSMF(file.handle, 0, first, 2), 0u);
  EXPECT_NE(WriteMetaEvent(file.handle, 0, 1, "x", 0), 0);
  EXPECT_EQ(CloseSMF(file.handle), 0u);
  EXPECT_EQ(ReadSMF(file.handle, 0, first, 2), 0u) << "a closed handle";
}

TEST(MidiwaySmf, ReadSmfHandsOverAtMost8192AtATime) {
  Bytes track;
  for (int i = 0; i < 20000; ++i) track.insert(track.end(), {0x01, 0x90, 0x3C, 0x40});
  Opened file = Read(File(480, {track}));
  ASSERT_GT(file.handle, 32u);
  RewindSMF(file.handle);
  std::vector<MIDIEVENT> buffer(30000);
  EXPECT_EQ(ReadSMF(file.handle, 0, buffer.data(), 30000), 8192u);
  EXPECT_EQ(ReadSMF(file.handle, 0, buffer.data(), 100), 100u);
  CloseSMF(file.handle);
  EXPECT_EQ(file.tracks[0].size(), 20000u);
}

TEST(MidiwaySmf, DamagedFilesAreRefusedOrReadUpToTheDamage) {
  const Bytes whole = File(96, {kTrack, kTrack});
  const Opened full = Read(whole);
  ASSERT_EQ(full.tracks.size(), 2u);
  CloseSMF(full.handle);
  // Cut anywhere: refused, or every track read is a beginning of the whole one.
  for (size_t cut = 0; cut < whole.size(); ++cut) {
    Opened part = Read(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
    if (cut < 22) {
      EXPECT_EQ(part.handle, 0u) << "cut at " << cut << ": no track at all";
      continue;
    }
    ASSERT_GT(part.handle, 32u) << cut;
    ASSERT_LE(part.tracks.size(), 2u);
    for (size_t t = 0; t < part.tracks.size(); ++t) {
      ASSERT_LE(part.tracks[t].size(), full.tracks[t].size()) << cut;
      for (size_t i = 0; i < part.tracks[t].size(); ++i)
        EXPECT_TRUE(Same(part.tracks[t][i], full.tracks[t][i])) << "cut " << cut << " track " << t << " event " << i;
    }
    CloseSMF(part.handle);
  }

  // Lengths far beyond the file, a quantity of five bytes, data without a status.
  Bytes huge = File(96, {{0x00, 0x90, 0x3C, 0x40}});
  huge[18] = huge[19] = huge[20] = 0xFF;
  Opened h = Read(huge);
  ASSERT_EQ(h.tracks.size(), 1u);
  EXPECT_EQ(h.tracks[0].size(), 1u);
  CloseSMF(h.handle);
  Bytes header = whole;
  header[7] = 0xF0;  // header longer than the file
  EXPECT_EQ(Read(header).handle, 0u);
  const Bytes sysexTooLong = {0x00, 0x90, 0x3C, 0x40, 0x00, 0xF0, 0x8F, 0xFF, 0xFF, 0x7F, 0x01};
  const Bytes badQuantity = {0x00, 0x90, 0x3C, 0x40, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 0x3C, 0x40};
  const Bytes noStatus = {0x00, 0x3C, 0x40, 0x00, 0x90, 0x3C, 0x40};
  const std::vector<std::pair<Bytes, size_t>> damaged = {{sysexTooLong, 1}, {badQuantity, 1}, {noStatus, 0}};
  for (const auto& [track, kept] : damaged) {
    Opened d = Read(File(96, {track}));
    ASSERT_EQ(d.tracks.size(), 1u);
    EXPECT_EQ(d.tracks[0].size(), kept);
    CloseSMF(d.handle);
  }
  for (const Bytes& junk : {Bytes{}, Bytes{'M', 'T', 'h', 'd'}, File(0, {kTrack}), File(96, {}),
                            Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 1, 0, 1, 0, 96}})
    EXPECT_EQ(Read(junk).handle, 0u);
}

// Running status carried past a meta event, as files found in the wild have it.
TEST(MidiwaySmf, RunningStatusCarriesPastMetaEvents) {
  const Bytes track = {0x00, 0x90, 0x3C, 0x40,                    // note on
                       0x10, 0xFF, 0x01, 0x02, 'h', 'i',          // a text event
                       0x10, 0x3E, 0x40,                          // running status after it
                       0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // tempo
                       0x20, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};
  Opened file = Read(File(96, {track}));
  ASSERT_EQ(file.tracks.size(), 1u);
  const std::vector<MIDIEVENT> expected = {{0, 0x90, 0x3C, 0x40, 0},
                                           {0x20, 0x90, 0x3E, 0x40, 0},
                                           {0, MIDIWAY_STATUS_TEMPO, 0x07, 0xA1, 0x20},
                                           {0x20, 0x90, 0x3C, 0x00, 0}};
  ASSERT_EQ(file.tracks[0].size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(Same(file.tracks[0][i], expected[i])) << "event " << i;
  EXPECT_EQ(GetSMFTrackStatus(file.handle, 0, nullptr, nullptr), MIDIWAY_OK);
  CloseSMF(file.handle);
}

// A damaged track is read up to the damage, and the caller can ask which
// track it was and where.
TEST(MidiwaySmf, CutShortTracksSayWhere) {
  const Bytes bad = {0x00, 0x90, 0x3C, 0x40, 0x60, 0x3E, 0x40, 0x83, 0x60, 0xF4, 0x00};  // F4 cannot stand here
  const Bytes whole = File(96, {kTrack, bad, kTrack});
  const size_t second = 14 + 8 + kTrack.size() + 8;  // the second track's first byte
  Opened file = Read(whole);
  ASSERT_EQ(file.tracks.size(), 3u);
  uint32_t offset = 1, tick = 1;
  EXPECT_EQ(GetSMFTrackStatus(file.handle, 0, &offset, &tick), MIDIWAY_OK);
  EXPECT_EQ(offset, 0u);
  EXPECT_EQ(GetSMFTrackStatus(file.handle, 1, &offset, &tick), MIDIWAY_SMF_CUT_SHORT);
  EXPECT_EQ(offset, second + 7) << "where the event that could not be read begins";
  EXPECT_EQ(tick, 0x60u + 480u);
  EXPECT_EQ(file.tracks[1].size(), 2u);
  EXPECT_EQ(GetSMFTrackStatus(file.handle, 2, &offset, &tick), MIDIWAY_OK);
  EXPECT_EQ(GetSMFTrackStatus(file.handle, 3, &offset, &tick), MIDIWAY_ERR_BAD_HANDLE);
  CloseSMF(file.handle);
  EXPECT_EQ(GetSMFTrackStatus(file.handle, 0, &offset, &tick), MIDIWAY_ERR_BAD_HANDLE);

  // The file ends inside its last track: that track is cut short at the file's end.
  const Bytes cut(whole.begin(), whole.end() - 4);  // no End of Track
  Opened part = Read(cut);
  ASSERT_EQ(part.tracks.size(), 3u);
  EXPECT_EQ(GetSMFTrackStatus(part.handle, 1, nullptr, nullptr), MIDIWAY_SMF_CUT_SHORT);
  EXPECT_EQ(GetSMFTrackStatus(part.handle, 2, &offset, &tick), MIDIWAY_SMF_CUT_SHORT);
  EXPECT_EQ(offset, cut.size());
  EXPECT_EQ(tick, 0x60u + 192u + 0x10u + 480u);
  EXPECT_EQ(part.tracks[2].size(), file.tracks[2].size()) << "every event before the cut is read";
  CloseSMF(part.handle);
}

TEST(MidiwaySmf, WrittenFileReadsBackEventForEvent) {
  const std::string path = TempFile("written.mid");
  const uint32_t handle = OpenSMF(path.c_str(), 'w', 2, 0);
  ASSERT_GT(handle, 32u);
  EXPECT_EQ(GetSMFResolution(handle), 480u);
  EXPECT_EQ(SetSMFResolution(handle, 120), 0u);
  EXPECT_NE(SetSMFResolution(handle, 0x8000), 0u);
  ASSERT_EQ(WriteMetaEvent(handle, 1, 3, "Strings", 0), 0);
  const std::vector<MIDIEVENT> events = {
      {0, 0xB0, 7, 100, 0},
      {5, 0x90, 60, 90, 0},
      {0, 0x90, 64, 90, 0},
      {0x20000000, 0x90, 60, 0, 0},  // longer than one quantity holds
      {7, MIDIWAY_STATUS_EXCLUSIVE, 0xF0, 0, 0},
      {0, MIDIWAY_STATUS_EXCLUSIVE, 0x7E, 0, 0},
      {40, MIDIWAY_STATUS_EXCLUSIVE, 0x09, 0, 0},  // a later packet of the same message
      {0, MIDIWAY_STATUS_EXCLUSIVE, 0xF7, 0, 0},
      {3, MIDIWAY_STATUS_TEMPO, 0x7F, 0xFF, 0xFF},
      {2, 0xFC, 0, 0, 0},  // a system message, kept in an escape
      {1, 0xE3, 0x7F, 0x7F, 0},
  };
  MIDIEVENT notEvent{9, 0x45, 1, 2, 0};
  EXPECT_EQ(WriteSMF(handle, 1, events.data(), 10), 10u);
  EXPECT_EQ(WriteSMF(handle, 1, &notEvent, 1), 0u);
  EXPECT_EQ(WriteSMF(handle, 1, &events[10], 1), 1u);
  EXPECT_EQ(WriteSMF(handle, 2, events.data(), 1), 0u) << "no such track";
  EXPECT_EQ(CloseSMF(handle), 0u);

  const Opened file = Read(Load(path));
  std::remove(path.c_str());
  ASSERT_EQ(file.tracks.size(), 2u);
  EXPECT_EQ(GetSMFResolution(file.handle), 120u);
  EXPECT_TRUE(file.tracks[0].empty());
  std::vector<MIDIEVENT> expected = events;
  expected[10].time += 9;  // the refused record's delta is not lost
  ASSERT_EQ(file.tracks[1].size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_TRUE(Same(file.tracks[1][i], expected[i])) << "event " << i << ": status " << int(file.tracks[1][i].status)
                                                      << " time " << file.tracks[1][i].time;
  uint8_t* data = nullptr;
  uint32_t length = 0;
  ASSERT_EQ(ReadMetaEvent(file.handle, 1, 3, &data, &length), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data), length), "Strings");
  CloseSMF(file.handle);
}

TEST(MidiwaySmf, WritingReplacesAFileOnlyWhenClosedAndRefusesWhatCannotBeCreated) {
  const std::string path = TempFile("replace.mid");
  Save(path, {'o', 'l', 'd'});
  const uint32_t handle = OpenSMF(path.c_str(), 'w', 1, 96);
  ASSERT_GT(handle, 32u);
  EXPECT_EQ(Load(path), (Bytes{'o', 'l', 'd'})) << "the old file stays until the new one is whole";
  EXPECT_EQ(CloseSMF(handle), 0u);
  const Bytes written = Load(path);
  std::remove(path.c_str());
  EXPECT_EQ(written, (Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,  // format 0
                             'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00}));
  EXPECT_LE(OpenSMF("/nonexistent-folder/x.mid", 'w', 1, 96), 32u);
  EXPECT_LE(OpenSMF(path.c_str(), 'w', 0, 96), 32u);
  EXPECT_LE(OpenSMF(path.c_str(), 'x', 1, 96), 32u);
}

}  // namespace
