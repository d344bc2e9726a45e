// The class's assignments.txt on Debian's Apache (scripts/class-server.sh):
// the teacher creates and replaces it, a second device's change in between
// is never overwritten, and a student may read it but not write it.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdio>
#include <optional>

#include "AssignmentStore.h"
#include "ClassServer.h"
#include "EventLoop.h"
#include "QtScheduler.h"
#include "QtTransport.h"
#include "Storage.h"

namespace {

// Every request's method and condition, as sent.
struct Recorder : Transport {
  explicit Recorder(Transport& inner) : inner(inner) {}
  Transport& inner;
  std::vector<std::string> sent;
  int preconditionFailed = 0;
  std::vector<int> statuses;
  void Send(const HttpRequest& request, std::function<void(HttpResponse)> done) override {
    std::string line = request.method;
    for (const auto& [name, value] : request.headers)
      if (name == "If-Match" || name == "If-None-Match") line += " " + name + ": " + value;
    sent.push_back(line);
    inner.Send(request, [this, done = std::move(done)](HttpResponse r) {
      if (r.status == 412) ++preconditionFailed;
      statuses.push_back(r.status);
      done(std::move(r));
    });
  }
};

Assignment Titled(const std::string& title) {
  Assignment a;
  a.title = title;
  a.classes = {"3-1", "3-11"};
  a.count = 2;
  a.start = 45000;
  a.due = 45006;
  return a;
}

AssignmentsAnswer Await(const std::function<void(std::function<void(AssignmentsAnswer)>)>& start) {
  std::optional<AssignmentsAnswer> got;
  start([&got](AssignmentsAnswer a) { got = std::move(a); });
  EXPECT_TRUE(ProcessEventsUntil([&got] { return got.has_value(); }));
  return got.value_or(AssignmentsAnswer{AssignmentsOutcome::Failed, ClassFault::Offline, {}});
}

}  // namespace

TEST(AssignmentsOnServer, TheTeachersWritesNeverGoOverAnotherDevicesChange) {
  ScratchDir data;
  ASSERT_TRUE(data.Enter());
  ClassServer server;
  ASSERT_TRUE(server.Ready()) << "Apache did not start";
  QtTransport http;
  Recorder recorded(http);
  QtScheduler scheduler;
  const ClassAddress address = ParseClassAddress(server.Class()).address;
  ServerAssignments laptop({address, {"teacher", "t-pw"}}, recorded, scheduler);
  Recorder other(http);
  ServerAssignments desktop({address, {"teacher", "t-pw"}}, other, scheduler);
  ServerAssignments ann({address, {"ann", "a-pw"}}, http, scheduler);
  const auto read = [](ServerAssignments& at) { return Await([&at](auto done) { at.Read(done); }); };
  const auto write = [](ServerAssignments& at, std::vector<Assignment> list) {
    return Await([&at, list](auto done) { at.Write(list, done); });
  };
  const Assignment one = Titled("Week 1"), two = Titled("Week 2"), three = Titled("Week 3");

  // Created where there was none.
  AssignmentsAnswer got = read(laptop);
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done) << ClassFaultMessage(got.fault);
  EXPECT_TRUE(got.file.assignments.empty());
  ASSERT_EQ(read(desktop).outcome, AssignmentsOutcome::Done);
  got = write(laptop, {one});
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done) << ClassFaultMessage(got.fault);
  EXPECT_EQ(server.OnDisk("assignments.txt"), FormatAssignments({one}));
  EXPECT_EQ(recorded.sent.back(), "PUT If-None-Match: *");

  // The other device also found none: its create would lose "Week 1".
  got = write(desktop, {two});
  EXPECT_EQ(got.outcome, AssignmentsOutcome::ChangedElsewhere);
  EXPECT_EQ(got.file.assignments, std::vector<Assignment>{one});
  EXPECT_EQ(server.OnDisk("assignments.txt"), FormatAssignments({one}));

  // Past Apache's second, the desktop reads a strong tag; the laptop then
  // replaces the file, naming the version it read (a weak tag never).
  QTest::qWait(1200);
  ASSERT_EQ(read(desktop).outcome, AssignmentsOutcome::Done);
  got = write(laptop, {one, three});
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done) << ClassFaultMessage(got.fault);
  EXPECT_EQ(server.OnDisk("assignments.txt"), FormatAssignments({one, three}));
  ASSERT_EQ(recorded.sent.back().rfind("PUT If-Match: \"", 0), 0u) << recorded.sent.back();

  // The desktop read "Week 1" alone: its replace meets 412 and shows the laptop's.
  got = write(desktop, {one, two});
  EXPECT_EQ(got.outcome, AssignmentsOutcome::ChangedElsewhere);
  EXPECT_EQ(other.preconditionFailed, 2);  // its create, and now this
  EXPECT_EQ(got.file.assignments, (std::vector<Assignment>{one, three}));
  EXPECT_EQ(server.OnDisk("assignments.txt"), FormatAssignments({one, three}));
  // Having seen it, the teacher's next write goes.
  got = write(desktop, {one, three, two});
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done) << ClassFaultMessage(got.fault);
  EXPECT_EQ(server.OnDisk("assignments.txt"), FormatAssignments({one, three, two}));

  // A student reads them, and may not change them.
  got = read(ann);
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done);
  EXPECT_EQ(got.file.assignments, (std::vector<Assignment>{one, three, two}));
  got = write(ann, {});
  EXPECT_EQ(got.outcome, AssignmentsOutcome::NotTeacher);
  EXPECT_EQ(std::string(AssignmentsOutcomeMessage(got.outcome)), "Only the teacher may change the assignments.");
  EXPECT_EQ(server.OnDisk("assignments.txt"), FormatAssignments({one, three, two}));
  for (const auto* device : {&recorded, &other})
    for (const std::string& line : device->sent) EXPECT_EQ(line.find("W/"), std::string::npos) << line;
}

