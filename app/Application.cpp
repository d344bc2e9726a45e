#include "Application.h"

#include <QMessageBox>
#include <exception>

TSonorixApplication::TSonorixApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Sonorix"));
}

bool TSonorixApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    QMessageBox::critical(activeWindow(), QStringLiteral("Sonorix"), QString::fromLocal8Bit(e.what()));
  }
  return false;
}
