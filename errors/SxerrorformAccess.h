// The error report's controls named for screen readers; its text read with the caret.
#pragma once

class TErrorReport;

void MakeErrorReportAccessible(TErrorReport* form);
