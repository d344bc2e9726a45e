#include "Application.h"

#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <exception>

#include "DataFile.h"
#include "DrillWindow.h"
#include "FocusFrame.h"
#include "Settings.h"

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

void TSonorixApplication::ShowFileTrouble(FileTrouble trouble, const QString& file, const QString& reason,
                                          const QString& kept) {
  if (!showsMessageBoxes_) return;  // stderr has it
  const QString path = QDir::current().absoluteFilePath(file);
  QString text;
  if (trouble == FileTrouble::NotUnderstood) {
    text = tr("Some lines of %1 are no settings (%2). They stay in the file as they are; the settings that could be "
              "read are used.")
               .arg(path, reason);
  } else if (!kept.isEmpty()) {
    text = tr("Your work could not be saved in %1: %2.\n\nIt is kept in %3 and will be added at the next start of "
              "Sonorix where the file can be written. Please tell your teacher.")
               .arg(path, reason, kept);
  } else {
    text = tr("Your work could not be saved in %1: %2.\n\nIt could not be kept in your own folder either. Please "
              "tell your teacher.")
               .arg(path, reason);
  }
  // Not modal here: the trouble is met in the middle of a handler.
  auto* box = new QMessageBox(QMessageBox::Warning, applicationName(), text, QMessageBox::Ok, activeWindow());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

int RunSonorix(TSonorixApplication& app) {
  SetFileTroubleHandler([&app](FileTrouble trouble, const std::string& file, const std::string& reason,
                               const std::string& kept) {
    const QString f = QString::fromStdString(file), r = QString::fromLocal8Bit(reason.c_str()),
                  k = QString::fromStdString(kept);
    QMetaObject::invokeMethod(&app, [&app, trouble, f, r, k] { app.ShowFileTrouble(trouble, f, r, k); },
                              Qt::QueuedConnection);
  });
  CheckSettingsFile();
  try {
    CreateStartWindows();
  } catch (const std::exception& e) {
    app.ShowException(QString::fromLocal8Bit(e.what()));
    return 1;
  } catch (...) {
    app.ShowException(QCoreApplication::translate("TSonorixApplication", "Unknown exception"));
    return 1;
  }
  // The windows not shown at the start are made once the login window is
  // up (the round trip makes sure it is), before the student can reach them.
  QTimer::singleShot(0, &app, [] {
    QGuiApplication::sync();
    CreateRemainingWindows();
  });
  Form1->show();
  const int rc = app.exec();
  DestroySonorixWindows();
  SetFileTroubleHandler({});
  return rc;
}
