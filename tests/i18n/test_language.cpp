// The student's language: chosen from the environment as gettext programs
// choose it, and the windows speaking it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFontMetrics>
#include <QTextDocument>
#include <QTabWidget>
#include <QTableView>
#include <QXmlStreamReader>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <map>
#include <tuple>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "About.h"
#include "AssignmentTexts.h"
#include "Assignments.h"
#include "ClassOverview.h"
#include "ConfusionWindow.h"
#include "CutTexts.h"
#include "EventLoop.h"
#include "SessionLog.h"
#include "HeardWindow.h"
#include "ProgressWindow.h"
#include "Language.h"
#include "PracticeScheduler.h"
#include "PracticeWindows.h"
#include "Readme.h"
#include "Sxerrorform.h"
#include "Sxlogin.h"
#include "Sxmidi.h"
#include "Sxscore.h"
#include "HighScores.h"
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

// Every reason the core gives for a skipped line of assignments.txt, a
// skipped assignment, or an edited one that may not be saved, made to come
// out by a file with each fault, and then said in each language.
TEST(Language, EveryReasonTheAssignmentsGiveIsTranslated) {
  const std::string damaged =
      "classes 3-1\n"                                 // before the first assignment
      "assignment\nclasses 3-1\n"                     // no title: skipped with its lines
      "assignment A\nfrobnicate\nclasses 3-1\nclasses 3-2\n"
      "assignment B\nclasses 3-x!\nclasses 3-1 4-1\nclasses\n"
      "range wide\nrange close\nrange close\nplay loud\nplay chord\nplay chord\n"
      "start 2026-02-31\nstart 2026-12-01\nstart 2026-12-02\n"
      "goal drills 2 percent 101\ngoal minutes 5\ngoal minutes 6\n"  // B has no classes left
      "assignment D\nclasses 3-1\n"
      "assignment E\nclasses 3-1\ngoal minutes 5\n"
      "assignment F\nclasses 3-1\ngoal minutes 5\nstart 2026-12-01\n"
      "assignment G\nclasses 3-1\ngoal minutes 5\nstart 2026-12-02\ndue 2026-12-01\n"
      "assignment H\nclasses 3-99\ngoal minutes 5\nstart 2026-12-01\ndue 2026-12-07\n";
  const AssignmentFile file = ParseAssignments(damaged);
  std::set<std::string> reasons;
  for (const AssignmentWarning& w : file.warnings) reasons.insert(w.why);
  EXPECT_EQ(reasons.size(), 20u);
  const PracticeLists lists{{"3-1", "3-2"}, {"4-1"}};
  ASSERT_EQ(file.assignments.size(), 1u);
  const AssignmentJudge judge(file.assignments, lists);
  for (const AssignmentWarning& w : judge.Warnings()) reasons.insert(w.why);
  // The editors' own, and the catalogue's missing class once more through their check.
  Assignment edited = file.assignments[0];
  EXPECT_EQ(CheckEditedAssignment(edited, lists).field, AssignmentField::Classes);
  reasons.insert(CheckEditedAssignment(edited, lists).why);
  edited.classes = {"3-1"};
  EXPECT_EQ(CheckEditedAssignment(edited, lists).field, AssignmentField::None);
  const auto change = [&edited](auto how) {
    Assignment a = edited;
    how(a);
    return a;
  };
  for (const Assignment& a : {change([](Assignment& x) { x.title = " \t"; }),
                              change([](Assignment& x) { x.classes.clear(); }),
                              change([](Assignment& x) { x.start = 0; }),
                              change([](Assignment& x) { x.due = x.start - 1; }),
                              change([](Assignment& x) { x.count = 100001; })}) {
    const AssignmentProblem problem = CheckEditedAssignment(a, lists);
    EXPECT_NE(problem.field, AssignmentField::None) << problem.why;
    reasons.insert(problem.why);
  }
  EXPECT_EQ(reasons.size(), 26u);

  for (const QString& language : ShippedLanguages()) {
    const auto catalogue = LoadCatalogue(language);
    ASSERT_NE(catalogue, nullptr);
    for (const std::string& why : reasons) {
      const QString text = catalogue->translate("Assignments", why.c_str());
      EXPECT_FALSE(text.isEmpty() || text == QString::fromStdString(why)) << language.toStdString() << ": " << why;
    }
  }
  // As the desktop's windows say them.
  ASSERT_TRUE(InstallLanguage(*qApp, QStringLiteral("fr")));
  EXPECT_EQ(AssignmentText("The line is not understood; it is skipped."),
            QStringLiteral("La ligne n'est pas comprise ; elle est ignorée."));
  RemoveLanguage(*qApp);
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

// What a window shows in words: its title and the texts of its labels,
// buttons, boxes and groups, in a fixed order, with where each is.
struct ShownText {
  std::string where;
  QString text;
};
std::vector<ShownText> TextsOf(QWidget* window) {
  const QString name = QString::fromLatin1(window->metaObject()->className());
  std::vector<ShownText> texts = {{name.toStdString() + " title", window->windowTitle()}};
  for (QWidget* w : window->findChildren<QWidget*>()) {
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w))
      text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
      text = button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(w))
      text = group->title();
    else
      continue;
    texts.push_back({name.toStdString() + " " + w->metaObject()->className(), text});
  }
  return texts;
}

