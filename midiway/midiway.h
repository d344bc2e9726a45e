/* Midiway: the MIDI driver library. C ABI only.
 *
 * Handles are 32-bit values; an open function returns a value above 32 on
 * success and a value of 0 to 32 when it refuses. The library reaches its host
 * through messages posted to the host's message-only windows, by the function
 * the host hands over with SetMidiwayPoster after loading it (a host that
 * hands over none gets no messages):
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

/* Version 1.1. */
#define MIDIWAY_VERSION 0x0101u

/* Refusals of OpenMidiOut (all at most 32). */
#define MIDIWAY_OPEN_FAILED 1u        /* the device did not come up; see GetMidiwayLastError */
#define MIDIWAY_OPEN_BAD_DEVICE 2u    /* no such device */
#define MIDIWAY_OPEN_IN_USE 4u        /* the built-in synthesizer is open already */
#define MIDIWAY_OPEN_NO_SOUNDFONT 5u  /* the built-in synthesizer found no SoundFont */
#define MIDIWAY_OPEN_NO_AUDIO 6u      /* the built-in synthesizer found no audio output */

/* Results of PutMidiOut. A record with nothing to play (a data byte as
 * status, F4, F5, F7, FD) is taken and skipped, its delta kept, so that a
 * score's feed never waits for room that will not come. */
#define MIDIWAY_PUT_TAKEN 0u
#define MIDIWAY_PUT_FULL 1u        /* output buffer full; 0x5453 follows when there is room */
#define MIDIWAY_PUT_BAD_HANDLE 2u  /* not an open output port */
#define MIDIWAY_PUT_BAD_EVENT 3u   /* no event */

/* Timed events an output port holds. */
#define MIDIWAY_OUT_BUFFER_EVENTS 1024u

/* Device 0, the built-in synthesizer, reads these environment variables at open:
 *   MIDIWAY_SOUNDFONT     SoundFont to use before the system's default General MIDI one
 *   MIDIWAY_AUDIO_DRIVER  the one FluidSynth audio driver to try (default: pulseaudio,
 *                         alsa, sdl2, jack in that order)
 *   MIDIWAY_AUDIO_FILE    render in real time into this WAV file instead of a sound card
 *                         (16-bit stereo PCM; frame 0 is the moment OpenMidiOut returns)
 *   MIDIWAY_AUDIO_LATENCY_MS  the buffer asked of a PulseAudio server, in ms (default 240:
 *                         shorter ones run dry on a busy desktop, a gap in the sound);
 *                         libpulse's own PULSE_LATENCY_MSEC, when set, goes before it
 * It releases every note sounded now (time MIDIWAY_TIME_NOW) 2 seconds after its
 * note-on, a new note-on of the key restarting that; timed notes end by their own note-off.
 * It places every event on the frame of its moment (an event sounded now: the
 * moment PutMidiOut took it; a timed event: its time on the port's clock) plus
 * one constant latency: none for MIDIWAY_AUDIO_FILE; for a sound card one
 * audio period and half a block, about 4 ms (its callback may run that much
 * before the moment of its first frame), the output's buffer coming on top
 * (through PulseAudio 330 ms). FluidSynth starts notes at the first frame of its 64-frame
 * blocks: a note that comes while nothing sounds starts on its own frame all the same, one
 * that comes while others sound within half a block (0.73 ms) of it.
 */

/* How the library posts to the host's windows: called from the library's own
 * threads, it must be safe to call from any thread and must not wait on the
 * host's GUI thread. Returns nonzero when the message was queued. */
typedef int (*MidiwayPoster)(uint32_t window, uint32_t message, uintptr_t wParam, intptr_t lParam);
/* The host's poster (NULL: no messages from now on). Hand it over before
 * opening ports, inputs or syncs whose messages matter. */
MIDIWAY_EXPORT void SetMidiwayPoster(MidiwayPoster poster);

