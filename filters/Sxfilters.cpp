#include "Sxfilters.h"

TFilterForm* FilterForm = nullptr;

TFilterForm::TFilterForm(QWidget* parent) : QDialog(parent) { setWindowTitle(QStringLiteral("FILTERS")); }
TFilterForm::~TFilterForm() = default;
void TFilterForm::done(int result) { QDialog::done(result); }
