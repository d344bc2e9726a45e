// The desktop in a class on real WebDAV servers, each started on a free port
// of this machine with Basic authentication: Debian's Apache 2.4 with
// mod_dav_fs, each student's folder writable by that student alone, and
// rclone, which has no rights per account and ignores If-None-Match and
// If-Match. What needs rights or CORS is tried on Apache alone.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <optional>
#include <tuple>

#include "ClassServer.h"
#include "ClassSync.h"
#include "DrillFiling.h"
#include "EventLoop.h"
#include "QtScheduler.h"
#include "QtTransport.h"
#include "SessionLog.h"
#include "SingLog.h"
#include "ScratchDir.h"
#include "Storage.h"

namespace {

template <typename T>
std::optional<T> Await(const std::function<void(std::function<void(T)>)>& start) {
  std::optional<T> got;
  start([&got](T value) { got = std::move(value); });
  ProcessEventsUntil([&got] { return got.has_value(); });
  return got;
}

// Lets a second device write just before this one's first If-Match write.
struct Meddler : Transport {
  explicit Meddler(Transport& inner) : inner(inner) {}
  Transport& inner;
  std::function<void(std::function<void()>)> meddle;
  int preconditionFailed = 0;
  void Send(const HttpRequest& request, std::function<void(HttpResponse)> done) override {
    auto forward = [this, request, done = std::move(done)] {
      inner.Send(request, [this, done](HttpResponse r) {
        if (r.status == 412) ++preconditionFailed;
        done(std::move(r));
      });
    };
    const bool conditional = std::any_of(request.headers.begin(), request.headers.end(),
                                         [](const auto& h) { return h.first == "If-Match"; });
    if (conditional && meddle) std::exchange(meddle, {})(forward);
    else forward();
  }
};

// The command's standard output, error and exit status.
struct Ran {
  std::string out, err;
  int status = -1;
};
Ran RunClassCommand(const QStringList& args, const QString& password, const QString& cache) {
  QProcess command;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("SONORIX_CLASS_PASSWORD", password);
  environment.insert("XDG_CACHE_HOME", cache);
  command.setProcessEnvironment(environment);
  command.start(SONORIX_CLASS_EXE, args);
  command.waitForFinished(30000);
  return {command.readAllStandardOutput().toStdString(), command.readAllStandardError().toStdString(),
          command.exitStatus() == QProcess::NormalExit ? command.exitCode() : -1};
}

// What a drill or a sung try files goes to this outbox, as a joined ClassLink takes it.
struct BoxFiling : DrillFiling {
  explicit BoxFiling(Outbox& box) : box(box) { SetDrillFiling(this); }
  ~BoxFiling() override { SetDrillFiling(nullptr); }
  void Filed(const std::string& file, const std::string& bytes) override { box.AddPart(file, bytes); }
  Outbox& box;
};

SingRecord SungTry(const std::string& name, int attempt, bool right) {
  SingRecord r;
  r.setClass = "3-11";
  r.right = right;
  r.attempt = attempt;
  r.person = name;
  return r;
}

class ClassServerTest : public testing::TestWithParam<DavServer> {};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Servers, ClassServerTest, testing::Values(DavServer::Apache, DavServer::Rclone),
                         [](const auto& info) { return std::string(DavServerName(info.param)); });

