#include <exception>

#include "About.h"
#include "Accessibility.h"
#include "Application.h"
#include "DrillWindow.h"
#include "ProgressMenu.h"
#include "Readme.h"
#include "Sxerrorform.h"
#include "Sxfilters.h"
#include "Sxkeyboard.h"
#include "Sxlogin.h"
#include "Sxmidi.h"
#include "Sxscore.h"

// The order matters: each window's creation reads what the ones before it set up.
void CreateSonorixWindows() {
  try {
    ScaleForSystemFont();
    Form1 = new TForm1();
    // Beside the drill window: its "Progress" menu, and answering by playing
    // (its menu item, settings and port).
    InstallProgressMenu(Form1);
    InstallKeyboardAnswer(Form1);
    FilterForm = new TFilterForm();
    Form2 = new TForm2();
    ErrorReport = new TErrorReport();
    AboutBox = new TAboutBox();
    ReadmeBox = new TReadmeBox();
    LoginForm = new TLoginForm();
    MidiForm = new TMidiForm();
    MakeWindowsAccessible();
  } catch (...) {
    DestroySonorixWindows();
    throw;
  }
}

void DestroySonorixWindows() {
  // Its input port goes while the drill window's library is still loaded.
  RemoveKeyboardAnswer();
  delete MidiForm;
  MidiForm = nullptr;
  delete LoginForm;
  LoginForm = nullptr;
  delete ReadmeBox;
  ReadmeBox = nullptr;
  delete AboutBox;
  AboutBox = nullptr;
  delete ErrorReport;
  ErrorReport = nullptr;
  delete Form2;
  Form2 = nullptr;
  delete FilterForm;
  FilterForm = nullptr;
  delete Form1;
  Form1 = nullptr;
}
