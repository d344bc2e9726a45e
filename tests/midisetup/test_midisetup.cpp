// Choosing the output device: what the setup window lists, and what the
// driver library sees, in order, when the student picks an entry.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "ModalWindow.h"
#include "Sxfilters.h"
#include "Sxmidi.h"
#include "Waymidi.h"
#include "WindowsFixture.h"

namespace {

using Strings = std::vector<std::string>;
using Numbers = std::vector<uint32_t>;

class MidiSetupTest : public WindowsTest {
 protected:
  static void SetDevices(const Strings& names) {
    std::vector<const char*> texts;
    for (const std::string& n : names) texts.push_back(n.c_str());
    RecorderSetOutDevices(texts.data(), texts.size());
  }

  // The port calls since a mark, as "Name(device or handle)".
  static Strings CallsSince(size_t mark) {
    Strings calls;
    const auto& all = RecorderCalls();
    for (size_t i = mark; i < all.size(); ++i) {
      const RecordedCall& c = all[i];
      const uint32_t arg = c.name == "OpenMidiOut" ? c.args[1] : c.args[0];
      calls.push_back(c.name + "(" + std::to_string(arg) + ")");
      if (c.name == "OpenMidiOut") {
        EXPECT_EQ(c.args[3], 78624u);
      }
    }
    return calls;
  }
  // One argument of each call of that name since a mark.
  static Numbers ArgsSince(size_t mark, const std::string& name, int arg) {
    Numbers args;
    const auto& all = RecorderCalls();
    for (size_t i = mark; i < all.size(); ++i)
      if (all[i].name == name) args.push_back(all[i].args[arg]);
    return args;
  }

  // Shows the window from the MIDI menu and runs `whileShown` inside it; a
  // window still open then is closed by its close box.
  static int ShowSetup(const std::function<void()>& whileShown) {
    RunModal([] { Form1->Midisetup1->trigger(); }, [&](QWidget*) { whileShown(); }, MidiForm);
    return MidiForm->result();
  }
  static void ClickEntry(int row) {
    QListWidget* list = MidiForm->ListBox1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  static void Press(Qt::Key key) { QTest::keyClick(MidiForm->ListBox1, key); }

  // Answers the drill's question rightly, which plays the next one.
  static void AnswerRightly() {
    for (int r = 0; r < Form1->ListBox->count(); ++r) {
      if (Form1->answerRowMap[r] != Form1->question.listIndex) continue;
      Form1->ListBox->setCurrentRow(r);
      Form1->SubmitButtonClick();
      return;
    }
    ADD_FAILURE() << "the question's set class is not listed";
  }
};

TEST_F(MidiSetupTest, ListsWhatTheLibraryDescribesOnceAtStart) {
  const std::string exactly31 = "Thirty-one characters, exactly.";
  for (const Strings& devices : {Strings{}, Strings{"Built-in synthesizer"},
                                 Strings{"Synth", exactly31, exactly31 + " and more", "Caf\xE9 Synth"}}) {
    SCOPED_TRACE(devices.size());
    RecorderReset();
    SetDevices(devices);
    CreateWindows();
    QStringList expected;
    for (const std::string& d : devices) expected << QString::fromLatin1(d.substr(0, 31));
    QStringList entries;
    for (int i = 0; i < MidiForm->ListBox1->count(); ++i) entries << MidiForm->ListBox1->item(i)->text();
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(Form1->OutDeviceCount, static_cast<int32_t>(devices.size()));
    EXPECT_EQ(MidiForm->ListBox1->SelectedRow(), -1);
    // Asked from id 0 to the first id not described, after the port's own
    // question when it opened device 0 at start; nothing reopened.
    Numbers asked = {0};
    for (uint32_t id = 0; id <= devices.size(); ++id) asked.push_back(id);
    EXPECT_EQ(ArgsSince(0, "GetMidiOutDescription", 0), asked);
    EXPECT_EQ(ArgsSince(0, "OpenMidiOut", 1), Numbers{0});
    EXPECT_EQ(MidiForm->size(), QSize(250, 216));

    // The list is never built again; both OK and the close box end the window.
    SetDevices({"A", "B", "C", "D", "E", "F"});
    const size_t mark = RecorderCalls().size();
    EXPECT_EQ(ShowSetup([] { QTest::mouseClick(MidiForm->Button1, Qt::LeftButton); }), QDialog::Accepted);
    EXPECT_EQ(ShowSetup([] {}), QDialog::Rejected);
    EXPECT_EQ(MidiForm->ListBox1->count(), expected.size());
    EXPECT_TRUE(CallsSince(mark).empty());
    DestroySonorixWindows();
  }
}

TEST_F(MidiSetupTest, ALibraryThatDescribesEveryIdStillEndsTheList) {
  SetDevices(Strings(70000, "Port"));
  CreateWindows();
  EXPECT_EQ(Form1->OutDeviceCount, 65536);
  EXPECT_EQ(MidiForm->ListBox1->count(), 65536);
}

TEST_F(MidiSetupTest, EveryChoiceReopensThePortAtOnceByMouseOrKeys) {
  SetDevices({"Synth", "Port one", "Port two"});
  CreateWindows();
  const size_t mark = RecorderCalls().size();
  bool openBeforeOk = false;
  size_t afterClicks = 0;
  ShowSetup([&] {
    ClickEntry(2);
    openBeforeOk = Form1->WayMidiOut->IsOpen && Form1->WayMidiOut->DeviceId == 2;
    ClickEntry(2);  // clicked again: tried again
    ClickEntry(0);  // device 0, the one opened at start
    afterClicks = RecorderCalls().size();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) Press(key);  // the third moves nothing
  });
  EXPECT_TRUE(openBeforeOk);
  Strings expected;
  for (int device : {2, 2, 0})  // the recorder opens every device as handle 100
    expected.insert(expected.end(),
                    {"ResetMidiOut(100)", "CloseMidiOut(100)", "GetMidiOutDescription(" + std::to_string(device) + ")",
                     "OpenMidiOut(" + std::to_string(device) + ")"});
  const Strings calls = CallsSince(mark);
  EXPECT_EQ(Strings(calls.begin(), calls.begin() + static_cast<long>(afterClicks - mark)), expected);
  EXPECT_EQ(ArgsSince(afterClicks, "OpenMidiOut", 1), Numbers({1, 2, 1}));
  EXPECT_EQ(ArgsSince(afterClicks, "CloseMidiOut", 0).size(), 3u);
  EXPECT_EQ(Form1->WayMidiOut->Description, "Port one");

