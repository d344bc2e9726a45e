// Any bytes as what a class's server or its folder hands over: a folder
// listing, a damaged classout.dat, and the files of account folders. None
// crashes; a listing names only entries inside the folder; the outbox keeps
// what still reads and takes a new part after it; the class read in any
// order of folders gives the same figures, one row per account.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "ClassReader.h"
#include "FuzzSupport.h"
#include "Outbox.h"
#include "Storage.h"
#include "WebDav.h"

namespace {

constexpr int32_t kToday = 45000;

struct MemoryStorage : Storage {
  std::map<std::string, std::string> files;
  std::optional<std::string> Read(const std::string& n) override { return UpToCtrlZ(ReadAll(n)); }
  std::optional<std::string> ReadAll(const std::string& n) override {
    const auto it = files.find(n);
    return it == files.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  bool Exists(const std::string& n) override { return files.count(n) > 0; }
  bool Replace(const std::string& n, std::string_view b) override {
    files[n] = std::string(b);
    return true;
  }
  bool Append(const std::string& n, std::string_view b, bool) override { return Replace(n, files[n] + std::string(b)); }
  bool Update(const std::string& n, const Edit& edit) override {
    const auto old = ReadAll(n);
    const auto next = edit(old ? Found::Text : Found::Missing, old.value_or(""));
    return next && Replace(n, *next);
  }
};

// NUL-separated: account, file name, bytes, file name, bytes, ...; a record
// separator (0x1e) starts another account.
ClassFiles FilesOf(std::string_view text) {
  ClassFiles files;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\x1e', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view folder = text.substr(start, end - start);
    const size_t nul = folder.find('\0');
    FolderFiles& own = files[std::string(folder.substr(0, nul))];
    while (nul != std::string_view::npos && !folder.empty()) {
      folder.remove_prefix(std::min(folder.size(), folder.find('\0') + 1));
      const size_t a = folder.find('\0');
      const std::string name(folder.substr(0, a));
      folder.remove_prefix(a == std::string_view::npos ? folder.size() : a + 1);
      const size_t b = folder.find('\0');
      own[name] = std::string(folder.substr(0, b));
      if (b == std::string_view::npos) break;
      folder.remove_prefix(b);
    }
    start = end + 1;
  }
  return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const DavListing listing =
      ParseListing(HttpResponse{HttpResponse::Link::Answered, 207, {{"Content-Type", "application/xml"}},
                                std::string(text), false},
                   "/class/Theory%201/");
  Require(listing.fault == ClassFault::None || listing.entries.empty());
  for (const DavEntry& e : listing.entries) Require(!e.name.empty() && e.name.find('/') == std::string::npos);
  EtagCache cache;
  for (const std::string& name : cache.Changed(listing)) cache.Seen(name, "\"1\"");
  Require(EtagCache::FromText(cache.Text()).Text() == cache.Text());

  MemoryStorage storage;
  storage.files[kOutboxFileName] = std::string(text);
  Outbox outbox(storage, kOutboxFileName, [] { return std::string("fuzz"); });
  const auto before = outbox.Entries();
  Require(outbox.AddPart(kClassLogName, "\r\nS 45000 0 Ann\r\n"));
  const auto after = outbox.Entries();
  Require(after.size() == before.size() + 1 && after.back().bytes == "\r\nS 45000 0 Ann\r\n");
  for (size_t i = 0; i < before.size(); ++i) Require(after[i].number == before[i].number && after[i].bytes == before[i].bytes);
  Require(after.back().number > (before.empty() ? 0 : before.back().number));

  const ClassFiles files = FilesOf(text);
  const ClassReading reading = ReadClass(files, kToday);
  Require(reading.rows.size() == files.size());
  int64_t unverified = 0;
  for (size_t i = 0; i < reading.rows.size(); ++i) {
    if (i > 0) Require(reading.rows[i - 1].name < reading.rows[i].name);
    Require(!reading.rows[i].unknown);
    unverified += reading.rows[i].unverified;
  }
  Require(unverified == reading.unverified);
  ClassReader backwards(kToday);
  for (auto it = files.rbegin(); it != files.rend(); ++it) backwards.AddFolder(it->first, it->second);
  const ClassReading again = backwards.Finish();
  Require(ClassCsv(again.rows) == ClassCsv(reading.rows) && FormatErrorStats(again.errors) == FormatErrorStats(reading.errors));
  for (size_t m = 0; m < kModes; ++m) {
    const auto& table = reading.highScores[m];
    for (size_t i = 1; i < table.size(); ++i) Require(table[i - 1].score >= table[i].score);
  }
  return 0;
}
