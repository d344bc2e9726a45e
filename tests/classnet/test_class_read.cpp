// Reading a class folder for the teacher: the account folders' part files
// into one row per account, and fetching them from a server in memory that
// lists its folders as mod_dav_fs does.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>

#include "ClassFetch.h"
#include "ClassOverviewReport.h"
#include "ClassReader.h"
#include "Clock.h"
#include "PracticeLog.h"
#include "ScratchDir.h"
#include "SessionLog.h"
#include "SingLog.h"
#include "Storage.h"

namespace {

constexpr int32_t kToday = 45000;

std::string S(double date, const std::string& name) { return "\r\n" + StartRecordText(date, 0, name); }
// Every set class of the cardinality enabled: an eligible drill.
std::string F(int mode) {
  return "\r\n" + FilterRecordText(mode < 3 ? FilterState{4095, 0, mode} : FilterState{65535, 8191, mode});
}
std::string D(const std::string& name, double date, int right, int wrong, unsigned seconds, double tamper = 0) {
  return "\r\n" + SegmentRecordText(right, wrong, seconds, SegmentCheckValue(name, date, right, wrong) + tamper);
}
std::string Drill(const std::string& name, double date, int right, int wrong, unsigned seconds, int mode = 0,
                  double tamper = 0) {
  return S(date, name) + F(mode) + D(name, date, right, wrong, seconds, tamper) + "\r\n";
}
std::string Practice(const std::string& name, const std::string& asked, const std::string& answered) {
  PracticeRecord r;
  r.day = kToday;
  r.secondOfDay = 3600;
  r.asked = asked;
  r.voicing = {0, 4, 7};
  r.answers = {answered};
  r.seconds = 5;
  r.person = name;
  return PracticeLine(r) + "\r\n";
}
std::string Sung(const std::string& name, int attempt, bool right) {
  SingRecord r;
  r.day = kToday;
  r.setClass = "3-11";
  r.sung = {{63, 5}};
  r.right = right;
  r.attempt = attempt;
  r.person = name;
  return SingLine(r) + "\r\n";
}
std::string Errors(int statIndex, int right, int wrong) {
  ErrorStats stats{};
  for (int i = 0; i < right; ++i) AddCorrectAnswer(stats, statIndex, 0, 0);
  for (int i = 0; i < wrong; ++i) AddWrongAnswer(stats, statIndex, 0, 0, 1);
  return FormatErrorStats(stats);
}

const PersonFigures& Row(const ClassReading& r, const std::string& account) {
  for (const PersonFigures& p : r.rows)
    if (p.name == account) return p;
  static PersonFigures none;
  ADD_FAILURE() << "no row " << account;
  return none;
}

// Ann's two devices, one of which folded its first three parts; Bob's folder
// holds a drill logged under Ann's name and a tampered record.
ClassFiles SampleClass() {
  ClassFiles c;
  FolderFiles& ann = c["ann"];
  ann["report.dat.desk.00000001"] = Drill("Ann", 44999, 10, 2, 100);
  ann["report.dat.desk.00000002"] = Drill("Ann", 44999, 20, 0, 100);
  ann["report.dat.desk.00000003"] = Drill("Ann", kToday, 7, 1, 50);
  // The fold of 1..3 is there, its singles not yet deleted: they count once.
  ann["report.dat.desk.00000001-00000003"] = ann["report.dat.desk.00000001"] + ann["report.dat.desk.00000002"] +
                                              ann["report.dat.desk.00000003"];
  ann["report.dat.desk.00000002-00000003"] = "garbage a smaller fold would add";
  ann["report.dat.desk.00000004"] = Drill("Ann", kToday, 6, 0, 40, 3);
  ann["report.dat.lap.00000001"] = Drill("Ann", kToday, 5, 5, 60);
  ann["practice.dat.lap.00000001"] = Practice("Ann", "3-11", "3-11") + Practice("Ann", "3-2", "3-5");
  // Sung tries: a fold and its singles, a second try, one more question.
  ann["sing.dat.desk.00000001-00000002"] = Sung("Ann", 1, false) + Sung("Ann", 2, true);
  ann["sing.dat.desk.00000002"] = Sung("Ann", 2, true);
  ann["sing.dat.lap.00000001"] = Sung("Ann", 1, true);
  ann["errors.dat.desk.00000001-00000002"] = Errors(0, 3, 1) + Errors(0, 2, 0);
  ann["errors.dat.desk.00000001"] = Errors(0, 100, 100);  // covered by the fold
  ann["errors.dat.lap.00000001"] = Errors(5, 1, 4);
  ann["notes.txt"] = "not ours";
  ann["report.dat.desk.x"] = Drill("Ann", kToday, 99, 0, 1);
  ann["report.dat.de/sk.00000009"] = Drill("Ann", kToday, 99, 0, 1);
  FolderFiles& bob = c["bob"];
  bob["report.dat.b1.00000001"] = Drill("Ann", kToday, 8, 0, 80) + Drill("Bob", kToday, 9, 1, 90, 0, 1);
  bob["report.dat.b1.00000002"] = "\x1a";
  std::string tampered = Sung("Bob", 1, false);
  tampered.replace(tampered.find(" W "), 3, " R ");
  bob["sing.dat.b1.00000001"] = Sung("Ann", 1, true) + tampered;
  c["cleo"];  // joined, nothing sent yet
  return c;
}

void ExpectSameFigures(const ClassReading& a, const ClassReading& b) {
  ASSERT_EQ(a.rows.size(), b.rows.size());
  EXPECT_EQ(ClassCsv(a.rows), ClassCsv(b.rows));
  EXPECT_EQ(FormatErrorStats(a.errors), FormatErrorStats(b.errors));
  EXPECT_EQ(a.records, b.records);
  EXPECT_EQ(a.unverified, b.unverified);
  for (size_t m = 0; m < kModes; ++m) EXPECT_EQ(a.highScores[m].size(), b.highScores[m].size());
}

}  // namespace

