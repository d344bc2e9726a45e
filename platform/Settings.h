// Changing Sonorix's own settings file, sonorix.ini. Reading is plain
// QSettings; a change goes through here so that the file is rewritten the way
// every data file is: under its lock, through a symbolic link, keeping its
// permissions and group.
#pragma once

#include <QSettings>

#include "DataFile.h"

#include <functional>
#include <string>

// The account's settings file: sonorix.ini beside the data files, or in the
// account's config folder when the data folder is shared.
QString SettingsFilePath();

// Tells the student (once) when the settings file holds lines that are no
// settings. Empty: SettingsFilePath().
void CheckSettingsFile(const std::string& fileName = {});

// Loads the settings file, lets `edit` change it, and writes it back whole.
// Changes another copy of the program made meanwhile are kept, and so is
// every line a person wrote that is no setting. False when it could not be
// written; the file then stays as it was. Empty: SettingsFilePath().
bool EditSettings(const std::function<void(QSettings&)>& edit, const std::string& fileName = {});
