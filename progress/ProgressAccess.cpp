#include "ProgressAccess.h"

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
  Describe(f->PersonBox, QStringLiteral("Person"), QStringLiteral("Whose drills are shown"));
  LabelComboBox(f, f->PersonBox, QStringLiteral("Person:"));
  Describe(f->AccuracyChart, QStringLiteral("Correct percentage per drill"), {});
  Describe(f->SpeedChart, QStringLiteral("Time per interval per drill"), {});
  Describe(f->PracticeChart, QStringLiteral("Minutes practised per week"), {});
  Describe(f->DrillTable, QStringLiteral("Drills"), QStringLiteral("One row per drill, the latest last"));
  Describe(f->ExportButton, {}, QStringLiteral("Writes the table to a CSV file"));
}

void MakeConfusionWindowAccessible(TConfusionForm* f) {
  Describe(f->SourceBox, QStringLiteral("Answers of"), QStringLiteral("Every eligible drill, or the drill just ended"));
  LabelComboBox(f, f->SourceBox, QStringLiteral("Answers of:"));
  Describe(f->Pages, QStringLiteral("Cardinality"), {});
  Describe(f->Matrix[0], QStringLiteral("Trichord confusions"),
           QStringLiteral("Rows: the set class asked; columns: the one answered. Enter plays both"));
  Describe(f->Matrix[1], QStringLiteral("Tetrachord confusions"),
           QStringLiteral("Rows: the set class asked; columns: the one answered. Enter plays both"));
}
