#include "KeyboardSettings.h"

#include <QSettings>
#include <QString>

#include "DataFile.h"

KeyboardSettings LoadKeyboardSettings() {
  KeyboardSettings settings;
  QSettings file(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat);
  file.beginGroup(QStringLiteral("Keyboard"));
  settings.port = file.value(QStringLiteral("Port")).toString().toStdString();
  settings.answerByPlaying = file.value(QStringLiteral("AnswerByPlaying"), false).toBool();
  file.endGroup();
  return settings;
}

bool SaveKeyboardSettings(const KeyboardSettings& settings) {
  // QSettings merges with what another part of the program wrote meanwhile
  // and replaces the file atomically.
  QSettings file(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat);
  file.beginGroup(QStringLiteral("Keyboard"));
  file.setValue(QStringLiteral("Port"), QString::fromStdString(settings.port));
  file.setValue(QStringLiteral("AnswerByPlaying"), settings.answerByPlaying);
  file.endGroup();
  file.sync();
  return file.status() == QSettings::NoError;
}