/* Version in the low 16 bits (major in the high byte). */
MIDIWAY_EXPORT uint32_t GetMidiwayVersion(void);
/* Copies the text of the last refusal or failure (zero-terminated, cut to size);
 * returns its full length, 0 when there has been none. */
MIDIWAY_EXPORT uint32_t GetMidiwayLastError(char* text, uint32_t size);

/* Output ports. Device 0 is the built-in synthesizer; 1..n the ALSA sequencer's ports. */
MIDIWAY_EXPORT uint32_t GetNumOutDevices(void);
/* Fills 32 bytes with a zero-terminated description; 0 past the last device. */
MIDIWAY_EXPORT uint32_t GetMidiOutDescription(uint32_t deviceId, char* description);
/* window: where 0x5453 goes (0: nowhere). syncHandle: the sync whose clock
 * times the events (they wait while it is stopped); 0 (or no open sync) gives
 * the port a clock of its own at 120 bpm, 480 ticks per quarter, running from
 * the first timed event put after an idle spell. param is reserved. Returns a handle above 32, or a refusal (0..32). */
MIDIWAY_EXPORT uint32_t OpenMidiOut(uint32_t window, uint32_t deviceId, uint32_t syncHandle, uint32_t param);
/* Drops the waiting events and silences the port at once: all notes off and
 * all sound off on all 16 channels. */
MIDIWAY_EXPORT void ResetMidiOut(uint32_t handle);
/* Drops the waiting timed events; what sounds goes on sounding. */
MIDIWAY_EXPORT void FlushMidiOut(uint32_t handle);
MIDIWAY_EXPORT void CloseMidiOut(uint32_t handle);
/* Low 16 bits 0: taken. Otherwise not taken now; 0x5453 follows when there is room. */
MIDIWAY_EXPORT uint32_t PutMidiOut(uint32_t handle, LPMIDIEVENT event);

/* Event records beyond channel messages. Both come out of ReadSMF and input
 * ports, and PutMidiOut and WriteSMF take them:
 *
 * System exclusive: one record per byte of the message, status
 * MIDIWAY_STATUS_EXCLUSIVE, the byte in data1: the first has data1 0xF0, the
 * last 0xF7 (a score's merge keeps such a run of one track together by these
 * two values). Bytes of a message sent in several timed packets (a file's F7
 * continuation) follow with their own deltas. A port sends the message when
 * its 0xF7 plays.
 *
 * Tempo: status MIDIWAY_STATUS_TEMPO, the new tempo in microseconds per
 * quarter as data1 (bits 16..22, never above 0x7F), data2 (bits 8..15) and
 * reserved (bits 0..7). ReadSMF turns a file's tempo meta events into these
 * (an SMPTE-timed file gets one of 1000000 at the start of its first track
 * and GetSMFResolution gives ticks per second); when a port plays one it sets
 * the tempo of its sync (SetTempo from the event's own moment, so nothing
 * drifts), or of its own clock when it has none.
 *
 * Other meta events are not handed over as records (their deltas go to the
 * next record); ReadMetaEvent gives them. Status 0xFD is an empty step that
 * only carries a delta (a file's gap longer than a record's time can hold).
 */
#define MIDIWAY_STATUS_EXCLUSIVE 0xF0u
#define MIDIWAY_STATUS_TEMPO 0xF9u
#define MIDIWAY_MAX_TEMPO 0x7FFFFFu
/* The tempo a tempo record carries, in microseconds per quarter. */
static inline uint32_t MidiwayTempoOf(const MIDIEVENT* event) {
  return (uint32_t)(event->data1 & 0x7Fu) << 16 | (uint32_t)event->data2 << 8 | event->reserved;
}
/* A tempo record (tempo up to MIDIWAY_MAX_TEMPO) with this time. */
static inline MIDIEVENT MidiwayTempoEvent(uint32_t time, uint32_t tempo) {
  MIDIEVENT event;
  event.time = time;
  event.status = MIDIWAY_STATUS_TEMPO;
  event.data1 = (uint8_t)(tempo >> 16 & 0x7Fu);
  event.data2 = (uint8_t)(tempo >> 8);
  event.reserved = (uint8_t)tempo;
  return event;
}
#define MIDIWAY_PUT_SKIPPED 0x00010000u /* taken (low 16 bits 0) but nothing to play */

