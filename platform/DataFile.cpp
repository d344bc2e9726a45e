#include "DataFile.h"

#include "FileLock.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::string> ReadTextFile(const std::string& name) {
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) return std::nullopt;
  std::string text;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  // A read error (a directory by that name, an I/O fault) is no empty file.
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  // Text mode ends the file at Ctrl-Z.
  auto eof = text.find('\x1a');
  if (eof != std::string::npos) text.resize(eof);
  return text;
}

bool AppendToFile(const std::string& name, std::string_view bytes) { return AppendLocked(name, bytes); }