std::vector<ShownText> TextsOfAllWindows() {
  std::vector<ShownText> all;
  for (QWidget* window :
       {static_cast<QWidget*>(Form1), static_cast<QWidget*>(FilterForm), static_cast<QWidget*>(Form2),
        static_cast<QWidget*>(ErrorReport), static_cast<QWidget*>(AboutBox), static_cast<QWidget*>(ReadmeBox),
        static_cast<QWidget*>(LoginForm), static_cast<QWidget*>(MidiForm)}) {
    const auto texts = TextsOf(window);
    all.insert(all.end(), texts.begin(), texts.end());
  }
  return all;
}

// Texts that are not words of a language: empty, numbers, the answer
// prefixes, set-class names and labels, the name and version.
bool IsWordless(const QString& text) {
  static const QRegularExpression wordless(QStringLiteral(
      R"(^([-+=X%.:0-9 ]*|[34] -|[34]-Z?\d+( \(.*\))?|[a-z]+\.txt|Sonorix|Sonorix v\. \d\.\d|MIDI|OK|RIPs|&?[A-Za-z]?)$)"));
  return wordless.match(text).hasMatch();
}

TEST_F(LanguageWindowsTest, EveryWindowShowsTheCataloguesWords) {
  CreateWindows();
  const std::vector<ShownText> english = TextsOfAllWindows();
  DestroySonorixWindows();

  for (const QString& language : {QStringLiteral("de"), QStringLiteral("fr")}) {
    const auto catalogue = LoadCatalogue(language);
    ASSERT_NE(catalogue, nullptr);
    ASSERT_TRUE(InstallLanguage(*qApp, language));
    CreateWindows();
    const std::vector<ShownText> shown = TextsOfAllWindows();
    DestroySonorixWindows();

    ASSERT_EQ(shown.size(), english.size()) << language.toStdString();
    for (size_t i = 0; i < shown.size(); ++i) {
      const QString& source = english[i].text;
      const std::string context = english[i].where.substr(0, english[i].where.find(' '));
      QString expected = catalogue->translate(context.c_str(), source.toUtf8().constData());
      // A line that names a file the program found is translated with the
      // file as %1.
      static const QRegularExpression path(QStringLiteral(R"(/\S*[^\s.,])"));
      if (const auto found = path.match(source); expected.isEmpty() && found.hasMatch()) {
        QString pattern = source;
        pattern.replace(found.capturedStart(), found.capturedLength(), QStringLiteral("%1"));
        const QString translated = catalogue->translate(context.c_str(), pattern.toUtf8().constData());
        if (!translated.isEmpty()) expected = translated.arg(found.captured());
      }
      if (!expected.isEmpty()) {
        EXPECT_EQ(shown[i].text, expected) << english[i].where << ": " << source.toStdString();
      } else {
        // Not in the window's own part of the catalogue: only what has no
        // words may stay as it is.
        EXPECT_TRUE(IsWordless(source)) << english[i].where << " shows \"" << source.toStdString()
                                        << "\", which the catalogue does not translate";
        EXPECT_EQ(shown[i].text, source) << english[i].where;
      }
    }
  }
}

