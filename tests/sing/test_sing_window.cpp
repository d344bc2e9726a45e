#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "Accessible.h"
#include "DrillWindowTest.h"
#include "SingLog.h"
#include "SingWindow.h"
#include "SungVoices.h"

namespace {

constexpr int kRate = 44100;

struct Sung {
  int midi;
  int cents = 0;  // sung this far off the note
};

// TimGM6mb's "Choir Aahs" singing the notes.
std::vector<float> Choir(const std::vector<Sung>& notes) {
  std::vector<VoiceNote> voice;
  for (const Sung& n : notes) {
    VoiceNote note;
    note.midi = n.midi;
    note.detuneCents = n.cents;
    note.seconds = 0.6;
    voice.push_back(note);
  }
  VoiceOptions options;
  options.kind = VoiceKind::ChoirAahs;
  options.sampleRate = kRate;
  options.tailSeconds = 0.5;
  return RenderVoice(voice, options);
}

// A quiet room: faint noise, never digital silence.
std::vector<float> Room(double seconds) {
  std::mt19937 rng(7);
  std::normal_distribution<float> noise(0.0f, 0.0005f);
  std::vector<float> mono(static_cast<size_t>(seconds * kRate));
  for (float& s : mono) s = noise(rng);
  return mono;
}

void WriteWav(const std::string& path, const std::vector<float>& mono) { ASSERT_TRUE(::WriteWav(path, mono, kRate)); }

class SingWindowTest : public DrillWindowTest {
 protected:
  void SetUp() override {
    DrillWindowTest::SetUp();
    inputs_ = std::filesystem::temp_directory_path() / ("sonorix-sing-" + std::to_string(::getpid()));
    std::filesystem::create_directories(inputs_);
    RestartWavSources();
  }
  void TearDown() override {
    DrillWindowTest::TearDown();
    ::unsetenv("SONORIX_SING_WAV");
    std::filesystem::remove_all(inputs_);
  }

  std::string Input(const std::string& name) const { return (inputs_ / name).string(); }
  // The microphone's place: the room first (the gate), then each exercise's voice.
  void UseInputs(const std::vector<std::string>& names) {
    std::string list;
    for (const auto& name : names) list += (list.empty() ? "" : ":") + Input(name);
    ::setenv("SONORIX_SING_WAV", list.c_str(), 1);
  }

  static TSingForm* Open() {
    auto* item = Form1->findChild<QAction*>(QStringLiteral("SingTheAnswer1"));
    EXPECT_NE(item, nullptr);
    if (item) item->trigger();
    return SingWindow(Form1);
  }

  static bool WaitForIdle(TSingForm* window) {
    QElapsedTimer timer;
    timer.start();
    auto idle = [window] {
      return window->CurrentStep() == TSingForm::Step::Idle || window->CurrentStep() == TSingForm::Step::Failed;
    };
    QApplication::processEvents();
    while (!idle() && timer.elapsed() < 40000) QApplication::processEvents(QEventLoop::AllEvents, 10);
    return idle();
  }

  std::filesystem::path inputs_;
};

int PitchClass(int midi) { return ((midi % 12) + 12) % 12; }

}  // namespace

