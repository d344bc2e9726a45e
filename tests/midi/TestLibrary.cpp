// A driver library for the loading tests: every entry point does nothing, and
// the variant built with WITHOUT_FLUSH or WITHOUT_WRITE_META lacks that one.
#include "midiway.h"

uint32_t GetMidiwayVersion(void) { return 0xABCD0102u; }  // only the low 16 bits count
uint32_t GetNumOutDevices(void) { return 0; }
uint32_t GetMidiOutDescription(uint32_t, char*) { return 0; }
uint32_t OpenMidiOut(uint32_t, uint32_t, uint32_t, uint32_t) { return 0; }
void ResetMidiOut(uint32_t) {}
#ifndef WITHOUT_FLUSH
void FlushMidiOut(uint32_t) {}
#endif
void CloseMidiOut(uint32_t) {}
uint32_t PutMidiOut(uint32_t, LPMIDIEVENT) { return 0; }
uint32_t GetNumInDevices(void) { return 0; }
uint32_t GetMidiInDescription(uint32_t, char*) { return 0; }
uint32_t OpenMidiIn(uint32_t, uint32_t, uint32_t, uint32_t) { return 0; }
uint32_t StartMidiIn(uint32_t) { return 0; }
uint32_t StopMidiIn(uint32_t) { return 0; }
uint32_t CloseMidiIn(uint32_t) { return 0; }
LPMIDIEVENT GetMidiIn(uint32_t) { return nullptr; }
uint32_t OpenSync(uint32_t, uint32_t, uint32_t, uint32_t) { return 0; }
uint32_t CloseSync(uint32_t) { return 0; }
uint32_t StopSync(uint32_t) { return 0; }
uint32_t StartSync(uint32_t) { return 0; }
uint32_t PauseSync(uint32_t, uint32_t) { return 0; }
uint32_t ReStartSync(uint32_t) { return 0; }
uint32_t SetTempo(uint32_t, uint32_t) { return 0; }
uint32_t SetResolution(uint32_t, uint32_t) { return 0; }
uint32_t GetTempo(uint32_t) { return 0; }
uint32_t GetResolution(uint32_t) { return 0; }
uint32_t GetPosition(uint32_t, uint32_t*) { return 0; }
uint32_t OpenSMF(const char*, uint32_t, uint32_t, uint32_t) { return 0; }
uint32_t CloseSMF(uint32_t) { return 0; }
uint32_t RewindSMF(uint32_t) { return 0; }
uint32_t ReadSMF(uint32_t, uint32_t, LPMIDIEVENT, uint32_t) { return 0; }
uint32_t WriteSMF(uint32_t, uint32_t, const MIDIEVENT*, uint32_t) { return 0; }
uint32_t GetSMFResolution(uint32_t) { return 0; }
uint32_t SetSMFResolution(uint32_t, uint32_t) { return 0; }
int32_t ReadMetaEvent(uint32_t, uint32_t, uint32_t, uint8_t**, uint32_t*) { return -1; }
#ifndef WITHOUT_WRITE_META
int32_t WriteMetaEvent(uint32_t, uint32_t, uint32_t, const char*, uint32_t) { return 0; }
#endif
