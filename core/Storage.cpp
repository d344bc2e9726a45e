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
