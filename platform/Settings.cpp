#include "Settings.h"

#include <QTemporaryDir>

#include "DataFile.h"
#include "FileLock.h"

bool EditSettings(const std::function<void(QSettings&)>& edit, const std::string& fileName) {
  FileLock lock(fileName);
  // QSettings writes the INI form; it writes a private copy, which then
  // replaces the real file the way every data file is replaced.
  QTemporaryDir scratch;
  if (!scratch.isValid()) return false;
  const QString copy = scratch.filePath(QStringLiteral("settings.ini"));
  if (const auto old = ReadTextFile(fileName)) {
    QFile out(copy);
    if (!out.open(QIODevice::WriteOnly) || out.write(old->data(), static_cast<qint64>(old->size())) < 0) return false;
  }
  {
    QSettings settings(copy, QSettings::IniFormat);
    edit(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError) return false;
  }
  const auto bytes = ReadTextFile(copy.toStdString());
  return bytes && WriteFileAtomic(fileName, *bytes);
}
