// Devices 1..n: the ALSA sequencer's output ports, through RtMidi's ALSA API
// (never its JACK API, which crashes without a JACK server).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "OutPort.h"

class RtMidiOut;

namespace midiway {

// The names of the sequencer's output ports now; empty without a sequencer.
std::vector<std::string> SequencerPortNames();
// Drops the clients used for listing (when the library is unloaded).
void ReleaseSequencer();
// Whether an ALSA sequencer can be opened here (asked quietly).
bool SequencerAvailable();
// The names of the sequencer's ports that can be read from now.
std::vector<std::string> SequencerInPortNames();

class SeqOut : public OutSink {
 public:
  // nullptr, with error set, when the port cannot be opened.
  static std::unique_ptr<SeqOut> Open(uint32_t portIndex, std::string& error);
  ~SeqOut() override;

  void Send(const uint8_t* message, int length) override;
  void Silence() override;
  void SendExclusive(const std::vector<uint8_t>& message) override;

 private:
  explicit SeqOut(std::unique_ptr<RtMidiOut> out);
  std::unique_ptr<RtMidiOut> out_;
};

}  // namespace midiway
