/* Midiway: the MIDI driver library. C ABI only.
 *
 * Handles are 32-bit values; an open function returns a value above 32 on
 * success and a value of 0 to 32 when it refuses. The library reaches its host
 * through messages posted to the host's message-only windows (found at run time
 * as the C function PlatformPostMessage; a host without it gets no messages):
 *   0x5453  an output port's buffer has room again (wParam = port handle)
 *   0x03C3  input data waiting                     (wParam = input handle)
 *   0x5452  sync beat                              (wParam = sync handle)
 *   0x5457  sync done                              (wParam = sync handle)
 */
#ifndef MIDIWAY_H
#define MIDIWAY_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define MIDIWAY_EXPORT __attribute__((visibility("default")))

typedef struct MIDIEVENT {
  uint32_t time; /* 0xFFFFFFFF: sound now; else ticks after the previous timed event */
  uint8_t status, data1, data2, reserved;
} MIDIEVENT, *LPMIDIEVENT;

#define MIDIWAY_MSG_OUTPUT_READY 0x5453u
#define MIDIWAY_MSG_INPUT_DATA 0x03C3u
#define MIDIWAY_MSG_SYNC_BEAT 0x5452u
#define MIDIWAY_MSG_SYNC_DONE 0x5457u
#define MIDIWAY_TIME_NOW 0xFFFFFFFFu

/* Version 1.0. */
#define MIDIWAY_VERSION 0x0100u

/* Refusals of OpenMidiOut (all at most 32). */
#define MIDIWAY_OPEN_FAILED 1u        /* the device did not come up; see GetMidiwayLastError */
#define MIDIWAY_OPEN_BAD_DEVICE 2u    /* no such device */
#define MIDIWAY_OPEN_IN_USE 4u        /* the built-in synthesizer is open already */
#define MIDIWAY_OPEN_NO_SOUNDFONT 5u  /* the built-in synthesizer found no SoundFont */
#define MIDIWAY_OPEN_NO_AUDIO 6u      /* the built-in synthesizer found no audio output */

/* Results of PutMidiOut. */
#define MIDIWAY_PUT_TAKEN 0u
#define MIDIWAY_PUT_FULL 1u        /* output buffer full; 0x5453 follows when there is room */
#define MIDIWAY_PUT_BAD_HANDLE 2u  /* not an open output port */
#define MIDIWAY_PUT_BAD_EVENT 3u   /* no event, or a status that is not one whole message */

/* Timed events an output port holds. */
#define MIDIWAY_OUT_BUFFER_EVENTS 1024u

/* Device 0, the built-in synthesizer, reads these environment variables at open:
 *   MIDIWAY_SOUNDFONT     SoundFont to use before the system's default General MIDI one
 *   MIDIWAY_AUDIO_DRIVER  the one FluidSynth audio driver to try (default: pulseaudio,
 *                         alsa, sdl2, jack in that order)
 *   MIDIWAY_AUDIO_FILE    render in real time into this WAV file instead of a sound card
 *                         (16-bit stereo PCM; frame 0 is the moment OpenMidiOut returns)
 * It releases every note 2 seconds after its note-on; a new note-on of the key restarts that.
 */

/* Version in the low 16 bits (major in the high byte). */
MIDIWAY_EXPORT uint32_t GetMidiwayVersion(void);
/* Copies the text of the last refusal or failure (zero-terminated, cut to size);
 * returns its full length, 0 when there has been none. */
MIDIWAY_EXPORT uint32_t GetMidiwayLastError(char* text, uint32_t size);

/* Output ports. Device 0 is the built-in synthesizer; 1..n the ALSA sequencer's ports. */
MIDIWAY_EXPORT uint32_t GetNumOutDevices(void);
/* Fills 32 bytes with a zero-terminated description; 0 past the last device. */
MIDIWAY_EXPORT uint32_t GetMidiOutDescription(uint32_t deviceId, char* description);
/* window: where 0x5453 goes (0: nowhere). syncHandle: the sync whose tempo and
 * resolution time the events; 0 (or no open sync) means 120 bpm, 480 ticks per
 * quarter. param is reserved. Returns a handle above 32, or a refusal (0..32). */