TEST_P(ClassServerTest, TheCommandReadsTheClassOnTheServerAsItsCopyOnDisk) {
  ScratchDir data;
  ASSERT_TRUE(data.Enter());
  ClassServer server(GetParam());
  ASSERT_TRUE(server.Ready()) << DavServerName(GetParam()) << " did not start";
  QtTransport http;
  QtScheduler scheduler;
  const ClassAddress address = ParseClassAddress(server.Class()).address;
  // Ann's and Bob's drills and sung tries; Bob's folder also holds a drill and
  // a try logged under Ann's name, and a tampered try.
  const auto drill = [](const std::string& name, int right, int wrong, unsigned seconds) {
    return "\r\n" + StartRecordText(46000, 0, name) + "\r\n" + FilterRecordText(FilterState{}) + "\r\n" +
           SegmentRecordText(right, wrong, seconds, SegmentCheckValue(name, 46000, right, wrong)) + "\r\n";
  };
  const std::string ann = drill("Ann", 12, 1, 95);
  const std::string bob = drill("Bob", 7, 2, 60) + SegmentRecordText(3, 0, 20, 99) + "\r\n";
  for (const auto& [account, password, parts] :
       {std::tuple{"ann", "a-pw", std::vector<std::string>{ann, ann}}, {"bob", "b-pw", {bob, ann}}}) {
    Outbox box(DataStorage(), std::string(account) + ".dat");
    ClassSync sync({address, {account, password}}, http, box, scheduler);
    ASSERT_EQ(Await<ClassFault>([&](auto done) { sync.Join(done); }), ClassFault::None) << account;
    for (const std::string& part : parts) box.AddPart(kClassLogName, part);
    {
      BoxFiling filing(box);
      const bool isAnn = std::string(account) == "ann";
      for (const SingRecord& r : {SungTry("Ann", 1, !isAnn), SungTry("Ann", 2, true)})
        ASSERT_TRUE(AppendSingRecord(kSingFileName, r));
      std::string tampered = SingLine(SungTry("Bob", 1, false)) + "\r\n";
      tampered.replace(tampered.find(" W "), 3, " R ");
      if (!isAnn) box.AddPart(kSingFileName, tampered);
    }
    ASSERT_EQ(Await<SyncReport>([&](auto done) { sync.SendWaiting(done); })->fault, ClassFault::None) << account;
  }

  const QString cache = QString::fromStdString(data.Path("cache"));
  const QString url = QString::fromStdString(server.Class());
  const Ran copy = RunClassCommand({QString::fromStdString(server.OnDiskPath(""))}, "", cache);
  EXPECT_EQ(copy.status, 0) << copy.err;
  EXPECT_EQ(copy.out,
            "name,right,wrong,seconds,unverified,last,drills,ambiguous,practice questions,practice first try,"
            "practice seconds,sung questions,sung first try\r\nann,24,2,190,0,2025-12-09,2,0,0,0,0,1,0\r\nbob,19,3,155,2,2025-12-09,2,0,0,0,0,1,1\r\n");
  for (int run = 0; run < 2; ++run) {  // the second from the cache
    const Ran read = RunClassCommand({"--user", "teacher", url}, "t-pw", cache);
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, copy.out) << run;
    EXPECT_EQ(read.err, "");
  }
  // Assignments judge the server's class as its copy, a row per account.
  const std::string assignments = data.Write("assignments.txt",
                                             "assignment Warm-up\r\nclasses all trichords\r\ngoal minutes 1\r\n"
                                             "start 2025-12-01\r\ndue 2025-12-31\r\n");
  ASSERT_TRUE(data.CopyShipped("ftclass.dat"));
  const QString file = QString::fromStdString(assignments);
  const Ran copyDue = RunClassCommand({"--assignments", file, QString::fromStdString(server.OnDiskPath(""))}, "", cache);
  EXPECT_EQ(copyDue.status, 0) << copyDue.err;
  EXPECT_EQ(copyDue.out, "name,Warm-up status,Warm-up progress\r\nann,late,0 of 1 minute\r\nbob,late,0 of 1 minute\r\n");
  const Ran due = RunClassCommand({"--user", "teacher", "--assignments", file, url}, "t-pw", cache);
  EXPECT_EQ(due.status, 0) << due.err;
  EXPECT_EQ(due.out, copyDue.out);
  const Ran refused = RunClassCommand({"--user", "teacher", "--assignments", file, url}, "guess", cache);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "name,Warm-up status,Warm-up progress\r\n");

  const Ran json = RunClassCommand({"--json", "--user=teacher", url}, "t-pw", cache);
  EXPECT_NE(json.out.find("{\"name\": \"bob\", \"drills\": 2, \"right\": 19"), std::string::npos) << json.out;

  const Ran wrong = RunClassCommand({"--user", "teacher", url}, "guess", cache);
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.err.find("did not accept the account or the password"), std::string::npos) << wrong.err;
  EXPECT_EQ(wrong.err.find("guess"), std::string::npos);
  const Ran noUser = RunClassCommand({url}, "t-pw", cache);
  EXPECT_EQ(noUser.status, 2);
  EXPECT_NE(noUser.err.find("--user"), std::string::npos);
}

