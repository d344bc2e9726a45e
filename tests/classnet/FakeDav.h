// A WebDAV server in memory that answers as Apache's mod_dav_fs does:
// conditional writes, weak tags for a file changed within the last second,
// folders, and the faults a real one can give; and the loop that delivers
// its answers later, as a front end's transport does.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Clock.h"
#include "WebDav.h"

struct Loop : Scheduler {
  uint64_t now = 100000;
  std::multimap<uint64_t, std::function<void()>> timers;
  std::deque<std::function<void()>> answers;
  void After(uint32_t ms, std::function<void()> task) override { timers.emplace(now + ms, std::move(task)); }
  // Delivers every answer, moving the clock on to the next timer when none waits.
  void Settle() {
    for (int guard = 0; guard < 10000; ++guard) {
      if (!answers.empty()) {
        auto next = std::move(answers.front());
        answers.pop_front();
        next();
      } else if (!timers.empty()) {
        auto it = timers.begin();
        now = std::max(now, it->first);
        auto task = std::move(it->second);
        timers.erase(it);
        task();
      } else {
        return;
      }
    }
    FAIL() << "the exchange never ends";
  }
};

struct FakeDav : Transport {
  explicit FakeDav(Loop& loop) : loop(loop) {}
  struct File {
    std::string bytes;
    uint64_t changed = 0;
    int version = 0;
  };
  Loop& loop;
  std::map<std::string, File> files;  // full URL -> file
  std::set<std::string> folders;      // full URLs, ending in '/'

  std::vector<HttpRequest> log;
  bool offline = false;
  // Listings without sizes, as a server may give them.
  bool listSizes = true;
  // Applies the request, then the answer is lost on the way back.
  int loseAnswers = 0;
  // The answer to give instead of handling the request (401, 507, ...).
  std::function<std::optional<HttpResponse>(const HttpRequest&)> instead;
  // Runs just before a PUT is handled: a second device writing meanwhile.
  std::function<void(const HttpRequest&)> beforePut;
  int version = 0;

  std::string Tag(const File& f) const {
    return (loop.now - f.changed < 1000 ? "W/\"" : "\"") + std::to_string(f.version) + "\"";
  }
  void Write(const std::string& url, std::string bytes) { files[url] = {std::move(bytes), loop.now, ++version}; }

  void Send(const HttpRequest& request, std::function<void(HttpResponse)> done) override {
    log.push_back(request);
    HttpResponse r = Handle(request);
    if (loseAnswers > 0 && !offline) {
      --loseAnswers;
      r = HttpResponse{HttpResponse::Link::Lost, 0, {}, {}, false};
    }
    loop.answers.push_back([r, done = std::move(done)] { done(r); });
  }

  HttpResponse Handle(const HttpRequest& q) {
    HttpResponse r;
    if (offline) {
      r.link = HttpResponse::Link::Unreachable;
      return r;
    }
    if (instead)
      if (auto given = instead(q)) return *given;
    auto header = [&](const char* name) {
      for (const auto& [k, v] : q.headers)
        if (k == name) return v;
      return std::string();
    };
    const auto it = files.find(q.url);
    if (q.method == "GET") {
      if (it == files.end()) return {HttpResponse::Link::Answered, 404, {}, {}, false};
      return {HttpResponse::Link::Answered, 200, {{"ETag", Tag(it->second)}}, it->second.bytes, false};
    }
    if (q.method == "PUT") {
      if (beforePut) beforePut(q);
      const auto now = files.find(q.url);
      if (header("If-None-Match") == "*" && now != files.end()) return {HttpResponse::Link::Answered, 412, {}, {}, false};
      const std::string match = header("If-Match");
      // Strong comparison: a weak tag matches nothing.
      if (!match.empty() && (now == files.end() || IsWeakEtag(Tag(now->second)) || match != Tag(now->second)))
        return {HttpResponse::Link::Answered, 412, {}, {}, false};
      const bool created = now == files.end();
      Write(q.url, q.body);
      return {HttpResponse::Link::Answered, created ? 201 : 204, {{"Content-Type", "text/html"}},
              created ? "<!DOCTYPE HTML><html><title>201 Created</title></html>" : "", false};
    }
    if (q.method == "MKCOL") {
      if (folders.count(q.url)) return {HttpResponse::Link::Answered, 405, {}, {}, false};
      folders.insert(q.url);
      return {HttpResponse::Link::Answered, 201, {}, {}, false};
    }
    if (q.method == "PROPFIND" && folders.count(q.url)) return Listing(q.url, header("Depth") == "1");
    if (q.method == "PROPFIND") return {HttpResponse::Link::Answered, 404, {}, {}, false};
    if (q.method == "DELETE") {
      if (it == files.end()) return {HttpResponse::Link::Answered, 404, {}, {}, false};
      files.erase(it);
      return {HttpResponse::Link::Answered, 204, {}, {}, false};
    }
    return {HttpResponse::Link::Answered, 405, {}, {}, false};
  }

  // A 207 listing of the folder and, at Depth 1, the files right in it.
  HttpResponse Listing(const std::string& url, bool depth1) const {
    const std::string path = url.substr(url.find('/', url.find("://") + 3));
    std::string body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<D:multistatus xmlns:D=\"DAV:\">"
                       "<D:response><D:href>" + path + "</D:href><D:propstat><D:prop><D:resourcetype><D:collection/>"
                       "</D:resourcetype></D:prop><D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>";
    if (depth1)
      for (const auto& [file, f] : files) {
        if (file.rfind(url, 0) != 0 || file.find('/', url.size()) != std::string::npos) continue;
        body += "<D:response><D:href>" + path + file.substr(url.size()) + "</D:href><D:propstat><D:prop>"
                "<D:resourcetype/><D:getetag>" + Tag(f) + "</D:getetag>" +
                (listSizes ? "<D:getcontentlength>" + std::to_string(f.bytes.size()) + "</D:getcontentlength>" : "") + "</D:prop><D:status>HTTP/1.1 200 OK"
                "</D:status></D:propstat></D:response>";
      }
    body += "</D:multistatus>";
    return {HttpResponse::Link::Answered, 207, {{"Content-Type", "application/xml; charset=utf-8"}}, body, false};
  }

  int Count(const std::string& method) const {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const HttpRequest& q) { return q.method == method; }));
  }
  // The files of the folder whose names begin with `stem`, joined in name order.
  std::string Joined(const std::string& folder, const std::string& stem) const {
    std::string out;
    for (const auto& [url, f] : files)
      if (url.rfind(folder + stem, 0) == 0) out += f.bytes;
    return out;
  }
};

