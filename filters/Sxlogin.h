// The login window: who practises, and the filters saved last.
#pragma once

#include <QDialog>
#include <cstdint>

#include "FilterState.h"

class QComboBox;
class QLabel;
class QPushButton;

class TLoginForm : public QDialog {
  Q_OBJECT
 public:
  explicit TLoginForm(QWidget* parent = nullptr);
  ~TLoginForm() override;

  QLabel* StaticText5 = nullptr;
  QLabel* StaticText1 = nullptr;
  QLabel* StaticText2 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QLabel* StaticText3 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* StaticText4 = nullptr;
  QPushButton* Button1 = nullptr;  // &Yes
  QPushButton* Button2 = nullptr;  // &No

  int32_t PersonIndex = 0;
  FilterState SavedFilters;

  int ShowModal();
  void LoadPeople();
  void SavePeople();
  void ComboBox1KeyDown(int key);
  bool ShowSavedFilters();
  void Button1Click();
  void Button2Click();
  void FormClose();

 protected:
  void done(int result) override;  // every way of closing runs FormClose
};

extern TLoginForm* LoginForm;