// Sung back right, then a class with one note 60 cents off (wrong), then that
// class again in tune (right at the second try): each verdict, the notes and
// their deviations, the right notes played after the verdict, the three
// records in sing.dat, the words said once listening ended; and not one
// sample of the voice kept in any file.
TEST_F(SingWindowTest, RenderedVoicesAreJudgedShownPlayedAndLogged) {
  CreateAndShowLoggedIn("Ann", 0);
  WriteWav(Input("room.wav"), Room(3.5));
  UseInputs({"room.wav", "voice1.wav", "voice2.wav", "voice3.wav"});
  TSingForm* window = Open();
  ASSERT_NE(window, nullptr);
  std::vector<int> played;
  std::vector<std::vector<int>> expectedPcs;
  int turn = 0;
  // Sings each exercise as it is made: the played notes (Back), or the start
  // and the rest of the class after it (Class).
  window->onExerciseMade = [&](const SingExercise& e) {
    ++turn;
    std::vector<Sung> voice;
    if (e.kind == SingKind::Back)
      for (int n : e.played) voice.push_back({n});
    else {
      // The rest after the starting note, upwards from it.
      int at = e.played.front();
      for (int pc : e.expected) voice.push_back({at += (PitchClass(pc - at) == 0 ? 12 : PitchClass(pc - at))});
      if (at > 76) for (Sung& s : voice) s.midi -= 12;
    }
    if (turn == 2) voice.back().cents = 60;  // flat of the next semitone: the wrong note
    std::vector<int> pcs;
    for (const Sung& s : voice) pcs.push_back(PitchClass(s.midi));
    expectedPcs.push_back(pcs);
    WriteWav(Input("voice" + std::to_string(turn) + ".wav"), Choir(voice));
  };

  window->BackRadio->setChecked(true);
  size_t mark = Mark();
  window->SingButton->click();
  ASSERT_TRUE(WaitForIdle(window));
  ASSERT_TRUE(window->Calibrated());
  ASSERT_TRUE(window->Verdict().has_value()) << window->StatusLabel->text().toStdString();
  played = window->Exercise()->played;
  EXPECT_TRUE(window->Verdict()->right) << window->Verdict()->why;
  ASSERT_EQ(window->Heard().size(), played.size());
  for (size_t i = 0; i < played.size(); ++i) {
    EXPECT_EQ(window->Heard()[i].pitchClass, PitchClass(played[i]));
    EXPECT_LE(std::abs(window->Heard()[i].cents), 20);
  }
  // The exercise, then the right notes after the verdict.
  std::vector<int> twice = played;
  twice.insert(twice.end(), played.begin(), played.end());
  EXPECT_EQ(HeardSince(mark), twice);
  const QString said = LastAnnouncement(window);
  EXPECT_TRUE(said.startsWith(window->VerdictLabel->text())) << said.toStdString();
  EXPECT_TRUE(said.contains(window->HeardLabel->text())) << said.toStdString();
  EXPECT_EQ(window->HeardLabel->accessibleName(), window->HeardLabel->text());

  window->ClassRadio->setChecked(true);
  window->SingButton->click();
  ASSERT_TRUE(WaitForIdle(window));
  ASSERT_TRUE(window->Verdict().has_value());
  EXPECT_FALSE(window->Verdict()->right);
  ASSERT_EQ(window->Heard().size(), expectedPcs[1].size());
  // 60 cents above a note is 40 below the next: heard as that one.
  EXPECT_EQ(window->Heard().back().pitchClass, (expectedPcs[1].back() + 1) % 12);
  EXPECT_NEAR(window->Heard().back().cents, -40, 12);
  EXPECT_FALSE(window->Right().empty());
  // Worded as the page words it: the core's text with its numbers.
  const std::string shown = window->VerdictLabel->text().toStdString();
  EXPECT_EQ(shown.rfind("Not yet: ", 0), 0u) << shown;
  EXPECT_NE(shown.find(" of " + std::to_string(expectedPcs[1].size()) + " notes right (" + window->Exercise()->className + ")."),
            std::string::npos) << shown;

  window->AgainButton->click();
  ASSERT_TRUE(WaitForIdle(window));
  ASSERT_TRUE(window->Verdict().has_value());
  EXPECT_TRUE(window->Verdict()->right) << window->Verdict()->why;

  const auto log = LoadSingLog(kSingFileName);
  ASSERT_TRUE(log);
  ASSERT_EQ(log->records.size(), 3u);
  EXPECT_EQ(log->damaged, 0);
  EXPECT_EQ(log->records[0].exercise, 'B');
  EXPECT_EQ(log->records[0].played, std::vector<int32_t>(played.begin(), played.end()));
  EXPECT_EQ(log->records[2].attempt, 2);
  EXPECT_EQ(log->records[2].person, "Ann");
  const SingCounts counts = CountSing(*log);
  EXPECT_EQ(counts.sung, 2);
  EXPECT_EQ(counts.firstTryRight, 1);

  // The data folder and the caches hold no sound: no audio file, and in the
  // data folder nothing near the size of a second of it.
  window->close();
  const std::filesystem::path data = std::filesystem::current_path();
  const char* cache = std::getenv("XDG_CACHE_HOME");
  for (const std::filesystem::path& root : {data, std::filesystem::path(cache ? cache : "")}) {
    if (root.empty() || !std::filesystem::exists(root)) continue;
    for (const auto& file : std::filesystem::recursive_directory_iterator(root)) {
      if (!file.is_regular_file()) continue;
      const std::string head = ReadBytes(file.path()).substr(0, 4);
      EXPECT_TRUE(head != "RIFF" && head != "OggS" && head != "fLaC") << file.path();
      if (root == data && file.path().filename() != "ftclass.dat") {
        EXPECT_LT(file.file_size(), 20000u) << file.path();
      }
    }
  }
}

// No microphone, then one gone silent: each a plain message, the way back to
// the drill at hand, and nothing logged.
TEST_F(SingWindowTest, MissingAndSilentMicrophonesSayWhatHappened) {
  CreateAndShowLoggedIn("Ann", 0);
  UseInputs({"missing.wav"});
  TSingForm* window = Open();
  ASSERT_NE(window, nullptr);
  window->SingButton->click();
  ASSERT_TRUE(WaitForIdle(window));
  EXPECT_EQ(window->CurrentStep(), TSingForm::Step::Failed);
  EXPECT_TRUE(window->StatusLabel->text().contains(QStringLiteral("No microphone"))) << window->StatusLabel->text().toStdString();
  EXPECT_EQ(LastAnnouncement(window), window->StatusLabel->text());
  EXPECT_TRUE(window->BackButton->isEnabled());
  EXPECT_TRUE(window->SingButton->isEnabled());

  WriteWav(Input("room.wav"), Room(3.5));
  WriteWav(Input("zeros.wav"), std::vector<float>(kRate * 5, 0.0f));
  RestartWavSources();
  UseInputs({"room.wav", "zeros.wav"});
  window->SingButton->click();
  ASSERT_TRUE(WaitForIdle(window));
  EXPECT_EQ(window->CurrentStep(), TSingForm::Step::Failed);
  EXPECT_TRUE(window->StatusLabel->text().contains(QStringLiteral("gone silent"))) << window->StatusLabel->text().toStdString();
  EXPECT_FALSE(window->Verdict().has_value());
  window->BackButton->click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(Exists(kSingFileName));
}
