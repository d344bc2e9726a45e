#include "Outbox.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <random>
#include <set>

#include "ClassAddress.h"
#include "PartName.h"
#include "Storage.h"

namespace {

// CRC-32 (the reflected 0xEDB88320 polynomial), a byte at a time from a table.
constexpr std::array<uint32_t, 256> kCrcTable = [] {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t crc = n;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    table[n] = crc;
  }
  return table;
}();

uint32_t Crc32(std::string_view bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (char c : bytes) crc = (crc >> 8) ^ kCrcTable[(crc ^ static_cast<unsigned char>(c)) & 0xFFu];
  return ~crc;
}

// The outbox keeps printable bytes readable; blanks, line breaks and '%' are escaped.
bool Printable(unsigned char c) { return c > ' ' && c < 0x7f && c != '%'; }

std::string Escape(std::string_view bytes) { return PercentEncode(bytes, Printable); }

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool Unescape(std::string_view text, std::string& out) {
  out.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size() || Hex(text[i + 1]) < 0 || Hex(text[i + 2]) < 0) return false;
    out += static_cast<char>(Hex(text[i + 1]) * 16 + Hex(text[i + 2]));
    i += 2;
  }
  return true;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    const size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::string RandomDeviceName() {
  static const char* letters = "abcdefghijkmnpqrstuvwxyz23456789";
  std::random_device random;
  std::string name;
  for (int i = 0; i < 12; ++i) name += letters[random() % 32];
  return name;
}

std::string PartName(const std::string& stem, const std::string& device, uint64_t number) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%08llu", static_cast<unsigned long long>(number));
  return stem + "." + device + "." + digits;
}

// The part's stem: its name less ".<device>.<number>".
std::string StemOf(const std::string& part) {
  const size_t last = part.rfind('.');
  if (last == std::string::npos || last == 0) return {};
  const size_t device = part.rfind('.', last - 1);
  return device == std::string::npos ? std::string() : part.substr(0, device);
}

