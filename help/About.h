// The about box: the product name and version, then the credit lines.
#pragma once

#include <QDialog>
#include <vector>

class QLabel;

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  ~TAboutBox() override;

  QLabel* ProductName = nullptr;     // "Sonorix v. 3.0"
  std::vector<QLabel*> CreditLines;  // top to bottom

  int ShowModal();
};

extern TAboutBox* AboutBox;
