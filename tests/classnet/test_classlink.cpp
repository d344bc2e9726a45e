// The class this device joined, against a server in memory: what a drill's
// end puts in the outbox, sending it at once, trying again after a fault,
// starting again without the password, leaving, and a damaged classlink.dat.
#include <gtest/gtest.h>

#include "ClassLink.h"
#include "ClassReader.h"
#include "DrillEnd.h"
#include "DrillFiling.h"
#include "DrillSession.h"
#include "FakeDav.h"
#include "PracticeRun.h"
#include "ScratchDir.h"
#include "SessionLog.h"
#include "Storage.h"

namespace {

const char* kClass = "https://dav.school.example/class/Theory%201/";
const std::string kAnn = std::string(kClass) + "ann/";

class Settings : public DrillSurroundings {
 public:
  FilterState state{4095, 0, 0};
  void SettingsNow(FilterState& s) const override { s = state; }
  int Cardinality() const override { return 0; }
  int Range() const override { return 0; }
  bool Asks(int i) const override { return (state.LowMask >> i) & 1; }
  void AskWholeList() override { state.LowMask = 4095; }
  PlayManner Manner() const override { return PlayManner::Chord; }
  void Play(const PlaybackPlan&) override {}
};

class StillClock : public Clock {
 public:
  uint32_t now = 50000;
  uint32_t NowMs() override { return now; }
  double Today() override { return 46000.0; }
};

class ClassLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.Enter());
    ASSERT_TRUE(dir.CopyShipped("ftclass.dat"));
    SetCoreClock(&clock);
    server.folders.insert(kClass);
  }
  void TearDown() override {
    SetDrillFiling(nullptr);
    SetCoreClock(nullptr);
  }

  ClassFault Join(ClassLink& l, const std::string& password = "a-pw") {
    ClassFault got = ClassFault::ServerFault;
    EXPECT_EQ(l.Join(kClass, {"ann", password}, [&](ClassFault f) { got = f; }), AddressFault::None);
    loop.Settle();
    return got;
  }
  // Delivers the answers waiting, moving no clock.
  void Answer() {
    while (!loop.answers.empty()) {
      auto next = std::move(loop.answers.front());
      loop.answers.pop_front();
      next();
    }
  }
  // The next planned try, then its answers.
  void NextTry() {
    ASSERT_EQ(loop.timers.size(), 1u);
    auto it = loop.timers.begin();
    loop.now = it->first;
    auto task = std::move(it->second);
    loop.timers.erase(it);
    task();
    Answer();
  }
  std::string Part(const std::string& stem, int n) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08d", n);
    const auto it = server.files.find(kAnn + stem + "." + Outbox(DataStorage()).Device() + "." + digits);
    return it == server.files.end() ? "(none)" : it->second.bytes;
  }
  // The stem's log as a reader joins Ann's folder: covered parts left out.
  std::string Read(const std::string& stem) {
    FolderFiles files;
    for (const auto& [url, f] : server.files)
      if (url.rfind(kAnn, 0) == 0) files[url.substr(kAnn.size())] = f.bytes;
    std::string log;
    for (const std::string& name : PartsToRead(files, stem)) log += files.at(name);
    return log;
  }
  // A drill of five right answers and one wrong; `filterMidway` changes the
  // set classes asked after the second question.
  DrillResult Drill(DrillSession& drill, bool filterMidway) {
    drill.Begin();
    for (int k = 0; k < 5; ++k) {
      if (k == 1) drill.Submit((drill.question.listIndex + 1) % 12);
      if (k == 2 && filterMidway) settings.state.LowMask = 0x0FF;
      clock.now += 3000;
      drill.Submit(drill.RowOf(drill.question.listIndex));
    }
    const DrillResult r = drill.Result(true);
    drill.End(true);
    SaveScoredDrill(r);
    return r;
  }
  void Prepare(DrillSession& drill) {
    drill.SetClock(&clock);
    ProgramRandom().Seed(99);
    ASSERT_TRUE(drill.ReadCatalogue("ftclass.dat"));
    ASSERT_EQ(drill.UseCardinality(3), 12);
    int32_t rows[12];
    for (int i = 0; i < 12; ++i) rows[i] = i;
    drill.SetAnswerRows(rows, 12);
    drill.SetSurroundings(&settings);
    drill.SetPerson(0, "Ann Lee");
  }

  ScratchDir dir;
  StillClock clock;
  Loop loop;
  FakeDav server{loop};
  Settings settings;
};

}  // namespace

