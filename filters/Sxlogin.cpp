#include "Sxlogin.h"

TLoginForm* LoginForm = nullptr;

TLoginForm::TLoginForm(QWidget* parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Login")); }
TLoginForm::~TLoginForm() = default;
void TLoginForm::done(int result) { QDialog::done(result); }
