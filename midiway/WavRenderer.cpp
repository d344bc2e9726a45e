#include "WavRenderer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace midiway {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBlockFrames = 64;  // the synthesizer's own block
constexpr int kChannels = 2;
constexpr uint64_t kMaxDataBytes = 0xFFFFFFFFull - 36;  // what the RIFF sizes can count

void Put16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, static_cast<uint16_t>(value));
  Put16(out, static_cast<uint16_t>(value >> 16));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

std::vector<uint8_t> WavHeader(uint32_t sampleRate, uint16_t channels, uint32_t dataBytes) {
  std::vector<uint8_t> h;
  h.reserve(44);
  PutTag(h, "RIFF");
  Put32(h, 36 + dataBytes);
  PutTag(h, "WAVE");
  PutTag(h, "fmt ");
  Put32(h, 16);
  Put16(h, 1);  // PCM
  Put16(h, channels);
  Put32(h, sampleRate);
  Put32(h, sampleRate * channels * 2);
  Put16(h, static_cast<uint16_t>(channels * 2));
  Put16(h, 16);
  PutTag(h, "data");
  Put32(h, dataBytes);
  return h;
}

std::unique_ptr<WavRenderer> WavRenderer::Create(const std::string& path, Render render, uint32_t sampleRate,
                                                 std::string& error, WavCard card) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = "cannot create audio file " + path;
    return nullptr;
  }
  std::unique_ptr<WavRenderer> renderer(new WavRenderer(file, std::move(render), sampleRate, std::move(card)));
  renderer->WriteHeader();
  if (renderer->failed_) {
    error = "cannot write audio file " + path;
    return nullptr;
  }
  return renderer;
}

WavRenderer::WavRenderer(std::FILE* file, Render render, uint32_t sampleRate, WavCard card)
    : file_(file), render_(std::move(render)), rate_(sampleRate), card_(std::move(card)), mix_(kBlockFrames * kChannels),
      pcm_() {
  pcm_.reserve(kBlockFrames * kChannels * 2);
}

WavRenderer::~WavRenderer() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
  WriteHeader();
  std::fclose(file_);
}

Clock::time_point WavRenderer::Start() {
  const auto start = Clock::now();
  thread_ = std::thread([this, start] {
    std::unique_lock lock(mutex_);
    uint64_t headerAt = rate_;
    bool stalled = card_.stallMs <= 0;
    auto playing = [this, start] {  // the frame a card would play now
      const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start);
      return static_cast<uint64_t>(elapsed.count()) * rate_ / 1000000000ull;
    };
    for (;;) {
      const bool stopping = stop_;
      lock.unlock();
      if (!stalled && playing() >= static_cast<uint64_t>(card_.stallAtMs) * rate_ / 1000u) {
        stalled = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(card_.stallMs));
      }
      const uint64_t due = playing();
      // Behind before anything was rendered is the card starting, not running dry.
      if (card_.bufferFrames > 0 && frames_ > 0 && frames_ + silence_ < due) {
        const uint64_t before = silence_;
        WriteSilence(due - (frames_ + silence_));
        if (card_.ranDry) card_.ranDry(silence_ - before);
      }
      while (frames_ + silence_ + kBlockFrames <= due + card_.bufferFrames) RenderBlock();
      if (frames_ >= headerAt) {  // keep the file readable while it grows
        WriteHeader();
        headerAt = frames_ + rate_;
      }
      lock.lock();
      if (stopping) break;
      const uint64_t written = frames_ + silence_ + kBlockFrames;
      const uint64_t nextFrame = written - std::min<uint64_t>(card_.bufferFrames, written);
      const auto next = start + std::chrono::nanoseconds(nextFrame * 1000000000ull / rate_);
      wake_.wait_until(lock, next, [this] { return stop_; });
    }
  });
  return start;
}

void WavRenderer::RenderBlock() {
  if (const uint32_t grown = render_(kBlockFrames, mix_.data()); grown > 0) card_.bufferFrames = grown;
  frames_ += kBlockFrames;
  WritePcm();
}

void WavRenderer::WriteSilence(uint64_t frames) {
  std::fill(mix_.begin(), mix_.end(), 0.0f);
  for (; frames >= kBlockFrames; frames -= kBlockFrames) {
    silence_ += kBlockFrames;
    WritePcm();
  }
  // The rest of a block: the file keeps whole blocks, as the card asks for them.
  if (frames > 0) {
    silence_ += kBlockFrames;
    WritePcm();
  }
}

void WavRenderer::WritePcm() {
  if (failed_ || dataBytes_ + kBlockFrames * kChannels * 2 > kMaxDataBytes) return;
  pcm_.clear();
  for (float sample : mix_) {
    const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
    Put16(pcm_, static_cast<uint16_t>(static_cast<int16_t>(value)));
  }
  if (std::fwrite(pcm_.data(), 1, pcm_.size(), file_) != pcm_.size())
    failed_ = true;
  else
    dataBytes_ += pcm_.size();
}

void WavRenderer::WriteHeader() {
  const auto header = WavHeader(rate_, kChannels, static_cast<uint32_t>(dataBytes_));
  const long end = std::ftell(file_);
  if (std::fseek(file_, 0, SEEK_SET) != 0 || std::fwrite(header.data(), 1, header.size(), file_) != header.size())
    failed_ = true;
  if (end > 0) std::fseek(file_, end, SEEK_SET);
  std::fflush(file_);
}

}  // namespace midiway
