// The core's Transport in the page: each request goes to the page's fetch
// (web/src/class-http.ts), and its answer comes back through the module's
// httpAnswered(id, answer), called by the page under its files' lock.
#pragma once

#include <functional>

#include "WebDav.h"

class WebTransport : public Transport {
 public:
  void Send(const HttpRequest& request, std::function<void(HttpResponse)> done) override;
};

// The one the page's class bindings share.
WebTransport& PageTransport();
