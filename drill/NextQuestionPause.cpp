#include "NextQuestionPause.h"

#include <QSettings>
#include <algorithm>

#include "DataFile.h"
#include "Settings.h"

namespace {

constexpr const char* kPauseKey = "Drill/PauseBeforeNextQuestion";
constexpr const char* kWaitKey = "Drill/WaitForMe";

}  // namespace

int PauseBeforeNextQuestion() {
  const QSettings file(SettingsFilePath(), QSettings::IniFormat);
  const int seconds = file.value(QString::fromLatin1(kPauseKey), 0).toInt();
  return std::clamp(seconds, 0, kMaxPauseBeforeNextQuestion);
}

bool WaitForMeSetting() {
  const QSettings file(SettingsFilePath(), QSettings::IniFormat);
  return file.value(QString::fromLatin1(kWaitKey), false).toBool();
}

bool SetPacingSettings(int pauseSeconds, bool waitForMe) {
  const int pause = std::clamp(pauseSeconds, 0, kMaxPauseBeforeNextQuestion);
  return EditSettings([pause, waitForMe](QSettings& settings) {
    settings.setValue(QString::fromLatin1(kPauseKey), pause);
    settings.setValue(QString::fromLatin1(kWaitKey), waitForMe);
  });
}
