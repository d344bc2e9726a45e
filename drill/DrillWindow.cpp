#include "DrillWindow.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "Waymidi.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Sonorix"));
}

TForm1::~TForm1() = default;

void TForm1::showEvent(QShowEvent* event) { QMainWindow::showEvent(event); }
void TForm1::closeEvent(QCloseEvent* event) { QMainWindow::closeEvent(event); }
bool TForm1::eventFilter(QObject* watched, QEvent* event) { return QMainWindow::eventFilter(watched, event); }
