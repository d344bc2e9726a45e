#include "DataFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>

#include "AtomicFile.h"
#include "DataFile.h"

namespace fs = std::filesystem;

namespace {

// The files the program is given beside its own; the student's copies are
// never overwritten.
constexpr const char* kGivenFiles[] = {"ftclass.dat",   "readme.txt",    "readme.de.txt",
                                       "readme.es.txt", "readme.fr.txt", "readme.it.txt"};

std::string ErrnoText(int error) { return std::strerror(error); }

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

// Creates the folder and any missing parents, private to the user as the base
// directory convention asks for folders it has to create.
bool MakeFolder(const fs::path& dir, std::string& error) {
  fs::path partial;
  for (const auto& part : dir) {
    partial /= part;
    if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
      error = partial.string() + ": " + ErrnoText(errno);
      return false;
    }
  }
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    error = dir.string() + ": not a folder";
    return false;
  }
  return true;
}

// A folder someone named must be there already and usable as it is.
bool CheckFolder(const fs::path& dir, std::string& error) {
  struct stat st {};
  if (::stat(dir.c_str(), &st) != 0) {
    error = ErrnoText(errno);
    return false;
  }
  if (!S_ISDIR(st.st_mode)) {
    error = "not a folder";
    return false;
  }
  if (::access(dir.c_str(), R_OK | W_OK | X_OK) != 0) {
    error = ErrnoText(errno);
    return false;
  }
  return true;
}

bool CopyIfMissing(const fs::path& from, const fs::path& to, std::string& error) {
  std::error_code ec;
  if (fs::symlink_status(to, ec).type() != fs::file_type::not_found) return true;
  std::ifstream in(from, std::ios::binary);
  std::ostringstream content;
  if (in.is_open()) content << in.rdbuf();
  if (!in.is_open() || in.bad()) {
    error = from.string() + ": cannot be read";
    return false;
  }
  if (!CreateFileAtomic(to.string(), content.str())) {
    error = to.string() + ": " + ErrnoText(errno);
    return false;
  }
  return true;
}

}  // namespace

std::optional<DataFolderChoice> ChooseDataFolder(const std::vector<std::string>& args, const char* variable,
                                                 const std::string& confPath, std::string& error) {
  static constexpr std::string_view kOption = "--data-dir";
  std::error_code ec;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    std::string value;
    if (arg == kOption) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = "--data-dir needs a folder";
        return std::nullopt;
      }
      value = args[i + 1];
    } else if (arg.size() > kOption.size() && arg.substr(0, kOption.size() + 1) == "--data-dir=") {
      value = arg.substr(kOption.size() + 1);
    } else {
      continue;
    }
    if (value.empty()) {
      error = "--data-dir needs a folder";
      return std::nullopt;
    }
    return DataFolderChoice{fs::absolute(value, ec), "--data-dir"};
  }

  if (variable != nullptr && variable[0] != '\0') return DataFolderChoice{fs::absolute(variable, ec), kDataDirVariable};

  const std::string named = confPath + " (DataDir)";
  std::ifstream conf(confPath, std::ios::binary);
  if (!conf.is_open()) {
    if (errno == ENOENT || errno == ENOTDIR) return DataFolderChoice{};
    error = confPath + ": " + ErrnoText(errno);
    return std::nullopt;
  }
  std::string line;
  while (std::getline(conf, line)) {
    const std::string text = Trimmed(line);
    if (text.empty() || text[0] == '#' || text[0] == ';') continue;
    const size_t equals = text.find('=');
    if (equals == std::string::npos || Trimmed(std::string_view(text).substr(0, equals)) != "DataDir") continue;
    const std::string value = Trimmed(std::string_view(text).substr(equals + 1));
    if (value.empty()) continue;
    if (value[0] != '/') {
      error = named + ": \"" + value + "\" is no absolute path";
      return std::nullopt;
    }
    return DataFolderChoice{fs::path(value), named};
  }
  if (conf.bad()) {
    error = confPath + ": cannot be read";
    return std::nullopt;
  }
  return DataFolderChoice{};
}

bool EnterDataFolder(const DataFolderChoice& choice, const fs::path& given, std::string& error) {
  fs::path dir = choice.dir;
  if (!dir.empty()) {
    std::string why;
    if (!CheckFolder(dir, why)) {
      error = dir.string() + " (named by " + choice.namedBy + "): " + why;
      return false;
    }
  } else if (!given.empty()) {
    dir = UserDataDir();
    if (dir.empty()) {
      error = "no home folder to keep the data files in";
      return false;
    }
    if (!MakeFolder(dir, error)) return false;
  }
  if (!dir.empty()) {
    // A file that cannot be copied is only reported: the program then says
    // itself what it misses.
    for (const char* name : kGivenFiles) {
      if (given.empty()) break;
      std::string copyError;
      if (!CopyIfMissing(given / name, dir / name, copyError)) std::fprintf(stderr, "sonorix: %s\n", copyError.c_str());
    }
    if (::chdir(dir.c_str()) != 0) {
      error = dir.string() + (choice.namedBy.empty() ? "" : " (named by " + choice.namedBy + ")") + ": " +
              ErrnoText(errno);
      return false;
    }
  }
  RemoveStaleTemporaries(DataFileNames());
  return true;
}

fs::path InstalledDataDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return {};
  const fs::path share = exe.parent_path().parent_path() / "share" / "sonorix";
  return fs::is_directory(share, ec) ? share : fs::path();
}

// A relative XDG_DATA_HOME is ignored, as the base directory convention asks.
fs::path UserDataDir() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') return fs::path(xdg) / "sonorix";
  std::string home;
  if (const char* h = std::getenv("HOME"); h != nullptr && h[0] != '\0') {
    home = h;
  } else if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    home = pw->pw_dir;
  }
  if (home.empty()) return {};
  return fs::path(home) / ".local" / "share" / "sonorix";
}

const std::vector<std::string>& DataFileNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all(std::begin(kGivenFiles), std::end(kGivenFiles));
    for (const char* name : {"people.dat", "filters.dat", "hiscore.dat", "errors.dat", "report.dat", "practice.dat",
                             kSettingsFileName})
      all.emplace_back(name);
    return all;
  }();
  return names;
}
