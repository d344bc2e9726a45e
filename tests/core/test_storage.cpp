// The storage every rule writes through, as the host of this build gives it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ScratchDir.h"
#include "Storage.h"

namespace {

using Found = Storage::Found;

// Runs one update and tells what the edit was shown.
struct Seen {
  Found found = Found::Missing;
  std::string text;
  bool written = false;
};
Seen UpdateWith(const std::string& name, std::optional<std::string> next) {
  Seen seen;
  seen.written = DataStorage().Update(name, [&](Found found, const std::string& text) {
    seen.found = found;
    seen.text = text;
    return next;
  });
  return seen;
}

}  // namespace

TEST(StorageTest, ReadReplaceAndUpdateKeepWhatCannotBeRead) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  Storage& files = DataStorage();
  EXPECT_FALSE(files.Read("a.dat"));
  EXPECT_FALSE(files.Exists("a.dat"));

  Seen first = UpdateWith("a.dat", "one\r\n");
  EXPECT_EQ(first.found, Found::Missing);
  EXPECT_TRUE(first.written);
  Seen second = UpdateWith("a.dat", "two\r\n\x1a tail");
  EXPECT_EQ(second.found, Found::Text);
  EXPECT_EQ(second.text, "one\r\n");
  EXPECT_EQ(files.Read("a.dat"), "two\r\n") << "reading stops at Ctrl-Z";
  EXPECT_EQ(files.ReadAll("a.dat"), "two\r\n\x1a tail") << "every byte, Ctrl-Z or not";
  EXPECT_FALSE(UpdateWith("a.dat", std::nullopt).written);
  EXPECT_EQ(dir.Read("a.dat"), "two\r\n\x1a tail") << "an edit that declines leaves the file";

  // A folder where the file should be is there but unreadable: it is kept,
  // and neither replaced nor counted as a file.
  std::filesystem::create_directory(dir.Path("b.dat"));
  EXPECT_FALSE(files.Exists("b.dat"));
  EXPECT_FALSE(files.Read("b.dat"));
  EXPECT_FALSE(files.ReadAll("b.dat"));
  EXPECT_FALSE(files.Replace("b.dat", "x"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path("b.dat")));
  EXPECT_FALSE(files.Append("b.dat", "x"));

  EXPECT_TRUE(files.Replace("a.dat", ""));
  EXPECT_EQ(files.Read("a.dat"), "");
  for (const auto& entry : std::filesystem::directory_iterator(dir.Root()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << "a temporary left behind";
}

TEST(StorageTest, AppendsCreateAndAFreshLineFollowsATornOne) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  Storage& files = DataStorage();
  EXPECT_TRUE(files.Append("log.dat", "\r\nS 1", false));
  EXPECT_TRUE(files.Append("log.dat", "\r\nF 2", false));
  EXPECT_EQ(dir.Read("log.dat"), "\r\nS 1\r\nF 2");
  // A record on a fresh line: after a torn last line, and not into an empty file.
  EXPECT_TRUE(files.Append("log.dat", "P 3\r\n", true));
  EXPECT_TRUE(files.Append("log.dat", "P 4\r\n", true));
  EXPECT_EQ(dir.Read("log.dat"), "\r\nS 1\r\nF 2\r\nP 3\r\nP 4\r\n");
  EXPECT_TRUE(files.Append("new.dat", "P 1\r\n", true));
  EXPECT_EQ(dir.Read("new.dat"), "P 1\r\n");
}
