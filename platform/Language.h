// The language of the program's texts: the student's, chosen from the
// environment as gettext programs choose it, among the catalogues built into
// the program. English needs no catalogue.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QCoreApplication;
class QTranslator;

// The languages of the catalogues built into the program ("de", "fr", ...).
QStringList ShippedLanguages();

// The language to speak, from LANGUAGE (a colon-separated list of
// preferences), LC_ALL, LC_MESSAGES and LANG: the first preference whose
// language has a catalogue in `available`, "ll_CC" before "ll". LANGUAGE
// counts only when the messages locale is not "C" or "POSIX", as with
// gettext. Empty means English: no preference has a catalogue, or English
// comes first.
QString ChooseLanguage(const QStringList& available,
                       const std::function<QString(const char*)>& environment);

// The catalogue of `language` ("de"), loaded; null for English or a
// language without one.
std::unique_ptr<QTranslator> LoadCatalogue(const QString& language);

// The catalogue the environment asks for, or null for English. Works before
// the application object exists (for --help).
std::unique_ptr<QTranslator> EnvironmentCatalogue();

// Installs the environment's catalogue, and the toolkit's own for its
// standard buttons and menus when the system has one, for the program's whole
// run. The C numeric locale stays: the program writes and reads numbers with
// a decimal point.
void InstallLanguage(QCoreApplication& app);
// The same for one language ("de"); false, and English, when it has no
// catalogue. A language installed before is removed first.
bool InstallLanguage(QCoreApplication& app, const QString& language);
// Back to English.
void RemoveLanguage(QCoreApplication& app);

// The language installed ("de", "fr", …); empty for English.
QString CurrentLanguage();
