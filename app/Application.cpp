#include "Application.h"

#include <QIcon>
#include <QMessageBox>
#include <clocale>
#include <cstdio>
#include <exception>

#include "DrillWindow.h"
#include "FocusFrame.h"

TSonorixApplication::TSonorixApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The toolkit adopts the user's locale; the data files and the score labels
  // must keep the decimal point whatever the desktop's language.
  std::setlocale(LC_NUMERIC, "C");
  setApplicationName(QStringLiteral("Sonorix"));
  // The desktop entry's name lets a Wayland desktop match the window to it.
  setDesktopFileName(QStringLiteral("org.sonorix.sonorix"));
  QIcon icon;
  for (const int size : {48, 128, 256})
    icon.addFile(QStringLiteral(":/icons/org.sonorix.sonorix-%1.png").arg(size), QSize(size, size));
  setWindowIcon(icon);
  const QString platform = platformName();
  showsMessageBoxes_ = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
  InstallFocusFrame();
}

bool TSonorixApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowException(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    // Nothing in the program raises anything else, but letting it through
    // the toolkit's event dispatch would end the program.
    ShowException(QCoreApplication::translate("TSonorixApplication", "Unknown exception"));
  }
  return false;
}

void TSonorixApplication::ShowException(const QString& message) {
  std::fprintf(stderr, "sonorix: %s\n", message.toLocal8Bit().constData());
  std::fflush(stderr);
  if (showsMessageBoxes_) QMessageBox::critical(activeWindow(), applicationName(), message);
}

int RunSonorix(TSonorixApplication& app) {
  try {
    CreateSonorixWindows();
  } catch (const std::exception& e) {
    app.ShowException(QString::fromLocal8Bit(e.what()));
    return 1;
  } catch (...) {
    app.ShowException(QCoreApplication::translate("TSonorixApplication", "Unknown exception"));
    return 1;
  }
  Form1->show();
  const int rc = app.exec();
  DestroySonorixWindows();
  return rc;
}
