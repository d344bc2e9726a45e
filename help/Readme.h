// The readme viewer: the student instructions of readme.txt.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TReadmeBox : public QDialog {
  Q_OBJECT
 public:
  explicit TReadmeBox(QWidget* parent = nullptr);
  ~TReadmeBox() override;

  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;  // Close

  int ShowModal();
};

extern TReadmeBox* ReadmeBox;