TEST_F(ClassLinkTest, ADrillsPartsAreWhatItsFilesTookAndGoAtOnce) {
  ClassLink link(DataStorage(), server, loop);
  SetDrillFiling(&link);
  DrillSession drill;
  Prepare(drill);

  // In no class a drill queues nothing.
  Drill(drill, false);
  drill.Clear();
  EXPECT_EQ(link.Waiting().drills + link.Waiting().others, 0);
  EXPECT_FALSE(dir.Exists(kOutboxFileName));
  EXPECT_EQ(std::string(link.Status().source), "");

  ASSERT_EQ(Join(link), ClassFault::None);
  EXPECT_TRUE(server.folders.count(kAnn)) << "the account's folder is made";
  EXPECT_EQ(dir.Read(kClassLinkFileName), "address " + std::string(kClass) + "\r\naccount ann\r\n");

  std::string report = dir.Read(kReportFileName);
  const DrillResult plain = Drill(drill, false);
  drill.Clear();
  // Sent as the drill ends, before any timer: the answers are all it takes.
  Answer();
  const std::string firstReport = dir.Read(kReportFileName).substr(report.size());
  EXPECT_EQ(Part(kReportFileName, 1), firstReport);
  EXPECT_NE(firstReport.find("\r\nS 46000 0 Ann Lee\r\nF 0 4095 0\r\nD 5 1 "), std::string::npos) << firstReport;
  const std::string errorsBefore = FormatErrorStats(plain.stats);
  EXPECT_EQ(Part(kErrorsFileName, 2), errorsBefore) << "the drill's statistics alone";
  EXPECT_EQ(link.StatusText(), "Saved to the class");

  // Filters used: its records go, with the new filter's, but not its
  // statistics, which errors.dat did not take either.
  report = dir.Read(kReportFileName);
  const std::string errors = dir.Read(kErrorsFileName);
  Drill(drill, true);
  drill.Clear();
  Answer();
  const std::string secondReport = dir.Read(kReportFileName).substr(report.size());
  EXPECT_EQ(Part(kReportFileName, 3), secondReport);
  EXPECT_NE(secondReport.find("\r\nF 0 255 0"), std::string::npos) << secondReport;
  EXPECT_EQ(dir.Read(kErrorsFileName), errors);
  EXPECT_EQ(Part(kErrorsFileName, 4), "(none)");

  // A practice drill: its practice.dat lines, and nothing of report.dat.
  report = dir.Read(kReportFileName);
  drill.SetPractice(true);
  drill.Begin();
  PracticeRun run(PracticeScheduler("Ann Lee", 46000), clock.now);
  run.Asked(drill.question, "3-11", 0, clock.now);
  run.Answered(drill.question, "3-5", clock.now + 2000);
  run.Answered(drill.question, "3-11", clock.now + 4000);
  run.Asked(drill.question, "3-4", 1, clock.now + 4000);
  run.Answered(drill.question, "3-1", clock.now + 9000);
  drill.End(true);
  run.End(clock.now + 9000);
  Answer();
  const std::string practice = dir.Read(kPracticeFileName);
  ASSERT_EQ(std::count(practice.begin(), practice.end(), '\n'), 2) << practice;
  EXPECT_EQ(Part(kPracticeFileName, 4), practice);
  EXPECT_EQ(dir.Read(kReportFileName), report);
  EXPECT_EQ(server.files.size(), 4u);

  // A drill the program closes on still sends what report.dat took of it.
  auto cut = std::make_unique<DrillSession>();
  Prepare(*cut);
  report = dir.Read(kReportFileName);
  cut->Begin();
  cut->Submit(cut->RowOf(cut->question.listIndex));
  cut->WriteSegmentRecord();
  cut.reset();
  Answer();
  EXPECT_EQ(Part(kReportFileName, 5), dir.Read(kReportFileName).substr(report.size()));
  EXPECT_TRUE(link.Waiting().drills == 0 && link.Waiting().others == 0);
  for (const char* file : {kClassLinkFileName, kOutboxFileName})
    EXPECT_EQ(dir.Read(file).find("a-pw"), std::string::npos) << file;
}

