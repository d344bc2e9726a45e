// The command line both MIDI file tools take: FILE [--device N] [--list].
#pragma once

#include <cstdlib>
#include <string>

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
