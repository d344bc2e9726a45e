// The student's language: chosen from the environment as gettext programs
// choose it, and the windows speaking it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTranslator>
#include <map>
#include <string>

#include "Language.h"
#include "Readme.h"
#include "WindowsFixture.h"

namespace {

TEST(Language, FollowsTheEnvironmentAsGettextDoes) {
  const QStringList shipped = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                               QStringLiteral("it"), QStringLiteral("pt_BR")};
  struct Case {
    std::map<std::string, std::string> env;
    const char* expected;
  };
  const Case cases[] = {
      {{}, ""},                                                     // no locale at all
      {{{"LANG", "de_DE.UTF-8"}}, "de"},                            // country and encoding ignored
      {{{"LANG", "fr_CA.ISO-8859-1@euro"}}, "fr"},                  // and the modifier
      {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},                         // a country's own catalogue first
      {{{"LANG", "pt_PT.UTF-8"}}, ""},                              // no catalogue: English
      {{{"LANG", "ja_JP.UTF-8"}}, ""},                              //
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "it_IT.UTF-8"}}, "it"},
      {{{"LC_MESSAGES", "it_IT.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}, "es"},  // LC_ALL wins
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "ja:fr:de"}}, "fr"},  // first preference with a catalogue
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, ""},    // English asked for first
      {{{"LANG", "C"}, {"LANGUAGE", "fr"}}, ""},                    // the C locale ignores LANGUAGE
      {{{"LC_ALL", "POSIX"}, {"LANG", "de_DE.UTF-8"}}, ""},         //
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}, "fr"},            // C.UTF-8 does not
      {{{"LANG", "C.UTF-8"}}, ""},                                  //
  };
  for (const Case& c : cases) {
    const auto environment = [&c](const char* name) {
      const auto it = c.env.find(name);
      return it == c.env.end() ? QString() : QString::fromStdString(it->second);
    };
    std::string described;
    for (const auto& [name, value] : c.env) described += name + "=" + value + " ";
    EXPECT_EQ(ChooseLanguage(shipped, environment).toStdString(), c.expected) << described;
  }
}

TEST(Language, TheFourCataloguesAreBuiltIn) {
  EXPECT_EQ(ShippedLanguages(),
            (QStringList{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("it")}));
  for (const QString& language : ShippedLanguages()) {
    const auto catalogue = LoadCatalogue(language);
    ASSERT_NE(catalogue, nullptr) << language.toStdString();
    EXPECT_FALSE(catalogue->isEmpty()) << language.toStdString();
  }
  EXPECT_EQ(LoadCatalogue(QStringLiteral("ja")), nullptr);
  EXPECT_EQ(LoadCatalogue(QString()), nullptr);
}

class LanguageWindowsTest : public WindowsTest {
 protected:
  void TearDown() override {
    WindowsTest::TearDown();
    RemoveLanguage(*qApp);
  }
};

TEST_F(LanguageWindowsTest, TheReadmeViewerShowsTheReadmeOfTheLanguageWhenThereIsOne) {
  ASSERT_TRUE(dir_.CopyShipped("readme.txt"));
  ASSERT_TRUE(dir_.CopyShipped("readme.de.txt"));
  ASSERT_TRUE(InstallLanguage(*qApp, QStringLiteral("de")));
  EXPECT_EQ(CurrentLanguage(), QStringLiteral("de"));
  CreateWindows();
  EXPECT_TRUE(ReadmeBox->Memo1->toPlainText().startsWith(QStringLiteral("SONORIX - GEHÖRBILDUNG")));
  EXPECT_EQ(ReadmeBox->Button1->text(), QStringLiteral("Schließen"));
  DestroySonorixWindows();

  // French has no readme here: the English one.
  ASSERT_TRUE(InstallLanguage(*qApp, QStringLiteral("fr")));
  CreateWindows();
  EXPECT_TRUE(ReadmeBox->Memo1->toPlainText().startsWith(QStringLiteral("SONORIX - EAR TRAINING")));
  EXPECT_EQ(ReadmeBox->Button1->text(), QStringLiteral("Fermer"));
  DestroySonorixWindows();

  RemoveLanguage(*qApp);
  EXPECT_EQ(CurrentLanguage(), QString());
  CreateWindows();
  EXPECT_TRUE(ReadmeBox->Memo1->toPlainText().startsWith(QStringLiteral("SONORIX - EAR TRAINING")));
  EXPECT_EQ(ReadmeBox->Button1->text(), QStringLiteral("Close"));
}

}  // namespace
