// Input ports, syncs, tracks, scores and files against the recording driver
// library.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "EventLoop.h"
#include "MidiwayRecorder.h"
#include "Platform.h"
#include "Raised.h"
#include "TrackEvents.h"
#include "Waymidi.h"

namespace {

std::vector<uint8_t> Notes(const MIDIEVENT* events, uint32_t count) {
  std::vector<uint8_t> notes;
  for (uint32_t i = 0; i < count; ++i) notes.push_back(events[i].data1);
  return notes;
}

class Components : public ::testing::Test {
 protected:
  void SetUp() override {
    RecorderReset();
    midi = std::make_unique<TWayMidi>();
    RecorderReset();
  }
  std::unique_ptr<TWayMidi> midi;
};

// --- input --------------------------------------------------------------------

TEST_F(Components, InputCarriesDroppedDeltasAndRecordsOnlyWhatIsAccepted) {
  TWayMidiScore score;
  TWayMidiTrack* track = score.NewTrack();
  track->Recording = true;
  TWayMidiIn in;
  in.WayMidi = midi.get();
  in.Track = track;
  std::vector<MIDIEVENT> seen;
  in.OnMidiData = [&](LPMIDIEVENT e, bool* accept) {
    seen.push_back(*e);
    if (e->data1 == 61) *accept = false;  // the handler rejects this key
  };
  ASSERT_TRUE(in.Open(0));
  EXPECT_EQ(in.Description, "Recorder In");
  in.Start();
  const MIDIEVENT keys[] = {Ev(10, 0xFE, 0), Ev(20, 0xFE, 0), Ev(30, 0x90, 60, 100),
                            Ev(40, 0x90, 61, 100), Ev(50, 0xFE, 0), Ev(60, 0x80, 60)};
  RecorderFeedInput(keys, 6);
  ASSERT_TRUE(ProcessEventsUntil([&] { return seen.size() == 3; }));
  QCoreApplication::processEvents();

  // The handler never sees active sensing; a note carries what was dropped before it.
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].time, 60u);
  EXPECT_EQ(seen[1].time, 40u);
  EXPECT_EQ(seen[2].time, 40u + 50u + 60u);
  ASSERT_EQ(track->Count, 2u);
  EXPECT_EQ(track->Events[0].data1, 60);
  EXPECT_EQ(track->Events[0].time, 60u);
  EXPECT_EQ(track->Events[1].status, 0x80);
  EXPECT_EQ(track->Events[1].time, 150u);
  EXPECT_EQ(in.CarryTime, 0u);

  // A dropped event left at the end stays carried; a track that stops
  // recording takes nothing more.
  track->Recording = false;
  const MIDIEVENT more[] = {Ev(7, 0x90, 61, 1), Ev(5, 0x90, 62, 1)};
  RecorderFeedInput(more, 2);
  ASSERT_TRUE(ProcessEventsUntil([&] { return seen.size() == 5; }));
  EXPECT_EQ(seen[4].time, 12u);
  EXPECT_EQ(track->Count, 2u);
}

TEST_F(Components, InputOpenStartStopCloseAndTheirFailures) {
  TWayMidiIn in;
  EXPECT_EQ(Raised([&] { in.Open(0); }), "No WayMidi");
  in.WayMidi = midi.get();
  EXPECT_EQ(Raised([&] { in.Stop(); }), "midiIn not open");
  EXPECT_EQ(Raised([&] { in.Close(); }), "midiIn not open");
  EXPECT_EQ(Raised([&] { in.Start(); }), "midiIn not open");
  RecorderSetOpenResult(32);
  EXPECT_FALSE(in.Open(0));
  EXPECT_EQ(in.Handle, 0u);
  RecorderSetOpenResult(77);
  ASSERT_TRUE(in.Open(0));
  EXPECT_EQ(Raised([&] { in.Open(0); }), "already open");
  RecorderSetStartInResult(3);
  EXPECT_EQ(Raised([&] { in.Start(); }), "cant start midiIn");
  EXPECT_FALSE(in.Started);
  RecorderSetStartInResult(0);
  in.Start();
  EXPECT_TRUE(in.Started);
  RecorderReset();
  in.Close();
  EXPECT_FALSE(in.IsOpen);
  EXPECT_FALSE(in.Started);
  EXPECT_EQ(in.Description, "");
  ASSERT_EQ(RecorderCalls().size(), 2u);
  EXPECT_EQ(RecorderCalls()[0].name, "StopMidiIn");
  EXPECT_EQ(RecorderCalls()[1].name, "CloseMidiIn");
  EXPECT_EQ(RecorderCalls()[1].args[0], 77u);
}

