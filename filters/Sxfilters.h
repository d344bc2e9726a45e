// The filter window: which cardinality, which range and which set classes are drilled.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>

#include "FilterModel.h"
#include "FilterState.h"
#include "FilterSteps.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class TRadioGroup;

class TFilterForm : public QDialog {
  Q_OBJECT
 public:
  // Shows the model it is handed and changes it; the model outlives the window.
  explicit TFilterForm(FilterModel& model, QWidget* parent = nullptr);
  ~TFilterForm() override;

  // --- designed controls --------------------------------------------------
  QLabel* Label1 = nullptr;
  QFrame* Bevel1 = nullptr;
  TRadioGroup* RadioGroup2 = nullptr;  // cardinality
  TRadioGroup* RadioGroup1 = nullptr;  // range
  QCheckBox* SaveBox = nullptr;
  QPushButton* Button1 = nullptr;      // OK
  QPushButton* AllButton1 = nullptr;
  QPushButton* NoneButton1 = nullptr;

  // --- run-time members ---------------------------------------------------
  std::array<QCheckBox*, 32> SetClassBoxes = {};
  int ShownPage = 0;  // 0 trichords, 1 tetrachords

  // --- operations ---------------------------------------------------------
  int ShowModal();
  bool IsEnabled(int listIndex) const;
  int RangeIndex() const;
  int CardinalityIndex() const;
  int ModeCode() const;
  int32_t EnabledMaskLow() const;
  int32_t EnabledMaskHigh() const;
  void GetFilterState(FilterState& state) const;
  static void SetFilterState(FilterState& state, int32_t low, int32_t high, int32_t mode);
  static bool SameFilterState(int32_t a1, int32_t a2, int32_t a3, int32_t b1, int32_t b2, int32_t b3);
  void SaveFilters() const;
  static void LoadFilters(FilterState& state);
  void ApplyFilters(const FilterState& state);
  void FillAnswerList();
  void BuildTrichordPage();
  void BuildTetrachordPage();
  void AllButton1Click();
  void NoneButton1Click();
  void RadioGroup2Click();
  void FormClose();

 protected:
  void done(int result) override;  // every way of closing runs FormClose

 private:
  // Shows what the model holds now; a whole applied state goes through ApplyFilters.
  void Follow(FilterModel::Change change);

  // Runs the core's steps on the model, the controls following once at the end.
  template <class Steps>
  void Run(const Steps& steps);
  // The boxes as the model marks them.
  void ShowMarks();
  // The page of that cardinality laid out.
  void LayOutPage(int page);
  // The page's boxes, frame, caption and the controls beside them, for the list in use.
  void LayOutPage(std::initializer_list<int> columnOffsets, int rowsPerColumn, const QString& caption,
                  const QString& prefix, int page);

  FilterModel& model_;
  std::unique_ptr<FilteredDrillSide> side_;
  FilterSteps steps_;
  int listenKey_ = -1;
  bool following_ = false;  // the controls are being set from the model

  // The length of the drill window's current cardinality list (0..29).
  int ListLength() const;
  std::array<bool, 32> CheckedBoxes() const;
  // Checks boxes 0 to count - 1.
  void CheckFirst(int count);
};

extern TFilterForm* FilterForm;
