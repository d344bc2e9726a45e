#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgressFigures.h"
#include "ReportReader.h"
#include "SessionLog.h"

namespace {

// A log as the drill window writes it: each record after a CR LF, the check
// values from the writer's own formula.
class LogWriter {
 public:
  LogWriter& Start(double date, int index, const std::string& name) {
    date_ = date;
    name_ = name;
    return Add(StartRecordText(date, index, name));
  }
  LogWriter& Filters(int mode, int low, int high) { return Add(FilterRecordText(FilterState{low, high, mode})); }
  LogWriter& Segment(int right, int wrong, unsigned seconds) {
    return Add(SegmentRecordText(right, wrong, seconds, SegmentCheckValue(name_, date_, right, wrong)));
  }
  LogWriter& Add(const std::string& record) {
    text_ += "\r\n" + record;
    return *this;
  }
  std::string Text() const { return text_; }

 private:
  std::string text_;
  double date_ = 0;
  std::string name_;
};

std::string WithoutCr(const std::string& text) {
  std::string lf;
  for (char c : text)
    if (c != '\r') lf += c;
  return lf;
}

constexpr int kAllTri = 4095;
constexpr int kAllTetLow = 65535;
constexpr int kAllTetHigh = 8191;

// Three people over two weeks. Mary Ann Lee's drills: an eligible one; one
// whose range changed midway (D, F, D); one on a partial selection; one whose
// only D record was tampered with.
std::string ClassLog() {
  LogWriter w;
  w.Add("D 3 1 20 99");  // before any S: belongs to no drill
  w.Start(38961, 0, "Mary Ann Lee").Filters(0, kAllTri, 0).Segment(12, 3, 245);
  w.Start(38961, 1, "Bo").Filters(3, kAllTetLow, kAllTetHigh).Segment(5, 5, 100);
  w.Start(38962, 0, "Mary Ann Lee").Filters(0, kAllTri, 0).Segment(6, 2, 90).Filters(1, kAllTri, 0).Segment(4, 0, 30);
  w.Add("Q what is this");
  w.Start(38968, 0, "Mary Ann Lee").Filters(4, kAllTetLow, 8190).Segment(10, 10, 400);
  w.Add(SegmentRecordText(9, 0, 50, SegmentCheckValue("Mary Ann Lee", 38968, 9, 0) + 1));  // tampered
  w.Start(38970, 0, "Mary Ann Lee").Filters(2, kAllTri, 0);
  w.Add(SegmentRecordText(7, 1, 80, SegmentCheckValue("Mary Ann Lee", 38970, 8, 1)));  // right count raised
  w.Start(38970, 2, "Zoë").Filters(0, kAllTri, 0).Segment(5, 0, 40);
  w.Add("D 5 0 4");  // truncated by a crash
  return w.Text();
}

TEST(ReportLog, ReadsDrillsOfSeveralPeopleAndLeavesOutWhatFailsItsCheck) {
  const std::string crlf = ClassLog();
  for (const std::string& text : {crlf, WithoutCr(crlf)}) {
    const ReportLog log = ParseReportLog(text);
    // Orphan D, garbage, tampered D, raised D, truncated D.
    EXPECT_EQ(log.unverified, 5);
    EXPECT_EQ(log.records, 24);
    ASSERT_EQ(log.drills.size(), 6u);
    EXPECT_EQ(PeopleInLog(log), (std::vector<std::string>{"Bo", "Mary Ann Lee", "Zoë"}));

    const std::vector<DrillFigures> mary = DrillsOf(log, "Mary Ann Lee");
    // The drill whose only segment was altered is left out entirely.
    ASSERT_EQ(mary.size(), 3u);
    EXPECT_EQ(mary[0].right, 12);
    EXPECT_EQ(mary[0].wrong, 3);
    EXPECT_EQ(mary[0].seconds, 245);
    EXPECT_TRUE(mary[0].eligible);
    EXPECT_DOUBLE_EQ(*mary[0].Accuracy(), 80.0);
    EXPECT_NEAR(*mary[0].SecondsPerRight(), 245.0 / 12.0, 1e-12);

    EXPECT_EQ(mary[1].right, 10);
    EXPECT_EQ(mary[1].wrong, 2);
    EXPECT_EQ(mary[1].seconds, 120);
    EXPECT_EQ(mary[1].modes, (std::vector<int32_t>{0, 1}));
    EXPECT_FALSE(mary[1].eligible);  // changed midway

    EXPECT_EQ(mary[2].right, 10);  // the tampered segment after it is not added
    EXPECT_EQ(mary[2].seconds, 400);
    EXPECT_EQ(mary[2].modes, (std::vector<int32_t>{4}));
    EXPECT_FALSE(mary[2].eligible);  // one tetrachord left out

    // A name of non-ASCII bytes counts them negative, and verifies.
    const auto zoe = DrillsOf(log, "Zoë");
    ASSERT_EQ(zoe.size(), 1u);
    EXPECT_EQ(zoe[0].right, 5);
    EXPECT_FALSE(zoe[0].Accuracy() == std::nullopt);
  }
}

TEST(ReportLog, DamagedInputNeverFailsAndOnlyMatchingChecksCount) {
  // A D record written on a later day still carries the S record's date.
  LogWriter later;
  later.Start(38961, 0, "Ann").Filters(0, kAllTri, 0);
  later.Add(SegmentRecordText(12, 3, 245, 39228));
  EXPECT_EQ(ParseReportLog(later.Text()).unverified, 0);
  EXPECT_EQ(ParseReportLog(later.Text()).drills[0].segments.size(), 1u);

  // A damaged S makes the records after it orphans until the next S.
  const ReportLog orphans = ParseReportLog("\nS x 0 Ann\nF 0 4095 0\nD 1 0 1 38961\nS 38961 0 Ann\nD 12 3 245 39228");
  EXPECT_EQ(orphans.unverified, 3);
  ASSERT_EQ(orphans.drills.size(), 1u);
  EXPECT_EQ(orphans.drills[0].segments.size(), 1u);
  EXPECT_EQ(orphans.drills[0].segments[0].modeCode, -1);  // no F record: mode unknown
  EXPECT_FALSE(IsEligible(orphans.drills[0]));

  // A Ctrl-Z inside a line damages it alone; an empty name, negative numbers, stray fields.
  const ReportLog odd = ParseReportLog(
      "\r\nS 38961 -1 \r\nF 0 4095 0\r\nD 1 0 5 38960\r\nD -1 0 5 38962\r\nD 1 0 5 38960 7\r\nF 6 4095 0\x1a"
      "S 38961 0 Ann");
  ASSERT_EQ(odd.drills.size(), 1u);
  EXPECT_EQ(odd.drills[0].person, "");
  EXPECT_EQ(odd.drills[0].segments.size(), 1u);
  EXPECT_TRUE(odd.drills[0].filtersUnknown);  // F 6 is no mode
  EXPECT_EQ(odd.unverified, 3);
}

// From 1,000,000 on the writer keeps six significant digits: a record
// verifies for each drill whose check value is written so, and only for those.
TEST(ReportLog, LargeCheckValuesVerifyAsTheyAreWritten) {
  LogWriter noa;
  noa.Start(44355, 2, "Noa").Filters(0, kAllTri, 0);
  const std::string start = noa.Text();
  noa.Segment(249991193, 6, 534);
  ASSERT_EQ(noa.Text(), start + "\r\nD 249991193 6 534 -2.49947e+08");  // 436 from the exact value
  ReportLog log = ParseReportLog(noa.Text());
  EXPECT_EQ(log.unverified, 0);
  ASSERT_EQ(log.drills.size(), 1u);
  EXPECT_EQ(log.drills[0].segments.size(), 1u);
  // The exact value, or one digit more, is not what the writer writes.
  for (const std::string check : {"-249946564", "-2.499466e+08", "-2.49948e+08"}) {
    log = ParseReportLog(start + "\r\nD 249991193 6 534 " + check);
    EXPECT_EQ(log.unverified, 1) << check;
    EXPECT_TRUE(log.drills[0].segments.empty()) << check;
  }

  // Ann's and Anq's check values lie 3 apart but are written alike.
  LogWriter two;
  two.Start(45000, 0, "Ann").Filters(0, kAllTri, 0).Start(45000, 1, "Anq").Filters(0, kAllTri, 0);
  two.Add(SegmentRecordText(2000005, 0, 60, SegmentCheckValue("Ann", 45000, 2000005, 0)));
  log = ParseReportLog(two.Text());
  EXPECT_EQ(log.ambiguous, 1);
  EXPECT_EQ(log.unverified, 0);
  ASSERT_EQ(log.drills.size(), 2u);
  for (const LoggedDrill& drill : log.drills) {
    EXPECT_TRUE(drill.segments.empty()) << drill.person;
    EXPECT_EQ(drill.ambiguous, 1) << drill.person;
  }
}

// Points the log's rules leave open, read one way, as the README states it.
TEST(ReportLog, WhatTheRulesLeaveOpenIsReadOneWay) {
  // Name sums plus dates alike, Ann's yesterday and Ave's today: today's drill
  // takes the record, with no mark.
  ReportLog log = ParseReportLog("\r\nS 45612 0 Ann\r\nS 45613 1 Ave\r\nD 54 13 193 45817");
  ASSERT_EQ(log.drills.size(), 2u);
  EXPECT_TRUE(log.drills[0].segments.empty());
  EXPECT_EQ(log.drills[1].segments.size(), 1u);
  EXPECT_EQ(log.ambiguous + log.unverified, 0);

  // Tabs, two blanks, a trailing blank between F and D fields; an S without a name.
  log = ParseReportLog("\r\nS 38961 0\r\nF 0\t4095  0 \r\nD 12\t3  245 38943 ");
  ASSERT_EQ(log.drills.size(), 1u);
  EXPECT_EQ(log.drills[0].person, "");
  EXPECT_EQ(log.drills[0].filters.size(), 1u);
  EXPECT_EQ(log.drills[0].segments.size(), 1u);
  EXPECT_EQ(log.unverified, 0);

  // An F with no drill open is nobody's.
  log = ParseReportLog("\r\nF 0 4095 0\r\nS 38961 0 Ann");
  EXPECT_EQ(log.unknown, 1);

  // UTF-8 kept, each stray byte read as Latin-1: one person however written.
  EXPECT_EQ(PersonKey("Jos\xc3\xa9 Mar\xed" "a"), "Jos\xc3\xa9 Mar\xc3\xad" "a");
  EXPECT_EQ(PersonKey("Jos\xe9 Mar\xed" "a"), "Jos\xc3\xa9 Mar\xc3\xad" "a");
}

TEST(ReportLog, SeriesPerDayAndModeAndPracticePerWeek) {
  LogWriter w;
  // 1 September 2006 is a Friday; 4 September a Monday; 18 September too.
  w.Start(38961, 0, "Ann").Filters(0, kAllTri, 0).Segment(8, 2, 100).Filters(3, kAllTetLow, kAllTetHigh).Segment(2, 2, 80);
  w.Start(38961, 0, "Ann").Filters(0, kAllTri, 0).Segment(2, 0, 20);
  w.Start(38964, 0, "Ann").Filters(0, kAllTri, 0).Segment(0, 3, 30);
  w.Start(38978, 0, "Ann").Filters(3, kAllTetLow, kAllTetHigh).Segment(6, 0, 60);
  w.Start(38978, 0, "Bo").Filters(3, kAllTetLow, kAllTetHigh).Segment(1, 0, 600);
  const ReportLog log = ParseReportLog(w.Text());
  EXPECT_EQ(IsoDate(38961), "2006-09-01");
  EXPECT_EQ(IsoDate(WeekStartOf(38961)), "2006-08-28");
  EXPECT_EQ(IsoDate(WeekStartOf(38964)), "2006-09-04");
  EXPECT_EQ(IsoDate(0), "1899-12-30");
  EXPECT_EQ(IsoDate(60), "1900-02-28");
  EXPECT_EQ(IsoDate(61), "1900-03-01");

  const std::vector<ModeSeries> series = DailySeries(log, "Ann");
  ASSERT_EQ(series.size(), 2u);
  EXPECT_EQ(series[0].modeCode, 0);
  ASSERT_EQ(series[0].days.size(), 2u);
  EXPECT_EQ(series[0].days[0].day, 38961);
  EXPECT_DOUBLE_EQ(*series[0].days[0].Accuracy(), 10.0 / 12.0 * 100.0);
  EXPECT_DOUBLE_EQ(*series[0].days[0].SecondsPerRight(), 12.0);
  EXPECT_DOUBLE_EQ(*series[0].days[1].Accuracy(), 0.0);
  EXPECT_EQ(series[0].days[1].SecondsPerRight(), std::nullopt);  // no right answer that day
  EXPECT_EQ(series[1].modeCode, 3);
  ASSERT_EQ(series[1].days.size(), 2u);
  EXPECT_DOUBLE_EQ(*series[1].days[0].Accuracy(), 50.0);
  EXPECT_DOUBLE_EQ(*series[1].days[1].SecondsPerRight(), 10.0);

  const std::vector<WeekFigures> weeks = WeeklyPractice(log, "Ann");
  ASSERT_EQ(weeks.size(), 4u);  // the week without practice is there, as 0
  EXPECT_EQ(IsoDate(weeks[0].weekStart), "2006-08-28");
  EXPECT_EQ(weeks[0].seconds, 200);
  EXPECT_EQ(weeks[1].seconds, 30);
  EXPECT_EQ(weeks[2].seconds, 0);
  EXPECT_EQ(weeks[3].seconds, 60);
  EXPECT_TRUE(WeeklyPractice(log, "Nobody").empty());
}

TEST(ReportLog, CsvForATeacherByteForByte) {
  LogWriter w;
  w.Start(38961, 0, "Lee, \"Max\"").Filters(0, kAllTri, 0).Segment(12, 3, 245);
  w.Start(38962, 0, "Lee, \"Max\"").Filters(3, kAllTetLow, 1).Segment(0, 2, 30).Filters(5, kAllTetLow, 1).Segment(3, 0, 9);
  w.Start(38963, 0, "Lee, \"Max\"").Filters(1, kAllTri, 0).Segment(0, 2, 30);
  const ReportLog log = ParseReportLog(w.Text());
  std::vector<DrillFigures> drills = DrillsOf(log, "Lee, \"Max\"");
  ASSERT_EQ(drills.size(), 3u);
  // The notes kept beside the log: found by the S record's place, and only
  // for the day it names (a note of a log since replaced is not taken).
  const std::string notes = DrillNoteLine(log.drills[0].offset, 38961, 14 * 3600 + 5 * 60 + 59, 0) + "damaged\r\n" +
                            DrillNoteLine(log.drills[0].offset, 38961, 15 * 3600, 2) +
                            DrillNoteLine(log.drills[0].offset, 38961, 15 * 3600, 0) +
                            DrillNoteLine(log.drills[1].offset, 38000, 9 * 3600, 1);
  AttachDrillNotes(drills, ParseDrillNotes(notes));
  const std::string csv = ProgressCsv("Lee, \"Max\"", drills);
  EXPECT_EQ(csv,
            "Name,Date,Time,Range,Cardinality,Play,Right,Wrong,Accuracy %,Seconds per right answer,Eligible\r\n"
            "\"Lee, \"\"Max\"\"\",2006-09-01,14:05,close position,trichords,\"chord, mixed figure\",12,3,80.0,20.4,yes\r\n"
            "\"Lee, \"\"Max\"\"\",2006-09-02,,close position / within 2 octaves,tetrachords,,3,2,60.0,13.0,not ended\r\n"
            "\"Lee, \"\"Max\"\"\",2006-09-03,,within 1 octave,trichords,,0,2,0.0,,not ended\r\n");
  // A name logged in another encoding still makes valid UTF-8.
  const std::string latin = ProgressCsv("Z\xf6" "e", DrillsOf(ParseReportLog(LogWriter().Start(38961, 0, "Z\xf6" "e").Segment(1, 0, 1).Text()), "Z\xf6" "e"));
  EXPECT_EQ(latin.substr(latin.find("\r\n") + 2, 5), "Z\xc3\xb6" "e,");
}

}  // namespace
