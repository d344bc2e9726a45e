// The class on a WebDAV server, against a server in memory that answers as
// Apache's mod_dav_fs does: conditional writes, weak tags for a file changed
// within the last second, and the faults a real one can give.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>

#include "ClassSync.h"
#include "Clock.h"
#include "FakeDav.h"
#include "ScratchDir.h"
#include "Storage.h"

namespace {

// The data folder: a scratch folder, entered.
struct DataDir : ScratchDir {
  DataDir() { EXPECT_TRUE(Enter()); }
};

const char* kClass = "https://dav.school.example/class/Theory%201/";

ClassConnection Connection(const std::string& account = "ann") {
  return {ParseClassAddress(kClass).address, {account, "s3cret pass"}};
}

class ClassNetTest : public ::testing::Test {
 protected:
  DataDir dir;
  Loop loop;
  FakeDav server{loop};
  Outbox outbox{DataStorage()};
  ClassSync sync{Connection(), server, outbox, loop};
  const std::string folder = std::string(kClass) + "ann/";

  SyncReport Send(ClassSync& s) {
    SyncReport report;
    report.fault = ClassFault::Unauthorized;
    bool reported = false;
    s.SendWaiting([&](SyncReport r) {
      report = r;
      reported = true;
    });
    loop.Settle();
    EXPECT_TRUE(reported);
    return report;
  }
  SyncReport Send() { return Send(sync); }
};

std::string Drill(int n) { return "\r\nS 46000 0 ann\r\nF 4095 0 0\r\nD " + std::to_string(n) + " 0 30 46000\r\n"; }

}  // namespace

