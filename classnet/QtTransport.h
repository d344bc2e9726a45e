// The desktop's HTTP for the class on a WebDAV server: Qt's network access.
// It follows no redirect and answers no password prompt of its own; the core
// decides both. Answers past the core's bound are cut off.
#pragma once

#include <QNetworkAccessManager>
#include <QObject>

#include "WebDav.h"

class QtTransport : public QObject, public Transport {
  Q_OBJECT
 public:
  explicit QtTransport(QObject* parent = nullptr);
  // A request with no answer after this long counts as a lost connection.
  void SetTimeout(int ms) { timeoutMs_ = ms; }
  void Send(const HttpRequest& request, std::function<void(HttpResponse)> done) override;

 private:
  QNetworkAccessManager manager_;
  int timeoutMs_ = 30000;
};
