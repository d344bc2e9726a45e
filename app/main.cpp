#include <QMessageBox>
#include <cstdio>
#include <exception>

#include "Application.h"
#include "DrillWindow.h"

int main(int argc, char** argv) {
  TSonorixApplication app(argc, argv);
  try {
    CreateSonorixWindows();
  } catch (const std::exception& e) {
    // A failure while the windows are created ends the start, showing no window.
    std::fprintf(stderr, "sonorix: %s\n", e.what());
    QMessageBox::critical(nullptr, QStringLiteral("Sonorix"), QString::fromLocal8Bit(e.what()));
    return 1;
  }
  Form1->show();
  int rc = app.exec();
  DestroySonorixWindows();
  return rc;
}
