// Where the student's voice comes from while an exercise listens: the default
// PulseAudio source, opened only for that long (so the desktop's microphone
// indicator shows it), or WAV files in its place for tests and screenshots
// (SONORIX_SING_WAV=first.wav:second.wav, each opening taking the next, the
// last one again after the others; SONORIX_SING_WAV_SPEED=4 reads them four
// times as fast as they would sound). The samples read are handed on at once
// and kept nowhere.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

enum class SourceFailure { None, Refused, NoMicrophone };

class SoundSource {
 public:
  virtual ~SoundSource() = default;
  virtual int SampleRate() const = 0;
  // Blocks until `count` mono samples are read (a microphone's pace); false
  // when the source failed or ran out.
  virtual bool Read(float* mono, size_t count) = 0;
};

// Opens the microphone (or the next WAV file in its place); nullptr and why
// when it cannot be opened.
std::unique_ptr<SoundSource> OpenSoundSource(SourceFailure& failure);
// Tests only: the openings of WAV files so far start from the first again.
void RestartWavSources();

// Reads a source on a thread of its own and hands the samples to the GUI
// thread in small chunks, through the platform's message posting. The source
// closes when listening stops (or the source ends), not later.
class SoundListener {
 public:
  // Called on the GUI thread with the samples read since the last call, and
  // once with `ended` when the source stopped by itself.
  using Sink = std::function<void(const std::vector<float>& samples, bool ended)>;

  SoundListener(std::unique_ptr<SoundSource> source, Sink sink);
  ~SoundListener();
  SoundListener(const SoundListener&) = delete;
  SoundListener& operator=(const SoundListener&) = delete;

  int SampleRate() const { return rate_; }
  // Stops the thread and closes the source; nothing more reaches the sink.
  void Stop();

 private:
  void Run();
  void Deliver();

  std::unique_ptr<SoundSource> source_;
  Sink sink_;
  int rate_;
  uint32_t window_ = 0;
  std::mutex mutex_;
  std::vector<float> pending_;  // read, not yet delivered
  bool posted_ = false;
  bool ended_ = false;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};
