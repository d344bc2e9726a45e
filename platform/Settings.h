// Changing Sonorix's own settings file, sonorix.ini. Reading is plain
// QSettings; a change goes through here so that the file is rewritten the way
// every data file is: under its lock, through a symbolic link, keeping its
// permissions and group.
#pragma once

#include <QSettings>

#include "DataFile.h"

#include <functional>
#include <string>

// Loads the settings file, lets `edit` change it, and writes it back whole.
// Changes another copy of the program made meanwhile are kept. False when it
// could not be written; the file then stays as it was.
bool EditSettings(const std::function<void(QSettings&)>& edit, const std::string& fileName = kSettingsFileName);
