// The application object and the creation of the windows.
#pragma once

#include <QApplication>

class TSonorixApplication : public QApplication {
 public:
  TSonorixApplication(int& argc, char** argv);
  // An exception leaving an event handler is shown in a message box and the
  // rest of that handler is abandoned.
  bool notify(QObject* receiver, QEvent* event) override;
};

// Creates the windows in the program's fixed order, each once, and sets the
// global instances. Throws what a window's creation throws; the windows
// created before it are destroyed again.
void CreateSonorixWindows();
// Destroys them in reverse order of creation and clears the global instances.
void DestroySonorixWindows();
