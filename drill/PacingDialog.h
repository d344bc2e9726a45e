// Options › Pause and Wait for Me: when the next question sounds, chosen in
// a small window of ours and kept in sonorix.ini.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QMenu;
class TForm1;

class TPacingForm : public QDialog {
  Q_OBJECT
 public:
  // Shows the choices as sonorix.ini holds them.
  explicit TPacingForm(QWidget* parent = nullptr);
  // OK keeps the choices; Cancel, Escape and the close box leave them.
  void accept() override;

  QComboBox* PauseBox = nullptr;
  QCheckBox* WaitBox = nullptr;
};

// The "Options" menu: after "Help", as "View" is, so that no menu of the
// design moves; before "View", which stays last.
QMenu* InstallPacingMenu(TForm1* form);
