#include "PasswordStore.h"

#include <QByteArray>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DataFolder.h"

#ifdef SONORIX_HAVE_KEYCHAIN
#include <qt6keychain/keychain.h>
#endif

namespace {

constexpr const char* kService = "org.sonorix.sonorix.class";
constexpr const char* kFileName = "classpass";

std::string Encode(const std::string& text) {
  return QByteArray::fromStdString(text).toPercentEncoding().toStdString();
}
std::string Decode(const std::string& text) {
  return QByteArray::fromPercentEncoding(QByteArray::fromStdString(text)).toStdString();
}

// "<key> <password>" lines, both percent-encoded.
std::map<std::string, std::string> ReadEntries() {
  std::map<std::string, std::string> entries;
  const int fd = ::open(PasswordStore::FilePath().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return entries;
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0 && text.size() < (1u << 20);) text.append(buffer, size_t(n));
  ::close(fd);
  size_t at = 0;
  while (at < text.size()) {
    size_t eol = text.find('\n', at);
    if (eol == std::string::npos) eol = text.size();
    std::string line = text.substr(at, eol - at);
    at = eol + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t blank = line.find(' ');
    if (blank == std::string::npos || blank == 0) continue;
    entries[Decode(line.substr(0, blank))] = Decode(line.substr(blank + 1));
  }
  return entries;
}

bool WriteEntries(const std::map<std::string, std::string>& entries) {
  const std::string path = PasswordStore::FilePath();
  if (path.empty()) return false;
  const std::string dir = path.substr(0, path.rfind('/'));
  const std::string parent = dir.substr(0, dir.rfind('/'));
  ::mkdir(parent.c_str(), 0700);
  ::mkdir(dir.c_str(), 0700);
  if (entries.empty()) return ::unlink(path.c_str()) == 0 || errno == ENOENT;
  std::string text;
  for (const auto& [key, password] : entries) text += Encode(key) + " " + Encode(password) + "\r\n";
  // Made for this account alone before a byte is in it, then put in place whole.
  const std::string temporary = path + ".tmp" + std::to_string(::getpid());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, 0600) == 0;
  for (size_t done = 0; ok && done < text.size();) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += size_t(n);
  }
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace

PasswordStore::PasswordStore(QObject* parent) : QObject(parent) {}

std::string PasswordStore::FilePath() {
  const std::filesystem::path dir = UserConfigDir();
  return dir.empty() ? std::string() : (dir / kFileName).string();
}

bool PasswordStore::KeyringReachable() {
#ifdef SONORIX_HAVE_KEYCHAIN
  const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  return bus && *bus;
#else
  return false;
#endif
}

std::optional<std::string> PasswordStore::LoadFromFile(const std::string& key) {
  const auto entries = ReadEntries();
  const auto it = entries.find(key);
  if (it == entries.end()) return std::nullopt;
  return it->second;
}

bool PasswordStore::SaveToFile(const std::string& key, const std::optional<std::string>& password) {
  auto entries = ReadEntries();
  if (password) entries[key] = *password;
  else if (entries.erase(key) == 0) return true;
  return WriteEntries(entries);
}

void PasswordStore::Load(const std::string& key, std::function<void(std::optional<std::string>)> done) {
#ifdef SONORIX_HAVE_KEYCHAIN
  if (KeyringReachable()) {
    auto* job = new QKeychain::ReadPasswordJob(QString::fromLatin1(kService), this);
    job->setKey(QString::fromStdString(key));
    connect(job, &QKeychain::Job::finished, this, [job, key, done] {
      if (job->error() == QKeychain::NoError) done(job->binaryData().toStdString());
      else done(LoadFromFile(key));  // remembered while no keyring answered
    });
    job->start();
    return;
  }
#endif
  done(LoadFromFile(key));
}

void PasswordStore::Save(const std::string& key, const std::string& password, std::function<void(bool)> done) {
#ifdef SONORIX_HAVE_KEYCHAIN
  if (KeyringReachable()) {
    auto* job = new QKeychain::WritePasswordJob(QString::fromLatin1(kService), this);
    job->setKey(QString::fromStdString(key));
    job->setBinaryData(QByteArray::fromStdString(password));
    connect(job, &QKeychain::Job::finished, this, [job, key, password, done] {
      // In the keyring it is no longer in the file; else the file keeps it.
      bool saved = true;
      if (job->error() == QKeychain::NoError) SaveToFile(key, std::nullopt);
      else saved = SaveToFile(key, password);
      if (done) done(saved);
    });
    job->start();
    return;
  }
#endif
  const bool saved = SaveToFile(key, password);
  if (done) done(saved);
}

void PasswordStore::Forget(const std::string& key) {
#ifdef SONORIX_HAVE_KEYCHAIN
  if (KeyringReachable()) {
    auto* job = new QKeychain::DeletePasswordJob(QString::fromLatin1(kService), this);
    job->setKey(QString::fromStdString(key));
    job->start();
  }
#endif
  SaveToFile(key, std::nullopt);
}