TEST(ClassReaderTest, EveryFolderIsOneAccountsRowFromItsPartsFoldedOrNot) {
  EXPECT_FALSE(ParsePartName("report.dat"));
  EXPECT_FALSE(ParsePartName("report.dat..1"));
  EXPECT_FALSE(ParsePartName("report.dat.a.3-1"));
  EXPECT_FALSE(ParsePartName("hiscore.sxr.a.1"));
  EXPECT_FALSE(ParsePartName("report.dat.a.99999999999999999999"));
  EXPECT_EQ(ParsePartName("errors.dat.k2.00000004-00000009")->last, 9u);

  const ClassReading r = ReadClass(SampleClass(), kToday);
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_EQ(r.rows[0].name, "ann");
  EXPECT_EQ(r.rows[2].name, "cleo");

  const PersonFigures& ann = Row(r, "ann");
  EXPECT_EQ(ann.verifiedDrills, 5);
  EXPECT_EQ(ann.all.right, 10 + 20 + 7 + 6 + 5);
  EXPECT_EQ(ann.all.wrong, 2 + 0 + 1 + 0 + 5);
  EXPECT_EQ(ann.unverified, 0);
  EXPECT_EQ(ann.practiceQuestions, 2);
  EXPECT_EQ(ann.practiceFirstTry, 1);
  // As a lab folder's sing.dat of the same lines counts them.
  std::vector<PersonFigures> lab;
  AddClassSinging(lab, ParseSingLog(Sung("Ann", 1, false) + Sung("Ann", 2, true) + Sung("Ann", 1, true)));
  EXPECT_EQ(std::pair(ann.singQuestions, ann.singFirstTry), std::pair(lab.at(0).singQuestions, lab.at(0).singFirstTry));
  EXPECT_EQ(ann.singQuestions, 2);
  EXPECT_TRUE(ann.bestScore[0]);
  EXPECT_TRUE(ann.bestScore[3]);

  // Bob's folder is Bob's: the drill and the sung try logged under Ann's
  // name are his, the tampered record and sung try his unverified ones, never Ann's.
  const PersonFigures& bob = Row(r, "bob");
  EXPECT_EQ(bob.verifiedDrills, 1);
  EXPECT_EQ(bob.all.right, 8);
  EXPECT_EQ(bob.singFirstTry, 1);
  EXPECT_EQ(bob.unverified, 2);
  EXPECT_EQ(r.unverified, 2);
  EXPECT_EQ(Row(r, "cleo").verifiedDrills, 0);

  // Statistics: the fold's two drills and the laptop's, the covered single left out.
  EXPECT_EQ(r.errors[0].Correct[0], 5);
  EXPECT_EQ(r.errors[0].Wrong[0], 1);
  EXPECT_EQ(r.errors[5].Wrong[0], 4);

  // The tables: one entry per account, best first.
  ASSERT_EQ(r.highScores[0].size(), 2u);
  EXPECT_GE(r.highScores[0][0].score, r.highScores[0][1].score);
  ASSERT_EQ(r.highScores[3].size(), 1u);
  EXPECT_EQ(r.highScores[3][0].account, "ann");
  EXPECT_EQ(r.highScores[3][0].score, *ann.bestScore[3]);

  // Practice per account, whatever name its lines hold.
  ASSERT_EQ(r.students.size(), 1u);
  ASSERT_FALSE(r.students.at("ann").confusions.empty());
  EXPECT_EQ(r.students.at("ann").confusions.front().asked, "3-2");
  EXPECT_EQ(r.students.at("ann").hardest.front().name, "3-2");

  // The overview made of it: the printed tables hold every column once (and the name twice).
  const ClassOverviewReport report = MakeClassOverviewReport(r.rows, r.errors, r.students, kToday);
  EXPECT_EQ(report.firstDay, 44999);
  EXPECT_EQ(report.lastDay, kToday);
  EXPECT_EQ(report.hardest.front().cardinalityIndex, 0);
  EXPECT_EQ(report.hardest.front().listIndex, 5);  // 1 of 5 right
  std::vector<int> columns = ClassReportGeneralColumns();
  for (int c : ClassReportModeColumns()) columns.push_back(c);
  std::sort(columns.begin(), columns.end());
  EXPECT_EQ(columns.size(), static_cast<size_t>(ClassColumns::kColumns) + 1);
  EXPECT_EQ(std::unique(columns.begin(), columns.end()) - columns.begin(), ClassColumns::kColumns);
  EXPECT_EQ(ClassCellOf(bob, ClassColumns::kName).text, "bob");
  EXPECT_EQ(ClassCellOf(PersonFigures{}, ClassColumns::kName).text, kNoNameSource);
  EXPECT_EQ(ClassCellOf(ann, ClassColumns::kFirstBestColumn + 3).text, std::to_string(*ann.bestScore[3]));
  EXPECT_EQ(std::string(ClassHeadOf(ClassColumns::kFirstModeColumn + 3).source), "\ns/right");

  // Step by step the same, folders in any order.
  ClassReader reader(kToday);
  const ClassFiles files = SampleClass();
  for (auto it = files.rbegin(); it != files.rend(); ++it) reader.AddFolder(it->first, it->second);
  ExpectSameFigures(reader.Finish(), r);

  // A local copy of the layout reads the same; dot folders and loose files are passed over.
  ScratchDir copy;
  for (const auto& [account, folder] : files) {
    std::filesystem::create_directories(copy.Root() / account);
    for (const auto& [name, bytes] : folder)
      if (name.find('/') == std::string::npos) copy.Write(account + "/" + name, bytes);
  }
  std::filesystem::create_directories(copy.Root() / ".sync");
  copy.Write(".sync/report.dat.x.00000001", Drill("Eve", kToday, 50, 0, 10));
  copy.Write("report.dat.x.00000001", Drill("Eve", kToday, 50, 0, 10));
  const auto local = ReadLocalClass(copy.Root().string());
  ASSERT_TRUE(local);
  ExpectSameFigures(ReadClass(*local, kToday), ReadClass(files, kToday));
  EXPECT_FALSE(ReadLocalClass(copy.Path("nowhere")));

  // A drill log read a few bytes at a time, lines cut anywhere, reads as one read whole.
  FolderReader pieces("ann", files.at("ann"), kToday);
  int steps = 0;
  while (!pieces.Step(7)) ++steps;
  EXPECT_GT(steps, 20);
  ClassReader stepped(kToday);
  stepped.Add("ann", pieces.Finish());
  ClassReader whole(kToday);
  whole.AddFolder("ann", files.at("ann"));
  ExpectSameFigures(stepped.Finish(), whole.Finish());
}

