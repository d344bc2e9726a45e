#include "DataFolder.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
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
  const auto conf = ReadSystemConf(confPath, error);
  if (!conf) return std::nullopt;
  for (const std::string& warning : conf->warnings) std::fprintf(stderr, "sonorix: %s\n", warning.c_str());
  if (conf->dataDir.empty()) return DataFolderChoice{};
  if (conf->dataDir[0] != '/') {
    error = named + ": \"" + conf->dataDir + "\" is no absolute path";
    return std::nullopt;
  }
  return DataFolderChoice{fs::path(conf->dataDir), named};
}

SystemConf ParseSystemConf(const std::string& text, const std::string& confPath) {
  SystemConf conf;
  std::string_view rest = text;
  // Editors on other systems save with a byte order mark.
  if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
  int number = 0;
  while (!rest.empty()) {
    ++number;
    const size_t end = rest.find('\n');
    const std::string line = Trimmed(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    const std::string where = confPath + ":" + std::to_string(number) + ": ";
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      conf.warnings.push_back(where + "not understood, no \"Key=Value\": " + line);
      continue;
    }
    const std::string key = Trimmed(std::string_view(line).substr(0, equals));
    const std::string value = Trimmed(std::string_view(line).substr(equals + 1));
    if (key == "DataDir") {
      // The first one given counts, as before.
      if (conf.dataDir.empty()) conf.dataDir = value;
    } else if (key == "Teachers") {
      std::string_view names = value;
      while (!names.empty()) {
        const size_t comma = names.find(',');
        const std::string name = Trimmed(names.substr(0, comma));
        if (!name.empty()) conf.teachers.push_back(name);
        names.remove_prefix(comma == std::string_view::npos ? names.size() : comma + 1);
      }
    } else if (key == "TeacherGroup") {
      conf.teacherGroup = value;
    } else {
      conf.warnings.push_back(where + "unknown setting \"" + key + "\" ignored");
    }
  }
  return conf;
}

bool AccountIsTeacher(const SystemConf& conf) {
  const passwd* pw = getpwuid(geteuid());
  if (pw != nullptr && pw->pw_name != nullptr)
    for (const std::string& name : conf.teachers)
      if (name == pw->pw_name) return true;
  if (conf.teacherGroup.empty()) return false;
  const group* gr = getgrnam(conf.teacherGroup.c_str());
  if (gr == nullptr) return false;
  if (getegid() == gr->gr_gid) return true;
  std::vector<gid_t> groups(static_cast<size_t>(std::max(getgroups(0, nullptr), 0)));
  const int n = getgroups(static_cast<int>(groups.size()), groups.data());
  for (int i = 0; i < n; ++i)
    if (groups[static_cast<size_t>(i)] == gr->gr_gid) return true;
  return false;
}

std::optional<SystemConf> ReadSystemConf(const std::string& confPath, std::string& error) {
  std::ifstream file(confPath, std::ios::binary);
  if (!file.is_open()) {
    if (errno == ENOENT || errno == ENOTDIR) return SystemConf{};
    error = confPath + ": " + ErrnoText(errno);
    return std::nullopt;
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) {
    error = confPath + ": cannot be read";
    return std::nullopt;
  }
  return ParseSystemConf(text.str(), confPath);
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
    if (FolderIsShared(dir.string())) {
      SetSharedDataFolder(UserConfigDir().string(), KeptDirFor(dir).string());
      // Files an earlier run made for this account alone become the group's.
      for (const std::string& name : DataFileNames()) {
        ShareWithFolderGroup(-1, (dir / name).string());
        ShareWithFolderGroup(-1, (dir / name).string() + ".lock");
      }
    } else {
      SetSharedDataFolder({}, {});
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

namespace {

std::string HomeDir() {
  if (const char* h = std::getenv("HOME"); h != nullptr && h[0] != '\0') return h;
  if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) return pw->pw_dir;
  return {};
}

// A relative XDG_*_HOME is ignored, as the base directory convention asks.
fs::path XdgDir(const char* variable, const char* fallback) {
  if (const char* xdg = std::getenv(variable); xdg != nullptr && xdg[0] == '/') return fs::path(xdg) / "sonorix";
  const std::string home = HomeDir();
  if (home.empty()) return {};
  return fs::path(home) / fallback / "sonorix";
}

}  // namespace

fs::path UserDataDir() { return XdgDir("XDG_DATA_HOME", ".local/share"); }

fs::path UserConfigDir() { return XdgDir("XDG_CONFIG_HOME", ".config"); }

fs::path KeptDirFor(const fs::path& dir) {
  const fs::path own = UserDataDir();
  if (own.empty()) return {};
  std::error_code ec;
  const std::string path = fs::weakly_canonical(dir, ec).string();
  uint32_t hash = 2166136261u;  // FNV-1a: stable from run to run
  for (unsigned char c : ec ? dir.string() : path) hash = (hash ^ c) * 16777619u;
  char name[16];
  std::snprintf(name, sizeof name, "%08x", hash);
  return own / "unsaved" / name;
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