std::string_view FirstWord(std::string_view line) {
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  const size_t end = line.find_first_of(" \t\r", start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

}  // namespace

struct Outbox::Content {
  std::string device;
  uint64_t next = 1;
  std::vector<OutboxEntry> entries;
  // Each entry's line as read, kept so that a rewrite copies the lines it
  // leaves alone instead of escaping and checking them again; empty for an
  // entry added or changed since.
  std::vector<std::string> lines;
  int damaged = 0;

  void Add(OutboxEntry e) {
    entries.push_back(std::move(e));
    lines.emplace_back();
  }
  void Erase(size_t i) {
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
  }

  std::string Text() const {
    std::string out = "Q " + device + " " + std::to_string(next) + "\r\n";
    size_t size = out.size();
    for (const std::string& line : lines) size += line.size() + 2;
    out.reserve(size);
    for (size_t i = 0; i < entries.size(); ++i) {
      if (!lines[i].empty()) {
        out += lines[i];
        out += "\r\n";
        continue;
      }
      const OutboxEntry& e = entries[i];
      std::string line = "E " + std::to_string(e.number) + " " + (e.kind == OutboxEntry::Kind::Part ? "part" : "merge") +
                         " " + Escape(e.file) + " :" + Escape(e.bytes);
      char crc[12];
      std::snprintf(crc, sizeof crc, "%08X", Crc32(line));
      out += line + " " + crc + "\r\n";
    }
    return out;
  }
};

Outbox::Outbox(Storage& storage, std::string fileName, std::function<std::string()> newDeviceName)
    : storage_(storage), fileName_(std::move(fileName)), newDeviceName_(std::move(newDeviceName)) {
  if (!newDeviceName_) newDeviceName_ = RandomDeviceName;
}

Outbox::Content Outbox::Parse(const std::string& text) {
  Content content;
  uint64_t highest = 0;
  std::set<uint64_t> numbers;
  size_t at = 0;
  while (at < text.size()) {
    const size_t eol = text.find('\n', at);
    std::string_view line(text.data() + at, (eol == std::string::npos ? text.size() : eol) - at);
    at = eol == std::string::npos ? text.size() : eol + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    const auto words = Words(line);
    uint64_t n = 0;
    if (words.size() == 3 && words[0] == "Q" && IsDeviceName(words[1]) && ReadDecimal(words[2], n)) {
      content.device = std::string(words[1]);
      content.next = n;
      continue;
    }
    OutboxEntry e;
    const bool whole = words.size() == 6 && words[0] == "E" && ReadDecimal(words[1], e.number) &&
                       (words[2] == "part" || words[2] == "merge") && Unescape(words[3], e.file) &&
                       words[4].front() == ':' && Unescape(words[4].substr(1), e.bytes) && !e.file.empty() &&
                       [&] {
                         char crc[12];
                         std::snprintf(crc, sizeof crc, "%08X", Crc32(line.substr(0, line.size() - 9)));
                         return words[5] == crc;
                       }() &&
                       numbers.insert(e.number).second;
    if (!whole) {
      ++content.damaged;
      continue;
    }
    e.kind = words[2] == "part" ? OutboxEntry::Kind::Part : OutboxEntry::Kind::Merge;
    if (e.number > highest) highest = e.number;
    content.entries.push_back(std::move(e));
    content.lines.emplace_back(line);
  }
  // A damaged first line must not let a number come round again.
  if (content.next <= highest) content.next = highest + 1;
  return content;
}

bool Outbox::Edit(const std::function<bool(Content&)>& change) {
  return storage_.Update(fileName_, [&](Storage::Found found, const std::string& text) -> std::optional<std::string> {
    // A file that is there but cannot be read is never written over.
    if (found == Storage::Found::Unreadable) return std::nullopt;
    Content content = Parse(text);
    damaged_ = content.damaged;
    if (content.device.empty()) {
      content.device = newDeviceName_();
      if (!IsDeviceName(content.device)) content.device = RandomDeviceName();
    }
    if (!change(content)) return std::nullopt;
    return content.Text();
  });
}

bool Outbox::AddPart(const std::string& stem, std::string_view bytes) {
  return Edit([&](Content& c) {
    OutboxEntry e;
    e.number = c.next++;
    e.kind = OutboxEntry::Kind::Part;
    e.file = PartName(stem, c.device, e.number);
    e.bytes = std::string(bytes);
    c.Add(std::move(e));
    return true;
  });
}

bool Outbox::AddMerge(const std::string& file, std::string_view records) {
  return Edit([&](Content& c) {
    OutboxEntry e;
    e.number = c.next++;
    e.kind = OutboxEntry::Kind::Merge;
    e.file = file;
    e.bytes = std::string(records);
    c.Add(std::move(e));
    return true;
  });
}

std::vector<OutboxEntry> Outbox::Entries() {
  const auto text = storage_.Read(fileName_);
  if (!text) return {};
  Content content = Parse(*text);
  damaged_ = content.damaged;
  return std::move(content.entries);
}

std::optional<OutboxEntry> Outbox::Front() {
  const auto text = storage_.Read(fileName_);
  if (!text) return std::nullopt;
  Content content = Parse(*text);
  damaged_ = content.damaged;
  if (content.entries.empty()) return std::nullopt;
  return std::move(content.entries.front());
}

bool Outbox::Remove(uint64_t number) {
  bool read = false, found = false;
  const bool written = Edit([&](Content& c) {
    read = true;
    for (size_t i = 0; i < c.entries.size(); ++i) {
      if (c.entries[i].number == number) {
        c.Erase(i);
        found = true;
        return true;
      }
    }
    return false;  // already gone: another copy sent it
  });
  return read && (written || !found);
}

bool Outbox::Rename(uint64_t number) {
  return Edit([&](Content& c) {
    for (OutboxEntry& e : c.entries) {
      if (e.number == number && e.kind == OutboxEntry::Kind::Part) {
        c.lines[static_cast<size_t>(&e - c.entries.data())].clear();
        e.number = c.next++;
        e.file = PartName(StemOf(e.file), c.device, e.number);
        return true;
      }
    }
    return false;
  });
}

bool Outbox::Clear() {
  return Edit([](Content& c) {
    c.entries.clear();
    c.lines.clear();
    return true;
  });
}

Outbox::Waiting Outbox::Count() {
  Waiting waiting;
  for (const OutboxEntry& e : Entries()) {
    if (e.kind == OutboxEntry::Kind::Part && StemOf(e.file) == kClassLogName) ++waiting.drills;
    else ++waiting.others;
  }
  return waiting;
}

std::string Outbox::Device() {
  if (const auto text = storage_.Read(fileName_)) {
    const Content content = Parse(*text);
    if (!content.device.empty()) return content.device;
  }
  std::string device;
  Edit([&](Content& c) {
    device = c.device;
    return true;
  });
  return device;
}

uint64_t Outbox::NextNumber() {
  const auto text = storage_.Read(fileName_);
  return text ? Parse(*text).next : 1;
}

std::string MergeRecords(std::string_view remote, std::string_view local) {
  std::set<std::string, std::less<>> named;
  std::string merged(remote);
  auto eachLine = [](std::string_view text, const std::function<void(std::string_view)>& f) {
    while (!text.empty()) {
      const size_t eol = text.find('\n');
      std::string_view line = text.substr(0, eol);
      text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (!FirstWord(line).empty()) f(line);
    }
  };
  eachLine(remote, [&](std::string_view line) { named.insert(std::string(FirstWord(line))); });
  if (!merged.empty() && merged.back() != '\n') merged += "\r\n";
  eachLine(local, [&](std::string_view line) {
    if (named.insert(std::string(FirstWord(line))).second) {
      merged += line;
      merged += "\r\n";
    }
  });
  return merged;
}