TEST(ClassAddressTest, OnlyHttpsOrThisMachineAndNoCredentialsInTheAddress) {
  struct Case {
    const char* typed;
    AddressFault fault;
    const char* folder;
  } cases[] = {
      {"https://Cloud.School.example/remote.php/dav/files/ann/Theory 1", AddressFault::None,
       "https://cloud.school.example/remote.php/dav/files/ann/Theory%201/"},
      {"  https://cloud.school.example:8443/a%20b/ ", AddressFault::None, "https://cloud.school.example:8443/a%20b/"},
      {"https://cloud.school.example:443", AddressFault::None, "https://cloud.school.example/"},
      {"http://localhost:8080/class", AddressFault::None, "http://localhost:8080/class/"},
      {"http://127.0.0.1/c/", AddressFault::None, "http://127.0.0.1/c/"},
      {"http://[::1]:9000/c/", AddressFault::None, "http://[::1]:9000/c/"},
      {"http://cloud.school.example/class/", AddressFault::NotHttps, ""},
      {"http://localhost.evil.example/class/", AddressFault::NotHttps, ""},
      {"ftp://cloud.school.example/", AddressFault::NotHttps, ""},
      {"https://ann:pw@cloud.school.example/class/", AddressFault::CredentialsInside, ""},
      {"https://cloud.school.example/class/?token=abc", AddressFault::CredentialsInside, ""},
      {"cloud.school.example/class", AddressFault::NotAnAddress, ""},
      {"https://:443/", AddressFault::NotAnAddress, ""},
      {"https://host:99999/", AddressFault::NotAnAddress, ""},
  };
  for (const Case& c : cases) {
    const AddressCheck check = ParseClassAddress(c.typed);
    EXPECT_EQ(check.fault, c.fault) << c.typed;
    if (c.fault == AddressFault::None) EXPECT_EQ(FolderAddress(check.address), c.folder) << c.typed;
    else EXPECT_STRNE(AddressFaultMessage(check.fault), "") << c.typed;
  }

  const ClassAddress a = ParseClassAddress("https://h.example/Theory 1/").address;
  EXPECT_EQ(AccountFolderPath(a, "ann.lee@school.example"), "/Theory%201/ann.lee%40school.example/");
  for (const char* bad : {"", ".", "..", "a/b", "a\nb"}) EXPECT_FALSE(IsUsableAccount(bad)) << bad;
  EXPECT_EQ(BasicAuthorization({"Aladdin", "open sesame"}), "Basic QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
  EXPECT_EQ(BasicAuthorization({"ann", "p"}), "Basic YW5uOnA=");
}

TEST_F(ClassNetTest, WorkWaitsOfflineAndGoesOnceInOrderWhenOnline) {
  server.offline = true;
  for (int n = 1; n <= 3; ++n) ASSERT_TRUE(outbox.AddPart(kClassLogName, Drill(n)));
  EXPECT_EQ(Send().fault, ClassFault::Offline);
  EXPECT_EQ(sync.StatusText(), "3 drills waiting for the network");

  server.offline = false;
  const SyncReport report = Send();
  EXPECT_EQ(report.fault, ClassFault::None);
  EXPECT_EQ(report.sent, 3);
  EXPECT_EQ(server.Joined(folder, "report.dat."), Drill(1) + Drill(2) + Drill(3));
  EXPECT_EQ(sync.StatusText(), "Saved to the class");
  // Every request named the account, none put the password where it shows.
  for (const HttpRequest& q : server.log) {
    EXPECT_EQ(q.url.find("s3cret"), std::string::npos);
    EXPECT_EQ(DescribeRequest(q).find(BasicAuthorization(Connection().credentials).substr(6)), std::string::npos);
  }

  const size_t requests = server.log.size();
  EXPECT_EQ(Send().sent, 0);
  EXPECT_EQ(server.log.size(), requests);
}

TEST_F(ClassNetTest, AnAnswerLostOnTheWayIsNeitherLostNorDoubled) {
  outbox.AddPart(kClassLogName, Drill(1));
  outbox.AddPart(kClassLogName, Drill(2));
  server.loseAnswers = 1;  // the server keeps the first part; the student hears nothing
  EXPECT_EQ(Send().fault, ClassFault::Lost);
  EXPECT_EQ(outbox.Entries().size(), 2u);

  EXPECT_EQ(Send().fault, ClassFault::None);
  EXPECT_EQ(server.Joined(folder, "report.dat."), Drill(1) + Drill(2));
  EXPECT_TRUE(outbox.Entries().empty());
}

TEST_F(ClassNetTest, APartWhoseNameAnotherDeviceHoldsGetsANewOne) {
  // A data folder copied to a second machine names the same device.
  outbox.AddPart(kClassLogName, Drill(1));
  const std::string taken = outbox.Entries().front().file;
  server.Write(folder + taken, Drill(9));
  EXPECT_EQ(Send().fault, ClassFault::None);
  EXPECT_EQ(server.files[folder + taken].bytes, Drill(9));
  EXPECT_EQ(server.Joined(folder, "report.dat."), Drill(9) + Drill(1));
}

TEST_F(ClassNetTest, AConcurrentWriteMeansReadMergeAndRetryNeverAWeakTag) {
  const std::string scores = folder + "hiscore.sxr";
  server.Write(scores, "home.1 Laptop 412\r\n");
  loop.now += 5000;  // strong by now
  outbox.AddMerge("hiscore.sxr", "school.1 Chromebook 300\r\nschool.2 Chromebook 310\r\n");
  // The laptop writes between this device's read and its write.
  server.beforePut = [&](const HttpRequest& q) {
    if (q.url == scores && server.files[scores].bytes.find("home.2") == std::string::npos)
      server.Write(scores, server.files[scores].bytes + "home.2 Laptop 500\r\n");
  };
  EXPECT_EQ(Send().fault, ClassFault::None);
  EXPECT_EQ(server.files[scores].bytes,
            "home.1 Laptop 412\r\nhome.2 Laptop 500\r\nschool.1 Chromebook 300\r\nschool.2 Chromebook 310\r\n");
  // The first write met a 412, the tag after it was weak: read until strong, then written.
  EXPECT_GE(server.Count("GET"), 3);
  for (const HttpRequest& q : server.log)
    for (const auto& [k, v] : q.headers)
      EXPECT_FALSE(k == "If-Match" && IsWeakEtag(v)) << v;

  // Sent again (a lost answer), the same records are there once.
  outbox.AddMerge("hiscore.sxr", "school.2 Chromebook 310\r\n");
  const std::string before = server.files[scores].bytes;
  EXPECT_EQ(Send().fault, ClassFault::None);
  EXPECT_EQ(server.files[scores].bytes, before);
}

TEST_F(ClassNetTest, TwoDevicesOfOneStudentMergeWithoutLossOrDoubling) {
  Outbox laptopBox(DataStorage(), "laptop.dat", [] { return std::string("laptop"); });
  ClassSync laptop(Connection(), server, laptopBox, loop);
  const std::string scores = folder + "hiscore.sxr";
  for (int n = 1; n <= 4; ++n) {
    outbox.AddPart(kClassLogName, Drill(n));
    outbox.AddMerge("hiscore.sxr", "c." + std::to_string(n) + " 100\r\n");
    laptopBox.AddPart(kClassLogName, Drill(10 + n));
    laptopBox.AddMerge("hiscore.sxr", "l." + std::to_string(n) + " 200\r\n");
  }
  server.loseAnswers = 3;
  // Both at once, their requests interleaved, some answers lost on the way.
  for (int run = 0; run < 6 && (!outbox.Entries().empty() || !laptopBox.Entries().empty()); ++run) {
    sync.SendWaiting({});
    laptop.SendWaiting({});
    loop.Settle();
  }
  EXPECT_TRUE(outbox.Entries().empty());
  EXPECT_TRUE(laptopBox.Entries().empty());
  std::string log = server.Joined(folder, "report.dat.");
  for (int n : {1, 2, 3, 4, 11, 12, 13, 14}) {
    const std::string d = Drill(n);
    const size_t at = log.find(d);
    ASSERT_NE(at, std::string::npos) << n;
    EXPECT_EQ(log.find(d, at + 1), std::string::npos) << n;
  }
  EXPECT_EQ(log.size(), 4 * (Drill(1).size() + Drill(11).size()));
  const std::string& table = server.files[scores].bytes;
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 8) << table;
  for (const char* id : {"c.1 ", "c.2 ", "c.3 ", "c.4 ", "l.1 ", "l.2 ", "l.3 ", "l.4 "})
    EXPECT_NE(table.find(id), std::string::npos) << id;
}

