#include "ProgressAccess.h"

#include <QCoreApplication>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "Accessible.h"
#include "ConfusionWindow.h"
#include "ProgressWindow.h"

namespace {

// On Linux a combo box's name is its current text; the label beside it names
// it to a reader only as its buddy.
void LabelComboBox(QWidget* window, QComboBox* box, const QString& caption) {
  if (!box) return;
  for (QLabel* label : window->findChildren<QLabel*>())
    if (label->text() == caption) label->setBuddy(box);
}

}  // namespace

void MakeProgressWindowAccessible(TProgressForm* f) {
  Describe(f->PersonBox, QCoreApplication::translate("Accessibility", "Person"), QCoreApplication::translate("Accessibility", "Whose drills are shown"));
  LabelComboBox(f, f->PersonBox, QCoreApplication::translate("Accessibility", "Person:"));
  Describe(f->AccuracyChart, QCoreApplication::translate("Accessibility", "Correct percentage per drill"), {});
  Describe(f->SpeedChart, QCoreApplication::translate("Accessibility", "Time per interval per drill"), {});
  Describe(f->PracticeChart, QCoreApplication::translate("Accessibility", "Minutes practised per week"), {});
  Describe(f->DrillTable, QCoreApplication::translate("Accessibility", "Drills"), QCoreApplication::translate("Accessibility", "One row per drill, the latest last"));
  Describe(f->ExportButton, {}, QCoreApplication::translate("Accessibility", "Writes the table to a CSV file"));
}

void MakeConfusionWindowAccessible(TConfusionForm* f) {
  Describe(f->SourceBox, QCoreApplication::translate("Accessibility", "Answers of"), QCoreApplication::translate("Accessibility", "Every eligible drill, or the drill just ended"));
  LabelComboBox(f, f->SourceBox, QCoreApplication::translate("Accessibility", "Answers of:"));
  Describe(f->Pages, QCoreApplication::translate("Accessibility", "Cardinality"), {});
  Describe(f->Matrix[0], QCoreApplication::translate("Accessibility", "Trichord confusions"),
           QCoreApplication::translate("Accessibility", "Rows: the set class asked; columns: the one answered. Enter plays both"));
  Describe(f->Matrix[1], QCoreApplication::translate("Accessibility", "Tetrachord confusions"),
           QCoreApplication::translate("Accessibility", "Rows: the set class asked; columns: the one answered. Enter plays both"));
}