// --- tracks and scores ----------------------------------------------------------

TEST_F(Components, TracksGrowWhileRecordingAndGiveAbsoluteTimes) {
  TWayMidiTrack track;
  MIDIEVENT e = Ev(3, 0x90, 1);
  track.Add(&e);
  EXPECT_EQ(track.Count, 0u) << "added while not recording";
  track.Recording = true;
  for (uint32_t i = 0; i < 8193; ++i) {
    e.data1 = static_cast<uint8_t>(i & 0x7F);
    track.Add(&e);
  }
  EXPECT_EQ(track.Count, 8193u);
  EXPECT_EQ(track.Capacity, 16384u);
  uint32_t count = 5;
  EXPECT_EQ(track.TakeEvents(0, count), nullptr) << "a recording track gives nothing";
  EXPECT_EQ(count, 0u);
  track.Recording = false;
  count = 5;
  auto taken = track.TakeEvents(10, count);
  ASSERT_EQ(count, 5u);
  EXPECT_EQ(taken[0].time, 33u);  // deltas of records 0..10
  EXPECT_EQ(taken[4].time, 45u);
  count = 100;
  taken = track.TakeEvents(8190, count);
  EXPECT_EQ(count, 3u);
  count = 1;
  EXPECT_EQ(track.TakeEvents(8193, count), nullptr);
  EXPECT_EQ(count, 0u);
}

TEST_F(Components, MergeOrdersByTimeSlotOrderOnTiesAndSkipsMutedAndRecordingTracks) {
  TWayMidiScore score;
  TWayMidiTrack* a = score.NewTrack();
  TWayMidiTrack* b = score.NewTrack();
  TWayMidiTrack* muted = score.NewTrack();
  TWayMidiTrack* c = score.NewTrack();
  TWayMidiTrack* recording = score.NewTrack();
  Fill(a, {Ev(0, 0x90, 1), Ev(100, 0x90, 4)});
  Fill(b, {Ev(0, 0x90, 2), Ev(50, 0x90, 3), Ev(50, 0x90, 5)});
  Fill(muted, {Ev(0, 0x90, 99)});
  Fill(c, {Ev(0, 0x90, 6), Ev(100, 0x90, 7), Ev(20, 0x90, 8)});
  Fill(recording, {Ev(0, 0x90, 98)});
  muted->Mute = true;
  recording->Recording = true;

  const MIDIEVENT* batch = score.Merge();
  // Equal times: slot order (a, b, c), whatever the note numbers.
  EXPECT_EQ(Notes(batch, score.BatchCount), (std::vector<uint8_t>{1, 2, 6, 3, 4, 5, 7, 8}));
  std::vector<uint32_t> deltas;
  for (uint32_t i = 0; i < score.BatchCount; ++i) deltas.push_back(batch[i].time);
  EXPECT_EQ(deltas, (std::vector<uint32_t>{0, 0, 0, 50, 50, 0, 0, 20}));
  EXPECT_EQ(score.LastTime, 120u);
  EXPECT_EQ(score.Slots[2].Start, 0u);
  EXPECT_EQ(score.Merge(), batch);
  EXPECT_EQ(score.BatchCount, 0u);
  EXPECT_TRUE(score.Done());
}