TEST_F(ClassNetTest, EveryFaultSaysWhatFailedAndKeepsTheWork) {
  auto answer = [](int status, std::vector<std::pair<std::string, std::string>> headers = {}, std::string body = "") {
    return HttpResponse{HttpResponse::Link::Answered, status, std::move(headers), std::move(body), false};
  };
  struct Case {
    const char* what;
    HttpResponse response;
    ClassFault fault;
  } cases[] = {
      {"wrong password", answer(401), ClassFault::Unauthorized},
      {"no right to write", answer(403), ClassFault::Forbidden},
      {"server full", answer(507), ClassFault::Full},
      {"server fault", answer(500), ClassFault::ServerFault},
      {"login page", answer(200, {{"Content-Type", "text/html; charset=utf-8"}}, "<html><form>Log in</form></html>"),
       ClassFault::NotData},
      {"other origin", answer(302, {{"Location", "https://login.evil.example/sso?next=/class/"}}), ClassFault::Redirected},
      {"plain http", answer(301, {{"Location", "http://dav.school.example/class/Theory%201/ann/x"}}), ClassFault::Redirected},
      {"cut off", HttpResponse{HttpResponse::Link::Lost, 0, {}, {}, false}, ClassFault::Lost},
  };
  outbox.AddPart(kClassLogName, Drill(1));
  outbox.AddMerge("hiscore.sxr", "a.1 1\r\n");
  const std::string waiting = ReadBytes(kOutboxFileName);
  for (const Case& c : cases) {
    server.instead = [&](const HttpRequest&) { return std::optional<HttpResponse>(c.response); };
    server.log.clear();
    EXPECT_EQ(Send().fault, c.fault) << c.what;
    EXPECT_STRNE(ClassFaultMessage(c.fault), "") << c.what;
    EXPECT_EQ(ReadBytes(kOutboxFileName), waiting) << c.what;
    for (const HttpRequest& q : server.log) EXPECT_EQ(q.url.rfind("https://dav.school.example/", 0), 0u) << q.url;
  }
  // A redirect within the server is followed, and then all goes.
  server.instead = [&](const HttpRequest& q) -> std::optional<HttpResponse> {
    if (q.url.find("/old/") != std::string::npos) return std::nullopt;
    std::string moved = q.url;
    moved.replace(moved.find("/class/"), 7, "/old/class/");
    return answer(307, {{"Location", moved}});
  };
  EXPECT_EQ(Send().fault, ClassFault::None);
  EXPECT_TRUE(outbox.Entries().empty());
}

TEST_F(ClassNetTest, JoiningMakesTheAccountsFolderOrReportsWhy) {
  server.instead = [&](const HttpRequest& q) -> std::optional<HttpResponse> {
    if (q.method == "PROPFIND") return HttpResponse{HttpResponse::Link::Answered, 404, {}, {}, false};
    if (q.method == "MKCOL") return HttpResponse{HttpResponse::Link::Answered, 201, {}, {}, false};
    return std::nullopt;
  };
  ClassFault joined = ClassFault::ServerFault;
  sync.Join([&](ClassFault f) { joined = f; });
  loop.Settle();
  EXPECT_EQ(joined, ClassFault::None);
  ASSERT_EQ(server.log.size(), 2u);
  EXPECT_EQ(server.log[1].url, folder);

  server.instead = [&](const HttpRequest&) {
    return std::optional<HttpResponse>(HttpResponse{HttpResponse::Link::Answered, 200, {{"Content-Type", "text/html"}},
                                                    "<!DOCTYPE html><html>Sign in</html>", false});
  };
  sync.Join([&](ClassFault f) { joined = f; });
  loop.Settle();
  EXPECT_EQ(joined, ClassFault::NotData);
}

