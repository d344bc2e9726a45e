#include "Sxerrorform.h"

TErrorReport* ErrorReport = nullptr;

TErrorReport::TErrorReport(QWidget* parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Error Report")); }
TErrorReport::~TErrorReport() = default;
