// The MIDI setup window: choosing the output device the drill plays on.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;
class TWayMidiOut;

// A list that reports each choice of an entry as a click: by mouse, also on
// the entry already selected, and by keyboard whenever the selection moves.
// Selections made from code stay silent.
class TDeviceListBox : public QListWidget {
  Q_OBJECT
 public:
  using QListWidget::QListWidget;
  std::function<void()> OnClick;
  int SelectedRow() const;  // -1 when no entry is selected

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
  int rowAtPress_ = -1;
};

class TMidiForm : public QDialog {
  Q_OBJECT
 public:
  // Lists the devices of the port's library into deviceCount and opens the port
  // on the one chosen; the title of `captioned` tells whether sound goes out.
  TMidiForm(TWayMidiOut& port, int32_t& deviceCount, QWidget& captioned, QWidget* parent = nullptr);
  ~TMidiForm() override;

  QLabel* Label1 = nullptr;
  TDeviceListBox* ListBox1 = nullptr;
  QPushButton* Button1 = nullptr;  // OK

  int ShowModal();
  void ListBox1Click();

 private:
  TWayMidiOut& port_;
  int32_t& deviceCount_;
  QWidget& captioned_;
};

extern TMidiForm* MidiForm;
