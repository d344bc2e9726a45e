// Reading and writing the program's plain-text data files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "AtomicFile.h"
#include "TokenReader.h"

// Sonorix's own settings (an INI file beside the data files), shared by the
// parts that keep a choice from one run to the next.
inline constexpr const char* kSettingsFileName = "sonorix.ini";

// Reads a whole file by its bare name. Stops at the first Ctrl-Z byte (26).
// Returns nullopt when it cannot be opened.
std::optional<std::string> ReadTextFile(const std::string& name);

// WriteFileAtomic (AtomicFile.h) replaces a whole file; `bytes` already hold
// CR LF line breaks.

// Appends bytes in one write under the file's record lock (FileLock.h),
// creating the file when it does not exist. False on failure.
bool AppendToFile(const std::string& name, std::string_view bytes);
