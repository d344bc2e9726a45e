// The Class Overview's reading of a class folder: on its WebDAV server
// through the event loop (the core's fetch, a step at a time), or a local
// copy of it off the GUI thread; one row per account folder either way.
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "AssignmentFolders.h"
#include "AssignmentStore.h"
#include "ClassCache.h"
#include "ClassLink.h"
#include "ClassOverview.h"
#include "DataFile.h"
#include "People.h"
#include "Platform.h"
#include "QtScheduler.h"
#include "QtTransport.h"
#include "Storage.h"

namespace {

// The class this device joined, for the dialog's first guess: classlink.dat
// of the account's own folder, where joining keeps it, read as joining reads it.
std::pair<QString, QString> JoinedClass() {
  const std::optional<std::string> text = DataStorage().Read(AccountFile(kClassLinkFileName));
  const std::optional<ClassLinkState> state = text ? ParseClassLink(*text) : std::nullopt;
  if (!state) return {};
  return {QString::fromStdString(FolderAddress(state->address)), QString::fromStdString(state->account)};
}

}  // namespace

void TClassOverviewForm::Begin(const QString& folder, const QString& reading) {
  StopLoading();
  loading_ = true;
  ExportButton->setEnabled(false);
  PdfButton->setEnabled(false);
  folder_ = folder;
  FolderLabel->setText(reading.arg(folder_));
  today_ = static_cast<int32_t>(PlatformToday());
  LoadProgress->setValue(0);
  QTimer::singleShot(300, this, [this] {
    if (!loading_) return;
    LoadProgress->show();
    CancelButton->show();
  });
}

void TClassOverviewForm::LoadServerClass(const ClassConnection& connection, Transport* transport) {
  Begin(QString::fromStdString(FolderAddress(connection.address)), T("%1 — reading the class folder…"));
  const int generation = ++generation_;
  if (!transport) {
    if (!transport_) transport_ = std::make_unique<QtTransport>();
    transport = transport_.get();
  }
  if (!scheduler_) scheduler_ = std::make_unique<QtScheduler>();
  fetch_.reset();
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  // The assignments first, so that each folder is judged as it is read.
  // Without them (none set, or the file not readable) the class is shown as ever.
  assignmentsRead_ = std::make_unique<ServerAssignments>(connection, *transport, *scheduler_);
  assignmentsRead_->KeepCopy(DataStorage(), ClassCacheFolder() + AssignmentsCopyName(connection.address));
  assignmentsRead_->Read([this, generation, connection, transport](AssignmentsAnswer answer) {
    if (generation != generation_) return;
    if (cancel_ && cancel_->load()) {
      ShowCancelled();
      return;
    }
    FetchServerClass(connection, *transport, generation,
                     answer.outcome == AssignmentsOutcome::Failed ? std::vector<Assignment>{} : answer.file.assignments);
  });
}

void TClassOverviewForm::ShowCancelled() {
  loading_ = false;
  LoadProgress->hide();
  CancelButton->hide();
  FolderLabel->setText(T("%1 — reading the class folder was cancelled.").arg(folder_));
  emit Loaded();
}

