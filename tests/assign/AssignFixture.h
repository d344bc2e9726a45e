// One class, its logs and its assignments, dated from a given today so that
// the command, which reads the real clock, can be given the same class.
//
// Pair drills  3-1 3-11 close, 2 drills of >= 10 right and >= 75 %, today-10 .. today-1
//   Ann   today-5 12/2; today-1, the due date, 6/1 + 4/2 (76.9 %)       done 2 of 2
//   Bob   3-12 as well; one octave; 10/5 (66.7 %); today, after due     late 0 of 2
//   Cleo  today-11 before the start; filters widened midway; today-6    late 1 of 2
// Practice time  all trichords close, 10 minutes, today-3 .. today+4
//   Ann   300 s on today-2 and 320 s on today-1, neither enough alone    done 10 of 10
//   Bob   before the start; spread over two octaves; 200 s today        in progress 3 of 10
// First try  4-Z15 4-Z29 two octaves, each twice right at once, today-7 .. today+7
//   Ann   4-Z15 twice, 4-Z29 once and once wrong first                 in progress 1 of 2
//   Bob   4-Z15 revealed                                                 in progress 0 of 2
//   Cleo  4-Z15 on the start day and after; 4-Z29 before it, and twice  done 2 of 2
// Dan is in people.dat only: late, not started, not started.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "FilterState.h"
#include "PracticeLog.h"
#include "PracticeScheduler.h"
#include "ReportReader.h"
#include "SessionLog.h"