TEST_F(ClassLinkTest, AFaultKeepsTheDrillAndTriesAgainWithAGrowingPause) {
  ClassLink link(DataStorage(), server, loop);
  int told = 0;
  link.SetChanged([&] { ++told; });
  ASSERT_EQ(Join(link), ClassFault::None);
  EXPECT_GT(told, 0);

  server.offline = true;
  link.Filed(kReportFileName, "\r\nS 46000 0 Ann\r\nD 5 0 30 46000");
  Answer();
  EXPECT_EQ(link.LastFault(), ClassFault::Offline);
  EXPECT_EQ(link.StatusText(), ClassFaultMessage(ClassFault::Offline));
  EXPECT_EQ(link.Waiting().drills, 1);
  uint32_t pause = ClassLink::kFirstRetryMs;
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(link.RetryDelay(), pause) << k;
    // A drill ended meanwhile goes at once, and adds no second timer.
    if (k == 3) {
      link.Filed(kReportFileName, "\r\nS 46000 0 Ann\r\nD 6 0 30 46000");
      Answer();
      EXPECT_EQ(loop.timers.size(), 1u);
    }
    NextTry();
    pause = std::min(pause * 2, ClassLink::kLastRetryMs);
  }
  EXPECT_EQ(link.RetryDelay(), ClassLink::kLastRetryMs);
  EXPECT_EQ(link.Waiting().drills, 2);

  server.offline = false;
  NextTry();
  EXPECT_EQ(link.LastFault(), ClassFault::None);
  EXPECT_EQ(link.RetryDelay(), 0u);
  EXPECT_EQ(server.Joined(kAnn, "report.dat."), "\r\nS 46000 0 Ann\r\nD 5 0 30 46000\r\nS 46000 0 Ann\r\nD 6 0 30 46000");
  EXPECT_TRUE(loop.timers.empty());

  // A wrong password is not tried again on its own; a new one sends.
  server.instead = [](const HttpRequest&) {
    return std::optional<HttpResponse>(HttpResponse{HttpResponse::Link::Answered, 401, {}, {}, false});
  };
  link.Filed(kPracticeFileName, "line\r\n");
  Answer();
  EXPECT_EQ(link.LastFault(), ClassFault::Unauthorized);
  EXPECT_TRUE(loop.timers.empty());
  EXPECT_EQ(link.StatusText(), ClassFaultMessage(ClassFault::Unauthorized));
  server.instead = nullptr;
  link.SetPassword("a-pw");
  Answer();
  EXPECT_EQ(link.StatusText(), "Saved to the class");
}