MIDIWAY_EXPORT uint32_t OpenMidiOut(uint32_t window, uint32_t deviceId, uint32_t syncHandle, uint32_t param);
/* Drops the waiting events and silences the port at once: all notes off and
 * all sound off on all 16 channels. */
MIDIWAY_EXPORT void ResetMidiOut(uint32_t handle);
/* Drops the waiting timed events; what sounds goes on sounding. */
MIDIWAY_EXPORT void FlushMidiOut(uint32_t handle);
MIDIWAY_EXPORT void CloseMidiOut(uint32_t handle);
/* Low 16 bits 0: taken. Otherwise not taken now; 0x5453 follows when there is room. */
MIDIWAY_EXPORT uint32_t PutMidiOut(uint32_t handle, LPMIDIEVENT event);

/* Input ports. */
MIDIWAY_EXPORT uint32_t GetNumInDevices(void);
MIDIWAY_EXPORT uint32_t GetMidiInDescription(uint32_t deviceId, char* description);
MIDIWAY_EXPORT uint32_t OpenMidiIn(uint32_t window, uint32_t deviceId, uint32_t syncHandle, uint32_t param);
MIDIWAY_EXPORT uint32_t StartMidiIn(uint32_t handle);
MIDIWAY_EXPORT uint32_t StopMidiIn(uint32_t handle);
MIDIWAY_EXPORT uint32_t CloseMidiIn(uint32_t handle);
/* The next waiting input event, or NULL; valid until the next call for that handle. */
MIDIWAY_EXPORT LPMIDIEVENT GetMidiIn(uint32_t handle);

/* Sync: the clock that times output events (tempo in microseconds per quarter). */
MIDIWAY_EXPORT uint32_t OpenSync(uint32_t window, uint32_t mode, uint32_t tempo, uint32_t resolution);
MIDIWAY_EXPORT uint32_t CloseSync(uint32_t handle);
MIDIWAY_EXPORT uint32_t StopSync(uint32_t handle);
MIDIWAY_EXPORT uint32_t StartSync(uint32_t handle);
MIDIWAY_EXPORT uint32_t PauseSync(uint32_t handle, uint32_t pause);
MIDIWAY_EXPORT uint32_t ReStartSync(uint32_t handle);
MIDIWAY_EXPORT uint32_t SetTempo(uint32_t handle, uint32_t tempo);
MIDIWAY_EXPORT uint32_t SetResolution(uint32_t handle, uint32_t resolution);
MIDIWAY_EXPORT uint32_t GetTempo(uint32_t handle);
MIDIWAY_EXPORT uint32_t GetResolution(uint32_t handle);
MIDIWAY_EXPORT uint32_t GetPosition(uint32_t handle, uint32_t* position);

/* Standard MIDI Files. mode is 'r' or 'w'. */
MIDIWAY_EXPORT uint32_t OpenSMF(const char* fileName, uint32_t mode, uint32_t tracks, uint32_t resolution);
MIDIWAY_EXPORT uint32_t CloseSMF(uint32_t handle);
MIDIWAY_EXPORT uint32_t RewindSMF(uint32_t handle);
/* Stores up to count events of the track; returns how many; 0 = no more. */
MIDIWAY_EXPORT uint32_t ReadSMF(uint32_t handle, uint32_t track, LPMIDIEVENT events, uint32_t count);
/* Returns how many events were written. */
MIDIWAY_EXPORT uint32_t WriteSMF(uint32_t handle, uint32_t track, const MIDIEVENT* events, uint32_t count);
MIDIWAY_EXPORT uint32_t GetSMFResolution(uint32_t handle);
MIDIWAY_EXPORT uint32_t SetSMFResolution(uint32_t handle, uint32_t resolution);
/* -1 when the track has no meta event of that type; else sets *data and *length. */
MIDIWAY_EXPORT int32_t ReadMetaEvent(uint32_t handle, uint32_t track, uint32_t type, uint8_t** data, uint32_t* length);
/* length 0: text is zero-terminated. 0 = success. */
MIDIWAY_EXPORT int32_t WriteMetaEvent(uint32_t handle, uint32_t track, uint32_t type, const char* text, uint32_t length);

#ifdef __cplusplus
}
#endif

#endif