TEST_F(Components, MergeStopsAt512AndTheNextContinuesWithoutGoingBackInTime) {
  TWayMidiScore score;
  TWayMidiTrack* a = score.NewTrack();
  TWayMidiTrack* b = score.NewTrack();
  std::vector<MIDIEVENT> many(400, Ev(10, 0x90, 1));
  Fill(a, many);
  for (auto& e : many) e.data1 = 2;
  Fill(b, many);
  score.Merge();
  EXPECT_EQ(score.BatchCount, 512u);
  EXPECT_EQ(score.Slots[0].Start + score.Slots[1].Start, 512u);
  uint32_t total = 0;
  for (uint32_t i = 0; i < 512; ++i) total += score.Batch[i].time;
  score.Merge();
  EXPECT_EQ(score.BatchCount, 288u);
  for (uint32_t i = 0; i < score.BatchCount; ++i) total += score.Batch[i].time;
  EXPECT_EQ(total, 4000u) << "the two batches together span the tracks' time exactly";
  EXPECT_EQ(score.Slots[0].Start, 400u);
  EXPECT_EQ(score.Slots[1].Start, 400u);

  // A track rewound behind the others starts at delta 0, not 2^32 - 4000.
  score.Slots[0].Start = 0;
  score.Merge();
  EXPECT_EQ(score.Batch[0].time, 0u);
  EXPECT_EQ(score.Batch[1].time, 10u);
}

TEST_F(Components, ExclusiveMessageOfOneTrackIsNotSplitByAnother) {
  TWayMidiScore score;
  TWayMidiTrack* sys = score.NewTrack();
  TWayMidiTrack* notes = score.NewTrack();
  Fill(sys, {Ev(10, 0xF0, 0xF0), Ev(0, 0xF0, 0x7E), Ev(30, 0xF0, 0x09), Ev(0, 0xF0, 0xF7), Ev(0, 0x90, 9)});
  Fill(notes, {Ev(15, 0x90, 1), Ev(5, 0x90, 2), Ev(30, 0x90, 3)});
  score.Merge();
  EXPECT_EQ(Notes(score.Batch.get(), score.BatchCount),
            (std::vector<uint8_t>{0xF0, 0x7E, 0x09, 0xF7, 1, 2, 9, 3}));
  EXPECT_EQ(score.Batch[4].time, 0u) << "a note held back by the message goes at once, not back in time";
}

// A message without its F7 (as files found in the wild have) ends at the next
// event of its track that does not continue it, or at the track's end.
TEST_F(Components, ExclusiveMessageWithoutItsEndHoldsNoTrackBack) {
  TWayMidiScore score;
  TWayMidiTrack* sys = score.NewTrack();
  TWayMidiTrack* notes = score.NewTrack();
  TWayMidiTrack* last = score.NewTrack();
  Fill(sys, {Ev(0, 0xF0, 0xF0), Ev(0, 0xF0, 0x41), Ev(1000, 0x90, 9), Ev(10, 0xF0, 0xF0), Ev(0, 0xF0, 0x10),
             Ev(500, 0xF0, 0xF0), Ev(0, 0xF0, 0x7F)});
  Fill(notes, {Ev(10, 0x90, 1), Ev(10, 0x90, 2), Ev(1000, 0x90, 3), Ev(1000, 0x90, 4)});
  Fill(last, {Ev(5000, 0x90, 5)});
  score.Merge();
  EXPECT_EQ(Notes(score.Batch.get(), score.BatchCount),
            (std::vector<uint8_t>{0xF0, 0x41, 1, 2, 9, 0xF0, 0x10, 3, 0xF0, 0x7F, 4, 5}));
  EXPECT_EQ(score.Batch[2].time, 10u) << "the other track's first note keeps its own time";
  EXPECT_FALSE(score.Slots[0].Exclusive);
}

