#include "QtTransport.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QUrl>
#include <memory>

namespace {

// Errors that mean nothing reached the server, so nothing can have been written.
bool NothingSent(QNetworkReply::NetworkError error) {
  switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::SslHandshakeFailedError:
      return true;
    default:
      return false;
  }
}

}  // namespace

QtTransport::QtTransport(QObject* parent) : QObject(parent) {}

void QtTransport::Send(const HttpRequest& request, std::function<void(HttpResponse)> done) {
  QNetworkRequest q(QUrl::fromEncoded(QByteArray::fromStdString(request.url), QUrl::StrictMode));
  q.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
  q.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  q.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  q.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
  q.setTransferTimeout(timeoutMs_);
  for (const auto& [name, value] : request.headers)
    q.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
  QNetworkReply* reply =
      manager_.sendCustomRequest(q, QByteArray::fromStdString(request.method), QByteArray::fromStdString(request.body));
  auto tooLarge = std::make_shared<bool>(false);
  // Qt then fails the handshake; the student is told why, not "cannot be reached".
  auto untrusted = std::make_shared<bool>(false);
  connect(reply, &QNetworkReply::sslErrors, reply, [untrusted](const QList<QSslError>&) { *untrusted = true; });
  connect(reply, &QNetworkReply::downloadProgress, reply, [reply, tooLarge](qint64 received, qint64) {
    if (received > static_cast<qint64>(kMaxAnswerBytes) && !*tooLarge) {
      *tooLarge = true;
      reply->abort();
    }
  });
  connect(reply, &QNetworkReply::finished, this, [reply, tooLarge, untrusted, done = std::move(done)] {
    reply->deleteLater();
    HttpResponse r;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (*tooLarge) {
      r.status = status.isValid() ? status.toInt() : 200;
      r.tooLarge = true;
    } else if (status.isValid()) {
      r.status = status.toInt();
      for (const auto& [name, value] : reply->rawHeaderPairs()) r.headers.emplace_back(name.toStdString(), value.toStdString());
      r.body = reply->readAll().toStdString();
    } else {
      r.link = *untrusted                    ? HttpResponse::Link::Untrusted
               : NothingSent(reply->error()) ? HttpResponse::Link::Unreachable
                                             : HttpResponse::Link::Lost;
    }
    done(std::move(r));
  });
}
