// The score window: the score of the drill just ended and the high-score tables.
#pragma once

#include <QDialog>
#include <cstdint>

#include "DrillSession.h"
#include "EndOfDrill.h"
#include "HighScores.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class TErrorReport;

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  // Its "Error Report" button opens the report it is handed (none: no report).
  explicit TForm2(TErrorReport* report = nullptr, QWidget* parent = nullptr);
  ~TForm2() override;

  // --- controls, top to bottom --------------------------------------------
  QLabel* Label1 = nullptr;  // SCORE
  QLabel* Label4 = nullptr;  // Time per
  QLabel* Label5 = nullptr;  // interval
  QLabel* Label6 = nullptr;  // Correct %
  QLabel* Label2 = nullptr;  // Longevity
  QLabel* Label3 = nullptr;  // bonus
  QLabel* TimeLabel = nullptr;
  QLabel* TimePointsLabel = nullptr;
  QLabel* Label7 = nullptr;  // pts
  QLabel* Label8 = nullptr;  // X
  QLabel* PercentageLabel = nullptr;
  QLabel* Label9 = nullptr;  // +
  QLabel* LongevityLabel = nullptr;
  QLabel* Label10 = nullptr;  // =
  QLabel* ScoreLabel = nullptr;
  QLabel* Panel1 = nullptr;
  QPushButton* SpeedButton4 = nullptr;  // TRICHORDS
  QPushButton* SpeedButton5 = nullptr;  // TETRACHORDS
  QPushButton* SpeedButton1 = nullptr;  // "close position"
  QPushButton* SpeedButton2 = nullptr;  // one-octave
  QPushButton* SpeedButton3 = nullptr;  // two-octave
  QLabel* Label12 = nullptr;            // column header
  QListWidget* ListBox = nullptr;
  QLabel* FilterLabel = nullptr;
  QLabel* FilterLabel2 = nullptr;
  QPushButton* Button2 = nullptr;  // Error Report
  QPushButton* Button1 = nullptr;  // OK

  // --- the score and the tables of this opening ------------------------------
  int32_t Correct = 0;
  int32_t Incorrect = 0;
  int32_t ElapsedSeconds = 0;
  float TimePerInterval = 0;
  int32_t Score = 0;
  HighScoreSet HighScoreTables;
  int32_t NewEntryIndex = 0;
  int32_t ModeCode = 0;        // the drill's table
  int ShownRange = 0;          // 0 close position, 1 one octave, 2 two octaves
  int ShownCardinality = 0;    // 0 trichords, 1 tetrachords
  bool FiltersUsed = false;    // the drill is not eligible for the tables

  int ShowModal();
  void ShowScore(const ScoreResult& result);
  void LoadHighScores();
  void InsertHighScore();
  void SaveHighScores();
  void CreateHighScoreFile();
  void ShowHighScores(int table, int highlightRow);

  // --- event handlers -----------------------------------------------------
  // Shows the drill as it ended and what its end left in the files; the
  // window then opens on it with ShowModal.
  void ShowEndedDrill(const DrillResult& result, const EndOfDrill& end);
  void FormClose();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void Button2Click();

 protected:
  void done(int result) override;  // every way of closing runs FormClose

 private:
  // The table of ShownRange and ShownCardinality, the drill's entry selected
  // on its own table only.
  void ShowChosenTable();
  // The drill just ended, dated today.
  HighScoreEntry DrillEntry() const;

  QButtonGroup* rangeButtons_ = nullptr;
  QButtonGroup* cardinalityButtons_ = nullptr;
  // False when hiscore.dat exists but could not be read: rewriting it from
  // what was read would lose every entry it holds.
  bool fileReadable_ = true;
  TErrorReport* report_;
};

extern TForm2* Form2;