// A reopen with the copy kept asks with its tag: 304 and the copy, nothing
// fetched; a change, a damaged copy or a removed file are read as they are.
TEST(AssignmentsOnServer, AReadWithTheKeptCopyFetchesOnlyAChange) {
  ScratchDir data;
  ASSERT_TRUE(data.Enter());
  ClassServer server;
  ASSERT_TRUE(server.Ready()) << "Apache did not start";
  QtTransport http;
  Recorder recorded(http);
  QtScheduler scheduler;
  const ClassAddress address = ParseClassAddress(server.Class()).address;
  const std::string copyName = AssignmentsCopyName(address);
  ServerAssignments teacher({address, {"teacher", "t-pw"}}, http, scheduler);
  ServerAssignments overview({address, {"teacher", "t-pw"}}, recorded, scheduler);
  overview.KeepCopy(DataStorage(), copyName);
  const auto read = [](ServerAssignments& at) { return Await([&at](auto done) { at.Read(done); }); };
  const Assignment one = Titled("Week 1"), two = Titled("Week 2");

  ASSERT_EQ(Await([&](auto done) { teacher.Write({one}, done); }).outcome, AssignmentsOutcome::Done);
  // A tag Apache gives within the file's second is weak: no copy is kept of it.
  AssignmentsAnswer got = read(overview);
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done) << ClassFaultMessage(got.fault);
  QTest::qWait(1200);
  got = read(overview);
  EXPECT_EQ(got.file.assignments, std::vector<Assignment>{one});
  EXPECT_EQ(recorded.sent.back(), "GET");
  EXPECT_EQ(recorded.statuses.back(), 200);
  const auto kept = ParseAssignmentsCopy(DataStorage().ReadAll(copyName).value_or(""));
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->bytes, FormatAssignments({one}));

  got = read(overview);
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done) << ClassFaultMessage(got.fault);
  EXPECT_EQ(got.file.assignments, std::vector<Assignment>{one});
  EXPECT_EQ(recorded.sent.back(), "GET If-None-Match: " + kept->etag);
  EXPECT_EQ(recorded.statuses.back(), 304);
  // Read through its copy, the overview's next write still names the version.
  ASSERT_EQ(Await([&](auto done) { overview.Write({one, two}, done); }).outcome, AssignmentsOutcome::Done);
  EXPECT_EQ(server.OnDisk("assignments.txt"), FormatAssignments({one, two}));

  // Changed by another device: read whole.
  QTest::qWait(1200);
  ASSERT_EQ(read(teacher).outcome, AssignmentsOutcome::Done);
  ASSERT_EQ(Await([&](auto done) { teacher.Write({two}, done); }).outcome, AssignmentsOutcome::Done);
  QTest::qWait(1200);
  got = read(overview);
  EXPECT_EQ(got.file.assignments, std::vector<Assignment>{two});
  EXPECT_EQ(recorded.statuses.back(), 200);

  // A damaged copy is not asked with.
  DataStorage().Replace(copyName, "sonorix assignments copy 1\r\n\"x\"\r\n99\r\nshort");
  got = read(overview);
  EXPECT_EQ(got.file.assignments, std::vector<Assignment>{two});
  EXPECT_EQ(recorded.sent.back(), "GET");

  // Gone from the server: none, and the copy with it.
  ASSERT_EQ(std::remove(server.OnDiskPath("assignments.txt").c_str()), 0);
  got = read(overview);
  EXPECT_TRUE(got.file.assignments.empty());
  EXPECT_EQ(recorded.statuses.back(), 404);
  got = read(overview);
  EXPECT_EQ(recorded.sent.back(), "GET");
  EXPECT_TRUE(got.file.assignments.empty());
}
