// Drives the drill window the way a student does: hears the notes of each
// question through the recording driver library and names their set class
// from the labels of the answer list.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "Atonalfunctions.h"
#include "RadioGroup.h"
#include "Sxerrorform.h"
#include "Waymidi.h"
#include "WindowsFixture.h"

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

class DrillWindowTest : public WindowsTest {
 protected:
  DrillWindowTest() : WindowsTest({.startTick = 10000, .today = 38961, .seed = 12345}) {}

  // Every window; the questions repeat from here on.
  void Create() { CreateWindows(); }

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

  static int SelectedRow() {
    const auto items = Form1->ListBox->selectedItems();
    return items.isEmpty() ? -1 : Form1->ListBox->row(items.first());
  }
};
