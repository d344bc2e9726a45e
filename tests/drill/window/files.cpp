// Two drills played by keys, with a fixed seed and clock, leave report.dat,
// errors.dat and hiscore.dat byte for byte as recorded in tests/drill/window/files:
// whatever is rebuilt inside the drill, the students' files stay the same.
// SONORIX_RECORD_DRILL_FILES=1 records them anew.
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "DrillWindowTest.h"

namespace {

std::string RecordedPath(const std::string& name) {
  const char* source = std::getenv("SONORIX_SOURCE_DIR");
  return std::string(source && *source ? source : SONORIX_TEST_SOURCE_DIR) + "/tests/drill/window/files/" + name;
}

std::string Recorded(const std::string& name) {
  std::ifstream in(RecordedPath(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

class DrillFilesTest : public DrillWindowTest {
 protected:
  // Answers n questions: on every third, first a wrong answer twice and
  // another wrong one, then the right one; a few seconds pass for each.
  void Answer(int n, size_t& mark) {
    for (int i = 0; i < n; ++i) {
      const std::vector<int> heard = HeardSince(mark);
      const int right = RowFor(heard);
      ASSERT_GE(right, 0);
      clock_.now += 3100 + 700 * static_cast<uint32_t>(i % 4);
      if (i % 3 == 1) {
        AnswerByTyping(WrongRowFor(heard, 0));
        AnswerByTyping(WrongRowFor(heard, 0));
        AnswerByTyping(WrongRowFor(heard, 2));
      }
      mark = Mark();
      AnswerByTyping(right);
    }
  }
};

TEST_F(DrillFilesTest, TwoDrillsByKeysLeaveTheRecordedFiles) {
  CreateAndShowLoggedIn("Zoë Ann", 3);
  // An eligible drill in two octaves: into errors.dat and the high scores.
  Form1->RadioGroup2->Button(2)->click();
  size_t mark = Mark();
  QTest::keyClick(Form1, Qt::Key_B, Qt::ControlModifier);
  if (!Form1->Drilling) Form1->Button1->click();
  ASSERT_TRUE(Form1->Drilling);
  Answer(9, mark);
  Form1->Button1->click();  // END
  ASSERT_FALSE(Form1->Drilling);

  // Tetrachords, then a range change midway and a repeat: logged, ineligible.
  Form1->RadioGroup1->Button(1)->click();
  mark = Mark();
  Form1->Button1->click();
  Answer(4, mark);
  QTest::keyClick(Form1->Edit1, Qt::Key_F1);
  mark = Mark();
  Form1->RadioGroup2->Button(1)->click();
  QTest::keyClick(Form1->Edit1, Qt::Key_F1);
  Answer(3, mark);
  Form1->Button1->click();  // END
  ASSERT_FALSE(Form1->Drilling);

  for (const char* name : {"report.dat", "errors.dat", "hiscore.dat"}) {
    if (const char* record = std::getenv("SONORIX_RECORD_DRILL_FILES"); record && *record == '1') {
      std::ofstream(RecordedPath(name), std::ios::binary) << ReadFile(name);
      continue;
    }
    EXPECT_EQ(ReadFile(name), Recorded(name)) << name;
  }
}
