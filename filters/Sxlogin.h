// The login window: who practises, and the filters saved last.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "FilterState.h"

class QComboBox;
class QLabel;
class QModelIndex;
class QPushButton;
class DrillSession;

// The account's own settings key for the name it logged in with last.
inline constexpr const char* kLastPersonKey = "Login/LastPerson";

class TLoginForm : public QDialog {
  Q_OBJECT
 public:
  // Tells the drill it is handed who practises, and applies the saved filters to its model.
  explicit TLoginForm(DrillSession* session = nullptr, QWidget* parent = nullptr);
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
  // The person this account logged in as last (in its own settings), as an
  // index of PersonNames; -1 when none.
  int AccountsLastPerson() const;
  void LoadPeople();
  void SavePeople();
  void ComboBox1KeyDown(int key);
  bool ShowSavedFilters();
  void Button1Click();
  void Button2Click();
  void FormClose();

  // The names of the list as people.dat holds them (bytes), beside the
  // name box's items that show them.
  std::vector<std::string> PersonNames;

 protected:
  void done(int result) override;  // every way of closing runs FormClose
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DrillSession* session_;
  void ComboBox1Edited(const QString& text);
  int ListRow(const QModelIndex& index) const;  // the name's position, from a row of the drop-down list
  void ApplySavedFilters();
  void SetQuestionShown(bool shown);
  void StartAfresh();

  int lastSelected_ = -1;   // the name preselected when the window shows
  bool deleting_ = false;   // the key being handled deletes text
  int startWidth_ = 0;
  int startHeight_ = 0;
};

extern TLoginForm* LoginForm;
