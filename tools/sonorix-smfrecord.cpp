// sonorix-smfrecord: records from a MIDI input port (an ALSA sequencer port) into a
// Standard MIDI File until Ctrl-C, with the MIDI components: the port's
// accepted events go to a recording track, which is written as the file's
// only track.
//
//   sonorix-smfrecord FILE [--device N] [--list]
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ToolArgs.h"
#include "Waymidi.h"

namespace {

constexpr uint32_t kResolution = 480;
constexpr uint32_t kTempo = 500000;

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ToolArgs args;
  if (!ParseToolArgs(argc, argv, args)) return ToolUsage("sonorix-smfrecord");
  const std::string& file = args.file;
  const int device = args.device;
  const bool list = args.list;

  try {
    TWayMidi midi;
    if (list || midi.GetNumInDevices() == 0) {
      const uint32_t id = ListToolDevices(midi.GetMidiInDescription);
      if (id == 0) std::fprintf(stderr, "sonorix-smfrecord: no MIDI input devices (is there an ALSA sequencer?)\n");
      return list && id > 0 ? 0 : 1;
    }
    TWayMidiScore score;
    TWayMidiTrack* track = score.NewTrack();
    track->Grow(8192);
    track->Recording = true;

    TWayMidiSync sync;
    sync.WayMidi = &midi;
    sync.Open(kTempo, kResolution);
    TWayMidiIn in;
    in.WayMidi = &midi;
    in.Sync = &sync;
    in.Track = track;
    if (!in.Open(static_cast<uint16_t>(device))) {
      std::fprintf(stderr, "sonorix-smfrecord: input device %d (%s) could not be opened\n", device, in.Description.c_str());
      return 1;
    }
    track->Name = in.Description;
    sync.Start();
    in.Start();
    std::fprintf(stderr, "sonorix-smfrecord: recording from %s into %s; Ctrl-C ends\n", in.Description.c_str(),
                 file.c_str());

    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &app, [&] {
      if (g_toolInterrupted) app.quit();
    });
    ticker.start(50);
    CatchToolInterrupts();
    app.exec();

    in.Stop();
    QCoreApplication::processEvents();  // what was waiting still counts
    in.Close();
    sync.Stop();
    track->Recording = false;

    TWayMidiSMF smf;
    smf.WayMidi = &midi;
    smf.Open(file, 'w', &score, kResolution);
    const bool whole = smf.WriteTrack(track);
    smf.Close();
    std::fprintf(stderr, "sonorix-smfrecord: %u events written%s\n", track->Count, whole ? "" : " (some could not be)");
    return whole ? 0 : 1;
  } catch (const EWayMidiException& e) {
    std::fprintf(stderr, "sonorix-smfrecord: %s\n", e.what());
    return 1;
  }
}