// The letter Alt or a menu's key opens: the one after a single "&".
QChar MenuLetter(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toCaseFolded();
  }
  return {};
}

// Every menu's letters, the menu bar's own first, with the menus that clash.
void ExpectDistinctLetters(const QList<QAction*>& actions, const std::string& where) {
  std::map<QChar, QString> taken;
  for (QAction* action : actions) {
    if (action->isSeparator()) continue;  // hidden items too: a teacher sees them
    const QChar letter = MenuLetter(action->text());
    if (!letter.isNull()) {
      const auto [it, added] = taken.emplace(letter, action->text());
      EXPECT_TRUE(added) << where << ": \"" << action->text().toStdString() << "\" and \""
                         << it->second.toStdString() << "\" share the letter";
    }
    if (QMenu* menu = action->menu()) ExpectDistinctLetters(menu->actions(), where + " › " + action->text().toStdString());
  }
}

TEST_F(LanguageWindowsTest, NoTwoMenusAndNoTwoItemsOfAMenuShareALetter) {
  for (const QString& language : QStringList{QString()} + ShippedLanguages()) {
    if (language.isEmpty()) {
      RemoveLanguage(*qApp);
    } else {
      ASSERT_TRUE(InstallLanguage(*qApp, language));
    }
    CreateWindows();
    int bars = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        ++bars;
        const std::string where = (language.isEmpty() ? "en" : language.toStdString()) + " " +
                                  window->metaObject()->className();
        // Every menu of the bar opens with a letter of its own.
        for (QAction* menu : bar->actions()) {
          EXPECT_FALSE(MenuLetter(menu->text()).isNull()) << where << ": " << menu->text().toStdString();
        }
        ExpectDistinctLetters(bar->actions(), where);
      }
    }
    EXPECT_GE(bars, 1);
    DestroySonorixWindows();
  }
}

// Every window the program opens, shown: those made at start and those made
// when asked for.
class AllWindowsShown {
 public:
  AllWindowsShown() {
    PracticeSummary summary;
    summary.totals.questions = 12;
    summary.totals.firstTryRight = 7;
    summary.drillSeconds = 216;
    summary.needsWork = {"3-5", "4-Z15"};
    summary.surer = {"3-11"};
    summary.totals.revealed = 2;
    owned_.emplace_back(new TProgressForm(Form1));
    owned_.emplace_back(new TConfusionForm(Form1));
    owned_.emplace_back(new TClassOverviewForm());
    owned_.emplace_back(new TPracticeSummaryForm(summary, Form1));
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->inherits("QDialog") || window->inherits("QMainWindow")) windows.push_back(window);
    for (const auto& owned : owned_)
      if (std::find(windows.begin(), windows.end(), owned.get()) == windows.end()) windows.push_back(owned.get());
    // The drill window logged in, as a student sees it.
    Form1->CurrentPersonName = "Ann";
    Form1->LoggedIn = true;
    for (QWidget* window : windows) window->show();
    QApplication::processEvents();
  }
  ~AllWindowsShown() {
    for (QWidget* window : windows) window->hide();
  }
  std::vector<QWidget*> windows;

 private:
  std::vector<std::unique_ptr<QWidget>> owned_;
};

TEST_F(LanguageWindowsTest, NoWindowCutsATextOffInAnyLanguage) {
  for (const QString& language : QStringList{QString()} + ShippedLanguages()) {
    if (language.isEmpty()) {
      RemoveLanguage(*qApp);
    } else {
      ASSERT_TRUE(InstallLanguage(*qApp, language));
    }
    CreateWindows();
    {
      AllWindowsShown shown;
      EXPECT_GE(shown.windows.size(), 12u);
      // English keeps the design's widths.
      if (language.isEmpty()) {
        EXPECT_EQ(FilterForm->SaveBox->width(), 257);
      }
      for (QWidget* window : shown.windows)
        for (const CutText& cut : CutTextsOf(window))
          ADD_FAILURE() << (language.isEmpty() ? "en" : language.toStdString()) << " " << cut.where << ": \""
                        << cut.text.toStdString() << "\" needs " << cut.needed << " px, has " << cut.room;
    }
    DestroySonorixWindows();
  }
}

