// Choosing practice questions for a student with a long practice log: years
// of daily practice by a class, 100,000 lines by default. The log is read once
// when a practice drill begins, from the checkpoint of the last drill and the
// hour of practice (200 lines) appended since; each question is then chosen
// from memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "DataFile.h"
#include "Figure.h"
#include "PracticeCheckpoint.h"
#include "PracticeLog.h"
#include "PracticeScheduler.h"
#include "ReportReader.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::string Name(int cardinality, int index) { return std::to_string(cardinality) + "-" + std::to_string(index + 1); }

std::string MakeLog(int lines, const std::vector<std::string>& people, uint32_t seed = 7, int32_t day = 44000) {
  std::mt19937 rng(seed);
  std::string text;
  for (int i = 0; i < lines; ++i) {
    if (rng() % 60 == 0) ++day;
    PracticeRecord r;
    r.day = day;
    r.secondOfDay = static_cast<int32_t>(rng() % 86400);
    const int cardinality = rng() % 3 == 0 ? 4 : 3;
    const int count = cardinality == 3 ? 12 : 29;
    r.asked = Name(cardinality, static_cast<int>(rng() % count));
    r.form = static_cast<int32_t>(rng() % 2);
    r.voicing = cardinality == 3 ? std::vector<int32_t>{0, 4, 7} : std::vector<int32_t>{0, 4, 7, 10};
    const int wrong = static_cast<int>(rng() % 4 == 0 ? rng() % 3 : 0);
    for (int w = 0; w < wrong; ++w) r.answers.push_back(Name(cardinality, static_cast<int>(rng() % count)));
    r.reveal = rng() % 10 == 0 ? Reveal::ByStudent : Reveal::None;
    if (r.reveal == Reveal::None) r.answers.push_back(r.asked);
    r.seconds = rng() % 30;
    r.person = people[rng() % people.size()];
    text += PracticeLine(r) + "\r\n";
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
  const std::vector<std::string> people = {"Ann", "Bo Li", "Carla Dal Monte", "Dmitri", "Eun-ji", "Zoë"};
  const std::string text = MakeLog(lines, people);
  const std::string file = "/tmp/practice_bench.dat";
  if (!WriteFileAtomic(file, text)) {
    std::printf("cannot write %s\n", file.c_str());
    return 2;
  }
  std::printf("practice.dat: %d lines, %zu bytes\n", lines, text.size());

  PracticeLists lists;
  for (int i = 0; i < 12; ++i) lists.trichords.push_back(Name(3, i));
  for (int i = 0; i < 29; ++i) lists.tetrachords.push_back(Name(4, i));
  std::vector<PracticeCandidate> candidates;
  for (int i = 0; i < 29; ++i) candidates.push_back({Name(4, i), i % 5 != 0});

  const std::string& person = people[2];
  double bestRead = 1e9, bestChoose = 1e9, worstChoose = 0;
  size_t kept = 0;
  for (int run = 0; run < 5; ++run) {
    const auto start = Clock::now();
    const PracticeLog log = LoadPracticeLog(file, &person).value_or(PracticeLog{});
    PracticeScheduler scheduler(person, 44000 + lines / 60);
    scheduler.Learn(log, nullptr, lists);
    const auto learnt = Clock::now();
    bestRead = std::min(bestRead, Ms(learnt - start));
    kept = log.records.size();

    // A drill of 200 questions: choose, answer (every fourth wrong first), record.
    RandomSource rng;
    rng.Seed(static_cast<uint32_t>(run));
    PracticeRecord answer;
    answer.person = person;
    answer.day = 44000 + lines / 60;
    for (int q = 0; q < 200; ++q) {
      const auto before = Clock::now();
      const int chosen = scheduler.Choose(candidates, rng);
      const double ms = Ms(Clock::now() - before);
      bestChoose = std::min(bestChoose, ms);
      worstChoose = std::max(worstChoose, ms);
      answer.asked = candidates[static_cast<size_t>(chosen)].name;
      answer.answers = q % 4 ? std::vector<std::string>{answer.asked}
                             : std::vector<std::string>{candidates[static_cast<size_t>((chosen + 1) % 29)].name,
                                                        answer.asked};
      scheduler.Record(answer);
    }
  }
  // BEGIN as a drill does it: the checkpoint of the last drill, then the
  // hour appended since; each run appends another hour.
  const std::string checkpoint = "/tmp/practice_bench.checkpoint";
  const int32_t today = 44000 + lines / 60 + 1;
  {
    PracticeScheduler warm(person, today);
    warm.LearnFromFiles(file, "/nonexistent/report.dat", checkpoint, lists);
  }
  double bestBegin = 1e9;
  bool carried = true;
  for (int run = 0; run < 5; ++run) {
    const std::string hour = MakeLog(200, people, 100 + static_cast<uint32_t>(run), today);
    if (std::FILE* f = std::fopen(file.c_str(), "ab")) {
      std::fwrite(hour.data(), 1, hour.size(), f);
      std::fclose(f);
    }
    const auto start = Clock::now();
    PracticeScheduler scheduler(person, today);
    const PracticeLearnInfo info = scheduler.LearnFromFiles(file, "/nonexistent/report.dat", checkpoint, lists);
    bestBegin = std::min(bestBegin, Ms(Clock::now() - start));
    carried = carried && info.fromCheckpoint;
  }
  std::remove(file.c_str());
  if (!std::getenv("PRACTICE_BENCH_KEEP")) std::remove(checkpoint.c_str());
  std::printf("%s: %zu of the lines\n", person.c_str(), kept);
  std::printf("read the whole file and learn: %.1f ms (best of 5)\n", bestRead);
  std::printf("choose the next question: best %.4f ms, worst %.4f ms (1000 choices)\n", bestChoose, worstChoose);
  if (!carried) std::printf("the checkpoint was not used\n");
  const std::string what = "practice BEGIN: checkpoint and an hour appended, " + std::to_string(lines / 1000) + "k lines";
  const bool begin = PrintFigure(what.c_str(), bestBegin, "ms", 5);
  const bool choose = PrintFigure("choose the next practice question, worst", worstChoose, "ms", 1);
  return begin && choose && carried ? 0 : 1;
}