// A number that comes round again after damage names a part that may be on
// the server already: the sender finds other bytes there and renames it.
TEST(OutboxTest, ADamagedFileKeepsWhatStillReads) {
  DataDir dir;
  Outbox box(DataStorage(), kOutboxFileName, [] { return std::string("dev1"); });
  box.AddPart(kClassLogName, "first\r\n\x01 %");
  box.AddMerge("empty.sxr", "");
  box.AddPart(kClassLogName, "second");
  box.AddPart(kClassLogName, "third");
  std::string text = ReadBytes(kOutboxFileName);
  // The header torn off, the third entry changed by hand, the last line cut.
  text = text.substr(text.find("\r\n") + 2);
  text[text.find("second") - 3] ^= 1;
  text.resize(text.size() - 4);
  WriteBytes(kOutboxFileName, text);

  auto entries = box.Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].bytes, "first\r\n\x01 %");
  EXPECT_EQ(entries[1].file, "empty.sxr");
  EXPECT_EQ(entries[1].bytes, "");
  EXPECT_EQ(box.Damaged(), 2);
  ASSERT_TRUE(box.AddPart(kClassLogName, "fourth"));
  entries = box.Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].file, "report.dat.dev1.00000001");
  EXPECT_EQ(entries[2].bytes, "fourth");
  EXPECT_GT(entries[2].number, entries[1].number);
  EXPECT_EQ(box.Count().drills, 2);
  EXPECT_EQ(box.Count().others, 1);
  EXPECT_EQ(SyncStatusText(box.Count()), "2 drills waiting for the network");
  EXPECT_EQ(SyncStatusText({0, 1}), "Changes waiting for the network");

  EXPECT_EQ(MergeRecords("a 1\r\nb 2", "b 2\nc 3\r\n\r\n"), "a 1\r\nb 2\r\nc 3\r\n");
}

// A file an earlier version wrote (its check values CRC-32 as before) reads
// back, and a rewrite keeps the lines it leaves alone byte for byte.
TEST(OutboxTest, AnEarlierFileReadsAndARewriteKeepsItsOtherLines) {
  DataDir dir;
  const std::string seven = "E 7 part report.dat.desk.00000007 :%0D%0AS%2046000%200%20Ann C29366E2";
  const std::string eight = "E 8 merge scores.sxr :%41b%0D%0A 0AB87F00";
  WriteBytes(kOutboxFileName, "Q desk 9\r\n" + seven + "\r\n" + eight + "\r\n");
  Outbox box(DataStorage(), kOutboxFileName, [] { return std::string("other"); });
  auto entries = box.Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(box.Damaged(), 0);
  EXPECT_EQ(entries[0].bytes, "\r\nS 46000 0 Ann");
  EXPECT_EQ(entries[1].bytes, "Ab\r\n");
  EXPECT_EQ(box.Front()->number, 7u);

  ASSERT_TRUE(box.Remove(7));
  EXPECT_EQ(ReadBytes(kOutboxFileName), "Q desk 9\r\n" + eight + "\r\n");
  EXPECT_TRUE(box.Remove(7)) << "gone already is gone";
  ASSERT_TRUE(box.AddPart(kClassLogName, "new"));
  ASSERT_TRUE(box.Rename(9));
  const std::string text = ReadBytes(kOutboxFileName);
  EXPECT_EQ(text.substr(0, text.find("\r\n", 11) + 2), "Q desk 11\r\n" + eight + "\r\n");
  entries = box.Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(box.Damaged(), 0);
  EXPECT_EQ(entries[1].file, "report.dat.desk.00000010");
  EXPECT_EQ(entries[1].bytes, "new");
  ASSERT_TRUE(box.Clear());
  EXPECT_FALSE(box.Front());
  EXPECT_EQ(ReadBytes(kOutboxFileName), "Q desk 11\r\n");
}

