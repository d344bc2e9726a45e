// What both MIDI file tools share: the command line FILE [--device N]
// [--list], the device list, and Ctrl-C (or a TERM) as a flag the event loop
// looks at.
#pragma once

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Waymidi.h"

struct ToolArgs {
  std::string file;
  int device = 0;
  bool list = false;
};

// False on anything else, or when neither a file nor --list is given.
inline bool ParseToolArgs(int argc, char** argv, ToolArgs& args) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--list") {
      args.list = true;
    } else if (arg == "--device" && i + 1 < argc) {
      char* end = nullptr;
      const long value = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || value < 0 || value > 0xFFFF) return false;
      args.device = static_cast<int>(value);
    } else if (!arg.empty() && arg[0] != '-' && args.file.empty()) {
      args.file = arg;
    } else {
      return false;
    }
  }
  return args.list || !args.file.empty();
}

// The usage line on stderr; the exit status for a bad command line.
inline int ToolUsage(const char* tool) {
  std::fprintf(stderr, "usage: %s FILE [--device N] [--list]\n", tool);
  return 2;
}

// Prints "id  description" for every device describe knows (it fills 32
// bytes and answers 0 past the last); returns how many there are.
inline uint32_t ListToolDevices(uint32_t (*describe)(uint32_t deviceId, char* description)) {
  uint32_t id = 0;
  for (bool exists = true;; ++id) {
    const std::string description = ReadMidiDescription(describe, id, &exists);
    if (!exists) break;
    std::printf("%u  %s\n", id, description.c_str());
  }
  return id;
}

inline volatile std::sig_atomic_t g_toolInterrupted = 0;

// From now on SIGINT and SIGTERM only set g_toolInterrupted.
inline void CatchToolInterrupts() {
  const auto onInterrupt = [](int) { g_toolInterrupted = 1; };
  std::signal(SIGINT, onInterrupt);
  std::signal(SIGTERM, onInterrupt);
}
