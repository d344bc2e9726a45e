#include "SeqOut.h"

#include <RtMidi.h>
#include <alsa/asoundlib.h>

#include <algorithm>
#include <mutex>

#include "Diagnostics.h"

namespace midiway {
namespace {

// The client that lists ports; a plain pointer, released explicitly at unload.
std::mutex g_listMutex;
RtMidiOut* g_lister = nullptr;

// RtMidi reports through this instead of the terminal; userData, when set,
// is the std::string that keeps the message.
void KeepRtMidiError(RtMidiError::Type type, const std::string& text, void* userData) {
  if (userData == nullptr || type == RtMidiError::DEBUG_WARNING) return;
  *static_cast<std::string*>(userData) = text;
}

}  // namespace

// RtMidi prints before it throws when there is no sequencer (no
// /dev/snd/seq), so ask ALSA first, quietly.
bool SequencerAvailable() {
  const auto apis = [] {
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    return compiled;
  }();
  if (std::find(apis.begin(), apis.end(), RtMidi::LINUX_ALSA) == apis.end()) return false;
  snd_seq_t* seq = nullptr;
  if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0) return false;
  snd_seq_close(seq);
  return true;
}

namespace {

RtMidiIn* g_inLister = nullptr;

// The names of the ports the client sees; none when the sequencer fails.
std::vector<std::string> PortNamesOf(RtMidi& client) {
  std::vector<std::string> names;
  try {
    const unsigned count = client.getPortCount();
    for (unsigned i = 0; i < count; ++i) names.push_back(client.getPortName(i));
  } catch (const std::exception&) {
    names.clear();
  }
  return names;
}

std::unique_ptr<RtMidiOut> NewClient(std::string* errors, std::string& error) {
  QuietLibraries();
  if (!SequencerAvailable()) {
    const std::string why = AlsaLastError();
    error = "no ALSA sequencer" + (why.empty() ? std::string() : ": " + why);
    return nullptr;
  }
  try {
    auto client = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, "Midiway");
    client->setErrorCallback(KeepRtMidiError, errors);
    return client;
  } catch (const std::exception& e) {
    error = e.what();
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> SequencerPortNames() {
  std::lock_guard lock(g_listMutex);
  std::string error;
  if (g_lister == nullptr) g_lister = NewClient(nullptr, error).release();
  if (g_lister == nullptr) return {};
  return PortNamesOf(*g_lister);
}

std::vector<std::string> SequencerInPortNames() {
  std::lock_guard lock(g_listMutex);
  if (g_inLister == nullptr) {
    QuietLibraries();
    if (!SequencerAvailable()) return {};
    try {
      g_inLister = new RtMidiIn(RtMidi::LINUX_ALSA, "Midiway");
      g_inLister->setErrorCallback(KeepRtMidiError, nullptr);
    } catch (const std::exception&) {
      return {};
    }
  }
  return PortNamesOf(*g_inLister);
}

void ReleaseSequencer() {
  std::lock_guard lock(g_listMutex);
  delete g_lister;
  g_lister = nullptr;
  delete g_inLister;
  g_inLister = nullptr;
}

SeqOut::SeqOut(std::unique_ptr<RtMidiOut> out) : out_(std::move(out)) {}

std::unique_ptr<SeqOut> SeqOut::Open(uint32_t portIndex, std::string& error) {
  std::string errors;
  auto client = NewClient(&errors, error);
  if (!client) return nullptr;
  try {
    if (portIndex >= client->getPortCount()) {
      error = "no such sequencer port";
      return nullptr;
    }
    client->openPort(portIndex, "Midiway output");
  } catch (const std::exception& e) {
    errors = e.what();
  }
  if (!client->isPortOpen()) {
    error = errors.empty() ? "sequencer port could not be opened" : errors;
    return nullptr;
  }
  client->setErrorCallback(KeepRtMidiError, nullptr);  // the local string is going away
  return std::unique_ptr<SeqOut>(new SeqOut(std::move(client)));
}

SeqOut::~SeqOut() {
  try {
    out_->closePort();
  } catch (const std::exception&) {
  }
}

void SeqOut::Send(const uint8_t* message, int length) {
  try {
    out_->sendMessage(message, static_cast<size_t>(length));
  } catch (const std::exception&) {
    // A port that went away drops what is sent to it.
  }
}

void SeqOut::SendExclusive(const std::vector<uint8_t>& message) {
  try {
    out_->sendMessage(message.data(), message.size());
  } catch (const std::exception&) {
  }
}

void SeqOut::Silence() {
  for (uint8_t channel = 0; channel < 16; ++channel) {
    const uint8_t notesOff[3] = {static_cast<uint8_t>(0xB0 | channel), 123, 0};
    const uint8_t soundOff[3] = {static_cast<uint8_t>(0xB0 | channel), 120, 0};
    Send(notesOff, 3);
    Send(soundOff, 3);
  }
}

}  // namespace midiway
