// Where a class password the student asked to remember is kept: the
// desktop's keyring when one answers, else a file only this account may
// read (0600) under $XDG_CONFIG_HOME/sonorix/. Never in the data folder,
// never in a log.
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

class PasswordStore : public QObject {
  Q_OBJECT
 public:
  explicit PasswordStore(QObject* parent = nullptr);

  // The keyring is asked only over a session bus; without one (a console, a
  // test) the file is the store.
  static bool KeyringReachable();
  // Each calls `done` once, later or at once.
  void Load(const std::string& key, std::function<void(std::optional<std::string>)> done);
  void Save(const std::string& key, const std::string& password, std::function<void(bool)> done = {});
  // Gone from both places.
  void Forget(const std::string& key);

  static std::string FilePath();
  static std::optional<std::string> LoadFromFile(const std::string& key);
  static bool SaveToFile(const std::string& key, const std::optional<std::string>& password);
};
