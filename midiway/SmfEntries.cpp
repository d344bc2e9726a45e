// The library's entry points for Standard MIDI Files.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "Library.h"
#include "midiway.h"

using namespace midiway;

namespace {

bool ReadWhole(const char* path, std::vector<uint8_t>& bytes, std::string& error) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    error = std::string("cannot open ") + path;
    return false;
  }
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    if (bytes.size() + got > kMaxSmfBytes) {
      std::fclose(file);
      error = "file too large";
      return false;
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) error = std::string("cannot read ") + path;
  return !failed;
}

}  // namespace

extern "C" {

// --- Standard MIDI Files --------------------------------------------------------

uint32_t OpenSMF(const char* fileName, uint32_t mode, uint32_t tracks, uint32_t resolution) {
  try {
    if (fileName == nullptr || fileName[0] == '\0') {
      SetLastError("no file name");
      return MIDIWAY_OPEN_FAILED;
    }
    auto smf = std::make_shared<SmfHandle>();
    std::string error;
    if (mode == 'r') {
      std::vector<uint8_t> bytes;
      if (!ReadWhole(fileName, bytes, error) || !ParseSmf(bytes.data(), bytes.size(), smf->file, error)) {
        SetLastError(std::string(fileName) + ": " + error);
        return MIDIWAY_OPEN_FAILED;
      }
      smf->mode = 'r';
      smf->next.assign(smf->file.tracks.size(), 0);
    } else if (mode == 'w') {
      if (tracks == 0 || tracks > 0xFFFF) {
        SetLastError("a file has 1 to 65535 tracks");
        return MIDIWAY_OPEN_FAILED;
      }
      smf->mode = 'w';
      smf->path = fileName;
      // Written whole at close, beside the file's final target and renamed
      // over it; a folder that cannot take it is refused now.
      const std::string target = FinalTarget(smf->path);
      const size_t slash = target.rfind('/');
      const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
      if (access(folder.c_str(), W_OK | X_OK) != 0) {
        SetLastError(std::string("cannot create ") + fileName);
        return MIDIWAY_OPEN_FAILED;
      }
      smf->resolution = resolution == 0 ? 480 : std::min<uint32_t>(resolution, 0x7FFF);
      smf->writers.resize(tracks);
    } else {
      SetLastError("mode is 'r' or 'w'");
      return MIDIWAY_OPEN_FAILED;
    }
    return g_library.AddSmf(std::move(smf));
  } catch (const std::exception& e) {
    SetLastError(e.what());
    return MIDIWAY_OPEN_FAILED;
  }
}

uint32_t CloseSMF(uint32_t handle) {
  auto smf = g_library.TakeSmf(handle);
  if (!smf) return MIDIWAY_ERR_BAD_HANDLE;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'w') return MIDIWAY_OK;
  try {
    std::vector<std::vector<uint8_t>> bodies;
    for (auto& writer : smf->writers) bodies.push_back(writer.Finish());
    const auto bytes = BuildSmf(smf->resolution, bodies);
    if (WriteFileAtomic(smf->path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())))
      return MIDIWAY_OK;
  } catch (const std::exception& e) {
    SetLastError(e.what());
  }
  SetLastError("cannot write " + smf->path);
  return MIDIWAY_ERR_FAILED;
}

uint32_t RewindSMF(uint32_t handle) {
  auto smf = g_library.FindSmf(handle);
  if (!smf) return MIDIWAY_ERR_BAD_HANDLE;
  std::lock_guard lock(smf->mutex);
  std::fill(smf->next.begin(), smf->next.end(), 0);
  return MIDIWAY_OK;
}

uint32_t ReadSMF(uint32_t handle, uint32_t track, LPMIDIEVENT events, uint32_t count) {
  auto smf = g_library.FindSmf(handle);
  if (!smf || events == nullptr) return 0;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'r' || track >= smf->file.tracks.size()) return 0;
  const auto& all = smf->file.tracks[track].events;
  size_t& next = smf->next[track];
  const size_t n = std::min<size_t>({count, 8192, all.size() - next});
  std::copy_n(all.begin() + static_cast<std::ptrdiff_t>(next), n, events);
  next += n;
  return static_cast<uint32_t>(n);
}

