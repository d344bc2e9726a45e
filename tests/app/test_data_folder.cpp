#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DataFolder.h"
#include "ScratchDir.h"

namespace {

namespace fs = std::filesystem;

}  // namespace

// The option, then the variable, then the administrator's file, then the
// default; each choice says which setting named it.
TEST(DataFolder, FirstSettingGivenWins) {
  ScratchDir dir;
  const std::string conf = dir.Write("sonorix.conf", "# lab machines\r\n\r\n; old: DataDir=/srv/old\r\nDataDir = /srv/classes/theory-1 \r\n");
  const std::string named = conf + " (DataDir)";
  std::string error;
  auto choice = [&](const std::vector<std::string>& args, const char* variable, const std::string& file) {
    error.clear();
    return ChooseDataFolder(args, variable, file, error);
  };

  auto c = choice({"-platform", "offscreen", "--data-dir", "/srv/a"}, "/srv/b", conf);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->dir, fs::path("/srv/a"));
  EXPECT_EQ(c->namedBy, "--data-dir");
  c = choice({"--data-dir=/srv/a2"}, "/srv/b", conf);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->dir, fs::path("/srv/a2"));

  c = choice({}, "/srv/b", conf);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->dir, fs::path("/srv/b"));
  EXPECT_EQ(c->namedBy, "SONORIX_DATA_DIR");

  // An empty variable is no setting.
  c = choice({}, "", conf);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->dir, fs::path("/srv/classes/theory-1"));
  EXPECT_EQ(c->namedBy, named);

  c = choice({}, nullptr, dir.Path("no-such.conf"));
  ASSERT_TRUE(c);
  EXPECT_TRUE(c->dir.empty());
  EXPECT_TRUE(error.empty());

  // Relative folders on the command line are the working directory's.
  ASSERT_TRUE(dir.Enter());
  c = choice({"--data-dir", "class"}, nullptr, conf);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->dir, fs::current_path() / "class");

  // Malformed settings are refused, not skipped.
  EXPECT_FALSE(choice({"--data-dir"}, "/srv/b", conf));
  EXPECT_EQ(error, "--data-dir needs a folder");
  const std::string relative = dir.Write("relative.conf", "DataDir=classes\n");
  EXPECT_FALSE(choice({}, nullptr, relative));
  EXPECT_NE(error.find("is no absolute path"), std::string::npos) << error;
}

// The administrator's file as an editor on another system saves it: a byte
// order mark, CR LF, the teachers, and lines it cannot use, each named.
TEST(DataFolder, TheAdministratorsFileWithAMarkAndItsTeachers) {
  const SystemConf conf = ParseSystemConf(
      "\xEF\xBB\xBF" "DataDir=/srv/theory\r\nTeachers= mayer , lee,\r\nTeacherGroup=staff\r\nDatadir=/srv/x\r\n"
      "Zoom 150\r\n",
      "/etc/sonorix/sonorix.conf");
  EXPECT_EQ(conf.dataDir, "/srv/theory");
  EXPECT_EQ(conf.teachers, (std::vector<std::string>{"mayer", "lee"}));
  EXPECT_EQ(conf.teacherGroup, "staff");
  EXPECT_EQ(conf.warnings, (std::vector<std::string>{
                               "/etc/sonorix/sonorix.conf:4: unknown setting \"Datadir\" ignored",
                               "/etc/sonorix/sonorix.conf:5: not understood, no \"Key=Value\": Zoom 150"}));
}

// A class folder is used as the administrator made it: prepared like the
// default folder, never made; one that cannot be used is refused with the
// reason and the setting that named it.
TEST(DataFolder, ANamedFolderIsPreparedOrRefusedWithItsSetting) {
  ScratchDir dir;
  fs::create_directory(dir.Path("given"));
  dir.Write("given/ftclass.dat", "catalogue");
  dir.Write("given/readme.txt", "instructions");
  fs::create_directory(dir.Path("class"));
  dir.Write("class/readme.txt", "the teacher's own");
  dir.Write("class/hiscore.dat.tmpAb12Cd", "half a save");
  dir.Write("class/hiscore.dat.tmpYoung1", "a save running now");
  const fs::path old = dir.Path("class/hiscore.dat.tmpAb12Cd");
  fs::last_write_time(old, fs::file_time_type::clock::now() - std::chrono::minutes(5));

  const fs::path start = fs::current_path();
  std::string error;
  ASSERT_TRUE(EnterDataFolder({dir.Path("class"), "SONORIX_DATA_DIR"}, dir.Path("given"), error)) << error;
  EXPECT_EQ(fs::current_path(), fs::path(dir.Path("class")));
  EXPECT_EQ(dir.Read("class/ftclass.dat"), "catalogue");
  EXPECT_EQ(dir.Read("class/readme.txt"), "the teacher's own");
  EXPECT_FALSE(dir.Exists("class/hiscore.dat.tmpAb12Cd"));
  EXPECT_TRUE(dir.Exists("class/hiscore.dat.tmpYoung1"));
  fs::current_path(start);

  EXPECT_FALSE(EnterDataFolder({dir.Path("missing"), "/etc/sonorix/sonorix.conf (DataDir)"}, dir.Path("given"), error));
  EXPECT_EQ(error, dir.Path("missing") + " (named by /etc/sonorix/sonorix.conf (DataDir)): No such file or directory");
  EXPECT_FALSE(dir.Exists("missing"));
  EXPECT_FALSE(EnterDataFolder({dir.Path("class/readme.txt"), "--data-dir"}, {}, error));
  EXPECT_EQ(error, dir.Path("class/readme.txt") + " (named by --data-dir): not a folder");
  EXPECT_EQ(fs::current_path(), start);
}