namespace assign_fixture {

struct ClassFiles {
  std::string report;
  std::string practice;
  std::string people = "0\r\nAnn\r\nBob\r\nCleo\r\nDan";
  std::string assignments;
};

inline FilterState Filter(const PracticeLists& lists, const std::vector<std::string>& names, int range) {
  FilterState f{0, 0, range};
  for (const std::string& name : names) {
    const auto& list = name[0] == '4' ? lists.tetrachords : lists.trichords;
    if (name[0] == '4') f.ModeCode = range + 3;
    for (size_t i = 0; i < list.size(); ++i)
      if (list[i] == name) (i < 16 ? f.LowMask : f.HighMask) |= 1 << (i < 16 ? i : i - 16);
  }
  return f;
}

inline std::string Start(const std::string& name, double date) { return "\r\n" + StartRecordText(date, 0, name); }
inline std::string Filters(const FilterState& f) { return "\r\n" + FilterRecordText(f); }
inline std::string Segment(const std::string& name, double date, int right, int wrong) {
  return "\r\n" + SegmentRecordText(right, wrong, 60, SegmentCheckValue(name, date, right, wrong));
}

inline std::string Practice(const std::string& name, int32_t day, const std::string& asked,
                            std::vector<int32_t> voicing, std::vector<std::string> answers, uint32_t seconds,
                            Reveal reveal = Reveal::None) {
  PracticeRecord r;
  r.day = day;
  r.secondOfDay = 36000;
  r.asked = asked;
  r.voicing = std::move(voicing);
  r.answers = std::move(answers);
  r.reveal = reveal;
  r.seconds = seconds;
  r.person = name;
  return PracticeLine(r) + "\r\n";
}

// The third line of "Pair drills" is damaged, the file mixes LF with CR LF,
// and an assignment after the Ctrl-Z is not one.
inline ClassFiles MakeClass(const PracticeLists& lists, int32_t today) {
  ClassFiles c;
  const FilterState pair = Filter(lists, {"3-1", "3-11"}, 0);
  const FilterState wider = Filter(lists, {"3-1", "3-11", "3-12"}, 0);
  const FilterState octave = Filter(lists, {"3-1", "3-11"}, 1);
  const auto drill = [&c](const std::string& name, double date, const FilterState& f, int right, int wrong) {
    c.report += Start(name, date) + Filters(f) + Segment(name, date, right, wrong);
  };
  const double t = today + 0.5;
  drill("Cleo", t - 11, pair, 15, 0);
  c.report += Start("Cleo", t - 8) + Filters(pair) + Segment("Cleo", t - 8, 8, 0) + Filters(wider) +
              Segment("Cleo", t - 8, 8, 0);
  drill("Cleo", t - 6, pair, 15, 0);
  drill("Ann", t - 5, pair, 12, 2);
  drill("Bob", t - 4, wider, 20, 0);
  drill("Bob", t - 3, octave, 20, 0);
  drill("Bob", t - 2, pair, 10, 5);
  c.report += Start("Ann", t - 1) + Filters(pair) + Segment("Ann", t - 1, 6, 1) + Segment("Ann", t - 1, 4, 2);
  drill("Bob", t, pair, 20, 0);

  const std::vector<int32_t> close3{0, 1, 6}, wide3{0, 7, 19}, close4{0, 1, 4, 6}, wide4{0, 4, 13, 20};
  c.practice = Practice("Ann", today - 2, "3-5", close3, {"3-5"}, 300) +
               Practice("Ann", today - 1, "3-11", close3, {"3-2", "3-11"}, 320) +
               Practice("Bob", today - 5, "3-5", close3, {"3-5"}, 400) +
               Practice("Bob", today - 2, "3-11", wide3, {"3-11"}, 300) +
               Practice("Bob", today, "3-5", close3, {"3-5"}, 200) +
               Practice("Ann", today - 1, "4-Z15", close4, {"4-Z15"}, 20) +
               Practice("Ann", today, "4-Z15", wide4, {"4-Z15"}, 20) +
               Practice("Ann", today, "4-Z29", close4, {"4-Z29"}, 20) +
               Practice("Ann", today, "4-Z29", close4, {"4-Z15", "4-Z29"}, 20) +
               Practice("Bob", today, "4-Z15", close4, {}, 30, Reveal::ByStudent) +
               Practice("Cleo", today - 8, "4-Z29", close4, {"4-Z29"}, 20) +
               Practice("Cleo", today - 7, "4-Z15", close4, {"4-Z15"}, 20) +
               Practice("Cleo", today - 6, "4-Z15", close4, {"4-Z15"}, 20) +
               Practice("Cleo", today - 2, "4-Z29", wide4, {"4-Z29"}, 20) +
               Practice("Cleo", today, "4-Z29", close4, {"4-Z29"}, 20);

  c.assignments = "# Ear training, winter term\r\n"                                      // 1
                  "\r\n"                                                                  // 2
                  "assignment Pair drills\r\n"                                            // 3
                  "instructions Two chords only.\r\n"                                     // 4
                  "colour blue\r\n"                                                       // 5: damaged
                  "classes 3-1, 3-11\r\n"                                                 // 6
                  "goal drills 2 right 10 percent 75\r\n"                                 // 7
                  "start " + IsoDate(today - 10) + "\r\n"                                 // 8
                  "due " + IsoDate(today - 1) + "\r\n"                                    // 9
                  "assignment Practice time\n"                                            // 10
                  "classes all trichords\n"                                               // 11
                  "goal minutes 10\n"                                                     // 12
                  "start " + IsoDate(today - 3) + "\n"                                    // 13
                  "due " + IsoDate(today + 4) + "\n"                                      // 14
                  "  assignment   First try  \r\n"                                        // 15
                  "range two octaves\r\n"                                                 // 16
                  "play mixed\r\n"                                                        // 17
                  "classes 4-z15 4-Z29\r\n"                                               // 18
                  "goal first-try 2\r\n"                                                  // 19
                  "start 2026-02-30\r\n"                                                  // 20: no such day
                  "start " + IsoDate(today - 7) + "\r\n"                                  // 21
                  "due " + IsoDate(today + 7) + "\r\n"                                    // 22
                  "\x1a\r\nassignment Hidden\r\nclasses all trichords\r\ngoal minutes 1\r\n"
                  "start 2026-01-01\r\ndue 2026-12-31\r\n";
  return c;
}

// The statuses above, one text per person: "status/progress" per assignment.
inline std::vector<std::string> Expected() {
  return {"Ann: done/2 of 2 drills, done/10 of 10 minutes, in progress/1 of 2 classes",
          "Bob: late/0 of 2 drills, in progress/3 of 10 minutes, in progress/0 of 2 classes",
          "Cleo: late/1 of 2 drills, not started/0 of 10 minutes, done/2 of 2 classes",
          "Dan: late/0 of 2 drills, not started/0 of 10 minutes, not started/0 of 2 classes"};
}

// "Pair drills" changed to one octave after the students began: Bob's
// one-octave drill counts, the close ones no longer.
inline std::vector<std::string> ExpectedPairInOneOctave() {
  return {"Ann: late/0 of 2 drills", "Bob: late/1 of 2 drills", "Cleo: late/0 of 2 drills", "Dan: late/0 of 2 drills"};
}

}  // namespace assign_fixture
