// The drill window's log records: the session date, the segment it closes,
// and a log that cannot be written.
#include <QDir>
#include <QFile>

#include "WindowsFixture.h"

namespace {

using DrillLog = DrillAndFilterWindowsTest;

TEST_F(DrillLog, StartRecordSetsTheSessionDate) {
  Form1->CurrentPersonIndex = 3;
  Form1->CurrentPersonName = "Ann";
  Form1->WriteStartRecord();
  EXPECT_EQ(Form1->SessionDate, 38961);
  EXPECT_EQ(ReadFile("report.dat"), "\r\nS 38961 3 Ann");
}

TEST_F(DrillLog, SegmentRecordClosesTheSegment) {
  Form1->CurrentPersonName = "Ann";
  Form1->WriteStartRecord();
  Form1->SegmentStart = clock_.now;
  Form1->SegmentCorrect = 12;
  Form1->SegmentIncorrect = 3;
  clock_.now += 245999;
  clock_.today = 38962;  // past midnight: the check value keeps the session's date
  Form1->WriteSegmentRecord();
  EXPECT_EQ(ReadFile("report.dat"), "\r\nS 38961 0 Ann\r\nD 12 3 245 39228");
  EXPECT_EQ(Form1->SegmentCorrect, 0);
  EXPECT_EQ(Form1->SegmentIncorrect, 0);
  EXPECT_EQ(Form1->SegmentStart, clock_.now);
}

TEST_F(DrillLog, NobodyLoggedInAndANonAsciiName) {
  Form1->SegmentStart = clock_.now;
  Form1->WriteStartRecord();
  Form1->SegmentCorrect = 5;
  Form1->WriteSegmentRecord();
  EXPECT_EQ(ReadFile("report.dat"), "\r\nS 38961 0 \r\nD 5 0 0 38956");

  QFile::remove("report.dat");
  Form1->CurrentPersonName = "J\xC3\xB6rg";  // 74 + (-61) + (-74) + 114 + 103
  Form1->WriteStartRecord();
  Form1->SegmentIncorrect = 1;
  Form1->WriteSegmentRecord();
  EXPECT_EQ(ReadFile("report.dat"), "\r\nS 38961 0 J\xC3\xB6rg\r\nD 0 1 0 39115");
}

TEST_F(DrillLog, AnUnwritableLogStillClosesTheSegment) {
  QDir().mkdir("report.dat");
  Form1->SegmentCorrect = 2;
  Form1->SegmentStart = 1;
  Form1->WriteStartRecord();
  Form1->WriteFilterRecord(FilterState{});
  Form1->WriteSegmentRecord();
  EXPECT_EQ(Form1->SegmentCorrect, 0);
  EXPECT_EQ(Form1->SegmentStart, clock_.now);
  EXPECT_EQ(Form1->SessionDate, 38961);
}

}  // namespace