// The words of the program's English texts that a language's catalogue never
// uses in its translations: left on screen, they are English. Words the
// language shares ("Filter", "MIDI", "Sonorix") are in its translations too.
std::set<QString> EnglishOnlyWords(const QString& language) {
  QFile file(QStringLiteral(SONORIX_TEST_SOURCE_DIR "/translations/sonorix_%1.ts").arg(language));
  if (!file.open(QIODevice::ReadOnly)) return {};
  std::set<QString> source;
  std::set<QString> translated;
  static const QRegularExpression word(QStringLiteral("\\p{L}{4,}"));
  const auto words = [](const QString& text, std::set<QString>& into) {
    for (auto it = word.globalMatch(text); it.hasNext();) into.insert(it.next().captured().toLower());
  };
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == QLatin1String("source")) {
      words(xml.readElementText(), source);
    } else if (xml.name() == QLatin1String("translation") || xml.name() == QLatin1String("numerusform")) {
      words(xml.readElementText(QXmlStreamReader::IncludeChildElements), translated);
    }
  }
  std::set<QString> english;
  for (const QString& w : source)
    if (!translated.count(w)) english.insert(w);
  return english;
}

// Everything a window says in words: its title, its controls' texts, the
// items, headers and cells of its lists and tables, its menus.
QStringList WordsShownIn(QWidget* window) {
  QStringList texts = {window->windowTitle()};
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) && !w->inherits("QMenu")) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    if (auto* box = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    if (auto* menu = qobject_cast<QMenu*>(w)) {
      texts << menu->title();
      for (QAction* action : menu->actions()) texts << action->text();
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
      const QAbstractItemModel* model = view->model();
      for (int c = 0; c < model->columnCount(); ++c) texts << model->headerData(c, Qt::Horizontal).toString();
      for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c) texts << model->index(r, c).data().toString();
    }
  }
  return texts;
}

// The English words in texts shown in `language`.
QStringList EnglishIn(const QStringList& texts, const std::set<QString>& english) {
  static const QRegularExpression tag(QStringLiteral("<[^>]*>|/\\S+"));  // markup and paths
  static const QRegularExpression word(QStringLiteral("\\p{L}{4,}"));
  QStringList found;
  for (QString text : texts) {
    text.remove(tag);
    for (auto it = word.globalMatch(text); it.hasNext();) {
      const QString w = it.next().captured();
      if (english.count(w.toLower())) found << w + QStringLiteral(" in \"") + text.left(120) + QLatin1Char('"');
    }
  }
  return found;
}

TEST_F(LanguageWindowsTest, NoEnglishIsLeftInAnyWindowOrGeneratedText) {
  // A class folder's drills, and a student's practice with a confusion.
  std::string log;
  for (const auto& [name, right, seconds] : {std::tuple{"Ann", 8, 117}, {"Bob", 2, 30}}) {
    log += "\r\n" + StartRecordText(45000, 0, name) + "\r\n" + FilterRecordText(FilterState{4095, 0, 0});
    log += "\r\n" + SegmentRecordText(right, 1, seconds, SegmentCheckValue(name, 45000, right, 1));
  }
  dir_.Write("report.dat", log + "\r\nD 1 1 1 1");
  PracticeLog practice;
  for (int i = 0; i < 4; ++i) {
    PracticeRecord record;
    record.day = 45000;
    record.asked = i % 2 ? "3-5" : "3-4";
    record.answers = {i < 3 ? "3-3" : record.asked};
    record.voicing = {0, 4, 3};
    record.person = "Ann";
    practice.records.push_back(record);
  }
  const std::vector<PracticeCandidate> candidates = {{"3-3", true}, {"3-4", true}, {"3-5", true}, {"3-6", true}};
  PracticeSummary summary;
  summary.totals.questions = 1;
  summary.totals.firstTryRight = 1;
  summary.needsWork = {"3-5"};

  for (const QString& language : ShippedLanguages()) {
    const std::set<QString> english = EnglishOnlyWords(language);
    ASSERT_GT(english.size(), 100u) << language.toStdString();
    ASSERT_TRUE(InstallLanguage(*qApp, language));
    CreateWindows();
    QStringList texts;
    {
      AllWindowsShown shown;
      for (QWidget* window : shown.windows) {
        // The readme is a document of its own, shown as the folder has it.
        if (window == ReadmeBox) continue;
        texts << WordsShownIn(window);
      }
      TClassOverviewForm overview;
      overview.LoadFolder();
      ASSERT_TRUE(ProcessEventsUntil([&overview] { return !overview.Loading(); }));
      texts << WordsShownIn(&overview) << overview.ReportHtml();
    }
    texts << SummaryTexts(summary);
    PracticeScheduler scheduler("Ann", 45001);
    scheduler.Learn(practice, nullptr, PracticeLists{});
    const std::vector<std::string> focus = ScreenFocusLines(scheduler, candidates);
    ASSERT_EQ(focus.size(), 3u);
    for (const std::string& line : focus) texts << QString::fromStdString(line);
    DestroySonorixWindows();
    RemoveLanguage(*qApp);
    for (const QString& found : EnglishIn(texts, english)) ADD_FAILURE() << language.toStdString() << ": " << found.toStdString();
  }
}

