// Playback into a MIDI output port, with the real clock and sleeps.
#pragma once

#include "PlatformPlayback.h"
#include "Waymidi.h"

// Sends each note to the port; a missing or closed port drops it.
class OutPortPlayback : public PlatformPlaybackPort {
 public:
  explicit OutPortPlayback(TWayMidiOut* port) : port_(port) {}
  void Send(const MIDIEVENT& event) override {
    if (!port_) return;
    MIDIEVENT copy = event;
    port_->Put(&copy);
  }

 private:
  TWayMidiOut* port_;
};
