#include "Storage.h"

#include <atomic>

namespace {
std::atomic<Storage*> gChosen{nullptr};
}  // namespace

Storage& DataStorage() {
  Storage* chosen = gChosen.load();
  return chosen ? *chosen : HostStorage();
}

void SetDataStorage(Storage* storage) { gChosen.store(storage); }
