// Every file the core reads or writes goes through one Storage, so that each
// place Sonorix runs supplies its own: the desktop's locked, atomic files in
// the data folder, a browser's storage, a test's memory.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class Storage {
 public:
  virtual ~Storage() = default;

  // The whole file up to its first Ctrl-Z byte; nullopt when it is not there
  // or cannot be read.
  virtual std::optional<std::string> Read(const std::string& name) = 0;
  // Every byte of the file, Ctrl-Z or not: for the logs that decide
  // themselves what a Ctrl-Z inside them means.
  virtual std::optional<std::string> ReadAll(const std::string& name) = 0;
  // A file of that name is there (a folder is no file).
  virtual bool Exists(const std::string& name) = 0;
  // Replaces the whole file, or leaves it as it was. False on failure.
  virtual bool Replace(const std::string& name, std::string_view bytes) = 0;
  // Appends the bytes in one write under the file's lock, creating the file
  // when it is not there. With onFreshLine, a file whose last byte is no line
  // feed gets CR LF first, so a record never continues a torn line.
  virtual bool Append(const std::string& name, std::string_view bytes, bool onFreshLine = false) = 0;

  // One load-modify-save under the file's lock, so that another writer's
  // update is never lost in between.
  enum class Found { Missing, Text, Unreadable };
  // Gets what was found (text is empty unless Found::Text) and returns the
  // new content, or nullopt to leave the file alone.
  using Edit = std::function<std::optional<std::string>(Found found, const std::string& text)>;
  // True when the edit's content was written.
  virtual bool Update(const std::string& name, const Edit& edit) = 0;

  // After a failed Update of a shared file: what the student's work would
  // have added is kept through `edit` where the host can keep it (the
  // desktop: in the account's own folder, to be added at a later start), and
  // the student is told. False when nothing was kept.
  virtual bool Keep(const std::string& name, const Edit& edit) {
    (void)name;
    (void)edit;
    return false;
  }
  // What Keep kept of this file at earlier runs, to be added to it now;
  // nullopt when nothing is kept.
  virtual std::optional<std::string> Kept(const std::string& name) {
    (void)name;
    return std::nullopt;
  }
  // The kept copy was added to the file: it goes.
  virtual void ForgetKept(const std::string& name) { (void)name; }
};

// The storage the core uses: the one set last, else the host's own.
Storage& DataStorage();
// nullptr brings back the host's own. The storage must outlive its use.
void SetDataStorage(Storage* storage);

// Each host (the desktop's, the plain one, the browser's) hands the core its
// storage as the program starts; the core names none of them.
void SetHostStorage(Storage& storage);

// For the hosts' storages: every byte of a file through the C library,
// nullopt when it cannot be opened or read (a folder by that name, an I/O
// fault: no empty file).
std::optional<std::string> ReadFileBytes(const std::string& path);
// A text file's content: what comes before its first Ctrl-Z byte.
std::optional<std::string> UpToCtrlZ(std::optional<std::string> text);
