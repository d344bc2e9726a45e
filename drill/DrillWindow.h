// The drill window: the program's main window, where the student practises.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>

#include "Catalogue.h"
#include "DrillSession.h"
#include "DrillSessionSignals.h"
#include "DrillView.h"
#include "EndOfDrill.h"
#include "FilterDrill.h"
#include "FilterState.h"
#include "Question.h"

enum class DrillNews;
class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QString;
class QTimer;
class TRadioGroup;
class TWayMidi;
class TWayMidiOut;

class TForm1 : public QMainWindow, public DrillView {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

 private:
  // What the filter window asks of this drill.
  FilterDrill filterSide_;
  FilterDrill FilterSide();

 public:

  // The drill this window shows. Declared before the members below, which
  // name its state.
 private:
  std::unique_ptr<DrillSession> session_;
  // Gone before the drill they follow.
  std::unique_ptr<QtScheduler> scheduler_;
  std::unique_ptr<DrillSessionSignals> signals_;

 public:
  DrillSession& Session() const override { return *session_; }
  // The drill's news as signals.
  DrillSessionSignals& SessionSignals() const override { return *signals_; }

  // --- what the parts beside the drill see (DrillView) --------------------
  QWidget* ViewWindow() override { return this; }
  QWidget* ControlArea() const override { return Client; }
  QLineEdit* AnswerField() const override { return Edit1; }
  QListWidget* AnswerList() const override { return ListBox; }
  QPushButton* SubmitControl() const override { return SubmitButton; }
  QRect PlayControlsRect() const override;
  void OfferEnd() override;
  void Say(const QString& text) override;
  QString LastSaid() const override;
  QMenuBar* Menus() const override { return MainMenu1; }
  void AddMenu(QMenu* menu) override;
  void AddMidiItem(QAction* item) override;
  QAction* NewPersonItem() const override { return LoginNewPerson1; }
  TWayMidi* MidiLibrary() const override { return WayMidi.get(); }
  TWayMidiOut* OutPort() const override { return WayMidiOut.get(); }

  // --- controls (positions are in the client area below the menu) ---------
  QWidget* Client = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* CorrectLabel = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* IncorrectLabel = nullptr;
  QLabel* TimeLabel = nullptr;
  QPushButton* Button1 = nullptr;  // BEGIN / END
  QPushButton* Button4 = nullptr;  // Repeat (F1)
  QPushButton* Button2 = nullptr;  // Arpeggiate Up (F2)
  QPushButton* Button3 = nullptr;  // Arpeggiate Down (F3)
  QLabel* StaticText1 = nullptr;   // answer prefix "3 -" / "4 -"
  QLineEdit* Edit1 = nullptr;
  QPushButton* SubmitButton = nullptr;
  QPushButton* NextQuestionButton = nullptr;  // "wait for me": plays the question that waits
  QListWidget* ListBox = nullptr;
  TRadioGroup* RadioGroup = nullptr;   // Play: chord / figure / mixed figure
  TRadioGroup* RadioGroup1 = nullptr;  // cardinality
  TRadioGroup* RadioGroup2 = nullptr;  // range
  QPushButton* FilterButton = nullptr;
  QTimer* Timer1 = nullptr;
  QMenuBar* MainMenu1 = nullptr;
  QMenu* Exit1 = nullptr;
  QAction* LoginNewPerson1 = nullptr;
  QAction* Exit2 = nullptr;
  QMenu* Filters1 = nullptr;
  QAction* SetFiltersRange1 = nullptr;
  QMenu* MIDI1 = nullptr;
  QAction* Midisetup1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* Instructionsreadmetxt1 = nullptr;
  QAction* AboutSonorix1 = nullptr;

  // --- MIDI components (the port goes before the library) -----------------
  std::unique_ptr<TWayMidi> WayMidi;
  std::unique_ptr<TWayMidiOut> WayMidiOut;

  // --- catalogue and the views of it (the drill's) ------------------------
  Catalogue& catalogue;
  CardinalityList& currentList;            // currentList.length is the list length
  int32_t (&answerRowMap)[kMaxListLength];

