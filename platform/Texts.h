// A class's own T(): its texts translated under a context of the catalogues
// that need not be the class's name (a window's catalogue context predates
// its class). lupdate reads SONORIX_TEXTS as Q_DECLARE_TR_FUNCTIONS and T()
// as tr() (the options in translations/CMakeLists.txt), so a class must not
// mix T() with a Q_OBJECT's own tr().
#pragma once

#include <QCoreApplication>
#include <QString>

#define SONORIX_TEXTS(context)                                                                  \
 public:                                                                                        \
  static QString T(const char* text, const char* disambiguation = nullptr, int n = -1) {        \
    return QCoreApplication::translate(#context, text, disambiguation, n);                      \
  }                                                                                             \
                                                                                                \
 private:
