// The window of MIDI > "Answer From Keyboard…": the input port and whether
// played notes are taken as answers.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class TKeyboardAnswer;

class TKeyboardForm : public QDialog {
  Q_OBJECT
 public:
  // Shows and changes the settings of the answer it is handed (none: no ports).
  explicit TKeyboardForm(TKeyboardAnswer* answer, QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;        // "MIDI input port:"
  QListWidget* ListBox1 = nullptr; // the input ports
  QCheckBox* CheckBox1 = nullptr;  // "Answer by playing"
  QLabel* Label2 = nullptr;        // help line
  QPushButton* Button1 = nullptr;  // OK
  QLabel* NoPortLabel = nullptr;   // over the empty list: how a keyboard appears
  QTimer* PortTimer = nullptr;     // lists a keyboard connected while the window is open

  int ShowModal();
  void FormShow();
  void FormClose();
  // Lists the input ports anew when they changed, keeping the chosen row.
  void RefreshPorts();

  static constexpr int kPortCheckMs = 1000;

 protected:
  void done(int result) override;  // every way of closing runs FormClose

 private:
  void UpdateChoice();  // "Answer by playing" only with a port chosen

  TKeyboardAnswer* answer_;
};

extern TKeyboardForm* KeyboardForm;

class DrillView;

// Answering by playing, beside the drill window: called once its library is
// loaded and its menu exists (the menu item, this window, the settings and
// the port), and again before its library goes.
void InstallKeyboardAnswer(DrillView* view);
void RemoveKeyboardAnswer();