TEST_F(ClassLinkTest, ARestartNeedsThePasswordAndLeavingForgetsAllButTheFiles) {
  {
    ClassLink link(DataStorage(), server, loop);
    ASSERT_EQ(Join(link), ClassFault::None);
    server.offline = true;
    link.Filed(kReportFileName, "\r\nS 1");
    link.Filed(kReportFileName, "\r\nS 2");
    loop.timers.clear();
    Answer();
  }
  WriteBytes(kReportFileName, "\r\nS 1\r\nS 2");
  server.offline = false;
  const size_t before = server.log.size();
  ClassLink link(DataStorage(), server, loop);
  EXPECT_TRUE(link.Joined());
  EXPECT_EQ(link.Account(), "ann");
  EXPECT_EQ(link.Address(), kClass);
  EXPECT_FALSE(link.HasPassword());
  EXPECT_EQ(link.Waiting().drills, 2);
  EXPECT_EQ(link.StatusText(), "The class's password is needed to send");
  link.SendNow();
  Answer();
  EXPECT_EQ(server.log.size(), before) << "nothing goes without the password";
  link.SetPassword("a-pw");
  Answer();
  EXPECT_EQ(server.Joined(kAnn, "report.dat."), "\r\nS 1\r\nS 2");
  EXPECT_EQ(link.StatusText(), "Saved to the class");

  server.offline = true;
  link.Filed(kReportFileName, "\r\nS 3");
  Answer();
  EXPECT_EQ(link.StatusText(), ClassFaultMessage(ClassFault::Offline));
  link.Leave();
  EXPECT_FALSE(link.Joined());
  EXPECT_EQ(link.Waiting().drills, 0);
  EXPECT_EQ(std::string(link.Status().source), "");
  EXPECT_EQ(dir.Read(kReportFileName), "\r\nS 1\r\nS 2") << "the student's files stay";
  server.offline = false;
  loop.Settle();
  link.Filed(kReportFileName, "\r\nS 4");
  ClassLink again(DataStorage(), server, loop);
  EXPECT_FALSE(again.Joined());
  EXPECT_FALSE(again.Damaged());
  EXPECT_EQ(Outbox(DataStorage()).Entries().size(), 0u) << "what waited went with the class";

  // Refused: nothing kept. An address no password may go to: nothing sent.
  server.log.clear();
  EXPECT_EQ(Join(again, "guess"), ClassFault::None) << "the fake server takes any password";
  again.Leave();
  server.instead = [](const HttpRequest&) {
    return std::optional<HttpResponse>(HttpResponse{HttpResponse::Link::Answered, 401, {}, {}, false});
  };
  EXPECT_EQ(Join(again, "guess"), ClassFault::Unauthorized);
  EXPECT_FALSE(again.Joined());
  EXPECT_EQ(dir.Read(kClassLinkFileName), "");
  server.log.clear();
  bool called = false;
  EXPECT_EQ(again.Join("http://dav.school.example/class/", {"ann", "pw"}, [&](ClassFault) { called = true; }),
            AddressFault::NotHttps);
  EXPECT_EQ(again.Join("https://ann:pw@dav.school.example/class/", {"ann", "pw"}, [&](ClassFault) { called = true; }),
            AddressFault::CredentialsInside);
  loop.Settle();
  EXPECT_FALSE(called);
  EXPECT_TRUE(server.log.empty());
}

TEST(ClassLinkFileTest, ADamagedFileIsNoClassAndIsLeftAlone) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  Loop loop;
  FakeDav server{loop};
  const std::string good = "address https://dav.school.example/c/\r\naccount ann lee\r\n";
  struct Case {
    std::string text;
    bool joined;
  } cases[] = {
      {good, true},
      {"address https://dav.school.example/c/\naccount ann lee\n\x1a" "garbage", true},
      {"account ann lee\r\naddress https://dav.school.example/c/\r\nnote from a later version\r\n", true},
      {good.substr(0, good.size() - 12), false},
      {"address http://dav.school.example/c/\r\naccount ann\r\n", false},
      {"address https://ann:pw@dav.school.example/c/\r\naccount ann\r\n", false},
      {"address https://dav.school.example/c/\r\naccount ..\r\n", false},
      {"address https://dav.school.example/c/\r\naccount ann\r\naccount bob\r\n", false},
      {std::string("address https://dav.school.example/c/\0\r\naccount \xff\x01\r\n", 52), false},
      {std::string(4096, '\xff'), false},
  };
  for (const Case& c : cases) {
    WriteBytes(kClassLinkFileName, c.text);
    ClassLink link(DataStorage(), server, loop);
    EXPECT_EQ(link.Joined(), c.joined) << c.text;
    EXPECT_EQ(link.Damaged(), !c.joined) << c.text;
    if (c.joined) {
      EXPECT_EQ(link.Account(), "ann lee");
    }
    link.Filed(kReportFileName, "\r\nS 1");
    loop.Settle();
    EXPECT_EQ(ReadBytes(kClassLinkFileName), c.text) << "left as it was";
  }
  EXPECT_TRUE(server.log.empty());
  EXPECT_EQ(ParseClassLink(ClassLinkText(*ParseClassLink(good))).value().account, "ann lee");
}

