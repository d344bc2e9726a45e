#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AssignFixture.h"
#include "Assignments.h"
#include "Clock.h"
#include "ScratchDir.h"

using namespace assign_fixture;

namespace {

std::string RunCommand(const std::string& command, int& status) {
  std::string out;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int rc = ::pclose(pipe);
  status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return out;
}

// The fixture's texts as the command's CSV rows.
std::string CsvRow(std::string expected) {
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{{": ", ","}, {", ", ","}, {"/", ","}})
    for (size_t at; (at = expected.find(from)) != std::string::npos;) expected.replace(at, from.size(), to);
  return expected + "\r\n";
}

}  // namespace

// The lab's class folder: the command gives the statuses the core gives,
// names the damaged lines, and reads the set classes from the folder.
TEST(AssignCommand, GivesTheClassStatuses) {
  ScratchDir dir;
  ASSERT_TRUE(dir.CopyShipped("ftclass.dat"));
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Load(dir.Path("ftclass.dat")));
  const auto today = static_cast<int32_t>(CoreClock().Today());
  const ClassFiles c = MakeClass(ListsOf(catalogue), today);
  dir.Write("report.dat", c.report);
  dir.Write("practice.dat", c.practice);
  dir.Write("people.dat", c.people);
  const std::string file = dir.Write("assignments.txt", c.assignments);

  int status = -1;
  const std::string exe = SONORIX_CLASS_EXE;
  const std::string csv = RunCommand(exe + " --assignments " + file + " " + dir.Path("") + " 2>" + dir.Path("err"), status);
  EXPECT_EQ(status, 0);
  std::string expected =
      "name,Pair drills status,Pair drills progress,Practice time status,Practice time progress,"
      "First try status,First try progress\r\n";
  for (const std::string& row : Expected()) expected += CsvRow(row);
  EXPECT_EQ(csv, expected);
  const std::string err = dir.Read("err");
  EXPECT_NE(err.find("assignments.txt:5: "), std::string::npos) << err;
  EXPECT_NE(err.find("assignments.txt:20: "), std::string::npos) << err;

  const std::string json = RunCommand(exe + " --json --assignments " + file + " " + dir.Path("") + " 2>/dev/null", status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(json.find("{\"name\": \"Cleo\", \"assignments\": [{\"title\": \"Pair drills\", \"status\": \"late\", "
                      "\"progress\": \"1 of 2 drills\""),
            std::string::npos)
      << json;

  // A missing assignments file, or no file named: a failure, said so.
  RunCommand(exe + " --assignments " + dir.Path("none.txt") + " " + dir.Path("") + " 2>/dev/null", status);
  EXPECT_EQ(status, 1);
  RunCommand(exe + " --assignments 2>/dev/null", status);
  EXPECT_EQ(status, 2);
}
