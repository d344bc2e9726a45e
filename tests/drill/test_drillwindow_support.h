// Drives the drill window the way a student does: hears the notes of each
// question through the recording driver library and names their set class
// from the labels of the answer list.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "Application.h"
#include "Atonalfunctions.h"
#include "DrillWindow.h"
#include "MidiwayRecorder.h"
#include "Platform.h"
#include "Random.h"
#include "RadioGroup.h"
#include "Sxerrorform.h"
#include "Sxfilters.h"
#include "Waymidi.h"

// A set class as the answer list shows it: "3-11 (0, 3, 7)".
struct ListedClass {
  std::string name;
  PitchClassSet prime;
};

inline ListedClass ParseListLabel(const QString& label) {
  ListedClass c;
  const QString text = label.trimmed();
  const int hyphen = text.indexOf('-');
  const int open = text.indexOf('(');
  c.name = text.mid(hyphen + 1, open - hyphen - 1).trimmed().toStdString();
  const QStringList pcs = text.mid(open + 1, text.indexOf(')') - open - 1).split(',');
  for (const QString& pc : pcs) c.prime.elements[c.prime.count++] = pc.trimmed().toInt();
  return c;
}

inline PitchClassSet PitchClassesOf(const std::vector<int>& notes) {
  std::vector<int> pcs;
  for (int n : notes) pcs.push_back(n % 12);
  std::sort(pcs.begin(), pcs.end());
  pcs.erase(std::unique(pcs.begin(), pcs.end()), pcs.end());
  PitchClassSet set;
  for (int pc : pcs) set.elements[set.count++] = pc;
  return set;
}

inline PitchClassSet InversionOf(const PitchClassSet& prime) {
  PitchClassSet inv;
  inv.count = prime.count;
  for (int i = 0; i < prime.count; ++i) inv.elements[i] = prime.elements[prime.count - 1] - prime.elements[prime.count - 1 - i];
  return inv;
}

// 0 when the notes are the prime form transposed, 1 when only its inversion
// is, -1 when they are neither.
inline int FormHeard(const std::vector<int>& notes, const PitchClassSet& prime) {
  const PitchClassSet heard = NormalFormAtZero(PitchClassesOf(notes));
  if (SamePitchClassSet(heard, NormalFormAtZero(prime))) return 0;
  if (SamePitchClassSet(heard, NormalFormAtZero(InversionOf(prime)))) return 1;
  return -1;
}

class DrillWindowTest : public ::testing::Test {
 protected:
  static constexpr double kToday = 38961;  // 1 September 2006

  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    ASSERT_TRUE(dir_.isValid());
    previousDir_ = QDir::currentPath();
    QString root = qEnvironmentVariable("SONORIX_SOURCE_DIR");
    if (root.isEmpty()) root = QStringLiteral(SONORIX_TEST_SOURCE_DIR);
    const QString source = root + "/data/ftclass.dat";
    ASSERT_TRUE(QFile::copy(source, dir_.filePath("ftclass.dat"))) << source.toStdString();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    now_ = 10000;
    PlatformTimeHooks hooks;
    hooks.tickCount = [] { return now_; };
    hooks.sleep = [](uint32_t ms) { now_ += ms; };
    hooks.waitUntil = [](uint32_t deadline) {
      if (static_cast<int32_t>(deadline - now_) > 0) now_ = deadline;
    };
    hooks.today = [] { return kToday; };
    PlatformSetTimeHooks(hooks);
    RecorderReset();
  }

  void TearDown() override {
    DestroySonorixWindows();
    PlatformSetTimeHooks({});
    QDir::setCurrent(previousDir_);
  }

  void Create() {
    CreateSonorixWindows();
    ProgramRandom().Seed(12345);  // questions repeatable from here on
  }

  // The state a login leaves (person chosen, saved filters applied), then the first show.
  void CreateAndShowLoggedIn(const std::string& name = "Ann", int index = 0) {
    Create();
    Form1->CurrentPersonIndex = index;
    Form1->CurrentPersonName = name;
    Form1->LoggedIn = true;
    FilterState saved;
    TFilterForm::LoadFilters(saved);
    FilterForm->ApplyFilters(saved);
    FilterForm->FillAnswerList();
    Form1->show();
    QApplication::processEvents();
  }

  static size_t Mark() { return RecorderPuts().size(); }

  // The notes put since the mark.
  static std::vector<int> HeardSince(size_t mark) {
    std::vector<int> notes;
    const auto puts = RecorderPuts();
    for (size_t i = mark; i < puts.size(); ++i) notes.push_back(puts[i].event.data1);
    return notes;
  }

  static ListedClass RowClass(int row) { return ParseListLabel(Form1->ListBox->item(row)->text()); }

  // The row naming the set class of the notes, -1 when none does.
  static int RowFor(const std::vector<int>& notes) {
    for (int r = 0; r < Form1->ListBox->count(); ++r)
      if (FormHeard(notes, RowClass(r).prime) >= 0) return r;
    return -1;
  }

  // The n-th row that does not name the set class of the notes.
  static int WrongRowFor(const std::vector<int>& notes, int n = 0) {
    for (int r = 0; r < Form1->ListBox->count(); ++r)
      if (FormHeard(notes, RowClass(r).prime) < 0 && n-- == 0) return r;
    return -1;
  }

  static void AnswerByTyping(int row) {
    QTest::keyClicks(Form1->Edit1, QString::fromStdString(RowClass(row).name));
    QTest::keyClick(Form1->Edit1, Qt::Key_Return);
  }

  static void ClickRow(int row) {
    QListWidget* list = Form1->ListBox;
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  }

  static void AnswerByClicking(int row) {
    ClickRow(row);
    Form1->SubmitButton->click();
  }

  static std::string ReadFile(const char* name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
  }

  static int SelectedRow() {
    const auto items = Form1->ListBox->selectedItems();
    return items.isEmpty() ? -1 : Form1->ListBox->row(items.first());
  }

  static inline uint32_t now_ = 0;
  QTemporaryDir dir_;
  QString previousDir_;
};