// Every so many parts the account's folder is looked at once, and a stem's
// files (its fold and the singles after it) become one folded part that grows;
// nothing is lost or doubled, and a single left over from a fold cut short
// goes at the next.
TEST_F(ClassLinkTest, ManyPartsAreFoldedIntoOneWithoutLossOrDoubling) {
  ClassLink link(DataStorage(), server, loop);
  ASSERT_EQ(Join(link), ClassFault::None);
  std::string all;
  auto drill = [&](int n) {
    const std::string bytes = "\r\nS 46000 0 Ann\r\nD " + std::to_string(n) + " 0 30 46000";
    all += bytes;
    link.Filed(kReportFileName, bytes);
    loop.Settle();
    EXPECT_EQ(Read(kReportFileName), all) << "after drill " << n;
  };
  auto listings = [&] {
    return std::count_if(server.log.begin(), server.log.end(), [](const HttpRequest& q) { return q.method == "PROPFIND"; });
  };
  const auto joinListings = listings();
  for (int n = 1; n <= 40; ++n) drill(n);
  link.Filed(kErrorsFileName, "errors of one drill\r\n");
  loop.Settle();
  EXPECT_EQ(listings() - joinListings, 4) << "a look every 8 parts";
  const std::string device = Outbox(DataStorage()).Device();
  const std::string folded = kAnn + FoldedPartName(kReportFileName, device, 1, 35);
  ASSERT_TRUE(server.files.count(folded));
  EXPECT_EQ(server.Joined(kAnn, "report.dat."), all);
  int singles = 0;
  for (const auto& [url, f] : server.files) singles += ParseServerPart(url.substr(kAnn.size()))->folded ? 0 : 1;
  EXPECT_EQ(singles, 6) << "5 of the log and the statistics";
  EXPECT_NE(dir.Read(kClassLinkFileName).find("\r\nlooked 36\r\n"), std::string::npos) << dir.Read(kClassLinkFileName);

  // A single the fold holds is back (its DELETE was lost): the next fold
  // takes it away, and the log still reads once.
  server.Write(kAnn + std::string(kReportFileName) + "." + device + ".00000005", "\r\nS 46000 0 Ann\r\nD 5 0 30 46000");
  for (int n = 41; n <= 72; ++n) drill(n);
  EXPECT_EQ(listings() - joinListings, 8);
  EXPECT_EQ(server.Joined(kAnn, "report.dat."), all);
  EXPECT_FALSE(server.files.count(kAnn + std::string(kReportFileName) + "." + device + ".00000005"));
  EXPECT_TRUE(server.files.count(kAnn + FoldedPartName(kReportFileName, device, 1, 71)));
  EXPECT_TRUE(server.files.count(kAnn + std::string(kErrorsFileName) + "." + device + ".00000041")) << "one is no fold";

  for (const char* bad : {"report.dat", "report.dat.dev", "report.dat.de-v.1", "report.dat.dev.9-1", "x.dev.1-"})
    EXPECT_FALSE(ParseServerPart(bad)) << bad;
  EXPECT_TRUE(ParseServerPart("report.dat.dev.00000003")->last == 3);
}