// Help › Instructions, in each language: it names the menu items and keys
// of practice, progress, zoom and the screen reader as the menus show them,
// and no heading's underline wraps in the viewer.
TEST_F(LanguageWindowsTest, TheInstructionsCoverEveryPartInEachLanguageAndKeepTheirUnderlinesWhole) {
  ASSERT_TRUE(dir_.CopyShipped("readme.txt"));
  for (const QString& language : ShippedLanguages())
    ASSERT_TRUE(dir_.CopyShipped(QStringLiteral("readme.%1.txt").arg(language).toStdString()));
  for (const QString& language : QStringList{QString()} + ShippedLanguages()) {
    const std::string name = language.isEmpty() ? "en" : language.toStdString();
    if (language.isEmpty()) {
      RemoveLanguage(*qApp);
    } else {
      ASSERT_TRUE(InstallLanguage(*qApp, language));
    }
    CreateWindows();
    ReadmeBox->show();
    QApplication::processEvents();
    const QString text = ReadmeBox->Memo1->toPlainText();
    const auto shown = [](const char* context, const char* source) {
      QString item = QCoreApplication::translate(context, source);
      return item.remove(QLatin1Char('&')).replace(QStringLiteral("…"), QStringLiteral("..."));
    };
    for (const QString& expected :
         {shown("TPracticeMode", "Practice Mode"), shown("TPracticeMode", "Show Answer"),
          shown("TPracticeMode", "Show Answer Automatically"), shown("TPracticeMode", "Hear Your Answer Again"),
          shown("TProgressMenu", "My Progress…"), shown("TProgressMenu", "Confusions…"),
          shown("TProgressMenu", "Class Overview…"), shown("Zoom", "Zoom &In"), shown("Zoom", "Zoom &Out"),
          shown("Zoom", "&Actual Size"), QStringLiteral("F5"), QStringLiteral("F6"), QStringLiteral("Ctrl+I"),
          QStringLiteral("Ctrl+0"), QStringLiteral("RIP "), QStringLiteral("Orca")})
      EXPECT_TRUE(text.simplified().contains(expected) ||
                  text.simplified().contains(QString(expected).replace(QStringLiteral("Ctrl+"), QStringLiteral("Strg+")))) << name << ": the instructions never say \"" << expected.toStdString() << "\"";

    const QFontMetrics metrics(ReadmeBox->Memo1->font());
    const int room = ReadmeBox->Memo1->viewport()->width() -
                     2 * static_cast<int>(ReadmeBox->Memo1->document()->documentMargin());
    const QStringList lines = text.split(QLatin1Char('\n'));
    int underlines = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
      static const QRegularExpression underline(QStringLiteral("^(=+|-+)$"));
      if (!underline.match(lines[i]).hasMatch() || lines[i - 1].trimmed().isEmpty()) continue;
      ++underlines;
      // As wide as its heading shows, within one mark, and on one line.
      const int heading = std::min(metrics.horizontalAdvance(lines[i - 1]), room);
      const int width = metrics.horizontalAdvance(lines[i]);
      EXPECT_LE(width, room) << name << ": " << lines[i - 1].toStdString();
      EXPECT_NEAR(width, heading, metrics.horizontalAdvance(lines[i][0])) << name << ": " << lines[i - 1].toStdString();
    }
    EXPECT_GE(underlines, 15) << name;
    DestroySonorixWindows();
  }
}

