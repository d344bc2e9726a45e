#include "JoinClassForm.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "ClassLink.h"
#include "ClassTexts.h"
#include "PasswordStore.h"

std::string ClassPasswordKey(const std::string& account, const std::string& address) {
  return account + " " + address;
}

TJoinClassForm::TJoinClassForm(ClassLink& link, PasswordStore& passwords, QWidget* parent)
    : QDialog(parent), link_(link), passwords_(passwords) {
  setObjectName(QStringLiteral("JoinClassForm"));
  const bool again = link.Joined();
  setWindowTitle(again ? tr("Class Password") : tr("Join a Class"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout();
  AddressEdit = new QLineEdit(this);
  AddressEdit->setPlaceholderText(QStringLiteral("https://cloud.school.example/remote.php/dav/files/teacher/Theory 1/"));
  AddressEdit->setMinimumWidth(420);
  AccountEdit = new QLineEdit(this);
  PasswordEdit = new QLineEdit(this);
  PasswordEdit->setEchoMode(QLineEdit::Password);
  // Kept out of the clipboard and of input methods' memories.
  PasswordEdit->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
  form->addRow(tr("Class folder's &WebDAV address:"), AddressEdit);
  form->addRow(tr("&Account:"), AccountEdit);
  form->addRow(tr("App &password:"), PasswordEdit);
  layout->addLayout(form);
  RememberBox = new QCheckBox(tr("&Remember on this device"), this);
  layout->addWidget(RememberBox);
  MessageLabel = new QLabel(this);
  MessageLabel->setWordWrap(true);
  MessageLabel->setTextFormat(Qt::PlainText);
  layout->addWidget(MessageLabel);
  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(Buttons);
  connect(Buttons, &QDialogButtonBox::accepted, this, [this] { Try(); });
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  if (again) {
    AddressEdit->setText(QString::fromStdString(link.Address()));
    AccountEdit->setText(QString::fromStdString(link.Account()));
    AddressEdit->setReadOnly(true);
    AccountEdit->setReadOnly(true);
    PasswordEdit->setFocus();
  }
}

void TJoinClassForm::Say(const QString& text) {
  MessageLabel->setText(text);
  // A screen reader hears why OK did nothing.
  MessageLabel->setAccessibleName(text);
}

void TJoinClassForm::Try() {
  if (asking_) return;
  const std::string address = AddressEdit->text().trimmed().toStdString();
  const std::string account = AccountEdit->text().trimmed().toStdString();
  const AddressFault fault = ClassLink::CheckAddress(address);
  if (fault != AddressFault::None) {
    Say(ClassText(AddressFaultMessage(fault)));
    AddressEdit->setFocus();
    return;
  }
  if (!IsUsableAccount(account)) {
    Say(tr("Type the account that the class's server knows."));
    AccountEdit->setFocus();
    return;
  }
  asking_ = true;
  Buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
  Say(tr("Asking the class's server…"));
  const bool remember = RememberBox->isChecked();
  const std::string password = PasswordEdit->text().toStdString();
  QPointer<TJoinClassForm> self(this);
  PasswordStore* passwords = &passwords_;
  ClassLink* link = &link_;
  link_.Join(address, {account, password}, [self, passwords, link, remember, password](ClassFault answer) {
    if (answer == ClassFault::None) {
      const std::string key = ClassPasswordKey(link->Account(), link->Address());
      if (remember) passwords->Save(key, password);
      else passwords->Forget(key);
    }
    if (!self) return;
    self->asking_ = false;
    self->Buttons->button(QDialogButtonBox::Ok)->setEnabled(true);
    if (answer != ClassFault::None) {
      self->Say(ClassText(ClassFaultMessage(answer)));
      return;
    }
    emit self->joined();
    self->accept();
  });
}

void TJoinClassForm::reject() {
  if (asking_) link_.CancelJoin();
  asking_ = false;
  QDialog::reject();
}
