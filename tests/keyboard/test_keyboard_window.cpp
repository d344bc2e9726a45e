// Answers played on a keyboard through the recording driver library's input
// port, judged by the drill window exactly as typed ones; the window that
// chooses the port, and the settings kept for the next start.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <set>

#include "Accessible.h"
#include "ModalWindow.h"
#include "EventLoop.h"
#include "KeyboardAnswer.h"
#include "Sxkeyboard.h"
#include "DrillWindowTest.h"

namespace {

constexpr uint8_t kNoteOn = 0x90;
constexpr uint8_t kNoteOff = 0x80;
constexpr uint8_t kControl = 0xB0;

MIDIEVENT Event(uint32_t time, uint8_t status, int data1, int data2) {
  return {time, status, static_cast<uint8_t>(data1), static_cast<uint8_t>(data2), 0};
}

// Hands the events to the open input port and lets the event loop deliver them.
void Feed(const std::vector<MIDIEVENT>& events) {
  RecorderFeedInput(events.data(), events.size());
  QApplication::processEvents();
  QApplication::processEvents();
}

// A chord rolled up with the pedal down, released in reverse order, every
// other key by a note-on of velocity 0, on channel 3.
void PlayChord(const std::vector<int>& notes) {
  std::vector<MIDIEVENT> events{Event(10, kControl | 2, 64, 127), Event(5, 0xFE, 0, 0)};
  for (int n : notes) events.push_back(Event(30, kNoteOn | 2, n, 90));
  for (size_t i = notes.size(); i-- > 0;) events.push_back(Event(200, (i % 2 ? kNoteOn : kNoteOff) | 2, notes[i], 0));
  Feed(events);
}

// The pitch classes of the heard notes inverted (when asked) and transposed,
// spread one per octave over three octaves from C2, the lowest doubled on top.
std::vector<int> Revoiced(const std::vector<int>& heard, bool invert, int t) {
  std::set<int> pcs;
  for (int n : heard) pcs.insert(((invert ? -n : n) % 12 + 12 + t) % 12);
  std::vector<int> notes;
  int k = 0;
  for (int pc : pcs) notes.push_back(36 + 12 * (k++ % 3) + pc);
  notes.push_back(72 + *pcs.begin());
  return notes;
}

int CallsTo(const std::string& name) {
  int n = 0;
  for (const RecordedCall& call : RecorderCalls()) n += call.name == name;
  return n;
}

}  // namespace

class KeyboardWindowTest : public DrillWindowTest {
 protected:
  void WriteSettings(const std::string& keyboard) {
    dir_.Write("sonorix.ini", "[Progress]\nShown=3\n\n[Keyboard]\n" + keyboard);
  }

  static std::vector<int> PrimeNotes(int row) {
    const ListedClass c = RowClass(row);
    std::vector<int> notes;
    for (int i = 0; i < c.prime.count; ++i) notes.push_back(50 + c.prime.elements[i]);
    return notes;
  }

  // Runs the window: the test's steps run once it is shown, then OK.
  template <typename Steps>
  static void InKeyboardWindow(Steps steps) {
    QWidget* ran = RunModal([] { KeyboardAnswer->AnswerFromKeyboard1->trigger(); }, [&](QWidget*) { steps(); },
                            KeyboardForm, [](QWidget*) { KeyboardForm->Button1->click(); });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(KeyboardForm->isVisible());
  }
};

