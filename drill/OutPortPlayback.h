// Playback into a MIDI output port, with the real clock and sleeps.
#pragma once

#include "PlatformPlayback.h"
#include "Waymidi.h"

// Sends each note to sound at once, channel 1; a missing or closed port drops it.
class OutPortPlayback : public WaitingPlayback {
 public:
  explicit OutPortPlayback(TWayMidiOut* port) : port_(port) {}
  void Send(const PlanNote& note) override {
    if (!port_) return;
    MIDIEVENT event{};
    event.time = MIDIWAY_TIME_NOW;
    event.status = 0x90;
    event.data1 = note.key;
    event.data2 = note.velocity;
    port_->Put(&event);
  }

 private:
  TWayMidiOut* port_;
};