TEST_F(Components, FeedStopsWhenThePortIsFullAndResumesOnRoom) {
  TWayMidiScore score;
  Fill(score.NewTrack(), {Ev(0, 0x90, 1), Ev(10, 0x90, 2), Ev(10, 0x90, 3)});
  TWayMidiOut out;
  out.WayMidi = midi.get();
  ASSERT_TRUE(out.Open(0, 78624));
  out.MidiScore = &score;
  int ready = 0;
  out.OutBufferReady = [&](TWayMidiOut*) { ++ready; };
  RecorderReset();
  RecorderSetPutResult(1);
  score.Feed(&out);
  ASSERT_EQ(RecorderPuts().size(), 1u);
  RecorderSetPutResult(0);
  ASSERT_EQ(PlatformPostMessage(out.MessageWindow(), MIDIWAY_MSG_OUTPUT_READY, out.Handle, 0), 1);
  ASSERT_TRUE(ProcessEventsUntil([&] { return ready == 1; }));
  const auto puts = RecorderPuts();
  ASSERT_EQ(puts.size(), 4u);  // the refused one again, then the rest
  EXPECT_EQ(Notes(&puts[1].event, 1)[0], 1);
  EXPECT_EQ(puts[3].event.data1, 3);
  EXPECT_EQ(puts[3].event.time, 10u);
  EXPECT_TRUE(score.Done());
  score.Feed(&out);  // used up: nothing more
  EXPECT_EQ(RecorderPuts().size(), 4u);
}

// --- files -------------------------------------------------------------------

TEST_F(Components, FileModesAndTracksAreChecked) {
  TWayMidiScore score;
  TWayMidiTrack* track = score.NewTrack();
  TWayMidiTrack stranger;
  TWayMidiSMF smf;
  EXPECT_EQ(Raised([&] { smf.Close(); }), "SMF not open");
  EXPECT_EQ(Raised([&] { smf.ReadTrack(track); }), "SMF not open");
  smf.WayMidi = midi.get();
  EXPECT_EQ(Raised([&] { smf.Open("x.mid", 'w', nullptr); }), "score not found");
  smf.Open("x.mid", 'w', &score);
  EXPECT_EQ(smf.Mode, 'w');
  EXPECT_EQ(Raised([&] { smf.Open("x.mid", 'w', &score); }), "already open");
  EXPECT_EQ(Raised([&] { smf.ReadTrack(track); }), "SMF cant read");
  EXPECT_EQ(Raised([&] { smf.ReadMetaEvent(track, 3); }), "SMF cant read");
  EXPECT_EQ(Raised([&] { smf.WriteTrack(&stranger); }), "SMF bad track");
  EXPECT_FALSE(smf.WriteMetaEvent(&stranger, 1, "x", 0));

  track->Name = "Melody";
  Fill(track, {Ev(0, 0x90, 60, 64), Ev(480, 0x80, 60, 0)});
  RecorderReset();
  EXPECT_TRUE(smf.WriteTrack(track));
  ASSERT_EQ(RecorderCalls().size(), 2u);
  EXPECT_EQ(RecorderCalls()[0].name, "WriteMetaEvent");
  EXPECT_EQ(RecorderCalls()[0].args[2], 3u);  // track name
  EXPECT_EQ(RecorderCalls()[0].args[3], 0u);  // up to the terminator
  ASSERT_EQ(RecorderWrittenCount(0), 2u);
  EXPECT_EQ(RecorderWritten(0)[1].time, 480u);
  smf.Close();
  EXPECT_EQ(smf.MidiScore, nullptr);
  EXPECT_EQ(score.Slots.size(), 1u) << "the score outlives the file";

  const MIDIEVENT one = Ev(0, 0x90, 60, 1);
  RecorderSetSmfTrack(0, &one, 1);
  smf.Open("x.mid", 'r', &score);
  ASSERT_EQ(score.Slots.size(), 1u);
  EXPECT_EQ(Raised([&] { smf.WriteTrack(score.Slots[0].Track); }), "SMF cant write");
  EXPECT_EQ(Raised([&] { smf.WriteMetaEvent(score.Slots[0].Track, 1, "x", 0); }), "SMF cant write");
  EXPECT_EQ(Raised([&] { smf.ReadTrack(&stranger); }), "SMF bad track");
}