TEST(DavListingTest, ReadsApachesAnswerAndRefusesWhatIsNoListing) {
  const std::string apache =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<D:multistatus xmlns:D=\"DAV:\" xmlns:ns0=\"DAV:\">\n"
      "<D:response xmlns:lp1=\"DAV:\"><D:href>/class/Theory%201/</D:href>"
      "<D:propstat><D:prop><lp1:resourcetype><D:collection/></lp1:resourcetype></D:prop>"
      "<D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>\n"
      "<D:response><D:href>/class/Theory%201/ann%20lee/</D:href><D:propstat><D:prop>"
      "<lp1:resourcetype><D:collection/></lp1:resourcetype><lp1:getetag>\"1000-5f\"</lp1:getetag></D:prop>"
      "<D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>\n"
      "<D:response><D:href>http://127.0.0.1:8080/class/Theory%201/a&amp;b.dat</D:href><D:propstat><D:prop>"
      "<lp1:resourcetype/><lp1:getetag>W/\"2a-5f\"</lp1:getetag><lp1:getcontentlength>42</lp1:getcontentlength>"
      "</D:prop><D:status>HTTP/1.1 200 OK</D:status></D:propstat>"
      "<D:propstat><D:prop><D:getcontentlength>7</D:getcontentlength></D:prop>"
      "<D:status>HTTP/1.1 404 Not Found</D:status></D:propstat></D:response>\n"
      "<D:response><D:href>/class/Theory%201/ann%20lee/deeper.dat</D:href><D:propstat><D:prop/>"
      "<D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>\n"
      "</D:multistatus>\n";
  auto answer = [](int status, std::string body, std::string type = "application/xml") {
    return HttpResponse{HttpResponse::Link::Answered, status, {{"Content-Type", type}}, std::move(body), false};
  };
  const DavListing listing = ParseListing(answer(207, apache), "/class/Theory%201/");
  ASSERT_EQ(listing.fault, ClassFault::None);
  ASSERT_EQ(listing.entries.size(), 2u);
  EXPECT_EQ(listing.entries[0].name, "ann lee");
  EXPECT_TRUE(listing.entries[0].folder);
  EXPECT_EQ(listing.entries[1].name, "a&b.dat");
  EXPECT_FALSE(listing.entries[1].folder);
  EXPECT_EQ(listing.entries[1].etag, "W/\"2a-5f\"");
  EXPECT_EQ(listing.entries[1].size, 42);

  std::string deep = "<D:multistatus>";
  for (int i = 0; i < 4000; ++i) deep += "<a>";
  struct Bad {
    const char* what;
    HttpResponse response;
    ClassFault fault;
  } bad[] = {
      {"not XML", answer(207, "{\"files\":[]}"), ClassFault::BadListing},
      {"cut short", answer(207, apache.substr(0, apache.size() / 2)), ClassFault::BadListing},
      {"another root", answer(207, "<feed><entry/></feed>"), ClassFault::BadListing},
      {"entities defined", answer(207, "<?xml version=\"1.0\"?><!DOCTYPE m [<!ENTITY a \"aaaa\">]><m/>"),
       ClassFault::BadListing},
      {"login page", answer(200, "<!DOCTYPE html><html><body>Log in</body></html>", "text/html"), ClassFault::NotData},
      {"login page as 207", answer(207, "<html><body>Log in</body></html>", "text/html"), ClassFault::NotData},
      {"huge", answer(207, "<D:multistatus xmlns:D=\"DAV:\">" + std::string(kMaxAnswerBytes, ' ') + "</D:multistatus>"),
       ClassFault::BadListing},
      {"nested without end", answer(207, deep), ClassFault::BadListing},
      {"wrong password", answer(401, ""), ClassFault::Unauthorized},
  };
  for (const Bad& b : bad) {
    const DavListing l = ParseListing(b.response, "/class/Theory%201/");
    EXPECT_EQ(l.fault, b.fault) << b.what;
    EXPECT_TRUE(l.entries.empty()) << b.what;
  }

  // Fetch only what changed; a weak tag is fetched again next time.
  EtagCache cache;
  EXPECT_EQ(cache.Changed(listing), std::vector<std::string>{"a&b.dat"});
  cache.Seen("a&b.dat", "W/\"2a-5f\"");
  EXPECT_EQ(cache.Changed(listing).size(), 1u);
  DavListing strong = listing;
  strong.entries[1].etag = "\"2a-5f\"";
  cache.Seen("a&b.dat", "\"2a-5f\"");
  cache.Seen("gone.dat", "\"1\"");
  cache.Keep(strong);
  const EtagCache reread = EtagCache::FromText(cache.Text());
  EXPECT_TRUE(reread.Changed(strong).empty());
  EXPECT_EQ(reread.Text(), "a%26b.dat \"2a-5f\"\r\n");
}