TEST_F(KeyboardWindowTest, ADrillAnsweredByPlayingToItsEnd) {
  WriteSettings("Port=Recorder In\nAnswerByPlaying=true\n");
  CreateAndShowLoggedIn("Ann", 0);
  // Restored at start: the port is open and started.
  ASSERT_TRUE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_TRUE(KeyboardAnswer->WayMidiIn->Started);
  EXPECT_EQ(KeyboardAnswer->WayMidiIn->Description, "Recorder In");

  // Outside a drill playing changes nothing, plays nothing, writes nothing.
  size_t mark = Mark();
  PlayChord({60, 64, 67});
  PlayChord({60, 62, 64, 67});
  EXPECT_EQ(Form1->CorrectCount + Form1->IncorrectCount, 0);
  EXPECT_TRUE(HeardSince(mark).empty());
  EXPECT_FALSE(Exists("report.dat"));
  EXPECT_TRUE(Form1->Edit1->placeholderText().isEmpty());

  Form1->Button1->click();  // BEGIN
  ASSERT_TRUE(Form1->Drilling);
  for (int answer = 1; answer <= 5; ++answer) {
    const std::vector<int> heard = HeardSince(mark);
    ASSERT_EQ(heard.size(), 3u) << answer;
    clock_.now += 7000;
    mark = Mark();
    if (answer == 1) {
      // Wrong twice, counted once, with the same statistics a typed answer gets.
      const int wrong = WrongRowFor(heard);
      const std::vector<int> notes = PrimeNotes(wrong);
      PlayChord(notes);
      PlayChord(Revoiced(notes, true, 5));
      EXPECT_EQ(Form1->IncorrectCount, 1);
      EXPECT_EQ(Form1->IncorrectLabel->text(), "1");
      EXPECT_EQ(Form1->question.lastWrongRow, wrong);
      EXPECT_TRUE(HeardSince(mark).empty());
      // Four notes, then two: not an answer; the placeholder says what was heard.
      PlayChord({60, 61, 62, 63});
      EXPECT_EQ(Form1->Edit1->placeholderText(), "played 4 notes, 3 expected");
      EXPECT_EQ(LastAnnouncement(Form1), "played 4 notes, 3 expected");
      PlayChord({60, 72, 67});
      EXPECT_EQ(Form1->Edit1->placeholderText(), "played 2 notes, 3 expected");
      EXPECT_TRUE(Form1->Edit1->text().isEmpty());
      EXPECT_EQ(Form1->IncorrectCount, 1);
      EXPECT_EQ(Form1->CorrectCount, 0);
    }
    if (answer == 2) {
      // One note after another with the keys held: taken after the pause.
      const std::vector<int> notes = Revoiced(heard, false, 7);
      std::vector<MIDIEVENT> events;
      for (int n : notes) events.push_back(Event(400, kNoteOn, n, 70));
      Feed(events);
      EXPECT_EQ(Form1->CorrectCount, 1);
      clock_.now += NoteGatherer::kDefaultPauseMs;
      ASSERT_TRUE(ProcessEventsUntil([] { return Form1->CorrectCount == 2; }));
      const size_t asked = Mark();
      std::vector<MIDIEVENT> releases;
      for (int n : notes) releases.push_back(Event(100, kNoteOff, n, 0));
      Feed(releases);  // the keys of a group already taken end nothing
      EXPECT_EQ(Form1->CorrectCount, 2);
      EXPECT_EQ(Mark(), asked);
      continue;
    }
    PlayChord(Revoiced(heard, answer % 2 == 1, answer * 5));
    EXPECT_EQ(Form1->CorrectCount, answer);
    EXPECT_TRUE(Form1->Edit1->placeholderText().isEmpty());
  }
  EXPECT_EQ(Form1->Button1->text(), "END");
  // The error statistics counted as for typed answers: five right, one wrong.
  int right = 0, wrong = 0;
  for (const SetClassStats& s : ErrorReport->SessionStats) {
    right += s.Correct[0] + s.Correct[1];
    wrong += s.Wrong[0] + s.Wrong[1];
  }
  EXPECT_EQ(right, 5);
  EXPECT_EQ(wrong, 1);

  clock_.now += 1000;
  Form1->Button1->click();  // END
  EXPECT_FALSE(Form1->Drilling);
  const std::string report = ReadFile("report.dat");
  ASSERT_NE(report.rfind("\r\nD 5 1 "), std::string::npos) << report;
  // After the drill, playing changes nothing again.
  mark = Mark();
  PlayChord({60, 63, 67});
  EXPECT_EQ(Form1->CorrectCount, 0);
  EXPECT_TRUE(HeardSince(mark).empty());
  EXPECT_EQ(ReadFile("report.dat"), report);
}