void TClassOverviewForm::FetchServerClass(const ClassConnection& connection, Transport& transport, int generation,
                                          std::vector<Assignment> assignments) {
  fetch_ = std::make_unique<ClassFetch>(connection, transport, *scheduler_, DataStorage(), ClassCacheFolder(), today_);
  std::shared_ptr<AssignmentJudge> judge;
  if (!assignments.empty()) {
    Catalogue catalogue;
    catalogue.Load(kCatalogueFileName);
    judge = std::make_shared<AssignmentJudge>(assignments, ListsOf(catalogue));
    // An unchanged folder is judged from what was kept of it, as its figures are.
    fetch_->SetFolderJudge(KeptFolderJudge([judge] { return judge.get(); }));
  }
  fetch_->Start(
      [this](FetchProgress p) { LoadProgress->setValue(p.total > 0 ? p.done * 100 / p.total : 0); },
      [this, generation, judge, assignments = std::move(assignments)](ClassFetchResult r) {
        // After the fetch has let go of this call: the window may drop the fetch then.
        auto result = std::make_shared<ClassFetchResult>(std::move(r));
        QMetaObject::invokeMethod(
            this,
            [this, generation, result, judge, assignments] {
              if (generation != generation_) return;
              if (result->cancelled) {
                ShowCancelled();
                return;
              }
              if (result->fault != ClassFault::None) {
                loading_ = false;
                LoadProgress->hide();
                CancelButton->hide();
                FolderLabel->setText(QStringLiteral("%1 — %2").arg(folder_, QCoreApplication::translate("ClassLink", ClassReadFaultMessage(result->fault))));
                emit Loaded();
                return;
              }
              QString note;
              if (!result->unreadable.empty()) {
                QStringList names;
                for (const std::string& account : result->unreadable) names << QString::fromStdString(account);
                note = T("Folders this account may not read: %1.").arg(names.join(QStringLiteral(", ")));
              }
              Judged judged;
              if (judge) judged = {assignments, judge->Rows(today_)};
              ShowReading(result->reading, generation, note, std::move(judged));
            },
            Qt::QueuedConnection);
      });
}

void TClassOverviewForm::LoadClassCopy(const QString& folder) {
  Begin(folder, T("%1 — reading the class folder…"));
  const int generation = ++generation_;
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  const auto cancel = cancel_;
  const std::string path = QFile::encodeName(folder).toStdString();
  const int32_t today = today_;
  worker_ = std::thread([this, path, today, generation, cancel] {
    std::vector<std::string> unreadable;
    auto files = ReadLocalClass(path, &unreadable);
    auto reading = std::make_shared<ClassReading>();
    auto judged = std::make_shared<Judged>();
    QString note;
    if (!files) note = T("The folder cannot be read.");
    else if (!cancel->load()) {
      *reading = ReadClass(*files, today);
      *judged = JudgeAssignments(path, &*files, today);
    }
    if (!unreadable.empty()) note = T("Some files of the folder cannot be read.");
    const bool cancelled = cancel->load();
    QMetaObject::invokeMethod(
        this,
        [this, reading, judged, note, generation, cancelled] {
          if (generation != generation_) return;
          if (cancelled) {
            ShowCancelled();
            return;
          }
          ShowReading(*reading, generation, note, std::move(*judged));
        },
        Qt::QueuedConnection);
  });
}

void TClassOverviewForm::ServerButtonClick() {
  QDialog ask(this);
  ask.setWindowTitle(T("Open Class on Server"));
  auto* address = new QLineEdit();
  auto* account = new QLineEdit();
  auto* password = new QLineEdit();
  password->setEchoMode(QLineEdit::Password);
  const auto [joinedAddress, joinedAccount] = JoinedClass();
  address->setText(joinedAddress);
  account->setText(joinedAccount);
  auto* form = new QFormLayout(&ask);
  form->addRow(T("Class folder address:"), address);
  form->addRow(T("Account:"), account);
  form->addRow(T("Password:"), password);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
  (address->text().isEmpty() ? address : account->text().isEmpty() ? account : password)->setFocus();
  for (;;) {
    if (ask.exec() != QDialog::Accepted) return;
    const AddressCheck check = ParseClassAddress(address->text().toStdString());
    if (check.fault != AddressFault::None) {
      QMessageBox::warning(this, T("Open Class on Server"), QCoreApplication::translate("ClassLink", AddressFaultMessage(check.fault)));
      continue;
    }
    if (!IsUsableAccount(account->text().toStdString())) {
      QMessageBox::warning(this, T("Open Class on Server"), T("Type the account on the class's server."));
      continue;
    }
    LoadServerClass({check.address, {account->text().toStdString(), password->text().toStdString()}});
    return;
  }
}

void TClassOverviewForm::CopyButtonClick() {
  const QString folder = QFileDialog::getExistingDirectory(this, T("Open Class Copy"), QDir::homePath());
  if (!folder.isEmpty()) LoadClassCopy(folder);
}