uint32_t WriteSMF(uint32_t handle, uint32_t track, const MIDIEVENT* events, uint32_t count) {
  auto smf = g_library.FindSmf(handle);
  if (!smf || (events == nullptr && count > 0)) return 0;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'w' || track >= smf->writers.size()) return 0;
  uint32_t written = 0;
  for (uint32_t i = 0; i < count; ++i)
    if (smf->writers[track].Put(events[i])) ++written;
  return written;
}

uint32_t GetSMFResolution(uint32_t handle) {
  auto smf = g_library.FindSmf(handle);
  if (!smf) return 0;
  std::lock_guard lock(smf->mutex);
  return smf->mode == 'r' ? smf->file.resolution : smf->resolution;
}

uint32_t SetSMFResolution(uint32_t handle, uint32_t resolution) {
  auto smf = g_library.FindSmf(handle);
  if (!smf) return MIDIWAY_ERR_BAD_HANDLE;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'w' || resolution == 0 || resolution > 0x7FFF) return MIDIWAY_ERR_FAILED;
  smf->resolution = resolution;
  return MIDIWAY_OK;
}

int32_t ReadMetaEvent(uint32_t handle, uint32_t track, uint32_t type, uint8_t** data, uint32_t* length) {
  if (data != nullptr) *data = nullptr;
  if (length != nullptr) *length = 0;
  auto smf = g_library.FindSmf(handle);
  if (!smf || data == nullptr || length == nullptr) return -1;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'r') return -1;
  if (type == MIDIWAY_META_HEADER) {
    const SmfFile& f = smf->file;
    const uint32_t count = static_cast<uint32_t>(f.tracks.size());
    smf->metaCopy = {static_cast<uint8_t>(f.format >> 8), static_cast<uint8_t>(f.format),
                     static_cast<uint8_t>(count >> 8),    static_cast<uint8_t>(count),
                     static_cast<uint8_t>(f.division >> 8), static_cast<uint8_t>(f.division), 0};
    *data = smf->metaCopy.data();
    *length = 6;
    return 0;
  }
  if (track >= smf->file.tracks.size()) return -1;
  for (const SmfMeta& meta : smf->file.tracks[track].metas) {
    if (meta.type != type) continue;
    // A copy with a zero after it, so a caller that takes it as text stops there.
    smf->metaCopy.assign(meta.data.begin(), meta.data.end());
    smf->metaCopy.push_back(0);
    *data = smf->metaCopy.data();
    *length = static_cast<uint32_t>(meta.data.size());
    return 0;
  }
  return -1;
}

uint32_t GetSMFTrackStatus(uint32_t handle, uint32_t track, uint32_t* offset, uint32_t* tick) {
  if (offset != nullptr) *offset = 0;
  if (tick != nullptr) *tick = 0;
  auto smf = g_library.FindSmf(handle);
  if (!smf) return MIDIWAY_ERR_BAD_HANDLE;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'r' || track >= smf->file.tracks.size()) return MIDIWAY_ERR_BAD_HANDLE;
  const SmfTrack& read = smf->file.tracks[track];
  if (!read.damaged) return MIDIWAY_OK;
  if (offset != nullptr) *offset = static_cast<uint32_t>(std::min<uint64_t>(read.damageOffset, UINT32_MAX));
  if (tick != nullptr) *tick = static_cast<uint32_t>(std::min<uint64_t>(read.damageTick, UINT32_MAX));
  return MIDIWAY_SMF_CUT_SHORT;
}

int32_t WriteMetaEvent(uint32_t handle, uint32_t track, uint32_t type, const char* text, uint32_t length) {
  auto smf = g_library.FindSmf(handle);
  if (!smf || type > 0x7F || (text == nullptr && length > 0)) return -1;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'w' || track >= smf->writers.size()) return -1;
  const size_t size = length != 0 ? length : text != nullptr ? std::strlen(text) : 0;
  smf->writers[track].PutMeta(static_cast<uint8_t>(type), reinterpret_cast<const uint8_t*>(text), size);
  return 0;
}

}  // extern "C"
