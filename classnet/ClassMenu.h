// The drill window's "Class" menu and status line: joining a class on a
// WebDAV server, leaving it, and the password after a start that did not
// remember it. It owns the device's ClassLink, the one taker of every
// drill's files, for as long as the window lives.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "ClassLink.h"
#include "PasswordStore.h"
#include "QtScheduler.h"
#include "Storage.h"

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class Transport;

// The files of the account's own data folder (its config folder when the
// data folder is shared): classlink.dat and classout.dat are the student's.
class OwnStorage : public Storage {
 public:
  std::optional<std::string> Read(const std::string& name) override;
  std::optional<std::string> ReadAll(const std::string& name) override;
  bool Exists(const std::string& name) override;
  bool Replace(const std::string& name, std::string_view bytes) override;
  bool Append(const std::string& name, std::string_view bytes, bool onFreshLine = false) override;
  bool Update(const std::string& name, const Edit& edit) override;
};

class TClassMenu : public QObject {
  Q_OBJECT
 public:
  // Without a transport of its own, Qt's network access.
  TClassMenu(QMainWindow* window, QMenuBar* bar, Transport* transport = nullptr);
  ~TClassMenu() override;
  static TClassMenu* Of(const QObject* window);

  ClassLink& Link() { return *link_; }
  const ClassLink& Link() const { return *link_; }
  // What the class's requests go through.
  Transport& Http() { return *transport_; }
  // The status line also shows while `shown` says so (the assignments due).
  void SetExtraStatus(std::function<bool()> shown) { extraStatus_ = std::move(shown); }
  void RefreshStatus() { ShowStatus(); }
  PasswordStore& Passwords() { return passwords_; }

  // Each opens its window modally.
  void Join1Click();
  void Leave1Click();
  void Password1Click();
  // The question Leave asks, and leaving once it is answered yes.
  QString LeaveQuestion();
  void Leave();

  QMenu* Class1 = nullptr;
  QAction* Join1 = nullptr;
  QAction* Password1 = nullptr;
  QAction* Leave1 = nullptr;
  QLabel* StatusLabel = nullptr;

 private:
  void ShowStatus();
  void UsePassword();
  void AskPasswordWhenShown();

  QMainWindow* window_;
  OwnStorage own_;
  std::unique_ptr<Transport> http_;
  Transport* transport_ = nullptr;
  std::function<bool()> extraStatus_;
  QtScheduler scheduler_;
  std::unique_ptr<ClassLink> link_;
  PasswordStore passwords_;
};

// Between "Options" and "View": no menu of the design moves, View stays last.
TClassMenu* InstallClassMenu(QMainWindow* window, QMenuBar* bar);
