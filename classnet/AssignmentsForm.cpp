#include "AssignmentsForm.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "AssignmentEditor.h"
#include "AssignmentsMenu.h"
#include "ClassTexts.h"
#include "DrillWindow.h"
#include "Platform.h"
#include "PracticeLog.h"
#include "SessionLog.h"

TAssignmentsForm::TAssignmentsForm(TAssignmentsMenu& menu, QWidget* parent) : QDialog(parent), menu_(menu) {
  setObjectName(QStringLiteral("AssignmentsForm"));
  setWindowTitle(tr("Assignments"));
  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(tr("&Open assignments:"), this);
  layout->addWidget(caption);
  List = new QTreeWidget(this);
  List->setObjectName(QStringLiteral("AssignmentList"));
  List->setAccessibleName(tr("Assignments"));
  List->setRootIsDecorated(false);
  List->setHeaderLabels({tr("Title"), tr("Due"), tr("Progress"), tr("Status")});
  List->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int c = 1; c < 4; ++c) List->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
  List->header()->setStretchLastSection(false);
  List->setMinimumSize(560, 180);
  caption->setBuddy(List);
  layout->addWidget(List, 1);
  Instructions = new QLabel(this);
  Instructions->setObjectName(QStringLiteral("AssignmentInstructions"));
  Instructions->setWordWrap(true);
  Instructions->setTextFormat(Qt::PlainText);
  Instructions->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  Instructions->setFocusPolicy(Qt::StrongFocus);
  layout->addWidget(Instructions);
  Message = new QLabel(this);
  Message->setObjectName(QStringLiteral("AssignmentMessage"));
  Message->setWordWrap(true);
  Message->setTextFormat(Qt::PlainText);
  layout->addWidget(Message);

  auto* buttons = new QHBoxLayout;
  const auto button = [this, buttons](const QString& text, const char* name) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  StartButton = button(tr("&Start"), "StartAssignment");
  StopButton = button(tr("S&top"), "StopAssignment");
  NewButton = button(tr("&New…"), "NewAssignment");
  EditButton = button(tr("&Edit…"), "EditAssignment");
  CopyButton = button(tr("&Copy…"), "CopyAssignment");
  DeleteButton = button(tr("&Delete"), "DeleteAssignment");
  buttons->addStretch(1);
  CloseButton = button(tr("Close"), "CloseAssignments");
  layout->addLayout(buttons);
  for (QPushButton* b : {NewButton, EditButton, CopyButton, DeleteButton}) b->setVisible(menu.MayEdit());
  StartButton->setToolTip(tr("Sets the drill window to the assignment's classes, range and play mode; your own "
                             "settings stay saved."));
  StopButton->setToolTip(tr("Gives you your own drill settings back."));

  connect(List, &QTreeWidget::currentItemChanged, this, [this] { Selected(); });
  connect(List, &QTreeWidget::itemActivated, this, [this] {
    if (StartButton->isEnabled()) StartButtonClick();
  });
  connect(StartButton, &QPushButton::clicked, this, [this] { StartButtonClick(); });
  connect(StopButton, &QPushButton::clicked, this, [this] { StopButtonClick(); });
  connect(NewButton, &QPushButton::clicked, this, [this] { NewButtonClick(); });
  connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
  connect(CopyButton, &QPushButton::clicked, this, [this] { CopyButtonClick(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
  Selected();
  Reload();
}

int TAssignmentsForm::Row() const {
  const int row = List->currentItem() ? List->indexOfTopLevelItem(List->currentItem()) : -1;
  return row >= 0 && row < static_cast<int>(assignments_.size()) ? row : -1;
}

void TAssignmentsForm::Say(const QString& text) {
  Message->setText(text);
  Message->setAccessibleName(text);
  QAccessibleEvent event(Message, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void TAssignmentsForm::Reload() {
  busy_ = true;
  Selected();
  QPointer<TAssignmentsForm> self(this);
  menu_.Place().Read([self](AssignmentsAnswer answer) {
    if (self) self->Show(answer);
  });
}

void TAssignmentsForm::Show(const AssignmentsAnswer& answer) {
  busy_ = false;
  assignments_ = answer.file.assignments;
  const auto today = static_cast<int32_t>(PlatformToday());
  progress_ = OwnProgress(assignments_, menu_.Lists(), menu_.Person(), today, kReportFileName, kPracticeFileName)
                  .value_or(std::vector<AssignmentProgress>(assignments_.size()));
  Fill();
  if (answer.outcome == AssignmentsOutcome::Failed && menu_.PasswordNeeded())
    Say(tr("The class's assignments are on its server: type the class's password (Class › Class Password…) to "
           "see them."));
  else if (answer.outcome == AssignmentsOutcome::Failed)
    Say(ClassText(ClassFaultMessage(answer.fault)));
  else if (answer.outcome != AssignmentsOutcome::Done)
    Say(AssignmentText(AssignmentsOutcomeMessage(answer.outcome)));
  else if (!answer.file.warnings.empty())
    Say(tr("%1, line %2: %3")
            .arg(QString::fromStdString(kAssignmentsFileName))
            .arg(answer.file.warnings.front().line)
            .arg(AssignmentText(answer.file.warnings.front().why.c_str())));
  else if (assignments_.empty())
    Say(tr("No assignments are set."));
}

void TAssignmentsForm::Fill() {
  const int keep = std::max(Row(), 0);
  List->clear();
  const auto today = static_cast<int32_t>(PlatformToday());
  for (size_t n = 0; n < assignments_.size(); ++n) {
    const Assignment& a = assignments_[n];
    const AssignmentProgress& p = progress_[n];
    QString status = StatusName(p.status);
    if (today < a.start) status = tr("from %1").arg(DayText(a.start));
    auto* item = new QTreeWidgetItem(
        List, {QString::fromStdString(a.title), DayText(a.due), ProgressName(a, p), status});
    // Late and done stand out without colour alone.
    if (p.status == AssignmentStatus::Late || p.status == AssignmentStatus::Done) {
      QFont font = item->font(3);
      font.setBold(true);
      item->setFont(3, font);
    }
    item->setData(0, Qt::AccessibleTextRole,
                  tr("%1, due %2, %3, %4").arg(item->text(0), item->text(1), item->text(2), item->text(3)));
  }
  if (!assignments_.empty()) List->setCurrentItem(List->topLevelItem(std::min<int>(keep, List->topLevelItemCount() - 1)));
  Selected();
}

QStringList TAssignmentsForm::RowTexts(int row) const {
  QStringList texts;
  if (const QTreeWidgetItem* item = List->topLevelItem(row))
    for (int c = 0; c < List->columnCount(); ++c) texts << item->text(c);
  return texts;
}

void TAssignmentsForm::Selected() {
  const int row = Row();
  const bool started = menu_.Run().Started();
  StartButton->setEnabled(!busy_ && row >= 0 && !menu_.Drill().Drilling);
  StopButton->setEnabled(started && !menu_.Drill().Drilling);
  EditButton->setEnabled(!busy_ && row >= 0);
  CopyButton->setEnabled(!busy_ && row >= 0);
  DeleteButton->setEnabled(!busy_ && row >= 0);
  NewButton->setEnabled(!busy_);
  QString text;
  if (row >= 0) {
    for (const std::string& line : assignments_[static_cast<size_t>(row)].instructions)
      text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(line);
  }
  Instructions->setText(text);
  Instructions->setAccessibleName(text.isEmpty() ? tr("No instructions") : tr("Instructions: %1").arg(text));
  Instructions->setVisible(!text.isEmpty());
}

void TAssignmentsForm::StartButtonClick() {
  const int row = Row();
  if (row < 0) return;
  const Assignment& a = assignments_[static_cast<size_t>(row)];
  if (!menu_.Start(a)) {
    Say(tr("The assignment names a set class the catalogue does not have."));
    return;
  }
  static const char* const kPlay[] = {QT_TR_NOOP("as a chord"), QT_TR_NOOP("as a figure"),
                                      QT_TR_NOOP("as a mixed figure")};
  Say(tr("Started: %1. Play %2.").arg(QString::fromStdString(a.title), tr(kPlay[std::clamp(a.playMode, 0, 2)])));
  Selected();
}

void TAssignmentsForm::StopButtonClick() {
  menu_.Stop();
  Say(tr("Your own drill settings are back."));
  Selected();
}

void TAssignmentsForm::Save(std::vector<Assignment> assignments) {
  busy_ = true;
  Selected();
  QPointer<TAssignmentsForm> self(this);
  menu_.Place().Write(assignments, [self](AssignmentsAnswer answer) {
    if (!self) return;
    self->Show(answer);
    if (answer.outcome == AssignmentsOutcome::Done) self->Say(tr("The assignments are saved."));
  });
}

void TAssignmentsForm::NewButtonClick() {
  Assignment a;
  const auto today = static_cast<int32_t>(PlatformToday());
  a.start = today;
  a.due = today + 6;
  a.count = 3;
  a.right = 20;
  a.percent = 80;
  TAssignmentEditor editor(a, menu_.Lists(), this);
  editor.setWindowTitle(tr("New Assignment"));
  if (editor.exec() != QDialog::Accepted) return;
  std::vector<Assignment> list = assignments_;
  list.push_back(editor.Result());
  Save(std::move(list));
}

void TAssignmentsForm::EditButtonClick() {
  const int row = Row();
  if (row < 0) return;
  TAssignmentEditor editor(assignments_[static_cast<size_t>(row)], menu_.Lists(), this);
  editor.setWindowTitle(tr("Edit Assignment"));
  if (editor.exec() != QDialog::Accepted) return;
  std::vector<Assignment> list = assignments_;
  list[static_cast<size_t>(row)] = editor.Result();
  Save(std::move(list));
}

void TAssignmentsForm::CopyButtonClick() {
  const int row = Row();
  if (row < 0) return;
  Assignment copy = assignments_[static_cast<size_t>(row)];
  copy.title = tr("%1 (copy)").arg(QString::fromStdString(copy.title)).toStdString();
  TAssignmentEditor editor(copy, menu_.Lists(), this);
  editor.setWindowTitle(tr("Copy Assignment"));
  if (editor.exec() != QDialog::Accepted) return;
  std::vector<Assignment> list = assignments_;
  list.insert(list.begin() + row + 1, editor.Result());
  Save(std::move(list));
}

void TAssignmentsForm::DeleteButtonClick() {
  const int row = Row();
  if (row < 0) return;
  QMessageBox box(QMessageBox::Question, tr("Delete Assignment"),
                  tr("Delete \"%1\"? The students' drills stay as they are.")
                      .arg(QString::fromStdString(assignments_[static_cast<size_t>(row)].title)),
                  QMessageBox::Yes | QMessageBox::No, this);
  box.setObjectName(QStringLiteral("DeleteAssignmentQuestion"));
  box.setDefaultButton(QMessageBox::No);
  if (box.exec() != QMessageBox::Yes) return;
  std::vector<Assignment> list = assignments_;
  list.erase(list.begin() + row);
  Save(std::move(list));
}
