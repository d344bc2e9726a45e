#include "ClassAddress.h"

#include <cctype>
#include <cstdint>

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return Lower(c) - 'a' + 10;
}

// Bytes a path keeps as they are (RFC 3986's unreserved and sub-delims, ':',
// '@'); '/' separates segments.
bool KeptInPath(unsigned char c) {
  if (std::isalnum(c)) return true;
  return std::string_view("-._~!$&'()*+,;=:@/").find(static_cast<char>(c)) != std::string_view::npos;
}

// Encodes what a path may not hold; a '%' already followed by two hex
// digits stays, so an address copied from a browser is not encoded twice.
std::string EncodePath(std::string_view path) {
  std::string out;
  size_t done = 0;
  for (size_t i = 0; i + 2 < path.size(); ++i) {
    if (path[i] == '%' && IsHex(path[i + 1]) && IsHex(path[i + 2])) {
      out += PercentEncode(path.substr(done, i - done), KeptInPath) + std::string(path.substr(i, 3));
      done = i + 3;
      i += 2;
    }
  }
  return out + PercentEncode(path.substr(done), KeptInPath);
}

bool KeptInSegment(unsigned char c) {
  return std::isalnum(c) || std::string_view("-._~").find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsLocalHost(const std::string& host) {
  return host == "localhost" || host == "127.0.0.1" || host == "::1";
}

int DefaultPort(const std::string& scheme) { return scheme == "https" ? 443 : 80; }

// scheme://host[:port][/path], no user information; a query only where
// `allowQuery` (a redirect's target, never the class's own address).
AddressCheck ParseAbsolute(std::string_view text, bool allowQuery) {
  AddressCheck check;
  check.fault = AddressFault::NotAnAddress;
  const size_t colon = text.find("://");
  if (colon == std::string_view::npos || colon == 0) return check;
  std::string scheme;
  for (char c : text.substr(0, colon)) {
    if (!std::isalpha(static_cast<unsigned char>(c))) return check;
    scheme += Lower(c);
  }
  std::string_view rest = text.substr(colon + 3);
  const size_t end = rest.find_first_of("/?#");
  const std::string_view authority = rest.substr(0, end);
  std::string_view tail = end == std::string_view::npos ? std::string_view() : rest.substr(end);
  if (authority.find('@') != std::string_view::npos) {
    check.fault = AddressFault::CredentialsInside;
    return check;
  }
  const size_t hash = tail.find('#');
  if (hash != std::string_view::npos) tail = tail.substr(0, hash);
  if (!allowQuery && tail.find('?') != std::string_view::npos) {
    check.fault = AddressFault::CredentialsInside;
    return check;
  }

  ClassAddress& a = check.address;
  a.scheme = scheme;
  std::string_view hostPort = authority;
  std::string_view portText;
  if (!hostPort.empty() && hostPort.front() == '[') {
    const size_t close = hostPort.find(']');
    if (close == std::string_view::npos) return check;
    a.host = std::string(hostPort.substr(1, close - 1));
    const std::string_view after = hostPort.substr(close + 1);
    if (!after.empty()) {
      if (after.front() != ':') return check;
      portText = after.substr(1);
    }
  } else {
    const size_t portColon = hostPort.rfind(':');
    a.host = std::string(hostPort.substr(0, portColon));
    if (portColon != std::string_view::npos) portText = hostPort.substr(portColon + 1);
  }
  if (a.host.empty()) return check;
  for (char& c : a.host) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= ' ' || u >= 0x7f || c == '/' || c == '\\' || c == '%') return check;
    c = Lower(c);
  }
  a.port = DefaultPort(scheme);
  if (!portText.empty()) {
    if (portText.size() > 5) return check;
    int port = 0;
    for (char c : portText) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return check;
      port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535) return check;
    a.port = port;
  }
  a.path = tail.empty() || tail.front() != '/' ? "/" + EncodePath(tail) : EncodePath(tail);
  check.fault = AddressFault::None;
  if (scheme != "https" && !(scheme == "http" && IsLocalHost(a.host))) check.fault = AddressFault::NotHttps;
  return check;
}

}  // namespace

