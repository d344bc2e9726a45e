#include <exception>

#include "About.h"
#include "Accessibility.h"
#include "Application.h"
#include "DrillWindow.h"
#include "Fonts.h"
#include "Readme.h"
#include "Sxerrorform.h"
#include "Sxfilters.h"
#include "Sxlogin.h"
#include "Sxmidi.h"
#include "Sxscore.h"

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
    MakeWindowsAccessible();
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
