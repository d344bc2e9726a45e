#include "NextQuestionPause.h"

#include <QSettings>
#include <algorithm>

#include "DataFile.h"

int PauseBeforeNextQuestion() {
  const QSettings file(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat);
  const int seconds = file.value(QStringLiteral("Drill/PauseBeforeNextQuestion"), 0).toInt();
  return std::clamp(seconds, 0, kMaxPauseBeforeNextQuestion);
}