TEST_P(ClassServerTest, AStudentJoinsSendsAndIsStoppedWhereTheServerSaysSo) {
  ScratchDir data;
  ASSERT_TRUE(data.Enter());
  ClassServer server(GetParam());
  ASSERT_TRUE(server.Ready()) << DavServerName(GetParam()) << " did not start";
  QtTransport http;
  Meddler transport(http);
  QtScheduler scheduler;
  const ClassAddress address = ParseClassAddress(server.Class()).address;
  auto send = [&](const HttpRequest& q) {
    return Await<HttpResponse>([&](auto done) { http.Send(q, done); }).value_or(HttpResponse{});
  };

  // A wrong password is refused, and what waits stays.
  Outbox wrongBox(DataStorage(), "wrong.dat");
  wrongBox.AddPart(kClassLogName, "\r\nS 46000 0 ann\r\n");
  ClassSync wrong({address, {"ann", "guess"}}, transport, wrongBox, scheduler);
  EXPECT_EQ(Await<ClassFault>([&](auto done) { wrong.Join(done); }), ClassFault::Unauthorized);
  EXPECT_EQ(Await<SyncReport>([&](auto done) { wrong.SendWaiting(done); })->fault, ClassFault::Unauthorized);
  EXPECT_EQ(wrongBox.Count().drills, 1);

  // An account of the server that owns no folder of the class may not make one.
  if (server.HasRights()) {
    Outbox carolBox(DataStorage(), "carol.dat");
    ClassSync carol({address, {"carol", "c-pw"}}, transport, carolBox, scheduler);
    EXPECT_EQ(Await<ClassFault>([&](auto done) { carol.Join(done); }), ClassFault::Forbidden);
  }

  // Ann joins (her folder is made) and her drill, queued offline, arrives.
  Outbox outbox(DataStorage());
  ClassSync ann({address, {"ann", "a-pw"}}, transport, outbox, scheduler);
  EXPECT_EQ(Await<ClassFault>([&](auto done) { ann.Join(done); }), ClassFault::None);
  const std::string drill = "\r\nS 46000 0 ann\r\nF 4095 0 0\r\nD 12 1 95 45985\r\n";
  outbox.AddPart(kClassLogName, drill);
  EXPECT_EQ(ann.StatusText(), "1 drill waiting for the network");
  const auto sent = Await<SyncReport>([&](auto done) { ann.SendWaiting(done); });
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->fault, ClassFault::None) << ClassFaultMessage(sent->fault);
  EXPECT_EQ(ann.StatusText(), "Saved to the class");
  const std::string part = std::string(kClassLogName) + "." + outbox.Device() + ".00000001";
  EXPECT_EQ(server.OnDisk("ann/" + part), drill);
  EXPECT_FALSE(std::filesystem::exists(server.Folder("ann") / kPreconditionProbeName));

  // A copy of this data folder on another device sent its own drill under
  // the next name first: it stays, and this drill takes a new name.
  const std::string auth = BasicAuthorization({"ann", "a-pw"});
  const std::string taken = std::string(kClassLogName) + "." + outbox.Device() + ".00000002";
  const std::string theirs = "\r\nS 46001 0 ann\r\nF 4095 0 0\r\nD 3 0 20 45998\r\n";
  ASSERT_EQ(send({"PUT", AddressOf(address, AccountFolderPath(address, "ann") + taken), {{"Authorization", auth}}, theirs})
                .status,
            201);
  outbox.AddPart(kClassLogName, drill);
  EXPECT_EQ(Await<SyncReport>([&](auto done) { ann.SendWaiting(done); })->fault, ClassFault::None);
  EXPECT_EQ(server.OnDisk("ann/" + taken), theirs);
  const std::string renamed = std::string(kClassLogName) + "." + outbox.Device() + ".00000003";
  EXPECT_EQ(server.OnDisk("ann/" + renamed), drill);
  ASSERT_EQ(send({"DELETE", AddressOf(address, AccountFolderPath(address, "ann") + taken), {{"Authorization", auth}}, ""})
                .status,
            204);

  // Her laptop made the score file; it writes again between this device's read and write.
  const std::string scores = AccountFolderPath(address, "ann") + "hiscore.sxr";
  ASSERT_EQ(send({"PUT", AddressOf(address, scores), {{"Authorization", auth}}, "lap.1 200\r\n"}).status, 201);
  transport.meddle = [&](std::function<void()> then) {
    http.Send({"PUT", AddressOf(address, scores), {{"Authorization", auth}}, "lap.1 200\r\nlap.2 250\r\n"},
              [then](HttpResponse) { then(); });
  };
  outbox.AddMerge("hiscore.sxr", "desk.1 300\r\n");
  if (server.Kind() == DavServer::Rclone) {
    // No If-Match it would check: the laptop's file is not written over; the change waits.
    EXPECT_EQ(Await<SyncReport>([&](auto done) { ann.SendWaiting(done); })->fault, ClassFault::NoStrongVersion);
    EXPECT_EQ(server.OnDisk("ann/hiscore.sxr"), "lap.1 200\r\n");
    EXPECT_EQ(outbox.Count().others, 1);
    ASSERT_TRUE(outbox.Remove(outbox.Front()->number));
  } else {
    EXPECT_EQ(Await<SyncReport>([&](auto done) { ann.SendWaiting(done); })->fault, ClassFault::None);
    EXPECT_GE(transport.preconditionFailed, 1);
    EXPECT_EQ(server.OnDisk("ann/hiscore.sxr"), "lap.1 200\r\nlap.2 250\r\ndesk.1 300\r\n");

    // Bob's password does not open Ann's folder.
    const HttpResponse intruded = send({"PUT", AddressOf(address, scores), {{"Authorization", BasicAuthorization({"bob", "b-pw"})}}, "bob 999\r\n"});
    EXPECT_EQ(FaultOfResponse(intruded), ClassFault::Forbidden);
    EXPECT_EQ(server.OnDisk("ann/hiscore.sxr"), "lap.1 200\r\nlap.2 250\r\ndesk.1 300\r\n");
  }

  // The teacher lists Ann's folder with the files' tags.
  const HttpResponse listed = send({"PROPFIND", AddressOf(address, AccountFolderPath(address, "ann")),
                                    {{"Authorization", BasicAuthorization({"teacher", "t-pw"})}, {"Depth", "1"}},
                                    PropfindBody()});
  const DavListing listing = ParseListing(listed, AccountFolderPath(address, "ann"));
  ASSERT_EQ(listing.fault, ClassFault::None);
  ASSERT_EQ(listing.entries.size(), 3u);
  std::vector<std::string> names;
  for (const DavEntry& e : listing.entries) {
    names.push_back(e.name);
    EXPECT_FALSE(e.etag.empty()) << e.name;
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"hiscore.sxr", part, renamed}));

  // The server gone, the drill waits; back, it goes once.
  server.Stop();
  outbox.AddPart(kClassLogName, drill);
  EXPECT_EQ(Await<SyncReport>([&](auto done) { ann.SendWaiting(done); })->fault, ClassFault::Offline);
  EXPECT_EQ(ann.StatusText(), "1 drill waiting for the network");
  server.Start();
  ASSERT_TRUE(server.Ready());
  EXPECT_EQ(Await<SyncReport>([&](auto done) { ann.SendWaiting(done); })->sent, 1);
  EXPECT_EQ(server.OnDisk("ann/" + std::string(kClassLogName) + "." + outbox.Device() + ".00000005"), drill);

  // Her three parts of the log folded into one, on the server's listing; the singles go.
  std::optional<int> folded;
  ann.Fold(2, [&](ClassFault fault, int n) { folded = fault == ClassFault::None ? n : -1; });
  ASSERT_TRUE(ProcessEventsUntil([&] { return folded.has_value(); }));
  EXPECT_EQ(folded, 3);
  EXPECT_EQ(server.OnDisk("ann/" + FoldedPartName(kClassLogName, outbox.Device(), 1, 5)), drill + drill + drill);
  EXPECT_FALSE(std::filesystem::exists(server.Folder("ann") / part));

  // A page of another origin may ask, before it sends a password (rclone has no CORS).
  if (server.Kind() != DavServer::Apache) return;
  const HttpResponse preflight = send({"OPTIONS", AddressOf(address, scores),
                                       {{"Origin", "http://127.0.0.1:" + std::to_string(server.Port() + 1)},
                                        {"Access-Control-Request-Method", "PUT"},
                                        {"Access-Control-Request-Headers", "authorization,if-match"}},
                                       ""});
  EXPECT_EQ(preflight.status, 200);
  EXPECT_EQ(preflight.Header("Access-Control-Allow-Origin"), "http://127.0.0.1:" + std::to_string(server.Port() + 1));
}

