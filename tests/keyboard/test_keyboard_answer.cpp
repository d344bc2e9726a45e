// Played answers judged against the drill's own answer rows, on a drill view
// that is not the drill window: a few rows shown of the list, and every word
// said kept.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <memory>
#include <vector>

#include "DrillSession.h"
#include "DrillSessionSignals.h"
#include "DrillView.h"
#include "KeyboardAnswer.h"
#include "Random.h"
#include "ScratchDir.h"

namespace {

// The first six trichords asked, chords played nowhere.
class SixClasses : public DrillSurroundings {
 public:
  void SettingsNow(FilterState& s) const override { s = FilterState{0x3F, 0, 0}; }
  int Cardinality() const override { return 0; }
  int Range() const override { return 0; }
  bool Asks(int listIndex) const override { return listIndex >= 0 && listIndex < 6; }
  void AskWholeList() override {}
  PlayManner Manner() const override { return PlayManner::Chord; }
  void Play(const PlaybackPlan&) override {}
};

class FakeView : public DrillView {
 public:
  FakeView() {
    field = new QLineEdit(&window);
    list = new QListWidget(&window);
    submit = new QPushButton(&window);
    menus = new QMenuBar(&window);
    midi = menus->addMenu(QStringLiteral("MIDI"));
    newPerson = new QAction(&window);
  }
  DrillSession& Session() const override { return drill; }
  DrillSessionSignals& SessionSignals() const override { return *news; }
  QWidget* ViewWindow() override { return &window; }
  QWidget* ControlArea() const override { return &window; }
  QLineEdit* AnswerField() const override { return field; }
  QListWidget* AnswerList() const override { return list; }
  QPushButton* SubmitControl() const override { return submit; }
  QRect PlayControlsRect() const override { return {}; }
  void OfferEnd() override {}
  void Say(const QString& text) override { said.push_back(text); }
  QString LastSaid() const override { return said.empty() ? QString() : said.back(); }
  QMenuBar* Menus() const override { return menus; }
  void AddMenu(QMenu* menu) override { menus->addMenu(menu); }
  void AddMidiItem(QAction* item) override { midi->addAction(item); }
  QAction* NewPersonItem() const override { return newPerson; }
  TWayMidi* MidiLibrary() const override { return nullptr; }
  TWayMidiOut* OutPort() const override { return nullptr; }

  mutable DrillSession drill;
  std::unique_ptr<DrillSessionSignals> news = std::make_unique<DrillSessionSignals>(drill);
  mutable QWidget window;
  QLineEdit* field;
  QListWidget* list;
  QPushButton* submit;
  QMenuBar* menus;
  QMenu* midi;
  QAction* newPerson;
  std::vector<QString> said;
};

class KeyboardAnswerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.Enter());
    ASSERT_TRUE(dir_.CopyShipped("ftclass.dat"));
    ProgramRandom().Seed(4242);
    DrillSession& drill = view_.drill;
    ASSERT_TRUE(drill.ReadCatalogue("ftclass.dat"));
    ASSERT_EQ(drill.UseCardinality(3), 12);
    // The list shows the six classes asked, in reverse order.
    const int32_t rows[6] = {5, 4, 3, 2, 1, 0};
    for (int32_t listIndex : rows) view_.list->addItem(QString::fromStdString(drill.LabelAt(listIndex)));
    drill.SetAnswerRows(rows, 6);
    drill.SetSurroundings(&asked_);
    drill.CurrentPersonName = "Ann";
  }

  // The class's prime form from D3, each pitch class in its own octave.
  std::vector<int> Played(int listIndex) const {
    const SetClassEntry* entry = view_.drill.EntryAt(listIndex);
    std::vector<int> notes;
    for (int i = 0; i < entry->cardinality; ++i) notes.push_back(50 + 12 * i + entry->pitchClasses[i]);
    return notes;
  }

  ScratchDir dir_;
  SixClasses asked_;
  FakeView view_;
};

}  // namespace

TEST_F(KeyboardAnswerTest, APlayedClassIsJudgedOnlyWhenTheAnswerRowsShowIt) {
  TKeyboardAnswer answer(&view_);
  DrillSession& drill = view_.drill;

  // Outside a drill nothing is judged or said.
  answer.AnswerPlayed({Played(0), 0});
  EXPECT_TRUE(view_.said.empty());

  ASSERT_TRUE(drill.Begin());
  const int asked = drill.question.listIndex;
  ASSERT_GE(drill.RowOf(asked), 0);

  // 3-9 is a trichord of the list, but no row shows it: typing it would
  // choose no row, so it is not judged either, and the student hears why.
  view_.field->setText(QStringLiteral("1"));
  view_.list->setCurrentRow(4);
  answer.AnswerPlayed({Played(8), 0});
  EXPECT_EQ(drill.CorrectCount + drill.IncorrectCount, 0);
  ASSERT_FALSE(view_.said.empty());
  EXPECT_EQ(view_.said.back(), "played 3-9, not in the list");
  EXPECT_EQ(view_.field->placeholderText(), "played 3-9, not in the list");
  EXPECT_EQ(view_.field->text(), "1") << "what was typed stays";
  EXPECT_EQ(view_.list->currentRow(), 4);

  // Too few pitch classes: said, not judged.
  answer.AnswerPlayed({{60, 72, 67}, 0});
  EXPECT_EQ(view_.said.back(), "played 2 notes, 3 expected");
  EXPECT_EQ(drill.CorrectCount + drill.IncorrectCount, 0);

  // A class of another row: counted wrong, its row shown chosen.
  const int other = (asked + 1) % 6;
  answer.AnswerPlayed({Played(other), 0});
  EXPECT_EQ(drill.IncorrectCount, 1);
  EXPECT_EQ(view_.list->currentRow(), drill.RowOf(other));
  EXPECT_TRUE(view_.field->text().isEmpty());
  EXPECT_TRUE(view_.field->placeholderText().isEmpty()) << "nothing left to explain";

  // The class asked, in the reversed rows: right.
  answer.AnswerPlayed({Played(asked), 0});
  EXPECT_EQ(drill.CorrectCount, 1);
  EXPECT_EQ(drill.IncorrectCount, 1);
  EXPECT_EQ(view_.list->currentRow(), 5 - asked);
}
