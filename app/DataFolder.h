// Where Sonorix keeps its data files: a folder named on the command line, by
// the environment or by the administrator's system-wide file, or else the
// student's own. A class shares one folder among many machines this way.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The administrator's file: lines "Key=Value"; blank lines and lines starting
// with '#' or ';' are skipped. An editor's UTF-8 byte order mark is accepted.
inline constexpr const char* kSystemConfFile = "/etc/sonorix/sonorix.conf";
inline constexpr const char* kDataDirVariable = "SONORIX_DATA_DIR";

// What the administrator's file says. Lines it does not understand are
// warnings naming the line, never silently skipped.
struct SystemConf {
  std::string dataDir;                // as written; empty when not given
  std::vector<std::string> teachers;  // Teachers=name,name: account names
  std::string teacherGroup;           // TeacherGroup=group
  std::vector<std::string> warnings;  // "<path>:<line>: ..."
};
SystemConf ParseSystemConf(const std::string& text, const std::string& confPath);
// The file read; a missing file says nothing. nullopt with `error` set when it
// exists but cannot be read.
std::optional<SystemConf> ReadSystemConf(const std::string& confPath, std::string& error);

// Whether this account is one of the conf's teachers: named in Teachers=, or
// a member of TeacherGroup= (primary or supplementary group).
bool AccountIsTeacher(const SystemConf& conf);

struct DataFolderChoice {
  std::filesystem::path dir;  // absolute; empty: today's default
  std::string namedBy;        // "--data-dir", "SONORIX_DATA_DIR", "/etc/sonorix/sonorix.conf (DataDir)"
};

// The first setting given wins: --data-dir DIR (or --data-dir=DIR) among the
// arguments, the variable's value, DataDir in the file at confPath. None of
// them: a choice with an empty dir. nullopt with `error` set when a setting is
// malformed (the option without a folder, an unreadable file, a relative
// DataDir). `variable` is the variable's value, null when it is not set. The
// file's warnings go to stderr.
std::optional<DataFolderChoice> ChooseDataFolder(const std::vector<std::string>& args, const char* variable,
                                                 const std::string& confPath, std::string& error);

// Makes the folder ready and enters it: a chosen folder must exist and be
// readable and writable (a class folder is the administrator's to make);
// the default one is made, private, when missing. The files given with an
// installed program (`given`, empty when not installed) are copied in when
// missing, never over a file there. Stale temporary files of the data files
// are removed. A folder shared with other accounts (see DataFile.h) sends the
// account's settings to UserConfigDir() and keeps what cannot be written into
// it in UserDataDir(); the account's own files there are made writable for
// the folder's group. False with `error` saying why and which setting named it.
bool EnterDataFolder(const DataFolderChoice& choice, const std::filesystem::path& given, std::string& error);

// The shared data of an installed program: <prefix>/share/sonorix beside
// <prefix>/bin. Empty when the program does not run from an installed tree.
std::filesystem::path InstalledDataDir();

// $XDG_DATA_HOME/sonorix, or ~/.local/share/sonorix; empty without a home.
std::filesystem::path UserDataDir();

// $XDG_CONFIG_HOME/sonorix, or ~/.config/sonorix; empty without a home.
std::filesystem::path UserConfigDir();

// Where an account keeps what it could not write into the shared folder `dir`:
// a folder of its own per shared folder, under UserDataDir().
std::filesystem::path KeptDirFor(const std::filesystem::path& dir);

// The names of every file Sonorix keeps in its data folder.
const std::vector<std::string>& DataFileNames();
