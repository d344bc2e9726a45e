// The host for a build without the desktop: files through the C library in
// the working directory (a browser's or Node's file layer), the standard
// library's clocks. One process alone writes here, so there is nothing to lock.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>

#include "Clock.h"
#include "Storage.h"

namespace {

class PlainStorage : public Storage {
 public:
  std::optional<std::string> Read(const std::string& name) override { return UpToCtrlZ(ReadFileBytes(name)); }
  std::optional<std::string> ReadAll(const std::string& name) override { return ReadFileBytes(name); }

  bool Exists(const std::string& name) override {
    std::error_code ec;
    return std::filesystem::is_regular_file(name, ec);
  }

  bool Replace(const std::string& name, std::string_view bytes) override {
    // Written beside it, then renamed over it: never half a file.
    std::random_device seed;
    const std::string temporary = name + ".tmp" + std::to_string(seed() % 1000000);
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !written || std::rename(temporary.c_str(), name.c_str()) != 0) {
      std::remove(temporary.c_str());
      return false;
    }
    return true;
  }

  bool Append(const std::string& name, std::string_view bytes, bool onFreshLine) override {
    std::string all(bytes);
    if (onFreshLine) {
      const auto old = Read(name);
      if (old && !old->empty() && old->back() != '\n') all.insert(0, "\r\n");
    }
    std::FILE* f = std::fopen(name.c_str(), "ab");
    if (!f) return false;
    const bool written = std::fwrite(all.data(), 1, all.size(), f) == all.size();
    return std::fclose(f) == 0 && written;
  }

  bool Update(const std::string& name, const Edit& edit) override {
    Found found = Found::Missing;
    std::string text;
    if (Exists(name)) {
      auto old = Read(name);
      found = old ? Found::Text : Found::Unreadable;
      if (old) text = std::move(*old);
    }
    const std::optional<std::string> next = edit(found, text);
    return next && Replace(name, *next);
  }
};

class PlainClock : public Clock {
 public:
  uint32_t NowMs() override {
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now() - start_).count());
  }
  double Today() override {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local) return 0;
    return static_cast<double>(DayOfCivilDate(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday));
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace

// Hands the core these as the program starts; the link option beside this
// library keeps this file in every program linking it.
static bool HandOverHost() {
  static PlainStorage hostStorage;
  static PlainClock hostClock;
  SetHostStorage(hostStorage);
  SetHostClock(hostClock);
  return true;
}
extern "C" const bool sonorix_plain_host;
const bool sonorix_plain_host = HandOverHost();
