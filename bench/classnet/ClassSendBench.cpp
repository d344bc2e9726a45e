// A student's drills on their way to the class's server: Debian's Apache
// (scripts/class-server.sh) on this machine, the desktop's own transport and
// the core's outbox and sending. Times a drill from its end (its parts
// queued in classout.dat) to the server's answer that holds them, and 50
// drills queued offline sent in one run, each against its goal.
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
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ClassSync.h"
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
  Outbox outbox(DataStorage());
  ClassSync sync({ParseClassAddress("http://127.0.0.1:" + std::to_string(port) + "/Theory%201/").address, {"ann", "a-pw"}},
                 transport, outbox, scheduler);
  std::optional<ClassFault> joined;
  sync.Join([&joined](ClassFault f) { joined = f; });
  if (!Until([&joined] { return joined.has_value(); }) || *joined != ClassFault::None) {
    std::printf("could not join: %s\n", joined ? ClassFaultMessage(*joined) : "no answer");
    return 1;
  }

  bool met = true;
  bool intact = true;
  // One drill at a time: queued at its end, sent at once.
  std::vector<double> times;
  for (int n = 0; n < drills; ++n) {
    const auto [records, stats] = Drill(n);
    QElapsedTimer timer;
    timer.start();
    outbox.AddPart(kClassLogName, records);
    outbox.AddPart(kErrorsFileName, stats);
    std::optional<SyncReport> report;
    sync.SendWaiting([&report](SyncReport r) { report = r; });
    Until([&report] { return report.has_value(); });
    times.push_back(Ms(timer));
    if (!report || report->fault != ClassFault::None) {
      std::printf("drill %d not sent: %s\n", n, report ? ClassFaultMessage(report->fault) : "no answer");
      return 1;
    }
  }
  std::sort(times.begin(), times.end());
  met = PrintFigure("a drill's records on the class's server after END, median", times[times.size() / 2], "ms", 1000) && met;
  met = PrintFigure("... the slowest", times.back(), "ms", 1000) && met;

  // 50 drills queued while the network was gone, then sent in one run.
  for (int n = 0; n < 50; ++n) {
    const auto [records, stats] = Drill(1000 + n);
    outbox.AddPart(kClassLogName, records);
    outbox.AddPart(kErrorsFileName, stats);
  }
  QElapsedTimer timer;
  timer.start();
  std::optional<SyncReport> report;
  sync.SendWaiting([&report](SyncReport r) { report = r; });
  Until([&report] { return report.has_value(); }, 60000);
  const double queuedMs = Ms(timer);
  if (!report || report->fault != ClassFault::None || report->sent != 100) {
    std::printf("the queued drills were not sent: %s, %d sent\n", report ? ClassFaultMessage(report->fault) : "no answer",
                report ? report->sent : 0);
    intact = false;
  }
  // Every part on the server as the drill left it.
  for (int n = 0; n < 50; ++n) {
    const std::string device = outbox.Device();
    char number[16];
    std::snprintf(number, sizeof number, "%08d", 2 * drills + 2 * n + 1);
    if (OnDisk(folder + kClassLogName + "." + device + "." + number) != Drill(1000 + n).first) {
      std::printf("part %s of drill %d is not on the server as sent\n", number, n);
      intact = false;
      break;
    }
  }
  met = PrintFigure("50 queued drills sent", queuedMs, "ms", 5000) && met;

  apache.terminate();
  apache.waitForFinished(5000);
  return met && intact ? 0 : 1;
}