namespace {

struct Loop : Scheduler {
  std::deque<std::function<void()>> tasks;
  int steps = 0;
  void After(uint32_t, std::function<void()> task) override { tasks.push_back(std::move(task)); }
  void Settle() {
    for (int guard = 0; guard < 100000 && !tasks.empty(); ++guard) {
      auto next = std::move(tasks.front());
      tasks.pop_front();
      ++steps;
      next();
    }
  }
};

// Folders and files by decoded path under the origin; PROPFIND Depth 1 lists
// a folder's children with strong tags that change with every write.
struct FakeDav : Transport {
  explicit FakeDav(Loop& loop) : loop(loop) {}
  Loop& loop;
  std::string origin = "https://dav.school.example";
  std::map<std::string, std::pair<std::string, int>> files;  // path -> bytes, version
  std::vector<HttpRequest> log;
  std::function<std::optional<HttpResponse>(const HttpRequest&)> instead;
  bool weak = false;
  int version = 0;

  void Put(const std::string& path, const std::string& bytes) { files[path] = {bytes, ++version}; }
  std::string Tag(int v) const { return (weak ? "W/\"" : "\"") + std::to_string(v) + "\""; }

  void Send(const HttpRequest& request, std::function<void(HttpResponse)> done) override {
    log.push_back(request);
    HttpResponse r = Handle(request);
    loop.After(0, [r, done = std::move(done)] { done(r); });
  }
  HttpResponse Handle(const HttpRequest& q, bool asked = true) {
    if (asked && instead)
      if (auto given = instead(q)) return *given;
    if (q.url.rfind(origin, 0) != 0) return {HttpResponse::Link::Unreachable, 0, {}, {}, false};
    const std::string path = DecodePercent(q.url.substr(origin.size()));
    if (q.method == "GET") {
      const auto it = files.find(path);
      if (it == files.end()) return {HttpResponse::Link::Answered, 404, {}, {}, false};
      return {HttpResponse::Link::Answered, 200, {{"ETag", Tag(it->second.second)}}, it->second.first, false};
    }
    if (q.method != "PROPFIND") return {HttpResponse::Link::Answered, 405, {}, {}, false};
    std::map<std::string, std::string> children;  // name -> "" folder, else tag
    bool found = false;
    for (const auto& [p, f] : files) {
      if (p.rfind(path, 0) != 0) continue;
      found = true;
      const std::string rest = p.substr(path.size());
      const size_t slash = rest.find('/');
      if (slash == std::string::npos) children[rest] = Tag(f.second);
      else children[rest.substr(0, slash)] = "";
    }
    if (!found) return {HttpResponse::Link::Answered, 404, {}, {}, false};
    std::string xml = "<?xml version=\"1.0\"?><D:multistatus xmlns:D=\"DAV:\"><D:response><D:href>" + q.url.substr(origin.size()) +
                      "</D:href><D:propstat><D:prop><D:resourcetype><D:collection/></D:resourcetype></D:prop>"
                      "<D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>";
    for (const auto& [name, tag] : children) {
      if (name.empty()) continue;
      xml += "<D:response><D:href>" + q.url.substr(origin.size()) + EncodePathSegment(name) + (tag.empty() ? "/" : "") +
             "</D:href><D:propstat><D:prop>" +
             (tag.empty() ? "<D:resourcetype><D:collection/></D:resourcetype>"
                          : "<D:resourcetype/><D:getetag>" + tag + "</D:getetag>") +
             "</D:prop><D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>";
    }
    return {HttpResponse::Link::Answered, 207, {{"Content-Type", "application/xml"}}, xml + "</D:multistatus>", false};
  }
  int Count(const std::string& method) const {
    int n = 0;
    for (const HttpRequest& q : log) n += q.method == method;
    return n;
  }
};

// A storage in memory: the page's, or the desktop's cache folder.
struct MemoryStorage : Storage {
  std::map<std::string, std::string> files;
  bool writable = true;
  std::optional<std::string> Read(const std::string& n) override { return ReadAll(n); }
  std::optional<std::string> ReadAll(const std::string& n) override {
    const auto it = files.find(n);
    return it == files.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  bool Exists(const std::string& n) override { return files.count(n) > 0; }
  bool Replace(const std::string& n, std::string_view b) override {
    if (writable) files[n] = std::string(b);
    return writable;
  }
  bool Append(const std::string& n, std::string_view b, bool) override { return Replace(n, files[n] + std::string(b)); }
  bool Update(const std::string&, const Edit&) override { return false; }
};

class ClassFetchTest : public ::testing::Test {
 protected:
  ClassFetchTest() {
    for (const auto& [account, folder] : SampleClass()) {
      if (folder.empty()) server.Put("/class/Theory 1/" + account + "/", "");  // a folder of its own
      for (const auto& [name, bytes] : folder)
        if (name.find('/') == std::string::npos) server.Put("/class/Theory 1/" + account + "/" + name, bytes);
    }
    server.Put("/class/Theory 1/readme.txt", "class notes");
  }
  ClassFetchResult Fetch(ClassFetch& fetch) {
    ClassFetchResult got;
    got.fault = ClassFault::ServerFault;
    int calls = 0;
    fetch.Start([&](FetchProgress p) { EXPECT_LE(p.done, p.total); last = p; },
                [&](ClassFetchResult r) {
                  got = std::move(r);
                  ++calls;
                });
    loop.Settle();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(fetch.Running());
    return got;
  }
  ClassFetchResult Fetch() { return Fetch(fetch); }

