#include <dlfcn.h>

#include <mutex>
#include <string>

#include "Platform.h"

namespace {

std::mutex gSearchDirMutex;
std::string gSearchDir;

std::string SearchDir() {
  std::lock_guard<std::mutex> lock(gSearchDirMutex);
  return gSearchDir;
}

// "_Name@12" → "Name". Names without the decoration are used as they are.
std::string ExportedName(const std::string& decorated) {
  std::string name = decorated;
  const auto at = name.rfind('@');
  if (at != std::string::npos && at + 1 < name.size() &&
      name.find_first_not_of("0123456789", at + 1) == std::string::npos) {
    name.erase(at);
  }
  if (name.size() > 1 && name[0] == '_') name.erase(0, 1);
  return name;
}

}  // namespace

void PlatformSetLibrarySearchDirForTesting(const std::string& dir) {
  std::lock_guard<std::mutex> lock(gSearchDirMutex);
  gSearchDir = dir;
}

PlatformLibrary PlatformLoadLibrary(const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos) return nullptr;
  std::string file = "lib" + name + ".so";
  const std::string dir = SearchDir();
  if (!dir.empty()) file = dir + "/" + file;
  // dlmopen into the main namespace is dlopen, but it is not wrapped by the
  // sanitizers' dlopen interceptor, which would become the caller whose
  // RUNPATH ($ORIGIN: the program's folder) decides the search.
  return ::dlmopen(LM_ID_BASE, file.c_str(), RTLD_NOW);
}

void* PlatformGetProcAddress(PlatformLibrary lib, const std::string& decoratedName) {
  if (!lib) return nullptr;
  return ::dlsym(lib, ExportedName(decoratedName).c_str());
}

bool PlatformFreeLibrary(PlatformLibrary lib) {
  return lib && ::dlclose(lib) == 0;
}
