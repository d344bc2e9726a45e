// A student's drills on their way to the class's server: Debian's Apache
// (scripts/class-server.sh) on this machine, the desktop's own transport and
// the core's ClassLink. Times a drill from the hook its end calls (its parts
// queued in classout.dat) to the server's answer that holds them, and 50
// drills queued while no password was known sent in one run, each against
// its goal.
//   build-*/bin/class_send_bench [drills]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ClassLink.h"
#include "DrillFiling.h"
#include "ErrorStats.h"
#include "Figure.h"
#include "QtScheduler.h"
#include "QtTransport.h"
#include "SessionLog.h"
#include "Storage.h"

namespace {

const char* const kClass = "Theory 1";

template <typename Done>
bool Until(Done done, int ms = 30000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  return done();
}

double Ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

std::string OnDisk(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// One drill's parts as its end leaves them: its records and its statistics.
std::pair<std::string, std::string> Drill(int n) {
  const double day = 46000 + n / 20;
  const int right = 5 + n % 30, wrong = n % 7;
  const std::string records = "\r\n" + StartRecordText(day, 0, "Ann Lee") + "\r\n" + FilterRecordText(FilterState{4095, 0, n % 3}) +
                              "\r\n" + SegmentRecordText(right, wrong, 120 + n, SegmentCheckValue("Ann Lee", day, right, wrong));
  ErrorStats stats{};
  for (int i = 0; i < right; ++i) AddCorrectAnswer(stats, i % 12, i % 2, i % 17);
  return {records, FormatErrorStats(stats)};
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int drills = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  QTemporaryDir server, data;
  QDir::setCurrent(data.path());

  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const quint16 port = probe.serverPort();
  probe.close();
  const char* source = std::getenv("SONORIX_SOURCE_DIR");
  const QString script = QString(source && *source ? source : SONORIX_BENCH_SOURCE_DIR) + "/scripts/class-server.sh";
  QProcess apache;
  apache.setProcessChannelMode(QProcess::ForwardedChannels);
  apache.start("bash", {script, server.path(), QString::number(port), "http://127.0.0.1:" + QString::number(port + 1),
                        kClass, "teacher:t-pw", "ann:a-pw"});
  if (!Until([port] {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        return socket.waitForConnected(100);
      })) {
    std::printf("Apache did not start\n");
    return 1;
  }
  const std::string folder = server.path().toStdString() + "/dav/" + kClass + "/ann/";

  QtTransport transport;
  QtScheduler scheduler;
  const std::string address = "http://127.0.0.1:" + std::to_string(port) + "/Theory%201/";
  std::string device;
  bool met = true;
  bool intact = true;
  {
    ClassLink link(DataStorage(), transport, scheduler);
    std::optional<ClassFault> joined;
    link.Join(address, {"ann", "a-pw"}, [&joined](ClassFault f) { joined = f; });
    if (!Until([&joined] { return joined.has_value(); }) || *joined != ClassFault::None) {
      std::printf("could not join: %s\n", joined ? ClassFaultMessage(*joined) : "no answer");
      return 1;
    }
    SetDrillFiling(&link);
    // One drill at a time, from the hook its end calls to the server's answer.
    std::vector<double> times;
    for (int n = 0; n < drills; ++n) {
      const auto [records, stats] = Drill(n);
      QElapsedTimer timer;
      timer.start();
      FileDrillPart(kReportFileName, records);
      FileDrillPart(kErrorsFileName, stats);
      std::optional<SyncReport> report;
      link.SendNow([&report](SyncReport r) { report = r; });
      Until([&report] { return report.has_value(); });
      times.push_back(Ms(timer));
      if (!report || report->fault != ClassFault::None || link.Waiting().drills + link.Waiting().others != 0) {
        std::printf("drill %d not sent: %s\n", n, report ? ClassFaultMessage(report->fault) : "no answer");
        return 1;
      }
    }
    SetDrillFiling(nullptr);
    std::sort(times.begin(), times.end());
    met = PrintFigure("a drill's records on the class's server after END, median", times[times.size() / 2], "ms", 1000) && met;
    met = PrintFigure("a drill's records on the class's server after END, slowest", times.back(), "ms", 1000) && met;
  }

  // 50 drills queued while the password was not yet given again (as offline),
  // then sent in one run.
  ClassLink later(DataStorage(), transport, scheduler);
  SetDrillFiling(&later);
  for (int n = 0; n < 50; ++n) {
    const auto [records, stats] = Drill(1000 + n);
    FileDrillPart(kReportFileName, records);
    FileDrillPart(kErrorsFileName, stats);
  }
  SetDrillFiling(nullptr);
  const Outbox::Waiting waiting = later.Waiting();
  std::printf("waiting: %d drills, %d other parts; classout.dat %lld bytes\n", waiting.drills, waiting.others,
              static_cast<long long>(OnDisk(kOutboxFileName).size()));
  QElapsedTimer timer;
  timer.start();
  std::optional<SyncReport> report;
  later.SetPassword("a-pw");
  later.SendNow([&report](SyncReport r) { report = r; });
  Until([&report] { return report.has_value(); }, 60000);
  const double queuedMs = Ms(timer);
  if (!report || report->fault != ClassFault::None || later.Waiting().drills != 0) {
    std::printf("the queued drills were not sent: %s, %d still waiting\n", report ? ClassFaultMessage(report->fault) : "no answer",
                later.Waiting().drills);
    intact = false;
  }
  met = PrintFigure("50 queued drills sent", queuedMs, "ms", 5000) && met;
  // Every drill on the server once, as it was queued.
  std::string onServer;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().rfind(std::string(kReportFileName) + ".", 0) == 0) onServer += OnDisk(entry.path().string());
  for (int n = 0; n < 50 && intact; ++n) {
    const std::string records = Drill(1000 + n).first;
    const size_t at = onServer.find(records);
    if (at == std::string::npos || onServer.find(records, at + 1) != std::string::npos) {
      std::printf("drill %d is not on the server once\n", n);
      intact = false;
    }
  }

  // The device folds its parts as it goes: the folder stays a few files.
  Until([] { return false; }, 3000);
  int folded = 0, singles = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    (entry.path().filename().string().find('-') != std::string::npos ? folded : singles) += 1;
  std::printf("the student's folder after %d drills: %d folded parts, %d single parts\n", drills + 50, folded, singles);

  apache.terminate();
  apache.waitForFinished(5000);
  return met && intact ? 0 : 1;
}
