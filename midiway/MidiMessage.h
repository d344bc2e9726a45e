// How many bytes a MIDI message has, by its status: the one table the
// library's ports, its file reader and writer go by.
#pragma once

#include <cstdint>

namespace midiway {

// Bytes of a complete channel or system message with this status, the
// status byte included; 0 when the status cannot be sent as one event (a data
// byte, SysEx and its end, the undefined F4, F5, F9 and FD).
constexpr int MessageLength(uint8_t status) {
  if (status < 0x80) return 0;
  if (status < 0xF0) {
    const uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 2 : 3;
  }
  switch (status) {
    case 0xF1:
    case 0xF3:
      return 2;
    case 0xF2:
      return 3;
    case 0xF0:
    case 0xF4:
    case 0xF5:
    case 0xF7:
    case 0xF9:
    case 0xFD:
      return 0;
    default:
      return 1;
  }
}

}  // namespace midiway
