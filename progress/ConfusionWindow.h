// "Confusions…": which set class the student named for which, as a matrix per
// cardinality; clicking a cell plays the set class asked and then the one
// answered, so the student hears the difference.
#pragma once

#include <QDialog>
#include <optional>

#include "ConfusionMatrix.h"
#include "ErrorStats.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TNotationView;
class DrillView;

class TConfusionForm : public QDialog {
  Q_OBJECT
 public:
  // Beside the drill window it is handed: its catalogue, and its port to play cells on.
  explicit TConfusionForm(DrillView* view);

  QComboBox* SourceBox = nullptr;  // all eligible drills, or the drill just ended
  QTabWidget* Pages = nullptr;     // trichords, tetrachords
  QTableWidget* Matrix[2] = {};
  QLabel* HintLabel = nullptr;
  QPushButton* CloseButton = nullptr;
  TNotationView* Picture = nullptr;  // the chosen cell's two classes, hidden until one is chosen

  // Reads errors.dat; offers the drill just ended when there is one.
  void LoadStats(const std::optional<EndedDrill>& ended);
  void ShowStats(const ErrorStats& stats);
  // Plays the set class asked (row) and then the one answered (column).
  void PlayCell(int cardinalityIndex, int row, int column);
  // Shows the set class asked and the one answered, each in close position on C4.
  void ShowCell(int cardinalityIndex, int row, int column);

  const ConfusionMatrix& Shown(int cardinalityIndex) const { return shown_[cardinalityIndex == 1 ? 1 : 0]; }

 private:
  DrillView* view_;
  void FillMatrix(int cardinalityIndex);

  ErrorStats cumulative_{};
  std::optional<EndedDrill> ended_;
  ConfusionMatrix shown_[2];
};