// What stopped a read is what the command says: a folder this account may
// not read is no "write", a certificate nobody trusts no "cannot be reached".
TEST(ClassServerReadTest, TheCommandSaysWhatStoppedItsRead) {
  ScratchDir data;
  ASSERT_TRUE(data.Enter());
  const QString cache = QString::fromStdString(data.Path("cache"));
  {
    ClassServer apache(DavServer::Apache, {"CLASS_READERS=teacher"});
    ASSERT_TRUE(apache.Ready()) << "Apache did not start";
    const Ran read = RunClassCommand({"--user", "ann", QString::fromStdString(apache.Class() + "bob/")}, "a-pw", cache);
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.err.find(ClassReadFaultMessage(ClassFault::Forbidden)), std::string::npos) << read.err;
    EXPECT_EQ(read.err.find("write"), std::string::npos) << read.err;
  }
  ClassServer tls(DavServer::Rclone, {"CLASS_TLS=1"});
  ASSERT_TRUE(tls.Ready()) << "rclone did not start";
  const Ran read = RunClassCommand({"--user", "teacher", QString::fromStdString(tls.Class())}, "t-pw", cache);
  EXPECT_EQ(read.status, 1);
  EXPECT_NE(read.err.find("certificate this computer does not trust"), std::string::npos) << read.err;
  EXPECT_EQ(read.err.find("t-pw"), std::string::npos);
}
