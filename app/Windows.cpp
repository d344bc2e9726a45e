#include <exception>

#include "Application.h"
#include "DrillWindow.h"
#include "Sxerrorform.h"
#include "Sxfilters.h"
#include "Sxlogin.h"

// The order matters: each window's creation reads what the ones before it set up.
void CreateSonorixWindows() {
  try {
    Form1 = new TForm1();
    FilterForm = new TFilterForm();
    ErrorReport = new TErrorReport();
    LoginForm = new TLoginForm();
  } catch (...) {
    DestroySonorixWindows();
    throw;
  }
}

void DestroySonorixWindows() {
  delete LoginForm;
  LoginForm = nullptr;
  delete ErrorReport;
  ErrorReport = nullptr;
  delete FilterForm;
  FilterForm = nullptr;
  delete Form1;
  Form1 = nullptr;
}