  Loop loop;
  FakeDav server{loop};
  MemoryStorage cache;
  ClassConnection teacher{ParseClassAddress("https://dav.school.example/class/Theory 1").address, {"teacher", "t-pw"}};
  ClassFetch fetch{teacher, server, loop, cache, "cache/", kToday};
  FetchProgress last;
};

}  // namespace

TEST_F(ClassFetchTest, FetchesOnlyWhatChangedAndReadsAsTheFolderOnDisk) {
  // The cleo folder holds only its own entry: an empty name, left out as no part.
  ClassFetchResult first = Fetch();
  ASSERT_EQ(first.fault, ClassFault::None) << ClassFaultMessage(first.fault);
  const ClassFiles sample = SampleClass();
  ExpectSameFigures(first.reading, ReadClass(sample, kToday));
  // Parts only: no notes.txt, no readme; one listing of the class and one per folder.
  EXPECT_EQ(server.Count("PROPFIND"), 4);
  const int parts = server.Count("GET");
  EXPECT_EQ(parts, first.fetched);
  EXPECT_EQ(parts, 17);  // the sung parts too
  for (const HttpRequest& q : server.log) {
    EXPECT_EQ(q.url.find("notes.txt"), std::string::npos);
    EXPECT_EQ(q.url.find("readme"), std::string::npos);
  }
  EXPECT_EQ(last.done, last.total);
  EXPECT_EQ(last.total, 4 + parts);

  // Reopened with nothing changed: only the listings, the same figures.
  server.log.clear();
  ClassFetch again(teacher, server, loop, cache, "cache/", kToday);
  ClassFetchResult second = Fetch(again);
  EXPECT_EQ(server.Count("GET"), 0);
  EXPECT_EQ(second.cached, parts);
  ExpectSameFigures(second.reading, first.reading);

  // Ann's laptop sends a drill and folds; only the new file comes.
  server.log.clear();
  server.Put("/class/Theory 1/ann/report.dat.lap.00000002", Drill("Ann", kToday, 30, 0, 100));
  server.files.erase("/class/Theory 1/ann/report.dat.desk.00000001");
  ClassFetchResult third = Fetch();
  ASSERT_EQ(server.Count("GET"), 1);
  EXPECT_EQ(server.log.back().url, "https://dav.school.example/class/Theory%201/ann/report.dat.lap.00000002");
  EXPECT_EQ(Row(third.reading, "ann").all.right, Row(first.reading, "ann").all.right + 30);

  // A damaged cache costs a refetch, never a wrong figure; Apache's weak tags are fetched again each time.
  for (auto& [name, text] : cache.files) text.insert(text.size() / 2, "x");
  server.weak = true;
  for (int run = 0; run < 2; ++run) {
    server.log.clear();
    ExpectSameFigures(Fetch().reading, third.reading);
    EXPECT_EQ(server.Count("GET"), parts) << run;
  }
  // Nor does a cache that cannot be written.
  server.weak = false;
  cache.files.clear();
  cache.writable = false;
  ExpectSameFigures(Fetch().reading, third.reading);
}

TEST_F(ClassFetchTest, AFileFoldedAwayWhileFetchedIsReadFromItsFold) {
  server.instead = [&](const HttpRequest& q) -> std::optional<HttpResponse> {
    if (q.method == "GET" && q.url.find("report.dat.lap.00000001") != std::string::npos) {
      // The laptop folds its parts between the listing and this GET.
      server.Put("/class/Theory 1/ann/report.dat.lap.00000001-00000001",
                 server.files["/class/Theory 1/ann/report.dat.lap.00000001"].first);
      server.files.erase("/class/Theory 1/ann/report.dat.lap.00000001");
      server.instead = {};
      return HttpResponse{HttpResponse::Link::Answered, 404, {}, {}, false};
    }
    return std::nullopt;
  };
  const ClassFetchResult r = Fetch();
  ASSERT_EQ(r.fault, ClassFault::None);
  ExpectSameFigures(r.reading, ReadClass(SampleClass(), kToday));
}

TEST_F(ClassFetchTest, AnswersThatAreNoClassFolderStopTheReadAndSayWhy) {
  auto answer = [](int status, std::vector<std::pair<std::string, std::string>> headers, std::string body) {
    return HttpResponse{HttpResponse::Link::Answered, status, std::move(headers), std::move(body), false};
  };
  struct Case {
    const char* what;
    HttpResponse response;
    bool onlyBob;  // only Bob's folder answers so
    ClassFault fault;
  } cases[] = {
      {"not XML", answer(207, {{"Content-Type", "application/json"}}, "{\"files\": []}"), false, ClassFault::BadListing},
      {"login page", answer(200, {{"Content-Type", "text/html"}}, "<!DOCTYPE html><html>Sign in</html>"), false,
       ClassFault::NotData},
      {"redirect elsewhere", answer(302, {{"Location", "https://sso.evil.example/login"}}, ""), false,
       ClassFault::Redirected},
      {"wrong password", answer(401, {}, ""), false, ClassFault::Unauthorized},
      {"a student's folder a login page", answer(200, {{"Content-Type", "text/html"}}, "<html>Sign in</html>"), true,
       ClassFault::NotData},
      {"server gone", HttpResponse{HttpResponse::Link::Unreachable, 0, {}, {}, false}, true, ClassFault::Offline},
  };
  for (const Case& c : cases) {
    server.log.clear();
    server.instead = [&](const HttpRequest& q) -> std::optional<HttpResponse> {
      if (c.onlyBob && q.url.find("/bob/") == std::string::npos) return std::nullopt;
      return c.response;
    };
    const ClassFetchResult r = Fetch();
    EXPECT_EQ(r.fault, c.fault) << c.what;
    EXPECT_TRUE(r.reading.rows.empty()) << c.what;
    for (const HttpRequest& q : server.log) EXPECT_EQ(q.url.rfind(server.origin + "/", 0), 0u) << c.what << q.url;
  }
  EXPECT_TRUE(cache.files.count(fetch.CacheName("bob")) == 0);

  // A redirect within the server is followed; a folder closed to the teacher is named, the others read.
  server.instead = [&](const HttpRequest& q) -> std::optional<HttpResponse> {
    if (q.url.find("/bob/") != std::string::npos) return answer(403, {}, "");
    if (q.url.find("/old/") != std::string::npos) {
      HttpRequest moved = q;
      moved.url.erase(moved.url.find("/old/"), 4);
      return server.Handle(moved, false);
    }
    if (q.method == "GET") return answer(307, {{"Location", "/old" + q.url.substr(server.origin.size())}}, "");
    return std::nullopt;
  };
  const ClassFetchResult closed = Fetch();
  ASSERT_EQ(closed.fault, ClassFault::None);
  EXPECT_EQ(closed.unreadable, std::vector<std::string>{"bob"});
  ASSERT_EQ(closed.reading.rows.size(), 2u);
  EXPECT_EQ(closed.reading.rows[0].all.right, Row(ReadClass(SampleClass(), kToday), "ann").all.right);
}

TEST_F(ClassFetchTest, CancelEndsAtOnceAndAManyStudentClassGoesInSmallSteps) {
  for (int s = 0; s < 300; ++s)
    for (int p = 1; p <= 3; ++p)
      server.Put("/class/Theory 1/s" + std::to_string(1000 + s) + "/report.dat.d.0000000" + std::to_string(p),
                 Drill("S", kToday, 6, p, 60));
  int calls = 0;
  ClassFetchResult got;
  fetch.Start({}, [&](ClassFetchResult r) {
    got = std::move(r);
    ++calls;
  });
  for (int i = 0; i < 50; ++i) {
    auto next = std::move(loop.tasks.front());
    loop.tasks.pop_front();
    next();
  }
  fetch.Cancel();
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(got.cancelled);
  loop.Settle();
  EXPECT_EQ(calls, 1);

  // Never more than a few requests at once, and each step small: one answer or one folder.
  const size_t asked = server.log.size();
  const ClassFetchResult all = Fetch();
  // A listed folder's files go ahead of the listings still waiting: folders are read as the class comes in.
  const auto from = server.log.begin() + static_cast<std::ptrdiff_t>(asked);
  const auto isGet = [](const HttpRequest& q) { return q.method == "GET"; };
  const auto firstGet = std::find_if(from, server.log.end(), isGet);
  const auto lastListing = std::find_if(server.log.rbegin(), server.log.rend(), [](const HttpRequest& q) { return q.method == "PROPFIND"; });
  ASSERT_NE(firstGet, server.log.end());
  EXPECT_LT(firstGet - from, server.log.rend() - lastListing - 1 - static_cast<std::ptrdiff_t>(asked));
  ASSERT_EQ(all.fault, ClassFault::None);
  EXPECT_EQ(all.reading.rows.size(), 303u);
  // What the cancelled read had fetched of whole folders is kept, never fetched twice.
  EXPECT_EQ(all.fetched + all.cached, 900 + 17);
  EXPECT_LT(all.fetched, 900 + 17);
  EXPECT_GT(loop.steps, 1800);
}

TEST_F(ClassFetchTest, AnUnchangedFolderIsNotReadAgainAndAChangedOneNeverShowsOldFigures) {
  auto students = [](const ClassReading& r) {
    std::string text;
    for (const auto& [account, s] : r.students) {
      text += account + ":";
      for (const ClassAnswered& a : s.hardest) text += a.name + "/" + std::to_string(a.asked) + "/" + std::to_string(a.firstTry) + " ";
      for (const ClassConfused& c : s.confusions) text += c.asked + ">" + c.answered + "*" + std::to_string(c.times) + " ";
    }
    return text;
  };
  const ClassFetchResult first = Fetch();
  ASSERT_EQ(first.fault, ClassFault::None);

  // The reopen takes each folder's figures as they were read: without the files' copies it reads the same.
  for (const char* account : {"ann", "bob", "cleo"}) {
    ASSERT_TRUE(cache.files.count(fetch.FiguresCacheName(account))) << account;
    cache.files.erase(fetch.CacheName(account));
  }
  server.log.clear();
  ClassFetchResult again = Fetch();
  EXPECT_EQ(server.Count("GET"), 0);
  EXPECT_EQ(again.cached, first.fetched);
  ExpectSameFigures(again.reading, first.reading);
  EXPECT_EQ(students(again.reading), students(first.reading));
  EXPECT_FALSE(students(first.reading).empty());

  // One file rewritten under its name: that folder is read anew, the others still not.
  server.Put("/class/Theory 1/bob/report.dat.b1.00000001", Drill("Bob", kToday, 40, 0, 90));
  server.Put("/class/Theory 1/ann/practice.dat.lap.00000002", Practice("Ann", "3-5", "3-2"));
  server.log.clear();
  ClassFiles now = SampleClass();
  now["bob"]["report.dat.b1.00000001"] = Drill("Bob", kToday, 40, 0, 90);
  now["ann"]["practice.dat.lap.00000002"] = Practice("Ann", "3-5", "3-2");
  const ClassFetchResult changed = Fetch();
  ASSERT_EQ(changed.fault, ClassFault::None);
  EXPECT_EQ(Row(changed.reading, "bob").all.right, 40);
  ExpectSameFigures(changed.reading, ReadClass(now, kToday));
  EXPECT_EQ(students(changed.reading), students(ReadClass(now, kToday)));

  // A week later the week's figures start again; a damaged figure is never taken.
  ClassFetch nextWeek(teacher, server, loop, cache, "cache/", kToday + 7);
  ExpectSameFigures(Fetch(nextWeek).reading, ReadClass(now, kToday + 7));
  for (auto& [name, text] : cache.files)
    if (name.find("-figures") != std::string::npos) {
      // The first figure (drills), still a number: only the check finds it.
      const size_t body = text.find("\r\n", text.find("\r\n") + 2) + 2;
      text[body] = text[body] == '0' ? '1' : '0';
    }
  ExpectSameFigures(Fetch().reading, ReadClass(now, kToday));
}

// A judge of the folders (the assignments') gets back what it kept of an
// unchanged folder instead of its files: nothing fetched, nothing read again;
// a changed folder, another judge, or a kept text it refuses has the files read.
TEST_F(ClassFetchTest, AJudgeOfTheFoldersHearsWhatItKeptOfAnUnchangedFolder) {
  std::map<std::string, std::string> judged, heard;
  bool refuse = false;
  const auto judge = [&](const std::string& key) {
    FolderJudge j;
    j.key = key;
    j.judge = [&judged, key](const std::string& account, const FolderFiles& files) {
      std::string kept = key + ":";
      for (const auto& [name, bytes] : files) kept += name + "=" + std::to_string(bytes.size()) + "\r\n";
      judged[account] = kept;
      return kept;
    };
    j.again = [&heard, &refuse](const std::string& account, std::string_view kept) {
      if (refuse && account == "bob") return false;
      heard[account] = std::string(kept);
      return true;
    };
    return j;
  };
  const auto fetchWith = [&](const std::string& key) {
    judged.clear();
    heard.clear();
    server.log.clear();
    ClassFetch f(teacher, server, loop, cache, "cache/", kToday);
    f.SetFolderJudge(judge(key));
    return Fetch(f);
  };
  const ClassFetchResult first = fetchWith("one");
  ASSERT_EQ(first.fault, ClassFault::None);
  EXPECT_EQ(first.read, 3);
  ASSERT_EQ(judged.size(), 3u);
  EXPECT_TRUE(heard.empty());
  const std::map<std::string, std::string> kept = judged;

  const ClassFetchResult again = fetchWith("one");
  EXPECT_EQ(server.Count("GET"), 0);
  EXPECT_EQ(again.read, 0);
  EXPECT_TRUE(judged.empty());
  EXPECT_EQ(heard, kept);
  ExpectSameFigures(again.reading, first.reading);

  // Other assignments: every folder judged afresh, from the files' copies.
  EXPECT_EQ(fetchWith("two").read, 3);
  EXPECT_EQ(server.Count("GET"), 0);
  EXPECT_EQ(judged.size(), 3u);
  EXPECT_EQ(judged["ann"].substr(0, 4), "two:");

  // A kept text refused, or damaged: that folder is read and judged again.
  refuse = true;
  ClassFetchResult some = fetchWith("two");
  EXPECT_EQ(some.read, 1);
  EXPECT_EQ(judged.count("bob"), 1u);
  refuse = false;
  std::string& annKept = cache.files[fetch.JudgedCacheName("ann")];
  annKept[annKept.size() - 12] ^= 1;
  some = fetchWith("two");
  EXPECT_EQ(some.read, 1);
  EXPECT_EQ(judged.count("ann"), 1u);
  ExpectSameFigures(some.reading, first.reading);

  // A file changed: that folder is judged with it, the others are heard from what was kept.
  server.Put("/class/Theory 1/bob/report.dat.b1.00000001", Drill("Bob", kToday, 40, 0, 90));
  const ClassFetchResult changed = fetchWith("two");
  EXPECT_EQ(changed.read, 1);
  EXPECT_EQ(server.Count("GET"), 1);
  ASSERT_EQ(judged.count("bob"), 1u);
  EXPECT_NE(judged["bob"].find("report.dat.b1.00000001="), std::string::npos);
  EXPECT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard.count("bob"), 0u);
}
