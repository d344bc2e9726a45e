#include "NextQuestionPause.h"

#include <QSettings>
#include <algorithm>

#include "DataFile.h"
#include "Settings.h"

int PauseBeforeNextQuestion() {
  const QSettings file(SettingsFilePath(), QSettings::IniFormat);
  const int seconds = file.value(QStringLiteral("Drill/PauseBeforeNextQuestion"), 0).toInt();
  return std::clamp(seconds, 0, kMaxPauseBeforeNextQuestion);
}