AddressCheck ParseClassAddress(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  AddressCheck check = ParseAbsolute(text, false);
  if (check.fault == AddressFault::None && check.address.path.back() != '/') check.address.path += '/';
  if (check.fault != AddressFault::None) check.address = ClassAddress{};
  return check;
}

AddressCheck ParseAddress(std::string_view text) { return ParseAbsolute(text, true); }

const char* AddressFaultMessage(AddressFault fault) {
  switch (fault) {
    case AddressFault::None: return "";
    case AddressFault::NotAnAddress:
      return "This is not the address of a folder on a server, such as https://cloud.school.example/remote.php/dav/files/ann/Theory 1/.";
    case AddressFault::NotHttps:
      return "The class's address must begin with https://; plain http:// is only allowed for this computer (localhost).";
    case AddressFault::CredentialsInside:
      return "The address may not contain an account, a password or a query; type the account and password in their own fields.";
  }
  return "";
}

std::string Origin(const ClassAddress& a) {
  const bool v6 = a.host.find(':') != std::string::npos;
  std::string origin = a.scheme + "://" + (v6 ? "[" + a.host + "]" : a.host);
  if (a.port != DefaultPort(a.scheme)) origin += ":" + std::to_string(a.port);
  return origin;
}

std::string AddressOf(const ClassAddress& a, std::string_view path) { return Origin(a) + std::string(path); }

std::string FolderAddress(const ClassAddress& a) { return AddressOf(a, a.path); }

std::string AccountFolderPath(const ClassAddress& a, std::string_view account) {
  return a.path + EncodePathSegment(account) + "/";
}

bool IsUsableAccount(std::string_view account) {
  if (account.empty() || account == "." || account == "..") return false;
  for (char c : account) {
    const auto u = static_cast<unsigned char>(c);
    if (u < ' ' || u == 0x7f || c == '/' || c == '\\') return false;
  }
  return true;
}

std::string EncodePathSegment(std::string_view segment) { return PercentEncode(segment, KeptInSegment); }

std::string PercentEncode(std::string_view bytes, bool (*kept)(unsigned char c)) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (kept(c)) {
      out += ch;
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

std::string DecodePercent(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && IsHex(text[i + 1]) && IsHex(text[i + 2])) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

AddressCheck ResolveLocation(const ClassAddress& requested, std::string_view location) {
  while (!location.empty() && std::isspace(static_cast<unsigned char>(location.back()))) location.remove_suffix(1);
  while (!location.empty() && std::isspace(static_cast<unsigned char>(location.front()))) location.remove_prefix(1);
  if (location.find("://") != std::string_view::npos && location.find("://") < location.find('/'))
    return ParseAbsolute(location, true);
  if (location.substr(0, 2) == "//") return ParseAbsolute(requested.scheme + ":" + std::string(location), true);
  std::string path(location);
  if (path.empty() || path.front() != '/') {
    const std::string& base = requested.path;
    path = base.substr(0, base.rfind('/') + 1) + path;
  }
  return ParseAbsolute(Origin(requested) + path, true);
}

std::string BasicAuthorization(const Credentials& credentials) {
  static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  const std::string in = credentials.account + ":" + credentials.password;
  std::string out = "Basic ";
  for (size_t i = 0; i < in.size(); i += 3) {
    uint32_t n = static_cast<uint32_t>(static_cast<unsigned char>(in[i])) << 16;
    if (i + 1 < in.size()) n |= static_cast<uint32_t>(static_cast<unsigned char>(in[i + 1])) << 8;
    if (i + 2 < in.size()) n |= static_cast<uint32_t>(static_cast<unsigned char>(in[i + 2]));
    out += digits[(n >> 18) & 63];
    out += digits[(n >> 12) & 63];
    out += i + 1 < in.size() ? digits[(n >> 6) & 63] : '=';
    out += i + 2 < in.size() ? digits[n & 63] : '=';
  }
  return out;
}
