// Components that wrap the MIDI driver library: the library itself (TWayMidi),
// an output port (TWayMidiOut), and the exception the family raises.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "midiway.h"

class EWayMidiException : public std::runtime_error {
 public:
  explicit EWayMidiException(const std::string& message) : std::runtime_error(message) {}
};

class TWayMidiSync;
class TWayMidiScore;

// Loads the driver library "Midiway" and holds its 35 entry points.
class TWayMidi {
 public:
  TWayMidi();   // raises EWayMidiException
  ~TWayMidi() noexcept(false);  // raises "FreeLibrary failed"
  TWayMidi(const TWayMidi&) = delete;
  TWayMidi& operator=(const TWayMidi&) = delete;

  uint16_t Version = 0;

  decltype(&::GetMidiwayVersion) GetMidiwayVersion = nullptr;
  decltype(&::GetNumOutDevices) GetNumOutDevices = nullptr;
  decltype(&::GetMidiOutDescription) GetMidiOutDescription = nullptr;
  decltype(&::OpenMidiOut) OpenMidiOut = nullptr;
  decltype(&::ResetMidiOut) ResetMidiOut = nullptr;
  decltype(&::FlushMidiOut) FlushMidiOut = nullptr;
  decltype(&::CloseMidiOut) CloseMidiOut = nullptr;
  decltype(&::PutMidiOut) PutMidiOut = nullptr;
  decltype(&::GetNumInDevices) GetNumInDevices = nullptr;
  decltype(&::GetMidiInDescription) GetMidiInDescription = nullptr;
  decltype(&::OpenMidiIn) OpenMidiIn = nullptr;
  decltype(&::StartMidiIn) StartMidiIn = nullptr;
  decltype(&::StopMidiIn) StopMidiIn = nullptr;
  decltype(&::CloseMidiIn) CloseMidiIn = nullptr;
  decltype(&::GetMidiIn) GetMidiIn = nullptr;
  decltype(&::OpenSync) OpenSync = nullptr;
  decltype(&::CloseSync) CloseSync = nullptr;
  decltype(&::StopSync) StopSync = nullptr;
  decltype(&::StartSync) StartSync = nullptr;
  decltype(&::PauseSync) PauseSync = nullptr;
  decltype(&::ReStartSync) ReStartSync = nullptr;
  decltype(&::SetTempo) SetTempo = nullptr;
  decltype(&::SetResolution) SetResolution = nullptr;
  decltype(&::GetTempo) GetTempo = nullptr;
  decltype(&::GetResolution) GetResolution = nullptr;
  decltype(&::GetPosition) GetPosition = nullptr;
  decltype(&::OpenSMF) OpenSMF = nullptr;
  decltype(&::CloseSMF) CloseSMF = nullptr;
  decltype(&::RewindSMF) RewindSMF = nullptr;
  decltype(&::ReadSMF) ReadSMF = nullptr;
  decltype(&::WriteSMF) WriteSMF = nullptr;
  decltype(&::GetSMFResolution) GetSMFResolution = nullptr;
  decltype(&::SetSMFResolution) SetSMFResolution = nullptr;
  decltype(&::ReadMetaEvent) ReadMetaEvent = nullptr;
  decltype(&::WriteMetaEvent) WriteMetaEvent = nullptr;

 private:
  void* library_ = nullptr;
};

// One MIDI output port.
class TWayMidiOut {
 public:
  TWayMidiOut();
  ~TWayMidiOut();
  TWayMidiOut(const TWayMidiOut&) = delete;
  TWayMidiOut& operator=(const TWayMidiOut&) = delete;

  bool Open(uint16_t deviceId, uint32_t openParam);  // returns IsOpen
  void Close();
  void Reset();
  bool Put(LPMIDIEVENT event);

  TWayMidi* WayMidi = nullptr;
  TWayMidiSync* Sync = nullptr;
  uint32_t Handle = 0;
  uint32_t OpenParam = 0;
  uint16_t DeviceId = 0;
  bool IsOpen = false;
  std::string Description;
  TWayMidiScore* MidiScore = nullptr;
  std::function<void(TWayMidiOut* sender)> OutBufferReady;

  uint32_t MessageWindow() const { return window_; }

 private:
  bool WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
  uint32_t window_ = 0;
};
