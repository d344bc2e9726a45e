// Files for tests: the data shipped in the source tree, and a scratch folder
// of each test's own, entered as the working directory where the code under
// test reads and writes bare file names.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>

// A file's bytes as they are; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// data/<name> of the source tree CTest names, else of the tree the test was built from.
inline std::string ShippedDataPath(const std::string& name) {
  const char* source = std::getenv("SONORIX_SOURCE_DIR");
  const std::string root = source && *source ? source : SONORIX_TEST_SOURCE_DIR;
  return root + "/data/" + name;
}

// A fresh empty folder, removed with all in it at the end; once entered, the
// working directory until then.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sonorix-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder from " + pattern);
    root_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    if (!left_.empty()) std::filesystem::current_path(left_, ignored);
    std::filesystem::remove_all(root_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  bool Enter() {
    std::error_code error;
    const std::filesystem::path previous = std::filesystem::current_path(error);
    if (!error) std::filesystem::current_path(root_, error);
    if (error) return false;
    left_ = previous;
    return true;
  }

  const std::filesystem::path& Root() const { return root_; }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }
  // Returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    WriteBytes(root_ / name, bytes);
    return Path(name);
  }
  std::string Read(const std::string& name) const { return ReadBytes(root_ / name); }
  bool Exists(const std::string& name) const {
    std::error_code ignored;
    return std::filesystem::exists(root_ / name, ignored);
  }
  // Files and folders directly in it: shows a temporary left behind.
  int EntryCount() const {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(root_)) ++n;
    return n;
  }
  // Copies data/<name> of the source tree in under the same name.
  bool CopyShipped(const std::string& name) const {
    std::error_code error;
    return std::filesystem::copy_file(ShippedDataPath(name), root_ / name, error) && !error;
  }

 private:
  std::filesystem::path root_;
  std::filesystem::path left_;  // the working directory before Enter()
};
