#include "KeyboardAnswer.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <exception>
#include <string>
#include <utility>

#include "DrillSession.h"
#include "DrillView.h"
#include "Platform.h"
#include "Waymidi.h"

TKeyboardAnswer* KeyboardAnswer = nullptr;

namespace {

// Input device ids are asked for one after another until the library names
// none; a library that never stops is not asked beyond this.
constexpr uint32_t kMaxInputDevices = 256;
// How often a group whose keys stay held is checked for its pause.
constexpr int kPauseCheckMs = 50;
// How often the chosen port is looked for while it is chosen.
constexpr int kPortCheckMs = 2000;
// How long what was heard pops up below the answer field.
constexpr int kHeardShownMs = 3000;

QString NotesText(int count) {
  return count == 1 ? QCoreApplication::translate("TKeyboardAnswer", "1 note")
                    : QCoreApplication::translate("TKeyboardAnswer", "%1 notes").arg(count);
}

}  // namespace

TKeyboardAnswer::TKeyboardAnswer(DrillView* view) : view_(*view), drill_(view->Session()) {
  PauseTimer = new QTimer(this);
  PauseTimer->setInterval(kPauseCheckMs);
  connect(PauseTimer, &QTimer::timeout, this, [this] { CheckPause(); });
  PortTimer = new QTimer(this);
  PortTimer->setInterval(kPortCheckMs);
  connect(PortTimer, &QTimer::timeout, this, [this] { CheckPort(); });

  WayMidiIn = std::make_unique<TWayMidiIn>();
  WayMidiIn->WayMidi = view_.MidiLibrary();
  WayMidiIn->OnMidiData = [this](LPMIDIEVENT Event, bool* pbAccept) { MidiData(Event, pbAccept); };
}

TKeyboardAnswer::~TKeyboardAnswer() {
  try {
    ClosePort();
  } catch (...) {
    // A destructor has nobody to report to.
  }
  WayMidiIn.reset();
}

std::vector<std::string> TKeyboardAnswer::InputPorts() const {
  std::vector<std::string> ports;
  TWayMidi* midi = view_.MidiLibrary();
  if (!midi) return ports;
  for (uint32_t id = 0; id < kMaxInputDevices; ++id) {
    bool exists = false;
    std::string description = ReadMidiDescription(midi->GetMidiInDescription, id, &exists);
    if (!exists) break;
    ports.push_back(std::move(description));
  }
  return ports;
}

void TKeyboardAnswer::Apply(const KeyboardSettings& settings) {
  const bool same = settings.port == Settings.port && settings.answerByPlaying == Settings.answerByPlaying;
  Settings = settings;
  SaveKeyboardSettings(Settings);
  if (same && WayMidiIn->IsOpen) return;
  ClosePort();
  OpenChosenPort();
}

bool TKeyboardAnswer::OpenChosenPort() {
  FollowSettings();
  if (WayMidiIn->IsOpen) return true;
  if (!Settings.answerByPlaying || Settings.port.empty()) return false;
  const std::vector<std::string> ports = InputPorts();
  const auto found = std::find(ports.begin(), ports.end(), Settings.port);
  portSeen_ = found != ports.end();
  if (!portSeen_) return false;
  Gatherer.Discard();
  if (!WayMidiIn->Open(static_cast<uint16_t>(found - ports.begin()))) return false;
  try {
    WayMidiIn->Start();
  } catch (...) {
    // A port that takes no input is no use open.
    WayMidiIn->Close();
    throw;
  }
  return true;
}

void TKeyboardAnswer::ClosePort() {
  PauseTimer->stop();
  Gatherer.Discard();
  if (WayMidiIn && WayMidiIn->IsOpen) WayMidiIn->Close();
  FollowSettings();
}

void TKeyboardAnswer::FollowSettings() {
  const bool chosen = Settings.answerByPlaying && !Settings.port.empty();
  if (chosen && !PortTimer->isActive()) PortTimer->start();
  if (!chosen) PortTimer->stop();
}

void TKeyboardAnswer::CheckPort() {
  if (!Settings.answerByPlaying || Settings.port.empty()) return;
  const std::vector<std::string> ports = InputPorts();
  const bool seen = std::find(ports.begin(), ports.end(), Settings.port) != ports.end();
  const bool cameBack = seen && !portSeen_;
  portSeen_ = seen;
  // Unplugged during a drill: no message, the drill goes on typed.
  try {
    if (!seen && WayMidiIn->IsOpen) ClosePort();
    if (cameBack && !WayMidiIn->IsOpen) OpenChosenPort();
  } catch (const std::exception&) {
  }
}

void TKeyboardAnswer::MidiData(LPMIDIEVENT Event, bool* /*pbAccept*/) {
  if (!Event || !Settings.answerByPlaying) return;
  Take(Gatherer.Feed(Event->status, Event->data1, Event->data2, PlatformTickCount()));
}

void TKeyboardAnswer::CheckPause() { Take(Gatherer.Poll(PlatformTickCount())); }

void TKeyboardAnswer::Take(const std::optional<PlayedGroup>& group) {
  if (Gatherer.Open()) {
    if (!PauseTimer->isActive()) PauseTimer->start();
  } else {
    PauseTimer->stop();
  }
  if (group) AnswerPlayed(*group);
}

void TKeyboardAnswer::AnswerPlayed(const PlayedGroup& group) {
  // As with typing: nothing outside a drill, nor while another window is modal.
  if (!drill_.Drilling || QApplication::activeModalWidget()) return;
  const SetClassEntry* first = drill_.EntryAt(0);
  if (!first) return;
  const int cardinality = first->cardinality;
  const PlayedAnswer answer = IdentifyPlayedSetClass(PitchClassesOfNotes(group.notes), drill_.currentList, cardinality);
  if (answer.pitchClassCount != cardinality) {
    ShowHeard(QCoreApplication::translate("TKeyboardAnswer", "played %1, %2 expected")
                  .arg(NotesText(answer.pitchClassCount))
                  .arg(cardinality));
    return;
  }
  const int row = drill_.RowOf(answer.listIndex);
  if (row < 0) {
    // Typing this name would select no row, and Enter would then submit the
    // row selected before: a class the drill does not ask is not judged.
    const SetClassEntry* entry = drill_.EntryAt(answer.listIndex);
    ShowHeard(entry ? QCoreApplication::translate("TKeyboardAnswer", "played %1-%2, not in the list")
                          .arg(cardinality)
                          .arg(QString::fromStdString(entry->name))
                    : QCoreApplication::translate("TKeyboardAnswer", "played %1, no set class found")
                          .arg(NotesText(cardinality)));
    return;
  }
  ShowHeard(QString());
  // Judged as the drill judges a typed answer: the row shown chosen, the
  // field emptied, the answer handed to the drill.
  view_.AnswerList()->setCurrentRow(row);
  view_.AnswerField()->clear();
  drill_.Submit(row);
}

void TKeyboardAnswer::ShowHeard(const QString& text) {
  if (text == heard_) return;
  heard_ = text;
  QLineEdit* field = view_.AnswerField();
  field->setPlaceholderText(text);
  // The field is too narrow to show the whole text: it pops up below it for
  // a moment, and stays as the field's tooltip.
  field->setToolTip(text);
  if (text.isEmpty()) return;
  if (view_.ViewWindow()->isActiveWindow())
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field, QRect(), kHeardShownMs);
  view_.Say(text);
}
