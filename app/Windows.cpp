#include <exception>

#include "About.h"
#include "Accessible.h"
#include "Application.h"
#include "DrillWindow.h"
#include "DrillWindowAccess.h"
#include "Fonts.h"
#include "HelpAccess.h"
#include "Readme.h"
#include "Sxerrorform.h"
#include "SxerrorformAccess.h"
#include "Sxfilters.h"
#include "SxfiltersAccess.h"
#include "Sxkeyboard.h"
#include "SxkeyboardAccess.h"
#include "Sxlogin.h"
#include "SxloginAccess.h"
#include "Sxmidi.h"
#include "SxmidiAccess.h"
#include "Sxscore.h"
#include "SxscoreAccess.h"

// The order matters: each window's creation reads what the ones before it set up.
void CreateSonorixWindows() {
  try {
    InstallControlConventions();
    ScaleForSystemFont();
    Form1 = new TForm1();
    FilterForm = new TFilterForm();
    Form2 = new TForm2();
    ErrorReport = new TErrorReport();
    AboutBox = new TAboutBox();
    ReadmeBox = new TReadmeBox();
    LoginForm = new TLoginForm();
    MidiForm = new TMidiForm();
    // Names, tab orders and keys for screen readers and keyboard users.
    MakeDrillWindowAccessible(Form1);
    MakeFilterWindowAccessible(FilterForm);
    MakeScoreWindowAccessible(Form2);
    MakeErrorReportAccessible(ErrorReport);
    MakeAboutBoxAccessible(AboutBox);
    MakeReadmeBoxAccessible(ReadmeBox);
    MakeLoginWindowAccessible(LoginForm);
    MakeMidiWindowAccessible(MidiForm);
    MakeKeyboardWindowAccessible(KeyboardForm);
  } catch (...) {
    DestroySonorixWindows();
    throw;
  }
}

void DestroySonorixWindows() {
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
