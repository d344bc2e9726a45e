// The desktop's storage and clock for the core: today's data files (atomic
// replace, record locks, links followed, permissions kept) and the platform's
// millisecond clock, test hooks included.
#pragma once

#include "Clock.h"
#include "Storage.h"

class DesktopStorage : public Storage {
 public:
  std::optional<std::string> Read(const std::string& name) override;
  std::optional<std::string> ReadAll(const std::string& name) override;
  bool Exists(const std::string& name) override;
  bool Replace(const std::string& name, std::string_view bytes) override;
  bool Append(const std::string& name, std::string_view bytes, bool onFreshLine) override;
  bool Update(const std::string& name, const Edit& edit) override;
  bool Keep(const std::string& name, const Edit& edit) override;
  std::optional<std::string> Kept(const std::string& name) override;
  void ForgetKept(const std::string& name) override;
  // The errno of this thread's last failed Update, for the student's message.
  static int LastUpdateError();
};

class DesktopClock : public Clock {
 public:
  uint32_t NowMs() override;
  double Today() override;
  int32_t SecondOfDay() override;
};
