// One assignment as the teacher sets it: title, instructions, the set classes
// with the filter window's check boxes (catalogue order, Forte names), the
// range and play mode, what counts as done, and the dates.
#pragma once

#include <QDialog>
#include <vector>

#include "Assignments.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

class TAssignmentEditor : public QDialog {
  Q_OBJECT
 public:
  TAssignmentEditor(const Assignment& assignment, PracticeLists lists, QWidget* parent = nullptr);
  // What the controls hold now.
  Assignment Result() const;

  QLineEdit* TitleEdit = nullptr;
  QPlainTextEdit* InstructionsEdit = nullptr;
  QComboBox* CardinalityBox = nullptr;
  std::vector<QCheckBox*> ClassBoxes;
  QComboBox* RangeBox = nullptr;
  QComboBox* PlayBox = nullptr;
  QComboBox* GoalBox = nullptr;
  QSpinBox* CountBox = nullptr;
  QSpinBox* RightBox = nullptr;
  QSpinBox* PercentBox = nullptr;
  QDateEdit* StartEdit = nullptr;
  QDateEdit* DueEdit = nullptr;
  QLabel* Problem = nullptr;

 protected:
  void done(int result) override;

 private:
  void ShowClasses(int cardinality, const Assignment* from);
  void ShowGoal();

  PracticeLists lists_;
  QGridLayout* classGrid_ = nullptr;
  QLabel* rightLabel_ = nullptr;
  QLabel* percentLabel_ = nullptr;
};