TEST_F(KeyboardWindowTest, TheWindowChoosesThePortAndTheNextStartRestoresIt) {
  CreateAndShowLoggedIn("Ann", 0);
  // Nothing chosen yet: no port opened; the item sits below "Midi Setup".
  EXPECT_FALSE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_EQ(CallsTo("OpenMidiIn"), 0);
  const QList<QAction*> items = Form1->MIDI1->actions();
  const qsizetype setup = items.indexOf(Form1->Midisetup1);
  ASSERT_GE(setup, 0);
  ASSERT_LT(setup + 1, items.size());
  EXPECT_EQ(items[setup + 1], KeyboardAnswer->AnswerFromKeyboard1);
  EXPECT_EQ(items[setup + 1]->text(), QString::fromUtf8("Answer From Keyboard\u2026"));

  InKeyboardWindow([] {
    ASSERT_EQ(KeyboardForm->ListBox1->count(), 1);
    EXPECT_EQ(KeyboardForm->ListBox1->item(0)->text(), "Recorder In");
    EXPECT_FALSE(KeyboardForm->CheckBox1->isChecked());
    KeyboardForm->ListBox1->setCurrentRow(0);
    KeyboardForm->CheckBox1->setChecked(true);
  });
  EXPECT_TRUE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_EQ(CallsTo("StartMidiIn"), 1);

  // The chosen port no longer listed (unplugged): closed, quietly, and opened
  // again once it is back.
  KeyboardAnswer->Settings.port = "Unplugged Keys";
  KeyboardAnswer->CheckPort();
  EXPECT_FALSE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_EQ(CallsTo("CloseMidiIn"), 1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  KeyboardAnswer->CheckPort();
  EXPECT_EQ(CallsTo("OpenMidiIn"), 1);
  KeyboardAnswer->Settings.port = "Recorder In";
  KeyboardAnswer->CheckPort();
  EXPECT_TRUE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_EQ(CallsTo("OpenMidiIn"), 2);
  EXPECT_EQ(CallsTo("StartMidiIn"), 2);
  const std::string ini = ReadFile("sonorix.ini");
  EXPECT_NE(ini.find("[Keyboard]"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Port=Recorder In"), std::string::npos) << ini;
  EXPECT_NE(ini.find("AnswerByPlaying=true"), std::string::npos) << ini;

  // Closed by the close box, the window keeps what it shows; unchanged, the
  // port is left as it is.
  QTimer::singleShot(0, [] {
    EXPECT_EQ(KeyboardForm->ListBox1->currentRow(), 0);
    EXPECT_TRUE(KeyboardForm->CheckBox1->isChecked());
    KeyboardForm->close();
  });
  KeyboardAnswer->AnswerFromKeyboard1->trigger();
  EXPECT_EQ(CallsTo("OpenMidiIn"), 2);
  EXPECT_EQ(CallsTo("CloseMidiIn"), 1);

  // Answering by playing turned off closes the port; another group of the
  // same file stays.
  InKeyboardWindow([] { KeyboardForm->CheckBox1->setChecked(false); });
  EXPECT_FALSE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_EQ(CallsTo("CloseMidiIn"), 2);
  WriteSettings("Port=Recorder In\nAnswerByPlaying=true\n");

  // The next start opens the port again; a port that is gone is not opened,
  // quietly, and stays chosen.
  DestroySonorixWindows();
  RecorderReset();
  CreateAndShowLoggedIn("Ann", 0);
  EXPECT_TRUE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_EQ(KeyboardAnswer->Settings.port, "Recorder In");

  // A port that opens but will not start is closed again, quietly at start.
  DestroySonorixWindows();
  RecorderReset();
  RecorderSetStartInResult(3);
  CreateAndShowLoggedIn("Ann", 0);
  EXPECT_FALSE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_EQ(CallsTo("CloseMidiIn"), 1);

  WriteSettings("Port=Gone Keys\nAnswerByPlaying=true\n");
  DestroySonorixWindows();
  RecorderReset();
  CreateAndShowLoggedIn("Ann", 0);
  EXPECT_FALSE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_EQ(CallsTo("OpenMidiIn"), 0);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  InKeyboardWindow([] { EXPECT_TRUE(KeyboardForm->ListBox1->selectedItems().isEmpty()); });
  EXPECT_NE(ReadFile("sonorix.ini").find("Port=Gone Keys"), std::string::npos);
  EXPECT_NE(ReadFile("sonorix.ini").find("Shown=3"), std::string::npos);
}

TEST_F(KeyboardWindowTest, WithNoInputPortTheWindowSaysSoAndAnswerByPlayingWaitsForOne) {
  RecorderSetInDeviceCount(0);
  CreateAndShowLoggedIn("Ann", 0);
  InKeyboardWindow([] {
    EXPECT_EQ(KeyboardForm->ListBox1->count(), 0);
    EXPECT_TRUE(KeyboardForm->NoPortLabel->isVisible());
    EXPECT_TRUE(KeyboardForm->NoPortLabel->text().startsWith("No MIDI input port found"));
    EXPECT_FALSE(KeyboardForm->CheckBox1->isEnabled());

    // A keyboard connected while the window is open is listed; the box waits
    // for it to be chosen.
    RecorderSetInDeviceCount(1);
    KeyboardForm->RefreshPorts();
    ASSERT_EQ(KeyboardForm->ListBox1->count(), 1);
    EXPECT_FALSE(KeyboardForm->NoPortLabel->isVisible());
    EXPECT_FALSE(KeyboardForm->CheckBox1->isEnabled());
    KeyboardForm->ListBox1->setCurrentRow(0);
    EXPECT_TRUE(KeyboardForm->CheckBox1->isEnabled());
    KeyboardForm->CheckBox1->setChecked(true);

    // Unplugged again: the choice cannot stay checked against nothing listed.
    RecorderSetInDeviceCount(0);
    KeyboardForm->RefreshPorts();
    EXPECT_TRUE(KeyboardForm->NoPortLabel->isVisible());
    EXPECT_FALSE(KeyboardForm->CheckBox1->isEnabled());
    RecorderSetInDeviceCount(1);
    KeyboardForm->RefreshPorts();
    KeyboardForm->ListBox1->setCurrentRow(0);
  });
  EXPECT_TRUE(KeyboardAnswer->WayMidiIn->IsOpen);
  EXPECT_EQ(KeyboardAnswer->Settings.port, "Recorder In");
}
