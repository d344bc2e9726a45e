#include "ClassMenu.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

#include "ClassTexts.h"
#include "DataFile.h"
#include "DrillFiling.h"
#include "JoinClassForm.h"
#include "QtTransport.h"

std::optional<std::string> OwnStorage::Read(const std::string& name) { return DataStorage().Read(AccountFile(name)); }
std::optional<std::string> OwnStorage::ReadAll(const std::string& name) {
  return DataStorage().ReadAll(AccountFile(name));
}
bool OwnStorage::Exists(const std::string& name) { return DataStorage().Exists(AccountFile(name)); }
bool OwnStorage::Replace(const std::string& name, std::string_view bytes) {
  return DataStorage().Replace(AccountFile(name), bytes);
}
bool OwnStorage::Append(const std::string& name, std::string_view bytes, bool onFreshLine) {
  return DataStorage().Append(AccountFile(name), bytes, onFreshLine);
}
bool OwnStorage::Update(const std::string& name, const Edit& edit) { return DataStorage().Update(AccountFile(name), edit); }

TClassMenu::TClassMenu(QMainWindow* window, QMenuBar* bar, Transport* transport)
    : QObject(window), window_(window), scheduler_(this) {
  setObjectName(QStringLiteral("ClassMenu"));
  Transport* http = transport;
  if (!http) {
    auto qt = std::make_unique<QtTransport>();
    http = qt.get();
    http_ = std::move(qt);
  }
  transport_ = http;
  link_ = std::make_unique<ClassLink>(own_, *http, scheduler_);
  SetDrillFiling(link_.get());

  Class1 = new QMenu(tr("&Class"), bar);
  Class1->setObjectName(QStringLiteral("Class1"));
  const QMenu* view = bar->findChild<QMenu*>(QStringLiteral("View1"));
  bar->insertMenu(view ? view->menuAction() : nullptr, Class1);
  Join1 = Class1->addAction(tr("&Join a Class…"));
  Join1->setObjectName(QStringLiteral("JoinClass1"));
  Password1 = Class1->addAction(tr("Class &Password…"));
  Password1->setObjectName(QStringLiteral("ClassPassword1"));
  Leave1 = Class1->addAction(tr("&Leave the Class"));
  Leave1->setObjectName(QStringLiteral("LeaveClass1"));
  connect(Join1, &QAction::triggered, this, [this] { Join1Click(); });
  connect(Password1, &QAction::triggered, this, [this] { Password1Click(); });
  connect(Leave1, &QAction::triggered, this, [this] { Leave1Click(); });

  StatusLabel = new QLabel(window);
  StatusLabel->setObjectName(QStringLiteral("ClassStatus"));
  StatusLabel->setTextFormat(Qt::PlainText);
  window->statusBar()->addWidget(StatusLabel, 1);
  link_->SetChanged([this] { ShowStatus(); });
  ShowStatus();
  UsePassword();
}

TClassMenu::~TClassMenu() {
  // The drill window's session may still hand a drill over as it goes: to nobody.
  if (CurrentDrillFiling() == link_.get()) SetDrillFiling(nullptr);
  link_->SetChanged({});
}

TClassMenu* TClassMenu::Of(const QObject* window) {
  return window ? window->findChild<TClassMenu*>(QStringLiteral("ClassMenu"), Qt::FindDirectChildrenOnly) : nullptr;
}

// After a start: the remembered password, if any; else the status asks for it.
void TClassMenu::UsePassword() {
  if (!link_->Joined() || link_->HasPassword()) return;
  const std::string key = ClassPasswordKey(link_->Account(), link_->Address());
  QPointer<TClassMenu> self(this);
  passwords_.Load(key, [self, key](std::optional<std::string> password) {
    if (!self || !self->link_->Joined() || ClassPasswordKey(self->link_->Account(), self->link_->Address()) != key)
      return;
    if (password) self->link_->SetPassword(*password);
    else self->AskPasswordWhenShown();
  });
}

// Not remembered: asked once the drill window shows and no other window
// (the login) waits for an answer; the drill goes on meanwhile.
void TClassMenu::AskPasswordWhenShown() {
  auto* wait = new QTimer(this);
  wait->setInterval(300);
  connect(wait, &QTimer::timeout, this, [this, wait] {
    if (!window_->isVisible() || QApplication::activeModalWidget()) return;
    wait->deleteLater();
    if (!link_->Joined() || link_->HasPassword()) return;
    auto* form = new TJoinClassForm(*link_, passwords_, window_);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
  });
  wait->start();
}

void TClassMenu::ShowStatus() {
  const bool joined = link_->Joined();
  Join1->setEnabled(!joined);
  Password1->setEnabled(joined);
  Leave1->setEnabled(joined);
  const QString line = ClassStatusLine(link_->Status());
  StatusLabel->setText(line);
  StatusLabel->setAccessibleName(line);
  // In no class the window keeps the size it was designed with.
  window_->statusBar()->setVisible(joined || (extraStatus_ && extraStatus_()));
}

void TClassMenu::Join1Click() {
  if (link_->Joined()) return;
  TJoinClassForm form(*link_, passwords_, window_);
  form.exec();
}

void TClassMenu::Password1Click() {
  if (!link_->Joined()) return;
  TJoinClassForm form(*link_, passwords_, window_);
  form.exec();
}

QString TClassMenu::LeaveQuestion() {
  const int drills = link_->Waiting().drills;
  const QString waiting =
      drills == 0 ? QString()
      : drills == 1
          ? tr("%n drill still waits for the network and will not reach the class.", nullptr, drills)
          : tr("%n drills still wait for the network and will not reach the class.", nullptr, drills);
  const QString question = tr("Leave the class? Your drills stay on this computer.");
  return waiting.isEmpty() ? question : waiting + QLatin1Char('\n') + question;
}

void TClassMenu::Leave1Click() {
  if (!link_->Joined()) return;
  QMessageBox box(QMessageBox::Question, tr("Leave the Class"), LeaveQuestion(), QMessageBox::Yes | QMessageBox::No,
                  window_);
  box.setObjectName(QStringLiteral("LeaveClassQuestion"));
  box.setDefaultButton(QMessageBox::No);
  if (box.exec() == QMessageBox::Yes) Leave();
}

void TClassMenu::Leave() {
  passwords_.Forget(ClassPasswordKey(link_->Account(), link_->Address()));
  link_->Leave();
}

TClassMenu* InstallClassMenu(QMainWindow* window, QMenuBar* bar) {
  if (!window || !bar || TClassMenu::Of(window)) return TClassMenu::Of(window);
  return new TClassMenu(window, bar);
}