/* Results of the operations on inputs, syncs and files below that return a status. */
#define MIDIWAY_OK 0u
#define MIDIWAY_ERR_BAD_HANDLE 2u
#define MIDIWAY_ERR_FAILED 3u

/* Input ports: the ALSA sequencer's ports that can be read (devices 0..n-1);
 * none without a sequencer. */
MIDIWAY_EXPORT uint32_t GetNumInDevices(void);
/* Fills 32 bytes; 0 past the last device (the buffer is then empty). */
MIDIWAY_EXPORT uint32_t GetMidiInDescription(uint32_t deviceId, char* description);
/* window: where 0x03C3 goes. syncHandle: the sync whose ticks time the input
 * (0: 480 ticks per quarter at 120 bpm). Returns a handle above 32, or a
 * refusal (0..32). The port collects nothing until started. */
MIDIWAY_EXPORT uint32_t OpenMidiIn(uint32_t window, uint32_t deviceId, uint32_t syncHandle, uint32_t param);
/* Starts collecting (MIDIWAY_OK); the first event's delta counts from here. */
MIDIWAY_EXPORT uint32_t StartMidiIn(uint32_t handle);
/* Stops collecting; events already waiting stay until read. */
MIDIWAY_EXPORT uint32_t StopMidiIn(uint32_t handle);
MIDIWAY_EXPORT uint32_t CloseMidiIn(uint32_t handle);
/* The next waiting input event, or NULL. 0x03C3 is posted when an event
 * arrives while none was waiting, and again only after a call has returned
 * NULL: so read until NULL. The record is the caller's to change (it may add
 * a carried delta in place) and stays valid until the next GetMidiIn or
 * CloseMidiIn for that handle. time: ticks since the previous event of this
 * port (the first: since StartMidiIn). Active sensing (0xFE) is passed on. */
MIDIWAY_EXPORT LPMIDIEVENT GetMidiIn(uint32_t handle);

/* Sync: a clock in ticks. window gets 0x5452 on every beat (each resolution
 * ticks from position 0) and 0x5457 when the sync is done: it runs and every
 * output port opened with it has played the last timed event put to it (at
 * most once for each time those ports fall idle). mode is reserved (0).
 * tempo: microseconds per quarter (0: 500000); resolution: ticks per quarter
 * (0: 480). Returns a handle above 32, or a refusal (0..32). A new sync stands
 * at position 0, stopped. */
MIDIWAY_EXPORT uint32_t OpenSync(uint32_t window, uint32_t mode, uint32_t tempo, uint32_t resolution);
/* Stops it; its ports go back to clocks of their own, dropping the timed
 * events that waited for it. */
MIDIWAY_EXPORT uint32_t CloseSync(uint32_t handle);
/* Stops it and goes back to position 0; the timed events waiting in its
 * ports are dropped. */
MIDIWAY_EXPORT uint32_t StopSync(uint32_t handle);
/* Runs it from position 0. Waits (at most 2 s) until the audio of its ports
 * flows, so that the first notes sound on time. */
MIDIWAY_EXPORT uint32_t StartSync(uint32_t handle);
/* pause nonzero: holds the clock where it is; 0: runs on from there. */
MIDIWAY_EXPORT uint32_t PauseSync(uint32_t handle, uint32_t pause);
/* Runs on from where it was paused or stopped. */
MIDIWAY_EXPORT uint32_t ReStartSync(uint32_t handle);
/* From now on (1 .. MIDIWAY_MAX_TEMPO microseconds per quarter). */
MIDIWAY_EXPORT uint32_t SetTempo(uint32_t handle, uint32_t tempo);
/* 1 .. 0x7FFF ticks per quarter; the position keeps its time. */
MIDIWAY_EXPORT uint32_t SetResolution(uint32_t handle, uint32_t resolution);
/* 0 for an unknown handle. */
MIDIWAY_EXPORT uint32_t GetTempo(uint32_t handle);
MIDIWAY_EXPORT uint32_t GetResolution(uint32_t handle);
/* The position in ticks (0 for an unknown handle, with MIDIWAY_ERR_BAD_HANDLE). */
MIDIWAY_EXPORT uint32_t GetPosition(uint32_t handle, uint32_t* position);

