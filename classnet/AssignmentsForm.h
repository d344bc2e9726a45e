// The Class > "Assignments" window: what is set, when it is due, and how far
// the student is; "Start" and "Stop" in the drill window. The teacher also
// makes, changes, copies and deletes them here.
#pragma once

#include <QDialog>
#include <vector>

#include "AssignmentStore.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class TAssignmentsMenu;

class TAssignmentsForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAssignmentsForm(TAssignmentsMenu& menu, QWidget* parent = nullptr);

  QTreeWidget* List = nullptr;
  QLabel* Instructions = nullptr;
  QLabel* Message = nullptr;
  QPushButton* StartButton = nullptr;
  QPushButton* StopButton = nullptr;
  QPushButton* NewButton = nullptr;
  QPushButton* EditButton = nullptr;
  QPushButton* CopyButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* CloseButton = nullptr;

  void Reload();
  const std::vector<Assignment>& Assignments() const { return assignments_; }
  // The rows' texts: title, due, progress, status; for a test.
  QStringList RowTexts(int row) const;

  void StartButtonClick();
  void StopButtonClick();
  void NewButtonClick();
  void EditButtonClick();
  void CopyButtonClick();
  void DeleteButtonClick();

 private:
  void Show(const AssignmentsAnswer& answer);
  void Fill();
  void Selected();
  void Save(std::vector<Assignment> assignments);
  void Say(const QString& text);
  int Row() const;

  TAssignmentsMenu& menu_;
  std::vector<Assignment> assignments_;
  std::vector<AssignmentProgress> progress_;
  bool busy_ = false;
};
