#include "DisplayProbe.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <netdb.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool ConnectUnix(const std::string& path, bool abstract) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const size_t offset = abstract ? 1 : 0;
  if (path.size() + offset >= sizeof addr.sun_path) return false;
  std::memcpy(addr.sun_path + offset, path.data(), path.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
  const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), length) == 0;
  ::close(fd);
  return ok;
}

bool ConnectTcp(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
  bool ok = false;
  for (addrinfo* a = found; a && !ok; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    ok = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0;
    ::close(fd);
  }
  ::freeaddrinfo(found);
  return ok;
}

// DISPLAY is [host]:number[.screen]; an empty host or "unix" is the local
// socket (the abstract one first, as X clients try it).
bool XDisplayReachable(const std::string& display, std::string& reason) {
  if (display.empty()) {
    reason = "no display (DISPLAY is not set)";
    return false;
  }
  const size_t colon = display.rfind(':');
  const std::string host = colon == std::string::npos ? std::string() : display.substr(0, colon);
  const std::string rest = colon == std::string::npos ? display : display.substr(colon + 1);
  const int number = std::atoi(rest.c_str());
  bool ok = false;
  if (host.empty() || host == "unix") {
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    ok = ConnectUnix(socket, true) || ConnectUnix(socket, false);
  } else {
    ok = ConnectTcp(host, 6000 + number);
  }
  if (!ok) reason = "cannot connect to the X display \"" + display + "\"";
  return ok;
}

bool WaylandReachable(std::string& reason) {
  std::string name = Env("WAYLAND_DISPLAY");
  if (name.empty()) name = "wayland-0";
  std::string path = name;
  if (name.front() != '/') {
    const std::string runtime = Env("XDG_RUNTIME_DIR");
    if (runtime.empty()) {
      reason = "no Wayland display (XDG_RUNTIME_DIR is not set)";
      return false;
    }
    path = runtime + "/" + name;
  }
  if (ConnectUnix(path, false)) return true;
  reason = "cannot connect to the Wayland display \"" + name + "\"";
  return false;
}

std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = std::min(list.find(';', start), list.size());
    if (end > start) parts.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

bool CanOpenWindow(int argc, char** argv, std::string& reason) {
  // The toolkit's own order: -platform, then QT_QPA_PLATFORM, then its
  // default, which puts Wayland before X in a Wayland session.
  std::string platforms = Env("QT_QPA_PLATFORM");
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-platform" || arg == "--platform") platforms = argv[i + 1];
  }
  if (platforms.empty()) {
    platforms = "xcb";
    if (!Env("WAYLAND_DISPLAY").empty() || Env("XDG_SESSION_TYPE") == "wayland") platforms = "wayland;xcb";
  }
  std::string first;
  for (const std::string& entry : Split(platforms)) {
    const std::string plugin = entry.substr(0, entry.find(':'));
    std::string why;
    bool ok = true;
    if (plugin == "xcb") {
      ok = XDisplayReachable(Env("DISPLAY"), why);
    } else if (plugin.rfind("wayland", 0) == 0) {
      ok = WaylandReachable(why);
    }
    // Other platforms (offscreen, vnc, eglfs, ...) need no display server.
    if (ok) return true;
    if (first.empty()) first = why;
  }
  reason = first.empty() ? "no window system to use" : first;
  return false;
}
