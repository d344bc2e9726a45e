// A class folder on a real WebDAV server for a test: Debian's Apache 2.4
// (scripts/class-server.sh) or rclone (scripts/class-server-rclone.sh),
// started on a free port of this machine, with the teacher, ann and bob
// owning their folders, and carol an account without one. rclone has no
// rights per account: there every account writes everywhere.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "EventLoop.h"
#include "ScratchDir.h"

enum class DavServer { Apache, Rclone };

inline const char* DavServerName(DavServer kind) { return kind == DavServer::Apache ? "Apache" : "rclone"; }

class ClassServer {
 public:
  // `environment`: the script's options, such as CLASS_READERS=teacher or CLASS_TLS=1.
  explicit ClassServer(DavServer kind = DavServer::Apache, QStringList environment = {})
      : kind_(kind), environment_(std::move(environment)) {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    port_ = probe.serverPort();
    probe.close();
    Start();
  }
  ~ClassServer() { Stop(); }
  // Again on the same folder and port, after Stop.
  void Start() {
    const char* source = std::getenv("SONORIX_SOURCE_DIR");
    const QString script = QString(source && *source ? source : SONORIX_TEST_SOURCE_DIR) +
                           (kind_ == DavServer::Apache ? "/scripts/class-server.sh" : "/scripts/class-server-rclone.sh");
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& option : environment_) env.insert(option.section('=', 0, 0), option.section('=', 1));
    process_.setProcessEnvironment(env);
    process_.start("bash", {script, QString::fromStdString(root_.Root().string()), QString::number(port_),
                            "http://127.0.0.1:" + QString::number(port_ + 1), "Theory 1", "teacher:t-pw", "ann:a-pw",
                            "bob:b-pw", "-carol:c-pw"});
    ready_ = ProcessEventsUntil([this] {
      QTcpSocket socket;
      socket.connectToHost(QHostAddress::LocalHost, port_);
      return socket.waitForConnected(100);
    });
  }
  void Stop() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(1000);
  }
  bool Ready() const { return ready_; }
  DavServer Kind() const { return kind_; }
  // Whether the server keeps each student's folder for that student alone.
  bool HasRights() const { return kind_ == DavServer::Apache; }
  std::string Class() const {
    return (environment_.contains("CLASS_TLS=1") ? "https" : "http") + std::string("://127.0.0.1:") + std::to_string(port_) +
           "/Theory%201/";
  }
  std::string OnDisk(const std::string& path) const { return root_.Read("dav/Theory 1/" + path); }
  std::string OnDiskPath(const std::string& path) const { return root_.Path("dav/Theory 1/" + path); }
  int Port() const { return port_; }
  std::filesystem::path Folder(const std::string& account) const { return root_.Root() / "dav" / "Theory 1" / account; }

 private:
  DavServer kind_;
  QStringList environment_;
  ScratchDir root_;
  QProcess process_;
  quint16 port_ = 0;
  bool ready_ = false;
};

