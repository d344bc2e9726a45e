#include "Storage.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {
std::atomic<Storage*> gChosen{nullptr};
std::atomic<Storage*> gHost{nullptr};
}  // namespace

Storage& DataStorage() {
  if (Storage* chosen = gChosen.load()) return *chosen;
  if (Storage* host = gHost.load()) return *host;
  // A program linked without a host would lose every file it writes.
  std::fputs("sonorix: no storage host is linked into this program\n", stderr);
  std::abort();
}

void SetHostStorage(Storage& storage) { gHost.store(&storage); }

void SetDataStorage(Storage* storage) { gChosen.store(storage); }

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return std::nullopt;
  std::string text;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return text;
}

std::optional<std::string> UpToCtrlZ(std::optional<std::string> text) {
  if (text) {
    const size_t eof = text->find('\x1a');
    if (eof != std::string::npos) text->resize(eof);
  }
  return text;
}
