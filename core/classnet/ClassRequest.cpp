#include "ClassRequest.h"

namespace {

constexpr int kMaxRedirects = 5;

void Send(Transport& transport, const ClassConnection& connection, HttpRequest request,
          std::function<void(HttpResponse)> done, std::weak_ptr<bool> alive, int hops) {
  HttpRequest sent = request;
  sent.headers.emplace_back("Authorization", BasicAuthorization(connection.credentials));
  transport.Send(sent, [&transport, connection, alive, request = std::move(request), done = std::move(done),
                        hops](HttpResponse r) mutable {
    const auto live = alive.lock();
    if (!live || !*live) return;
    // 304 answers a conditional GET: the copy asked with is current, no redirect.
    if (r.link == HttpResponse::Link::Answered && r.status >= 300 && r.status < 400 && r.status != 304 &&
        hops < kMaxRedirects) {
      const AddressCheck from = ParseAddress(request.url);
      const AddressCheck to = ResolveLocation(from.address, r.Header("Location"));
      const bool keepsMethod = r.status == 307 || r.status == 308 || request.method == "GET" ||
                               request.method == "PROPFIND";
      if (from.fault == AddressFault::None && to.fault == AddressFault::None &&
          Origin(to.address) == Origin(connection.address) && keepsMethod) {
        request.url = AddressOf(to.address, to.address.path);
        Send(transport, connection, std::move(request), std::move(done), alive, hops + 1);
        return;
      }
    }
    done(std::move(r));
  });
}

}  // namespace

void SendToClass(Transport& transport, const ClassConnection& connection, HttpRequest request,
                 std::function<void(HttpResponse)> done, std::weak_ptr<bool> alive) {
  Send(transport, connection, std::move(request), std::move(done), std::move(alive), 0);
}
