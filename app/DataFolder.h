// Where Sonorix keeps its data files: a folder named on the command line, by
// the environment or by the administrator's system-wide file, or else the
// student's own. A class shares one folder among many machines this way.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The administrator's file: lines "Key=Value"; blank lines and lines starting
// with '#' or ';' are skipped.
inline constexpr const char* kSystemConfFile = "/etc/sonorix/sonorix.conf";
inline constexpr const char* kDataDirVariable = "SONORIX_DATA_DIR";

struct DataFolderChoice {
  std::filesystem::path dir;  // absolute; empty: today's default
  std::string namedBy;        // "--data-dir", "SONORIX_DATA_DIR", "/etc/sonorix/sonorix.conf (DataDir)"
};

// The first setting given wins: --data-dir DIR (or --data-dir=DIR) among the
// arguments, the variable's value, DataDir in the file at confPath. None of
// them: a choice with an empty dir. nullopt with `error` set when a setting is
// malformed (the option without a folder, an unreadable file, a relative
// DataDir). `variable` is the variable's value, null when it is not set.
std::optional<DataFolderChoice> ChooseDataFolder(const std::vector<std::string>& args, const char* variable,
                                                 const std::string& confPath, std::string& error);

// Makes the folder ready and enters it: a chosen folder must exist and be
// readable and writable (a class folder is the administrator's to make);
// the default one is made, private, when missing. The files given with an
// installed program (`given`, empty when not installed) are copied in when
// missing, never over a file there. Stale temporary files of the data files
// are removed. False with `error` saying why and which setting named it.
bool EnterDataFolder(const DataFolderChoice& choice, const std::filesystem::path& given, std::string& error);

// The shared data of an installed program: <prefix>/share/sonorix beside
// <prefix>/bin. Empty when the program does not run from an installed tree.
std::filesystem::path InstalledDataDir();

// $XDG_DATA_HOME/sonorix, or ~/.local/share/sonorix; empty without a home.
std::filesystem::path UserDataDir();

// The names of every file Sonorix keeps in its data folder.
const std::vector<std::string>& DataFileNames();