  // Shown again, the entry chosen last is still selected.
  int selected = -1;
  ShowSetup([&] { selected = MidiForm->ListBox1->SelectedRow(); });
  EXPECT_EQ(selected, 1);
}

TEST_F(MidiSetupTest, ARefusedDeviceLeavesThePortClosedUntilAnotherChoiceOpens) {
  SetDevices({"Synth", "Busy port", "Free port"});
  RecorderSetDeviceOpenResult(0, 0);  // refused at start
  RecorderSetDeviceOpenResult(1, 32);
  RecorderSetDeviceOpenResult(2, 300);
  CreateWindows();
  ASSERT_FALSE(Form1->WayMidiOut->IsOpen);

  size_t mark = RecorderCalls().size();
  ShowSetup([] { ClickEntry(1); });
  // From the closed state: nothing reset or closed, no message.
  EXPECT_EQ(CallsSince(mark), Strings({"GetMidiOutDescription(1)", "OpenMidiOut(1)"}));
  EXPECT_FALSE(Form1->WayMidiOut->IsOpen);
  EXPECT_TRUE(Form1->windowTitle().startsWith(QStringLiteral("Sonorix - No sound: ")));
  mark = RecorderCalls().size();
  Form1->Button1Click();  // BEGIN: the question's notes are dropped
  ASSERT_TRUE(Form1->Drilling);
  EXPECT_TRUE(CallsSince(mark).empty());

  mark = RecorderCalls().size();
  ShowSetup([] {
    ClickEntry(1);  // refused again
    ClickEntry(2);
  });
  EXPECT_EQ(CallsSince(mark),
            Strings({"GetMidiOutDescription(1)", "OpenMidiOut(1)", "GetMidiOutDescription(2)", "OpenMidiOut(2)"}));
  EXPECT_TRUE(Form1->WayMidiOut->IsOpen);
  EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Sonorix"));  // sound is back
  mark = RecorderCalls().size();
  Form1->Button4Click();  // Repeat
  EXPECT_FALSE(ArgsSince(mark, "PutMidiOut", 0).empty());
  EXPECT_EQ(ArgsSince(mark, "PutMidiOut", 0), Numbers(ArgsSince(mark, "PutMidiOut", 0).size(), 300));
}

// With two devices of the test library: after each choice the next question
// sounds on the device chosen, and only there.
TEST_F(MidiSetupTest, TheNextQuestionSoundsOnTheDeviceChosen) {
  SetDevices({"Synth A", "Port B"});
  RecorderSetDeviceOpenResult(0, 100);
  RecorderSetDeviceOpenResult(1, 201);
  CreateWindows();
  // As a login leaves it: the saved filters applied, the answer list filled.
  FilterState saved;
  TFilterForm::LoadFilters(saved);
  FilterForm->ApplyFilters(saved);
  FilterForm->FillAnswerList();

  size_t mark = RecorderCalls().size();
  Form1->Button1Click();
  for (int device : {-1, 1, 0}) {
    if (device >= 0) {
      ShowSetup([device] { ClickEntry(device); });
      mark = RecorderCalls().size();
      AnswerRightly();
    }
    const Numbers heard = ArgsSince(mark, "PutMidiOut", 0);
    ASSERT_FALSE(heard.empty()) << device;
    EXPECT_EQ(heard, Numbers(heard.size(), device == 1 ? 201 : 100)) << device;
  }
  EXPECT_EQ(Form1->CorrectCount, 2);
}

}  // namespace
