#include <exception>

#include "About.h"
#include "Accessible.h"
#include "Application.h"
#include "ClassMenu.h"
#include "DrillWindow.h"
#include "DrillWindowAccess.h"
#include "Fonts.h"
#include "HeardWindow.h"
#include "HelpAccess.h"
#include "PacingDialog.h"
#include "PracticeMode.h"
#include "ProgressMenu.h"
#include "SingWindow.h"
#include "Readme.h"
#include "Sxerrorform.h"
#include "SxerrorformAccess.h"
#include "Sxfilters.h"
#include "SxfiltersAccess.h"
#include "AssignmentsMenu.h"
#include "Sxkeyboard.h"
#include "SxkeyboardAccess.h"
#include "Sxlogin.h"
#include "SxloginAccess.h"
#include "Sxmidi.h"
#include "SxmidiAccess.h"
#include "Sxscore.h"
#include "SxscoreAccess.h"
#include "Zoom.h"

// The order matters: each window's creation reads what the ones before it set up.
void CreateStartWindows() {
  try {
    InstallControlConventions();
    ScaleForSystemFont();
    Form1 = new TForm1();
    // Beside the drill window: its "Progress" menu, and answering by playing
    // (its menu item, settings and port).
    InstallProgressMenu(Form1);
    InstallKeyboardAnswer(Form1);
    InstallPracticeMode(Form1);  // after the sound notice: its title mark follows the notice
    InstallSingMode(Form1);      // beside Practice Mode
    InstallZoomMenu(Form1->MainMenu1);  // after the other menus
    InstallHeardPicture(Form1);  // its item in the View menu
    InstallPacingMenu(Form1);    // between Help and View
    InstallClassMenu(Form1, Form1->MainMenu1);  // between Options and View
    // Its creation sets the filters' cardinality and range, before the login applies the saved ones.
    FilterForm = new TFilterForm(Form1->Session().filters);
    LoginForm = new TLoginForm(&Form1->Session());
    InstallAssignmentsMenu(Form1);  // follows each login
    // Names, tab orders and keys for screen readers and keyboard users.
    MakeDrillWindowAccessible(Form1);
    MakeFilterWindowAccessible(FilterForm);
    MakeLoginWindowAccessible(LoginForm);
    MakeKeyboardWindowAccessible(KeyboardForm);
  } catch (...) {
    DestroySonorixWindows();
    throw;
  }
}

// Those reached only from the drill window's menus and its drill's end.
void CreateRemainingWindows() {
  if (MidiForm) return;
  ErrorReport = new TErrorReport(&Form1->Session());
  Form2 = new TForm2(ErrorReport);
  AboutBox = new TAboutBox();
  ReadmeBox = new TReadmeBox();
  MidiForm = new TMidiForm(*Form1->WayMidiOut, Form1->OutDeviceCount, *Form1);
  MakeScoreWindowAccessible(Form2);
  MakeErrorReportAccessible(ErrorReport);
  MakeAboutBoxAccessible(AboutBox);
  MakeReadmeBoxAccessible(ReadmeBox);
  MakeMidiWindowAccessible(MidiForm);
}

void CreateSonorixWindows() {
  CreateStartWindows();
  try {
    CreateRemainingWindows();
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
