#include "Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>

#include <cerrno>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "DataFile.h"
#include "FileLock.h"
#include "Platform.h"

namespace {

struct IniLine {
  std::string bytes;    // as in the file, without its '\n'
  std::string section;  // the section it stands in; "" at the top
  std::string key;      // empty: no key line
  bool understood = true;
};

std::string Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

// Top-level keys are written under [General].
std::string SectionName(const std::string& section) { return section == "General" ? std::string() : section; }

std::vector<IniLine> SplitIni(std::string_view text) {
  std::vector<IniLine> lines;
  std::string section;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    IniLine line;
    line.bytes = std::string(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::string trimmed = Trim(line.bytes);
    const bool clean = line.bytes.find_first_of(std::string_view("\x1a\0", 2)) == std::string::npos;
    if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#') {
      // blank or a comment: kept, and nothing to understand
    } else if (clean && trimmed.front() == '[' && trimmed.back() == ']') {
      section = SectionName(trimmed.substr(1, trimmed.size() - 2));
    } else if (const size_t equals = trimmed.find('='); clean && equals != std::string::npos && equals > 0) {
      line.key = Trim(std::string_view(trimmed).substr(0, equals));
    } else {
      line.understood = false;
    }
    line.section = section;
    lines.push_back(std::move(line));
  }
  return lines;
}

using Values = std::map<QString, QVariant>;

Values AllValues(const QSettings& settings) {
  Values values;
  for (const QString& key : settings.allKeys()) values[key] = settings.value(key);
  return values;
}

// The lines QSettings writes for these values: (section, key) → line.
std::vector<IniLine> WrittenLines(const QString& scratchFile, const Values& values) {
  QFile::remove(scratchFile);
  {
    QSettings settings(scratchFile, QSettings::IniFormat);
    for (const auto& [key, value] : values) settings.setValue(key, value);
    settings.sync();
  }
  std::vector<IniLine> lines;
  if (const auto text = ReadWholeFile(scratchFile.toStdString()))
    for (IniLine& line : SplitIni(*text))
      if (!line.key.empty()) lines.push_back(std::move(line));
  return lines;
}

bool SameKey(const IniLine& a, const IniLine& b) { return a.section == b.section && a.key == b.key; }

// The file's lines with `changed` put in and `removed` taken out. Every other
// line stays as it was, understood or not.
std::string MergeIni(std::vector<IniLine> lines, const std::vector<IniLine>& changed, const std::vector<IniLine>& removed) {
  for (const IniLine& gone : removed)
    std::erase_if(lines, [&](const IniLine& line) { return SameKey(line, gone); });
  for (const IniLine& change : changed) {
    bool done = false;
    for (auto it = lines.begin(); it != lines.end();) {
      if (!SameKey(*it, change)) {
        ++it;
      } else if (!done) {
        it->bytes = change.bytes;
        done = true;
        ++it;
      } else {
        it = lines.erase(it);  // a later duplicate would hide the new value
      }
    }
    if (done) continue;
    // After the last non-blank line of its section, or in a new section.
    size_t at = lines.size();
    bool found = false;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].section != change.section) continue;
      const bool header = change.section.empty() ? false : Trim(lines[i].bytes) == "[" + change.section + "]";
      if (header || !Trim(lines[i].bytes).empty()) {
        at = i + 1;
        found = found || header || !lines[i].key.empty();
      }
    }
    if (!found) {
      at = lines.size();
      if (!lines.empty() && !lines.back().bytes.empty()) lines.push_back(IniLine{"", change.section, "", true});
      lines.push_back(IniLine{"[" + (change.section.empty() ? std::string("General") : change.section) + "]",
                              change.section, "", true});
      at = lines.size();
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), change);
  }
  std::string text;
  for (const IniLine& line : lines) text += line.bytes + "\n";
  return text;
}

std::string FirstNotUnderstood(const std::vector<IniLine>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].understood) continue;
    std::string shown;
    for (char c : lines[i].bytes) shown += (static_cast<unsigned char>(c) < 0x20 && c != '\t') ? '?' : c;
    return "line " + std::to_string(i + 1) + " is no \"key=value\": " + Trim(shown);
  }
  return {};
}

}  // namespace

QString SettingsFilePath() { return QString::fromStdString(AccountFile(kSettingsFileName)); }

void CheckSettingsFile(const std::string& fileName) {
  const std::string name = fileName.empty() ? AccountFile(kSettingsFileName) : fileName;
  const auto text = ReadWholeFile(name);
  if (!text) return;
  const std::string trouble = FirstNotUnderstood(SplitIni(*text));
  if (!trouble.empty()) ReportFileTrouble(FileTrouble::NotUnderstood, name, trouble);
}

bool EditSettings(const std::function<void(QSettings&)>& edit, const std::string& fileName) {
  const std::string name = fileName.empty() ? AccountFile(kSettingsFileName) : fileName;
  FileLock lock(name);
  if (lock.Refused()) return false;
  // QSettings reads a private copy of the lines it understands; what the edit
  // changed then goes into the file line by line, so that comments, lines it
  // would refuse and bytes after a Ctrl-Z all stay.
  QTemporaryDir scratch;
  if (!scratch.isValid()) return false;
  const QString copy = scratch.filePath(QStringLiteral("settings.ini"));
  std::vector<IniLine> lines;
  if (PlatformFileExists(name)) {
    const auto old = ReadWholeFile(name);
    if (!old) return false;
    lines = SplitIni(*old);
  }
  const std::string trouble = FirstNotUnderstood(lines);
  if (!trouble.empty()) ReportFileTrouble(FileTrouble::NotUnderstood, name, trouble);
  {
    QFile out(copy);
    if (!out.open(QIODevice::WriteOnly)) return false;
    std::string section;
    for (const IniLine& line : lines) {
      if (line.key.empty() || !line.understood) continue;
      if (line.section != section) {
        section = line.section;
        out.write(("[" + (section.empty() ? std::string("General") : section) + "]\n").c_str());
      }
      out.write((line.bytes + "\n").c_str());
    }
  }
  Values before, after;
  {
    QSettings settings(copy, QSettings::IniFormat);
    before = AllValues(settings);
    edit(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError) return false;
    after = AllValues(settings);
  }
  Values changed, removed;
  for (const auto& [key, value] : after)
    if (auto it = before.find(key); it == before.end() || it->second != value) changed[key] = value;
  for (const auto& [key, value] : before)
    if (!after.count(key)) removed[key] = value;
  if (changed.empty() && removed.empty()) return true;
  const QString scratchFile = scratch.filePath(QStringLiteral("written.ini"));
  const std::string merged =
      MergeIni(std::move(lines), WrittenLines(scratchFile, changed), WrittenLines(scratchFile, removed));
  return WriteFileAtomic(name, merged);
}
