#include "PracticeCheckpoint.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kMagic = "sonorix practice checkpoint 1\n";
constexpr int64_t kKb = 1024;

std::string Hex(uint64_t value, int digits) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*llx", digits, static_cast<unsigned long long>(value));
  return buffer;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value, int base = 10) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// The next line without its LF; false when there is none whole.
bool NextLine(std::string_view& text, std::string_view& line) {
  const size_t end = text.find('\n');
  if (end == std::string_view::npos) return false;
  line = text.substr(0, end);
  text.remove_prefix(end + 1);
  return true;
}

bool Field(std::string_view line, std::string_view key, std::string_view& rest) {
  if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ') return false;
  rest = line.substr(key.size() + 1);
  return true;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t pos = 0;
  while (pos <= text.size()) {
    const size_t end = std::min(text.find(' ', pos), text.size());
    words.push_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  return words;
}

int64_t MtimeNs(const struct stat& info) {
  return static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

// Written whole or not at all; no flush to disk, as a lost checkpoint costs
// only one whole read.
void WriteCacheFile(const std::string& name, const std::string& bytes) {
  std::error_code error;
  const std::filesystem::path path(name);
  std::filesystem::create_directories(path.parent_path(), error);
  std::string temporary = name + ".tmpXXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0 || done != bytes.size() || std::rename(temporary.c_str(), name.c_str()) != 0)
    std::remove(temporary.c_str());
}

}  // namespace

std::string PracticeCheckpointText(const PracticeCheckpoint& c) {
  std::string text = kMagic;
  text += "person " + EscapePracticeName(c.person) + '\n';
  text += "log " + EscapePracticeName(c.log) + '\n';
  const PracticeLogMark& m = c.mark;
  text += "mark " + std::to_string(m.position) + ' ' + std::to_string(m.size) + ' ' + std::to_string(m.mtimeNs) +
          ' ' + std::to_string(m.device) + ' ' + std::to_string(m.inode) + ' ' + Hex(m.lastKb, 8) + ' ' +
          Hex(m.firstKb, 8) + ' ' + std::to_string(c.today) + '\n';
  text += c.state;
  text += "end " + Hex(PracticeHash(text), 8) + '\n';
  return text;
}

std::optional<PracticeCheckpoint> ParsePracticeCheckpoint(std::string_view text) {
  // The last line seals everything before it.
  if (text.size() < 13 || text.substr(text.size() - 13, 4) != "end " || text.back() != '\n') return std::nullopt;
  const std::string_view body = text.substr(0, text.size() - 13);
  uint32_t seal = 0;
  if (!ParseNumber(text.substr(text.size() - 9, 8), seal, 16) || seal != PracticeHash(body)) return std::nullopt;
  if (body.substr(0, std::string_view(kMagic).size()) != kMagic) return std::nullopt;
  std::string_view rest = body.substr(std::string_view(kMagic).size());
  std::string_view line, value;
  PracticeCheckpoint c;
  if (!NextLine(rest, line) || !Field(line, "person", value)) return std::nullopt;
  auto person = UnescapePracticeName(value);
  if (!NextLine(rest, line) || !Field(line, "log", value)) return std::nullopt;
  auto log = UnescapePracticeName(value);
  if (!person || !log) return std::nullopt;
  c.person = std::move(*person);
  c.log = std::move(*log);
  if (!NextLine(rest, line) || !Field(line, "mark", value)) return std::nullopt;
  const auto w = Words(value);
  PracticeLogMark& m = c.mark;
  if (w.size() != 8 || !ParseNumber(w[0], m.position) || !ParseNumber(w[1], m.size) ||
      !ParseNumber(w[2], m.mtimeNs) || !ParseNumber(w[3], m.device) || !ParseNumber(w[4], m.inode) ||
      !ParseNumber(w[5], m.lastKb, 16) || !ParseNumber(w[6], m.firstKb, 16) || !ParseNumber(w[7], c.today) ||
      m.position < 0 || m.position > m.size)
    return std::nullopt;
  c.state = std::string(rest);
  return c;
}

std::string SonorixCacheFolder() {
  // A relative XDG_CACHE_HOME is ignored, as the base directory convention asks.
  if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg != nullptr && xdg[0] == '/')
    return std::string(xdg) + "/sonorix";
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
    return std::string(home) + "/.cache/sonorix";
  return {};
}

std::string AbsolutePracticeLog(const std::string& fileName) {
  std::error_code error;
  auto path = std::filesystem::weakly_canonical(std::filesystem::absolute(fileName, error), error);
  return error ? fileName : path.string();
}

