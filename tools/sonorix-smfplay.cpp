// sonorix-smfplay: plays a Standard MIDI File through a MIDI output device (default:
// the built-in synthesizer) with the MIDI components: the file's tracks are
// read into a score, which feeds an output port timed by a sync.
//
//   sonorix-smfplay FILE [--device N] [--list]
//
// On a terminal it shows the position, the length and the tempo; Ctrl-C
// silences the device and ends. A damaged file is played up to the damage of
// each track, which is named on stderr, and the status is then 2.
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "OutputOpen.h"
#include "ToolArgs.h"
#include "Waymidi.h"

namespace {

// The file's tempo changes, by absolute tick, to turn ticks into seconds.
class TempoMap {
 public:
  TempoMap(TWayMidiScore& score, uint32_t resolution) : resolution_(std::max<uint32_t>(resolution, 1)) {
    for (const auto& slot : score.Slots) {
      uint64_t tick = 0;
      const TWayMidiTrack* track = slot.Track;
      for (uint32_t i = 0; i < track->Count; ++i) {
        const MIDIEVENT& e = track->Events[i];
        tick += e.time;
        length_ = std::max(length_, tick);
        if (e.status == MIDIWAY_STATUS_TEMPO)
          changes_.emplace_back(tick, MidiwayTempoOf(&e));
      }
    }
    std::stable_sort(changes_.begin(), changes_.end(), [](auto& a, auto& b) { return a.first < b.first; });
  }
  uint64_t Length() const { return length_; }
  double Seconds(uint64_t tick) const {
    double seconds = 0;
    uint64_t at = 0;
    uint32_t tempo = 500000;
    for (const auto& [changeTick, changeTempo] : changes_) {
      if (changeTick >= tick) break;
      seconds += static_cast<double>(changeTick - at) * tempo / resolution_ / 1e6;
      at = changeTick;
      tempo = changeTempo;
    }
    return seconds + static_cast<double>(tick - at) * tempo / resolution_ / 1e6;
  }

 private:
  uint32_t resolution_;
  uint64_t length_ = 0;
  std::vector<std::pair<uint64_t, uint32_t>> changes_;
};

std::string Clock(double seconds) {
  char text[32];
  const int whole = static_cast<int>(seconds);
  std::snprintf(text, sizeof text, "%d:%04.1f", whole / 60, seconds - whole / 60 * 60);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ToolArgs args;
  if (!ParseToolArgs(argc, argv, args)) return ToolUsage("sonorix-smfplay");
  const std::string& file = args.file;
  const int device = args.device;

  try {
    TWayMidi midi;
    if (args.list) {
      ListToolDevices(midi.GetMidiOutDescription);
      return 0;
    }
    TWayMidiScore score;
    TWayMidiSMF smf;
    smf.WayMidi = &midi;
    smf.Open(file, 'r', &score);
    for (auto& slot : score.Slots) smf.ReadTrack(slot.Track);
    const uint32_t resolution = smf.Resolution();
    struct Cut {
      size_t track;
      uint32_t offset, tick;
    };
    std::vector<Cut> cuts;
    for (size_t t = 0; t < score.Slots.size(); ++t)
      if (Cut cut{t, 0, 0}; smf.CutShort(score.Slots[t].Track, cut.offset, cut.tick)) cuts.push_back(cut);
    smf.Close();
    const TempoMap tempos(score, resolution);
    const double length = tempos.Seconds(tempos.Length());
    // What could be read is played all the same; the status says it was not all.
    for (const Cut& cut : cuts)
      std::fprintf(stderr, "sonorix-smfplay: %s: track %zu of %zu is cut short at byte %u (tick %u, %s); it plays up to there\n",
                   file.c_str(), cut.track + 1, score.Slots.size(), cut.offset, cut.tick,
                   Clock(tempos.Seconds(cut.tick)).c_str());

    TWayMidiSync sync;
    sync.WayMidi = &midi;
    sync.Open(500000, resolution);
    TWayMidiOut out;
    out.WayMidi = &midi;
    out.Sync = &sync;
    if (!out.Open(static_cast<uint16_t>(device), kOutputOpenParameter)) {
      std::fprintf(stderr, "sonorix-smfplay: output device %d (%s) could not be opened\n", device, out.Description.c_str());
      return 1;
    }
    const bool terminal = isatty(STDOUT_FILENO) != 0;
    if (terminal) std::printf("%s on %s\n", file.c_str(), out.Description.c_str());

    int status = 0;
    auto finish = [&](int code) {
      status = code;
      // The last notes ring out briefly; an interrupt cuts them at once.
      QTimer::singleShot(code == 0 ? 300 : 0, &app, [&] {
        out.Reset();
        if (terminal) std::printf("\n");
        app.quit();
      });
    };
    bool finishing = false;
    sync.OnSyncDone = [&](TWayMidiSync*) {
      if (!finishing && score.Done()) finishing = true, finish(0);
    };
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &app, [&] {
      if (g_toolInterrupted && !finishing) {
        finishing = true;
        finish(130);
        return;
      }
      uint32_t position = 0;
      midi.GetPosition(sync.Handle, &position);
      if (terminal && !finishing) {
        const double bpm = 60e6 / std::max<uint32_t>(midi.GetTempo(sync.Handle), 1);
        std::printf("\r%s / %s  tempo %5.1f bpm ", Clock(std::min(tempos.Seconds(position), length)).c_str(),
                    Clock(length).c_str(), bpm);
        std::fflush(stdout);
      }
      // A file without timed events reports no end of its own.
      if (!finishing && score.Done() && position >= tempos.Length() + resolution) finishing = true, finish(0);
    });
    ticker.start(50);
    CatchToolInterrupts();

    out.MidiScore = &score;
    score.Feed(&out);  // the port's 0x5453 feeds the rest
    sync.Start();
    app.exec();
    ticker.stop();
    out.MidiScore = nullptr;
    out.Close();
    sync.Stop();
    return status == 0 && !cuts.empty() ? 2 : status;
  } catch (const EWayMidiException& e) {
    std::fprintf(stderr, "sonorix-smfplay: %s\n", e.what());
    return 1;
  }
}
