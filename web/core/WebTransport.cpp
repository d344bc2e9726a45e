#include "WebTransport.h"

#include <emscripten.h>
#include <emscripten/bind.h>

#include <map>
#include <string>
#include <utility>

// Hands request `id` to the page; its answer comes later, never from in here.
EM_JS(void, web_http_send, (int id, const char* method, const char* url, const char* headers, const char* body, int bodySize), {
  const lines = UTF8ToString(headers).split('\n');
  const pairs = [];
  for (let i = 0; i + 1 < lines.length; i += 2) pairs.push([lines[i], lines[i + 1]]);
  const request = { method: UTF8ToString(method), url: UTF8ToString(url), headers: pairs, body: HEAPU8.slice(body, body + bodySize) };
  if (Module.webHttp) Module.webHttp(id, request);
  else Promise.resolve().then(() => Module.httpAnswered(id, { link: 1 }));
});

namespace {

std::map<int, std::function<void(HttpResponse)>>& Waiting() {
  static std::map<int, std::function<void(HttpResponse)>> waiting;
  return waiting;
}

bool OneLine(const std::string& text) { return text.find_first_of("\r\n") == std::string::npos; }

// { link: 0 answered, 1 unreachable, 2 lost; status; headers: [[name, value]]; body: Uint8Array; tooLarge }
void HttpAnswered(int id, const emscripten::val& answer) {
  const auto it = Waiting().find(id);
  if (it == Waiting().end()) return;
  const std::function<void(HttpResponse)> done = std::move(it->second);
  Waiting().erase(it);
  HttpResponse r;
  const int link = answer["link"].isNumber() ? answer["link"].as<int>() : 1;
  r.link = link == 0 ? HttpResponse::Link::Answered : link == 2 ? HttpResponse::Link::Lost : HttpResponse::Link::Unreachable;
  if (r.link == HttpResponse::Link::Answered) {
    r.status = answer["status"].isNumber() ? answer["status"].as<int>() : 0;
    r.tooLarge = answer["tooLarge"].isTrue();
    const emscripten::val headers = answer["headers"];
    const int count = headers.isUndefined() || headers.isNull() ? 0 : headers["length"].as<int>();
    for (int i = 0; i < count; ++i) r.headers.emplace_back(headers[i][0].as<std::string>(), headers[i][1].as<std::string>());
    const emscripten::val body = answer["body"];
    if (!r.tooLarge && !body.isUndefined() && !body.isNull()) {
      // A Uint8Array, in one copy: embind's own conversion goes byte by byte,
      // and a teacher's overview takes in tens of megabytes.
      r.body.resize(body["length"].as<size_t>());
      if (!r.body.empty())
        emscripten::val(emscripten::typed_memory_view(r.body.size(), reinterpret_cast<unsigned char*>(r.body.data())))
            .call<void>("set", body);
    }
  }
  done(std::move(r));
}

}  // namespace

void WebTransport::Send(const HttpRequest& request, std::function<void(HttpResponse)> done) {
  static int next = 0;
  const int id = ++next;
  Waiting()[id] = std::move(done);
  // Names and values one a line: a header holding a line break is no header.
  std::string headers;
  for (const auto& [name, value] : request.headers)
    if (OneLine(name) && OneLine(value)) headers += name + '\n' + value + '\n';
  web_http_send(id, request.method.c_str(), request.url.c_str(), headers.c_str(), request.body.data(),
                static_cast<int>(request.body.size()));
}

WebTransport& PageTransport() {
  static WebTransport transport;
  return transport;
}

EMSCRIPTEN_BINDINGS(sonorix_http) { emscripten::function("httpAnswered", &HttpAnswered); }