// Folding straight through the sender, over rounds: older folds (statistics
// joined block after block) are taken in, the statistics become one sum, a
// fold cut short or answered late loses and doubles nothing, no range passes
// a part still waiting, and none grows past the size a reader takes.
TEST_F(ClassLinkTest, FoldsGrowSumTheStatisticsAndNeverHideOrDoubleAPart) {
  server.folders.insert(kAnn);
  Outbox outbox(DataStorage(), kOutboxFileName, [] { return std::string("desk"); });
  ASSERT_TRUE(DataStorage().Replace(kOutboxFileName, "Q desk 41\r\n"));
  ClassSync sync({ParseClassAddress(kClass).address, {"ann", "a-pw"}}, server, outbox, loop);
  auto fold = [&](size_t atLeast) {
    std::optional<std::pair<ClassFault, int>> got;
    sync.Fold(atLeast, [&](ClassFault f, int n) { got = {f, n}; });
    loop.Settle();
    EXPECT_TRUE(got);
    return got.value_or(std::pair{ClassFault::ServerFault, -1});
  };
  auto send = [&] {
    std::optional<SyncReport> got;
    sync.SendWaiting([&](SyncReport r) { got = r; });
    loop.Settle();
    EXPECT_TRUE(got && got->fault == ClassFault::None);
  };
  ErrorStats truth{};
  std::string log;
  auto stats = [](int n) {
    ErrorStats s{};
    for (int k = 0; k <= n % 5; ++k) AddCorrectAnswer(s, n % kStatClasses, k % 2, n % kRipRows);
    AddWrongAnswer(s, (n * 7) % kStatClasses, 0, 3, n % kConfusions);
    return s;
  };
  auto record = [](int n) { return "\r\nS 46000 0 Ann\r\nD " + std::to_string(n) + " 0 30 46000"; };
  auto drill = [&](int n) {
    log += record(n);
    AddStats(truth, stats(n));
    return record(n);
  };
  // What an older version left: 1..32 folded, statistics joined.
  std::string oldLog, oldErrors;
  for (int n = 1; n <= 32; ++n) {
    oldLog += drill(n);
    oldErrors += FormatErrorStats(stats(n));
  }
  server.Write(kAnn + FoldedPartName(kReportFileName, "desk", 1, 32), oldLog);
  server.Write(kAnn + FoldedPartName(kErrorsFileName, "desk", 1, 32), oldErrors);
  auto expectReadOnce = [&](const char* when) {
    EXPECT_EQ(Read(kReportFileName), log) << when;
    FolderFiles files;
    for (const auto& [url, f] : server.files)
      if (url.rfind(kAnn, 0) == 0) files[url.substr(kAnn.size())] = f.bytes;
    EXPECT_TRUE(FormatErrorStats(ReadClass({{"ann", files}}, 46000).errors) == FormatErrorStats(truth)) << when;
  };
  auto files = [&](const std::string& stem) {
    return std::count_if(server.files.begin(), server.files.end(),
                         [&](const auto& f) { return f.first.rfind(kAnn + stem + ".", 0) == 0; });
  };
  int n = 33;
  auto drills = [&](int count) {
    for (int k = 0; k < count; ++k, ++n) {
      ASSERT_TRUE(outbox.AddPart(kReportFileName, drill(n)));
      ASSERT_TRUE(outbox.AddPart(kErrorsFileName, FormatErrorStats(stats(n))));
    }
    send();
  };

  // Round 1: the old fold and 7 singles make 8: one range from 1, one sum.
  drills(7);
  EXPECT_EQ(fold(8), std::pair(ClassFault::None, 16));
  expectReadOnce("round 1");
  const std::string errorsFold = kAnn + FoldedPartName(kErrorsFileName, "desk", 1, 54);
  ASSERT_TRUE(server.files.count(errorsFold));
  EXPECT_EQ(server.files[errorsFold].bytes, FormatErrorStats(truth)) << "one block, the sum";
  EXPECT_EQ(files(kReportFileName), 1);
  EXPECT_EQ(files(kErrorsFileName), 1);

  // Round 2 is cut short: the folds are there, a DELETE fails; the reader
  // still takes each drill once, and the next round clears what is left.
  drills(8);
  int deletes = 0;
  server.instead = [&](const HttpRequest& q) -> std::optional<HttpResponse> {
    if (q.method == "DELETE" && ++deletes == 3) return HttpResponse{HttpResponse::Link::Answered, 507, {}, {}, false};
    return std::nullopt;
  };
  EXPECT_EQ(fold(8).first, ClassFault::Full);
  server.instead = nullptr;
  expectReadOnce("cut short");
  // Round 3: the PUT's answer is lost; the fold there is found, with the same bytes, next time.
  server.loseAnswers = 1;
  server.beforePut = [&](const HttpRequest&) { server.beforePut = nullptr; };
  EXPECT_EQ(fold(2).first, ClassFault::Lost);
  expectReadOnce("answer lost");
  EXPECT_EQ(fold(2).first, ClassFault::None);
  expectReadOnce("round 3");
  EXPECT_EQ(files(kReportFileName), 1);
  EXPECT_EQ(files(kErrorsFileName), 1);

  // A part renamed (another device holds its name) goes ahead of the next,
  // which then waits: no range may pass the waiting one, or readers would
  // skip it once it comes.
  const uint64_t renamed = outbox.NextNumber();
  char name[16];
  std::snprintf(name, sizeof name, "%08llu", static_cast<unsigned long long>(renamed + 1));
  const std::string next = kAnn + kReportFileName + ".desk." + name;
  std::snprintf(name, sizeof name, "%08llu", static_cast<unsigned long long>(renamed));
  server.Write(kAnn + kReportFileName + ".desk." + name, "another device's");
  const std::string first = record(n++), second = record(n++);
  ASSERT_TRUE(outbox.AddPart(kReportFileName, first));
  ASSERT_TRUE(outbox.AddPart(kReportFileName, second));
  log += second + first;  // in the order of their numbers now
  server.instead = [&](const HttpRequest& q) -> std::optional<HttpResponse> {
    if (q.url == next) return HttpResponse{HttpResponse::Link::Answered, 507, {}, {}, false};
    return std::nullopt;
  };
  {
    std::optional<SyncReport> got;
    sync.SendWaiting([&](SyncReport r) { got = r; });
    loop.Settle();
    ASSERT_TRUE(got && got->fault == ClassFault::Full && got->sent == 1);
  }
  server.instead = nullptr;
  server.files.erase(kAnn + kReportFileName + ".desk." + name);
  EXPECT_EQ(fold(2).first, ClassFault::None);
  send();
  expectReadOnce("a part renamed");
  EXPECT_EQ(fold(2).first, ClassFault::None);
  expectReadOnce("a part renamed, folded");
  EXPECT_EQ(files(kReportFileName), 1);

  // Large logs: a range that would pass the cap begins anew.
  const std::string big(kMaxFoldBytes / 2 + 1000, 'x');
  for (int k = 0; k < 3; ++k) {
    ASSERT_TRUE(outbox.AddPart(kReportFileName, "\r\n" + big));
    log += "\r\n" + big;
  }
  send();
  EXPECT_EQ(fold(2).first, ClassFault::None);
  EXPECT_EQ(files(kReportFileName), 3);
  expectReadOnce("large");
  // Sizes not listed: the GETs tell.
  server.listSizes = false;
  ASSERT_TRUE(outbox.AddPart(kReportFileName, "\r\n" + big));
  log += "\r\n" + big;
  for (int k = 0; k < 2; ++k, ++n) {
    ASSERT_TRUE(outbox.AddPart(kReportFileName, record(n)));
    log += record(n);
  }
  send();
  EXPECT_EQ(fold(2).first, ClassFault::None);
  EXPECT_EQ(files(kReportFileName), 4) << "three full, one of the last three";
  expectReadOnce("large, sizes not listed");
  for (const auto& [url, f] : server.files) EXPECT_LE(f.bytes.size(), kMaxFoldBytes) << url;
}