  // --- question state and drill flags (the drill's) ----------------------
  QuestionState& question;
  int32_t& lowestNote;
  int32_t& highestNote;
  int32_t& gapUnit;
  bool& FiltersUsed;
  FilterState& DrillFilterState;

  // --- drill members (the drill's) ----------------------------------------
  bool& Drilling;
  int32_t& CorrectCount;
  int32_t& IncorrectCount;
  uint32_t& DrillStart;
  int32_t& SegmentCorrect;
  int32_t& SegmentIncorrect;
  uint32_t& SegmentStart;
  double& SessionDate;
  int32_t& CurrentPersonIndex;
  std::string& CurrentPersonName;  // up to 99 characters
  bool& LoggedIn;
  int32_t OutDeviceCount = 0;

  // --- the drill's own steps, under the window's names ------------------
  void LoadCatalogue();
  int FillCardinalityList(int cardinality) { return session_->UseCardinality(cardinality); }
  std::string FormatSetClassLabel(int listIndex) const { return session_->LabelAt(listIndex); }
  const SetClassEntry* ListEntry(int listIndex) const { return session_->EntryAt(listIndex); }
  // The answer list: one row per list index given, labelled as the catalogue does.
  void SetAnswerList(const int32_t* listIndices, int count);
  // The answer list shows what the filters ask now.
  void ShowAskedRows();
  // The answer prefix, "3 -" or "4 -".
  void SetAnswerPrefix(const QString& prefix);
  void GenerateQuestion() { session_->GenerateQuestion(); }
  void PlayQuestion() { session_->PlayQuestion(); }
  // Questions of 3 or 4 notes, as the cardinality drilled; whether that changed.
  bool SetNoteCount(int noteCount) { return session_->SetNoteCount(noteCount); }
  void WriteStartRecord() { session_->WriteStartRecord(); }
  void WriteFilterRecord(const FilterState& state) { session_->WriteFilterRecord(state); }
  void WriteSegmentRecord() { session_->WriteSegmentRecord(); }

  // --- event handlers -----------------------------------------------------
  void FormShow();
  void FormClose();
  void Button1Click();
  void Button2Click() { session_->Arpeggiate(true); }
  void Button3Click() { session_->Arpeggiate(false); }
  void Button4Click() { session_->Repeat(); }
  void SubmitButtonClick();
  void SubmitButtonKeyPress(char key);
  void Edit1KeyUp(int key);
  void ListBoxClick();
  void GeneralKeyPress(char key);
  void RadioGroup1Click();
  void RadioGroup2Click();
  void FilterButtonClick();
  // Other settings in force (an assignment's, or the student's own again):
  // the selectors follow, and nothing is saved by following them.
  void UseDrillSettings(const FilterState& filters, int playMode);
  // While held, the selectors' changes are not saved as the student's own.
  void HoldOwnSettings(bool hold) { holdingOwn_ = hold; }
  void LoginNewPerson1Click();
  void Exit2Click();
  void Midisetup1Click();
  void Instructionsreadmetxt1Click();
  void AboutSonorix1Click();
  void ClockTick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The counters and the clock: their text, size and news for a screen reader.
  static void SetLabelText(QLabel* label, const QString& text);
  void SetDrillButtons(bool enabled);
  void ShowCounts();
  int SelectedRow() const;                // -1 when no row is selected
  std::string RowName(int row) const;     // name of the set class shown in that row
  void SyncSelectorsFromFilters();
  void SaveFilterSettings() const;
  // Up and Down in the answer field; false for other keys.
  bool WalkAnswerList(const QKeyEvent* key);
  // Tells a screen reader the set class chosen in the list, once.
  void TellChosenRow();
  // The view's answers to the drill's signals.
  void ConnectSession();
  // Tells a screen reader what just happened; `listIndex` names the set class.
  void TellDrillNews(DrillNews news, int listIndex = -1);

  std::unique_ptr<DrillSurroundings> surroundings_;
  bool shownOnce_ = false;
  // The last scored drill as it ended, and what its end wrote.
  DrillResult endedDrill_;
  EndOfDrill endedFiles_;
  bool followingFilters_ = false;  // the selectors follow the filter window
  bool holdingOwn_ = false;        // an assignment's settings are in force
  int announcedRow_ = -1;
};

extern TForm1* Form1;
