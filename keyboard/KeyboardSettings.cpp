#include "KeyboardSettings.h"

#include <QSettings>
#include <QString>

#include "DataFile.h"
#include "Settings.h"

KeyboardSettings LoadKeyboardSettings() {
  KeyboardSettings settings;
  QSettings file(SettingsFilePath(), QSettings::IniFormat);
  file.beginGroup(QStringLiteral("Keyboard"));
  settings.port = file.value(QStringLiteral("Port")).toString().toStdString();
  settings.answerByPlaying = file.value(QStringLiteral("AnswerByPlaying"), false).toBool();
  file.endGroup();
  return settings;
}

bool SaveKeyboardSettings(const KeyboardSettings& settings) {
  // Merged with what another part of the program wrote meanwhile.
  return EditSettings([&](QSettings& file) {
    file.beginGroup(QStringLiteral("Keyboard"));
    file.setValue(QStringLiteral("Port"), QString::fromStdString(settings.port));
    file.setValue(QStringLiteral("AnswerByPlaying"), settings.answerByPlaying);
    file.endGroup();
  });
}