std::string PracticeCheckpointPath(const std::string& absoluteLog, const std::string& person) {
  const std::string folder = SonorixCacheFolder();
  if (folder.empty()) return {};
  // Two 32-bit hashes of differently seeded input, so that names rarely share a file;
  // the checkpoint itself says whose it is.
  const std::string key = absoluteLog + '\0' + person;
  return folder + "/practice-" + Hex(PracticeHash(key), 8) + Hex(PracticeHash(key, 0x811c9dc5u ^ 0x5bd1e995u), 8) +
         ".checkpoint";
}

PracticeLogReader::PracticeLogReader(const std::string& logFile, std::string person, std::string checkpointFile,
                                     int32_t today)
    : person_(std::move(person)), log_(AbsolutePracticeLog(logFile)), checkpointFile_(std::move(checkpointFile)),
      today_(today) {
  fd_ = ::open(logFile.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0) return;
  file_.size = info.st_size;
  file_.mtimeNs = MtimeNs(info);
  file_.device = info.st_dev;
  file_.inode = info.st_ino;
  if (checkpointFile_.empty()) return;
  const auto text = ReadPracticeFileBytes(checkpointFile_);
  if (!text) return;
  auto checkpoint = ParsePracticeCheckpoint(*text);
  if (checkpoint && Matches(*checkpoint)) {
    checkpoint_ = std::move(checkpoint);
    start_ = checkpoint_->mark.position;
  }
}

PracticeLogReader::~PracticeLogReader() {
  if (fd_ >= 0) ::close(fd_);
}

void PracticeLogReader::Restart() {
  checkpoint_.reset();
  start_ = 0;
}

bool PracticeLogReader::Matches(const PracticeCheckpoint& c) const {
  const PracticeLogMark& m = c.mark;
  if (c.person != person_ || c.log != log_ || c.today > today_) return false;
  if (m.device != file_.device || m.inode != file_.inode) return false;  // replaced
  if (file_.size < m.size) return false;                                 // cut
  if (file_.size == m.size && file_.mtimeNs != m.mtimeNs) return false;  // rewritten in place
  return HashRange(std::max<int64_t>(0, m.position - kKb), m.position) == m.lastKb &&
         HashRange(0, std::min(kKb, m.position)) == m.firstKb;
}

std::optional<uint32_t> PracticeLogReader::HashRange(int64_t from, int64_t to) const {
  std::string bytes(static_cast<size_t>(to - from), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pread(fd_, bytes.data() + done, bytes.size() - done, from + static_cast<int64_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;
    done += static_cast<size_t>(n);
  }
  return PracticeHash(bytes);
}

PracticeLog PracticeLogReader::ReadWholeLines() {
  text_.clear();
  if (fd_ >= 0 && file_.size > start_) {
    text_.resize(static_cast<size_t>(file_.size - start_));
    size_t done = 0;
    while (done < text_.size()) {
      const ssize_t n = ::pread(fd_, text_.data() + done, text_.size() - done, start_ + static_cast<int64_t>(done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    text_.resize(done);
  }
  bytesRead_ = static_cast<int64_t>(text_.size());
  // Only text after the checkpoint can hold the log's end: it lies after the last line read.
  const std::string_view text = PracticeLogEnd(text_);
  const size_t lastBreak = text.rfind('\n');
  const size_t whole = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
  wholeEnd_ = start_ + static_cast<int64_t>(whole);
  tail_ = text.substr(whole);
  return ParsePracticeLines(text.substr(0, whole), &person_);
}

PracticeLog PracticeLogReader::ReadTail() { return ParsePracticeLines(tail_, &person_); }

PracticeLogMark PracticeLogReader::MarkAt(int64_t position) const {
  PracticeLogMark m = file_;
  m.position = position;
  m.lastKb = HashRange(std::max<int64_t>(0, position - kKb), position).value_or(0);
  m.firstKb = HashRange(0, std::min(kKb, position)).value_or(0);
  return m;
}

void PracticeLogReader::Save(const std::string& state) {
  if (checkpointFile_.empty() || fd_ < 0) return;
  // Unchanged since it was written: nothing to keep.
  if (checkpoint_ && checkpoint_->mark.position == wholeEnd_ && checkpoint_->mark.size == file_.size &&
      checkpoint_->today == today_)
    return;
  PracticeCheckpoint c;
  c.person = person_;
  c.log = log_;
  c.today = today_;
  c.mark = MarkAt(wholeEnd_);
  c.state = state;
  WriteCacheFile(checkpointFile_, PracticeCheckpointText(c));
}
