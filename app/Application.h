// The application object and the creation of the windows.
#pragma once

#include <QApplication>
#include <QString>

#include "DataFile.h"

class TSonorixApplication : public QApplication {
  Q_OBJECT

 public:
  TSonorixApplication(int& argc, char** argv);
  // An exception leaving an event handler is shown in a message box and the
  // rest of that handler is abandoned.
  bool notify(QObject* receiver, QEvent* event) override;

  // Reports an exception's message: on stderr always, and in a modal message
  // box when the program has a screen someone can look at.
  void ShowException(const QString& message);

  // Headless platforms (offscreen, minimal) have nobody to answer a modal box,
  // which would then wait forever; there the message goes to stderr only.
  bool ShowsMessageBoxes() const { return showsMessageBoxes_; }
  void SetShowsMessageBoxes(bool shows) { showsMessageBoxes_ = shows; }

  // Tells the student that a data file could not be written (and where what
  // it should have held is kept) or holds lines that are not understood.
  void ShowFileTrouble(FileTrouble trouble, const QString& file, const QString& reason, const QString& kept);

 private:
  bool showsMessageBoxes_ = true;
};

// Creates the windows in the program's fixed order, each once, and sets the
// global instances. Throws what a window's creation throws; the windows
// created before it are destroyed again.
void CreateSonorixWindows();
// The same in two parts: those the start shows (the drill and login windows,
// the filters that the login applies), then, once, the others; a failure in
// the second leaves the first standing.
void CreateStartWindows();
void CreateRemainingWindows();
// Destroys them in reverse order of creation and clears the global instances.
void DestroySonorixWindows();

// The program: creates the windows, shows the drill window and runs the event
// loop until it closes. A failure while the windows are created is reported,
// no window is shown, and the result is 1.
int RunSonorix(TSonorixApplication& app);
