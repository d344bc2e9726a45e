// Latency of a played answer, from the release of the last key to the judged
// answer, through the drill window and the recording driver library's input
// port with the real clock; and how long a flood of input holds the window.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

#include "Application.h"
#include "DrillWindow.h"
#include "KeyboardAnswer.h"
#include "MidiwayRecorder.h"
#include "Sxfilters.h"
#include "Waymidi.h"

#include "Figure.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

double Ms(SteadyClock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

MIDIEVENT Event(uint8_t status, int data1, int data2) {
  return {10, status, static_cast<uint8_t>(data1), static_cast<uint8_t>(data2), 0};
}

void Feed(const std::vector<MIDIEVENT>& events) { RecorderFeedInput(events.data(), events.size()); }

std::vector<int> NotesPutSince(size_t mark) {
  std::vector<int> notes;
  const auto puts = RecorderPuts();
  for (size_t i = mark; i < puts.size(); ++i) notes.push_back(puts[i].event.data1);
  return notes;
}

// The played set inverted and spread over three octaves, all keys down.
std::vector<int> Voicing(const std::vector<int>& heard, int t) {
  std::set<int> pcs;
  for (int n : heard) pcs.insert((12 - n % 12 + t) % 12);
  std::vector<int> notes;
  int k = 0;
  for (int pc : pcs) notes.push_back(36 + 12 * (k++ % 3) + pc);
  return notes;
}

// Plays the chord and holds its last key; times the release of that key to
// the moment done() holds.
template <typename Done>
double PlayAndTime(const std::vector<int>& notes, Done done) {
  std::vector<MIDIEVENT> down;
  for (int n : notes) down.push_back(Event(0x90, n, 80));
  for (size_t i = 0; i + 1 < notes.size(); ++i) down.push_back(Event(0x80, notes[i], 0));
  Feed(down);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  const auto start = SteadyClock::now();
  Feed({Event(0x90, notes.back(), 0)});
  while (!done() && SteadyClock::now() - start < std::chrono::seconds(5)) QCoreApplication::processEvents();
  return Ms(SteadyClock::now() - start);
}

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  auto at = [&ms](double p) { return ms[static_cast<size_t>(p * static_cast<double>(ms.size() - 1))]; };
  std::printf("  %-34s n=%zu  median %.3f  p90 %.3f  p99 %.3f  worst %.3f ms\n", what, ms.size(), at(0.5), at(0.9),
              at(0.99), ms.back());
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TSonorixApplication app(argc, argv);
  app.SetShowsMessageBoxes(false);
  const int answers = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

  QTemporaryDir dir;
  if (!dir.isValid() || !QDir::setCurrent(dir.path()) ||
      !QFile::copy(QStringLiteral(SONORIX_SOURCE_DIR "/data/ftclass.dat"), QStringLiteral("ftclass.dat"))) {
    std::fprintf(stderr, "keyboard_bench: cannot prepare a scratch folder\n");
    return 1;
  }
  QFile ini(QStringLiteral("sonorix.ini"));
  if (!ini.open(QIODevice::WriteOnly)) return 1;
  ini.write("[Keyboard]\nPort=Recorder In\nAnswerByPlaying=true\n");
  ini.close();

  CreateSonorixWindows();
  Form1->LoggedIn = true;
  Form1->CurrentPersonName = "Bench";
  FilterState saved;
  TFilterForm::LoadFilters(saved);
  FilterForm->ApplyFilters(saved);
  FilterForm->FillAnswerList();
  Form1->show();
  QCoreApplication::processEvents();
  if (!KeyboardAnswer->WayMidiIn->IsOpen) {
    std::fprintf(stderr, "keyboard_bench: the input port did not open\n");
    return 1;
  }

  size_t mark = RecorderPuts().size();
  Form1->Button1->click();  // BEGIN: chords, the play manner at start
  std::vector<double> right, wrong;
  for (int a = 0; a < answers; ++a) {
    const std::vector<int> heard = NotesPutSince(mark);
    if (heard.size() != 3) {
      std::fprintf(stderr, "keyboard_bench: question %d has %zu notes\n", a, heard.size());
      return 1;
    }
    // A wrong answer first: the chromatic cluster, unless that is the question.
    const std::vector<int> cluster{60, 61, 62};
    std::set<int> pcs;
    for (int n : heard) pcs.insert(n % 12);
    const bool clusterAsked = [&] {
      std::vector<int> d(pcs.begin(), pcs.end());
      for (int r = 0; r < 3; ++r)
        if ((d[(r + 1) % 3] - d[r] + 12) % 12 == 1 && (d[(r + 2) % 3] - d[(r + 1) % 3] + 12) % 12 == 1) return true;
      return false;
    }();
    if (!clusterAsked) {
      const int before = Form1->IncorrectCount;
      wrong.push_back(PlayAndTime(cluster, [before] { return Form1->IncorrectCount > before; }));
    }
    mark = RecorderPuts().size();
    const int before = Form1->CorrectCount;
    right.push_back(PlayAndTime(Voicing(heard, a % 12), [before] { return Form1->CorrectCount > before; }));
    if (Form1->CorrectCount != before + 1) {
      std::fprintf(stderr, "keyboard_bench: answer %d was not taken\n", a);
      return 1;
    }
  }
  std::printf("last key released -> answer judged (%d answers; chords; real clock)\n", answers);
  Report("right (next question played)", right);
  Report("wrong", wrong);
  {
    std::vector<double> all = right;
    all.insert(all.end(), wrong.begin(), wrong.end());
    std::sort(all.begin(), all.end());
    // Well under what a player notices between release and reply.
    PrintFigure("key released to answer judged, 90th percentile", all[all.size() * 9 / 10], "ms", 20);
  }

  // A flood: a glissando over 88 keys, back and forth, a note-on and a
  // note-off per key, with active sensing between, fed in one go.
  std::vector<MIDIEVENT> flood;
  for (int pass = 0; pass < 60; ++pass)
    for (int k = 0; k < 88; ++k) {
      const int note = 21 + (pass % 2 ? 87 - k : k);
      flood.push_back(Event(0x90, note, 70));
      flood.push_back(Event(0xFE, 0, 0));
      flood.push_back(Event(0x80, note, 0));
    }
  const int counted = Form1->CorrectCount + Form1->IncorrectCount;
  const auto start = SteadyClock::now();
  Feed(flood);
  QCoreApplication::processEvents();
  const double held = Ms(SteadyClock::now() - start);
  std::printf("flood of %zu events in one go: the window held %.2f ms (%.2f us per event); counts %s\n",
              flood.size(), held, 1000.0 * held / static_cast<double>(flood.size()),
              Form1->CorrectCount + Form1->IncorrectCount == counted ? "unchanged" : "CHANGED");

  DestroySonorixWindows();
  return 0;
}
