// Class › Join a Class…: the class folder's address, the account and its
// app password. Nothing is sent before the address passes the core's rules
// (HTTPS, or plain HTTP to this computer alone); the server's answer, or
// why there was none, shows in the window, which stays open until a yes.
#pragma once

#include <QDialog>

class ClassLink;
class PasswordStore;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

class TJoinClassForm : public QDialog {
  Q_OBJECT
 public:
  // Joined already, the address and account are the class's and only the
  // password is asked (after a start that did not remember it).
  TJoinClassForm(ClassLink& link, PasswordStore& passwords, QWidget* parent = nullptr);

  // OK: checks, then asks the server; accepted on its yes.
  void Try();
  // Cancel while the server is asked: its answer joins nothing.
  void reject() override;
  bool Asking() const { return asking_; }

  QLineEdit* AddressEdit = nullptr;
  QLineEdit* AccountEdit = nullptr;
  QLineEdit* PasswordEdit = nullptr;
  QCheckBox* RememberBox = nullptr;
  QLabel* MessageLabel = nullptr;
  QDialogButtonBox* Buttons = nullptr;

 signals:
  // The server said yes; the class is joined.
  void joined();

 private:
  void Say(const QString& text);

  ClassLink& link_;
  PasswordStore& passwords_;
  bool asking_ = false;
};

// The key a remembered password is kept under: the account at the class.
std::string ClassPasswordKey(const std::string& account, const std::string& address);
