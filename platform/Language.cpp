#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

#include "ScreenLocale.h"

namespace {

// Where the build puts the compiled catalogues, sonorix_<language>.qm.
const QString kCatalogueFolder = QStringLiteral(":/i18n");

QString ProcessEnvironment(const char* name) { return QString::fromLocal8Bit(std::getenv(name)); }

bool IsPlainCLocale(const QString& locale) {
  return locale == QLatin1String("C") || locale == QLatin1String("POSIX");
}

}  // namespace

QStringList ShippedLanguages() {
  QStringList languages;
  const QStringList files =
      QDir(kCatalogueFolder).entryList({QStringLiteral("sonorix_*.qm")}, QDir::Files, QDir::Name);
  for (const QString& file : files)
    languages << file.mid(8, file.size() - 8 - 3);  // sonorix_ … .qm
  return languages;
}

QString ChooseLanguage(const QStringList& available,
                       const std::function<QString(const char*)>& environment) {
  QString messages;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    messages = environment(name);
    if (!messages.isEmpty()) break;
  }
  // Without a locale, or in the plain C one, programs speak their own
  // language; LANGUAGE then does not count.
  if (messages.isEmpty() || IsPlainCLocale(messages)) return {};

  QStringList preferences = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
  preferences << messages;
  for (const QString& preference : preferences) {
    // de_AT.UTF-8@euro: the encoding and the modifier say nothing about the
    // language.
    QString name = preference.section(u'.', 0, 0).section(u'@', 0, 0);
    if (IsPlainCLocale(name)) return {};
    const QString language = name.section(u'_', 0, 0).toLower();
    // English is the program's own language: asked for first, it wins.
    if (language == QLatin1String("en")) return {};
    if (available.contains(name)) return name;
    if (available.contains(language)) return language;
  }
  return {};
}

std::unique_ptr<QTranslator> LoadCatalogue(const QString& language) {
  if (language.isEmpty()) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("sonorix_") + language, kCatalogueFolder)) return nullptr;
  return translator;
}

std::unique_ptr<QTranslator> EnvironmentCatalogue() {
  return LoadCatalogue(ChooseLanguage(ShippedLanguages(), ProcessEnvironment));
}

namespace {

// The catalogues installed, owned by the application object.
QTranslator* installedOwn = nullptr;
QTranslator* installedToolkit = nullptr;
QString installedLanguage;

}  // namespace

QString CurrentLanguage() { return installedLanguage; }

void RemoveLanguage(QCoreApplication& app) {
  for (QTranslator** translator : {&installedOwn, &installedToolkit}) {
    if (*translator == nullptr) continue;
    app.removeTranslator(*translator);
    delete *translator;
    *translator = nullptr;
  }
  installedLanguage.clear();
  SetScreenLocale(QLocale::c());
}

bool InstallLanguage(QCoreApplication& app, const QString& language) {
  RemoveLanguage(app);
  std::unique_ptr<QTranslator> own = LoadCatalogue(language);
  if (!own) return false;
  own->setParent(&app);
  installedOwn = own.release();
  app.installTranslator(installedOwn);
  installedLanguage = language;
  SetScreenLocale(QLocale(language));
  // The toolkit's own texts (the OK of a message box, the menu of a text
  // field), when the system has its catalogue for this language.
  auto toolkit = std::make_unique<QTranslator>(&app);
  if (toolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    installedToolkit = toolkit.release();
    app.installTranslator(installedToolkit);
  }
  return true;
}

void InstallLanguage(QCoreApplication& app) {
  InstallLanguage(app, ChooseLanguage(ShippedLanguages(), ProcessEnvironment));
}