// The score window's figures and high-score dates as each language writes
// them, in the same columns; English as it always was. (The files are the
// recorded-files tests' part.)
TEST_F(LanguageWindowsTest, NumbersAndDatesOnScreenFollowTheLanguage) {
  HighScoreEntry entry;
  entry.Date = QDate(1899, 12, 30).daysTo(QDate(2026, 8, 12));
  entry.Correct = 20;
  entry.Incorrect = 5;
  entry.TimePerInterval = 5.0f;
  entry.Score = 1234;
  struct Case {
    QString language;
    QString date;
    QChar point;
  };
  QString englishLine;
  for (const Case& c : {Case{QString(), QStringLiteral("08/12/26"), QLatin1Char('.')},
                        Case{QStringLiteral("de"), QStringLiteral("12.08.26"), QLatin1Char(',')},
                        Case{QStringLiteral("fr"), QStringLiteral("12/08/26"), QLatin1Char(',')},
                        Case{QStringLiteral("es"), QStringLiteral("12/08/26"), QLatin1Char(',')},
                        Case{QStringLiteral("it"), QStringLiteral("12/08/26"), QLatin1Char(',')}}) {
    const std::string name = c.language.isEmpty() ? "en" : c.language.toStdString();
    if (c.language.isEmpty()) {
      RemoveLanguage(*qApp);
    } else {
      ASSERT_TRUE(InstallLanguage(*qApp, c.language));
    }
    CreateWindows();
    Form2->HighScoreTables = HighScoreSet{};
    Form2->HighScoreTables.Rows[0][0] = entry;
    Form2->HighScoreTables.EntryCount[0] = 1;
    Form2->ShowHighScores(0, -1);
    ASSERT_EQ(Form2->ListBox->count(), 1);
    const QString line = Form2->ListBox->item(0)->text();
    if (c.language.isEmpty()) {
      englishLine = line;
      EXPECT_EQ(line.toStdString(), HighScoreLine(0, entry));
    }
    EXPECT_EQ(line.mid(4, 8), c.date) << name << ": " << line.toStdString();
    EXPECT_EQ(line.size(), englishLine.size()) << name << ": the columns move";
    EXPECT_TRUE(line.contains(QStringLiteral("80") + c.point + QStringLiteral("0%"))) << name << ": " << line.toStdString();
    EXPECT_TRUE(line.startsWith(QStringLiteral(" 1. "))) << name;

    Form2->ShowScore(ComputeScoreResult(20, 5, 100000));
    const QString percentage = Form2->PercentageLabel->text();
    EXPECT_TRUE(percentage.contains(c.point)) << name << ": " << percentage.toStdString();
    EXPECT_FALSE(percentage.contains(c.point == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.'))) << name;

    // The Class Overview's figures: 3 of 4 right, 10 s for 3 right answers.
    PersonFigures ann;
    ann.name = "Ann";
    ann.eligibleByMode[0] = AnswerTotals{3, 1, 10};
    TClassOverviewForm overview;
    overview.ShowRows({ann});
    const QAbstractItemModel* table = overview.ClassTable->model();
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
      cells << table->data(table->index(0, column)).toString();
    EXPECT_TRUE(cells.contains(QStringLiteral("75") + c.point + QStringLiteral("0"))) << name << ": " << cells.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(cells.contains(QStringLiteral("3") + c.point + QStringLiteral("3"))) << name;
    DestroySonorixWindows();
  }
}

// The practice summary, made of words and numbers, says no English word
// in another language.
TEST_F(LanguageWindowsTest, ThePracticeSummaryIsInEachLanguage) {
  PracticeSummary summary;
  summary.totals.questions = 3;
  summary.totals.firstTryRight = 1;
  summary.drillSeconds = 65;
  summary.needsWork = {"3-5"};
  const QStringList english = SummaryTexts(summary);
  for (const QString& language : ShippedLanguages()) {
    ASSERT_TRUE(InstallLanguage(*qApp, language));
    const QStringList shown = SummaryTexts(summary);
    RemoveLanguage(*qApp);
    ASSERT_EQ(shown.size(), english.size());
    for (int i = 0; i < shown.size(); ++i)
      EXPECT_NE(shown[i], english[i]) << language.toStdString() << ": " << shown[i].toStdString();
  }
}

}  // namespace