/* Standard MIDI Files, format 0 and 1.
 * mode 'r': reads the whole file now (tracks and resolution are not used); a
 * file that is not a Standard MIDI File is refused, a damaged track is read up
 * to the damage (GetSMFTrackStatus tells which and where). mode 'w': a new file of `tracks` tracks (format 0 for one,
 * else 1) at `resolution` ticks per quarter (0: 480), written when it is
 * closed. Returns a handle above 32, or a refusal (0..32). */
MIDIWAY_EXPORT uint32_t OpenSMF(const char* fileName, uint32_t mode, uint32_t tracks, uint32_t resolution);
/* For a file being written: writes it (atomically: the old file stays until
 * the new one is whole). MIDIWAY_OK, or MIDIWAY_ERR_FAILED when it could not
 * be written. */
MIDIWAY_EXPORT uint32_t CloseSMF(uint32_t handle);
/* Every track of a file being read starts again from its first event. */
MIDIWAY_EXPORT uint32_t RewindSMF(uint32_t handle);
/* Stores the next events of the track, at most count and at most 8192;
 * returns how many; 0 = no more (or not a track of a file being read). */
MIDIWAY_EXPORT uint32_t ReadSMF(uint32_t handle, uint32_t track, LPMIDIEVENT events, uint32_t count);
/* Appends events to the track; returns how many were written (a record whose
 * status is not a status byte is not). */
MIDIWAY_EXPORT uint32_t WriteSMF(uint32_t handle, uint32_t track, const MIDIEVENT* events, uint32_t count);
/* Ticks per quarter; 0 for an unknown handle. */
MIDIWAY_EXPORT uint32_t GetSMFResolution(uint32_t handle);
/* For a file being written (1 .. 0x7FFF). */
MIDIWAY_EXPORT uint32_t SetSMFResolution(uint32_t handle, uint32_t resolution);
/* The first meta event of that type in the track of a file being read: 0,
 * with *data and *length set (the bytes stay valid until the next call for
 * this handle or CloseSMF, and a zero byte follows them); -1 when there is
 * none. Type MIDIWAY_META_HEADER, which no file's meta event can have, gives
 * the file's header as read (track ignored): format, number of tracks and
 * division, two bytes each, most significant first. */
#define MIDIWAY_META_HEADER 0x100u
MIDIWAY_EXPORT int32_t ReadMetaEvent(uint32_t handle, uint32_t track, uint32_t type, uint8_t** data, uint32_t* length);
/* Appends a meta event (type 0..127) at the track's current end. length 0:
 * text is zero-terminated (how track names, type 3, are written). 0 = success. */
MIDIWAY_EXPORT int32_t WriteMetaEvent(uint32_t handle, uint32_t track, uint32_t type, const char* text, uint32_t length);
/* Whether a track of a file being read was read whole: MIDIWAY_OK, or
 * MIDIWAY_SMF_CUT_SHORT when damage or the end of the file cut it short (its
 * events up to there are read as usual); then *offset is the byte of the file
 * where reading stopped (the file's size when the file ends inside the track)
 * and *tick the track's time there, in ticks from its start. Either pointer
 * may be NULL. MIDIWAY_ERR_BAD_HANDLE for an unknown handle, a file being
 * written or a track the file does not have. */
#define MIDIWAY_SMF_CUT_SHORT 4u
MIDIWAY_EXPORT uint32_t GetSMFTrackStatus(uint32_t handle, uint32_t track, uint32_t* offset, uint32_t* tick);

#ifdef __cplusplus
}
#endif

#endif
