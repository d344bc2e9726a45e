#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <map>
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

// A local copy of a class folder on a server: each account folder is a row
// (an empty one too), its parts are read in order, and every record in it is
// the account's, whatever name it was logged under.
TEST(AssignCommand, JudgesAClassFolderByAccount) {
  ScratchDir dir;
  ASSERT_TRUE(dir.CopyShipped("ftclass.dat"));
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Load(dir.Path("ftclass.dat")));
  const auto today = static_cast<int32_t>(CoreClock().Today());
  const ClassFiles c = MakeClass(ListsOf(catalogue), today);
  const std::string file = dir.Write("assignments.txt", c.assignments);

  // The fixture's logs split by the name each line was logged under.
  std::map<std::string, std::vector<std::string>> reports;
  std::string person;
  size_t from = 0;
  for (size_t at; (at = c.report.find("\r\n", from)) != std::string::npos || from < c.report.size();) {
    const std::string line = c.report.substr(from, at == std::string::npos ? std::string::npos : at - from);
    from = at == std::string::npos ? c.report.size() : at + 2;
    if (line.empty()) continue;
    if (line[0] == 'S') {
      person = line.substr(line.rfind(' ') + 1);
      reports[person].emplace_back();
    }
    reports[person].back() += line + "\r\n";
  }
  std::map<std::string, std::string> practice;
  for (const PracticeRecord& r : ParsePracticeLines(c.practice).records) practice[r.person] += PracticeLine(r) + "\r\n";
  ASSERT_EQ(practice.size(), 3u);
  const std::map<std::string, std::string> accounts{{"Ann", "ann"}, {"Bob", "bob"}, {"Cleo", "cleo"}};
  for (const char* account : {"ann", "bob", "cleo", "dan"}) std::filesystem::create_directories(dir.Path("class/") + account);
  for (const auto& [name, parts] : reports) {
    // Ann's second drill in a part of another device, the others one part each.
    for (size_t n = 0; n < parts.size(); ++n)
      dir.Write("class/" + accounts.at(name) + "/report.dat." + (name == "Ann" && n == 1 ? "tablet" : "pc") + "." +
                    std::to_string(n + 1),
                parts[n]);
  }
  for (const auto& [name, text] : practice) dir.Write("class/" + accounts.at(name) + "/practice.dat.pc.1", text);

  int status = -1;
  const std::string exe = SONORIX_CLASS_EXE;
  const std::string csv =
      RunCommand(exe + " --assignments " + file + " " + dir.Path("class") + " 2>" + dir.Path("err"), status);
  EXPECT_EQ(status, 0) << dir.Read("err");
  std::string expected =
      "name,Pair drills status,Pair drills progress,Practice time status,Practice time progress,"
      "First try status,First try progress\r\n";
  for (std::string row : Expected()) {
    row[0] = static_cast<char>(row[0] - 'A' + 'a');
    expected += CsvRow(row);
  }
  EXPECT_EQ(csv, expected);
}