TEST_F(Components, ReadTrackMakesRoomBeforeEveryChunk) {
  // A track that holds a few records already: the library may store 8192 at
  // every call, so room is made first whatever the growth rule gave.
  std::vector<MIDIEVENT> file(20000);
  for (uint32_t i = 0; i < file.size(); ++i) file[i] = Ev(i % 7, 0x90, static_cast<uint8_t>(i % 128), 1);
  RecorderSetSmfTrack(0, file.data(), 1);
  RecorderSetSmfTrack(1, file.data(), file.size());
  TWayMidiScore score;
  TWayMidiSMF smf;
  smf.WayMidi = midi.get();
  smf.Open("big.mid", 'r', &score);
  ASSERT_EQ(score.Slots.size(), 2u);
  TWayMidiTrack* track = score.Slots[1].Track;
  EXPECT_EQ(track->Owner, &smf);
  track->Events.reset(new MIDIEVENT[10]());
  track->Capacity = 10;
  EXPECT_TRUE(smf.ReadTrack(track));
  ASSERT_EQ(track->Count, 20000u);
  EXPECT_GE(track->Capacity, 20000u);
  for (uint32_t i = 0; i < 20000; ++i) {
    ASSERT_EQ(track->Events[i].data1, file[i].data1) << i;  // every chunk kept across the growth
    ASSERT_EQ(track->Events[i].time, file[i].time) << i;
  }
  EXPECT_EQ(track->GetName(), "");  // the recorder's files have no names
  smf.Close();
  EXPECT_EQ(track->Owner, nullptr);
}

// --- sync -------------------------------------------------------------------

TEST_F(Components, SyncStopsOnlyWhenOpenAndReportsBeatsAndDone) {
  TWayMidiSync sync;
  sync.Stop();  // closed: nothing, no raise
  EXPECT_TRUE(RecorderCalls().empty());
  EXPECT_EQ(Raised([&] { sync.Close(); }), "sync not open");
  EXPECT_EQ(Raised([&] { sync.Start(); }), "sync not open");
  sync.WayMidi = midi.get();
  sync.Open(400000, 96);
  EXPECT_EQ(RecorderCalls().back().args[2], 400000u);
  EXPECT_EQ(RecorderCalls().back().args[3], 96u);
  EXPECT_EQ(Raised([&] { sync.Open(); }), "already open");
  int beats = 0, done = 0;
  sync.OnMidiBeat = [&](TWayMidiSync* s) { beats += s == &sync; };
  sync.OnSyncDone = [&](TWayMidiSync* s) { done += s == &sync; };
  sync.Start();
  EXPECT_TRUE(sync.Running);
  PlatformPostMessage(sync.MessageWindow(), MIDIWAY_MSG_SYNC_BEAT, sync.Handle, 0);
  PlatformPostMessage(sync.MessageWindow(), MIDIWAY_MSG_SYNC_BEAT, sync.Handle, 0);
  PlatformPostMessage(sync.MessageWindow(), MIDIWAY_MSG_SYNC_DONE, sync.Handle, 0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return done == 1; }));
  EXPECT_EQ(beats, 2);

  // A port opened with the sync gives its handle to the library.
  TWayMidiOut out;
  out.WayMidi = midi.get();
  out.Sync = &sync;
  out.Open(0, 78624);
  EXPECT_EQ(RecorderCalls().back().args[2], sync.Handle);

  RecorderReset();
  sync.Stop();
  EXPECT_FALSE(sync.Running);
  sync.Close();
  EXPECT_FALSE(sync.IsOpen);
  std::vector<std::string> names;
  for (const auto& c : RecorderCalls()) names.push_back(c.name);
  EXPECT_EQ(names, (std::vector<std::string>{"StopSync", "CloseSync"}));
}

}  // namespace
