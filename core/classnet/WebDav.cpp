#include "WebDav.h"

#include <cctype>
#include <cstdint>

#include "ClassAddress.h"

namespace {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// XML character data with its five entities and character references; false
// on an entity no XML document may hold.
bool AppendText(std::string& out, std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    const size_t semi = text.find(';', i);
    if (semi == std::string_view::npos || semi - i > 12) return false;
    const std::string_view name = text.substr(i + 1, semi - i - 1);
    if (name == "amp") out += '&';
    else if (name == "lt") out += '<';
    else if (name == "gt") out += '>';
    else if (name == "quot") out += '"';
    else if (name == "apos") out += '\'';
    else if (name.size() > 1 && name[0] == '#') {
      const bool hex = name[1] == 'x' || name[1] == 'X';
      uint32_t c = 0;
      const std::string_view digits = name.substr(hex ? 2 : 1);
      if (digits.empty()) return false;
      for (char d : digits) {
        if (hex ? !std::isxdigit(static_cast<unsigned char>(d)) : !std::isdigit(static_cast<unsigned char>(d))) return false;
        const uint32_t v = std::isdigit(static_cast<unsigned char>(d)) ? static_cast<uint32_t>(d - '0')
                                                                       : static_cast<uint32_t>(std::tolower(d) - 'a' + 10);
        c = c * (hex ? 16 : 10) + v;
        if (c > 0x10FFFF) return false;
      }
      AppendUtf8(out, c);
    } else {
      return false;
    }
    i = semi;
  }
  return true;
}

// The element's name without its namespace prefix: servers pick their own
// prefixes (D:, d:, lp1:) for DAV:.
std::string_view LocalName(std::string_view tag) {
  const size_t end = tag.find_first_of(" \t\r\n/>");
  tag = tag.substr(0, end);
  const size_t colon = tag.find(':');
  return colon == std::string_view::npos ? tag : tag.substr(colon + 1);
}

// The path of an href: an absolute one's origin dropped, decoded.
std::string HrefPath(std::string_view href) {
  href = Trimmed(href);
  const size_t scheme = href.find("://");
  if (scheme != std::string_view::npos && scheme < href.find('/')) {
    const size_t slash = href.find('/', scheme + 3);
    href = slash == std::string_view::npos ? std::string_view("/") : href.substr(slash);
  }
  return DecodePercent(href);
}

}  // namespace

std::string DescribeRequest(const HttpRequest& request) { return request.method + " " + request.url; }

std::string HttpResponse::Header(std::string_view name) const {
  for (const auto& [key, value] : headers)
    if (SameText(key, name)) return value;
  return {};
}

const char* ClassFaultMessage(ClassFault fault) {
  switch (fault) {
    case ClassFault::None: return "Saved to the class.";
    case ClassFault::Offline: return "The class's server cannot be reached; the work waits for the network.";
    case ClassFault::Lost: return "The connection to the class's server broke during a send; it will be sent again.";
    case ClassFault::Unauthorized: return "The class's server did not accept the account or the password.";
    case ClassFault::Forbidden: return "The class's server does not let this account write there.";
    case ClassFault::Full: return "The class's server is full; the work waits until it has room.";
    case ClassFault::NotFound: return "The class's folder is not on the server; check the address.";
    case ClassFault::Redirected: return "The class's server sent Sonorix to another server, which it refuses.";
    case ClassFault::NotData: return "The class's server answered with a web page (a login page?) instead of the class's files.";
    case ClassFault::BadListing: return "The class's server sent an answer Sonorix cannot read: no WebDAV folder listing, or far too large.";
    case ClassFault::NoStrongVersion: return "The class's server gives a file no version Sonorix can safely replace; it will try again.";
    case ClassFault::Busy: return "Other devices kept changing the class's file; it will be tried again.";
    case ClassFault::ServerFault: return "The class's server had a fault; the work will be sent again.";
    case ClassFault::OutboxUnwritable: return "Sonorix could not write the list of work waiting for the class in the data folder.";
    case ClassFault::Untrusted: return "The class's server has a certificate this computer does not trust; nothing is sent to it.";
  }
  return "";
}

const char* ClassReadFaultMessage(ClassFault fault) {
  switch (fault) {
    case ClassFault::Offline: return "The class's server cannot be reached.";
    case ClassFault::Lost: return "The connection to the class's server broke while the class was read.";
    case ClassFault::Forbidden: return "The class's server does not let this account read the whole class.";
    default: return ClassFaultMessage(fault);
  }
}

bool IsWebPage(const HttpResponse& response) {
  const std::string type = response.Header("Content-Type");
  if (StartsWithText(Trimmed(type), "text/html") || StartsWithText(Trimmed(type), "application/xhtml")) return true;
  const std::string_view body = Trimmed(response.body);
  return StartsWithText(body, "<!doctype html") || StartsWithText(body, "<html");
}

ClassFault FaultOfResponse(const HttpResponse& r) {
  if (r.link == HttpResponse::Link::Unreachable) return ClassFault::Offline;
  if (r.link == HttpResponse::Link::Lost) return ClassFault::Lost;
  if (r.link == HttpResponse::Link::Untrusted) return ClassFault::Untrusted;
  if (r.tooLarge) return ClassFault::BadListing;
  if (r.status >= 200 && r.status < 300) {
    // Apache's 201 says "Created" in HTML; a 200 page is something in front of the files.
    return r.status == 200 && IsWebPage(r) ? ClassFault::NotData : ClassFault::None;
  }
  if (r.status >= 300 && r.status < 400) return ClassFault::Redirected;
  switch (r.status) {
    case 401: return ClassFault::Unauthorized;
    case 403: return ClassFault::Forbidden;
    case 404:
    case 409: return ClassFault::NotFound;
    case 412: return ClassFault::Busy;
    case 507: return ClassFault::Full;
    default: return ClassFault::ServerFault;
  }
}

bool IsWeakEtag(std::string_view etag) { return StartsWithText(Trimmed(etag), "W/"); }

std::string PropfindBody() {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
         "<D:propfind xmlns:D=\"DAV:\"><D:prop>"
         "<D:resourcetype/><D:getetag/><D:getcontentlength/>"
         "</D:prop></D:propfind>\r\n";
}

DavListing ParseListing(const HttpResponse& response, std::string_view folderPath) {
  DavListing listing;
  listing.fault = FaultOfResponse(response);
  if (listing.fault != ClassFault::None) return listing;
  const std::string_view body = response.body;
  if (body.size() > kMaxAnswerBytes) {
    listing.fault = ClassFault::BadListing;
    return listing;
  }
  const std::string_view start = Trimmed(body);
  if (IsWebPage(response) && !StartsWithText(start, "<?xml")) {
    listing.fault = ClassFault::NotData;
    return listing;
  }
  if (response.status != 207) {
    listing.fault = ClassFault::BadListing;
    return listing;
  }

  std::string folder = DecodePercent(folderPath);
  if (folder.empty() || folder.back() != '/') folder += '/';

  // A response under construction.
  struct Pending {
    std::string href;
    DavEntry entry;
    bool folderType = false;
    std::string etag, size, status;
    bool haveProps = false;
  } pending;
  std::vector<std::string> stack;
  std::string text;  // character data of the innermost element
  bool sawRoot = false;
  auto fail = [&listing](ClassFault f) {
    listing.entries.clear();
    listing.fault = f;
    return listing;
  };

  size_t i = 0;
  while (i < body.size()) {
    const size_t lt = body.find('<', i);
    const std::string_view chars = body.substr(i, lt == std::string_view::npos ? std::string_view::npos : lt - i);
    if (stack.empty()) {
      if (!Trimmed(chars).empty() && chars != "\xEF\xBB\xBF") return fail(ClassFault::BadListing);
    } else if (!AppendText(text, chars)) {
      return fail(ClassFault::BadListing);
    }
    if (lt == std::string_view::npos) break;
    const std::string_view rest = body.substr(lt);
    auto skipTo = [&](std::string_view close) {
      const size_t end = body.find(close, lt);
      if (end == std::string_view::npos) return false;
      i = end + close.size();
      return true;
    };
    if (rest.substr(0, 4) == "<!--") {
      if (!skipTo("-->")) return fail(ClassFault::BadListing);
      continue;
    }
    if (rest.substr(0, 9) == "<![CDATA[") {
      const size_t end = body.find("]]>", lt);
      if (end == std::string_view::npos || stack.empty()) return fail(ClassFault::BadListing);
      text.append(body.substr(lt + 9, end - lt - 9));
      i = end + 3;
      continue;
    }
    if (rest.substr(0, 2) == "<?") {
      if (!skipTo("?>")) return fail(ClassFault::BadListing);
      continue;
    }
    if (rest.substr(0, 2) == "<!") {
      if (StartsWithText(rest, "<!doctype html")) return fail(ClassFault::NotData);
      // A DTD could define entities that grow without bound: none is read.
      return fail(ClassFault::BadListing);
    }
    const size_t gt = body.find('>', lt);
    if (gt == std::string_view::npos) return fail(ClassFault::BadListing);
    i = gt + 1;
    const std::string_view tag = body.substr(lt + 1, gt - lt - 1);
    if (tag.empty()) return fail(ClassFault::BadListing);
    if (tag.front() == '/') {
      const std::string name(LocalName(tag.substr(1)));
      if (stack.empty() || stack.back() != name) return fail(ClassFault::BadListing);
      stack.pop_back();
      if (name == "href" && !stack.empty() && stack.back() == "response") pending.href = text;
      else if (name == "getetag") pending.etag = std::string(Trimmed(text));
      else if (name == "getcontentlength") pending.size = std::string(Trimmed(text));
      else if (name == "status" && !stack.empty() && stack.back() == "propstat") pending.status = text;
      else if (name == "propstat") {
        // Only the properties the server found (200) describe the file.
        if (pending.status.find(" 200") != std::string::npos) {
          pending.haveProps = true;
          if (!pending.etag.empty()) pending.entry.etag = pending.etag;
          if (!pending.size.empty()) {
            int64_t n = 0;
            bool ok = pending.size.size() < 19;
            for (char c : pending.size) ok = ok && std::isdigit(static_cast<unsigned char>(c));
            if (ok) {
              for (char c : pending.size) n = n * 10 + (c - '0');
              pending.entry.size = n;
            }
          }
          pending.entry.folder = pending.entry.folder || pending.folderType;
        }
        pending.etag.clear();
        pending.size.clear();
        pending.status.clear();
        pending.folderType = false;
      } else if (name == "response") {
        const std::string path = HrefPath(pending.href);
        std::string name2 = path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0
                                ? path.substr(folder.size())
                                : std::string();
        if (!name2.empty() && name2.back() == '/') {
          name2.pop_back();
          pending.entry.folder = true;
        }
        if (!name2.empty() && name2.find('/') == std::string::npos && (pending.haveProps || pending.entry.folder)) {
          pending.entry.name = name2;
          if (listing.entries.size() >= kMaxListingEntries) return fail(ClassFault::BadListing);
          listing.entries.push_back(std::move(pending.entry));
        }
        pending = Pending{};
      }
      text.clear();
      continue;
    }
    const bool selfClosing = tag.back() == '/';
    const std::string name(LocalName(tag));
    if (name.empty()) return fail(ClassFault::BadListing);
    if (stack.empty()) {
      if (sawRoot) return fail(ClassFault::BadListing);
      sawRoot = true;
      if (SameText(name, "html")) return fail(ClassFault::NotData);
      if (name != "multistatus") return fail(ClassFault::BadListing);
    }
    if (name == "collection" && !stack.empty() && stack.back() == "resourcetype") pending.folderType = true;
    if (selfClosing) continue;
    if (stack.size() >= 32) return fail(ClassFault::BadListing);
    stack.push_back(name);
    text.clear();
  }
  if (!sawRoot || !stack.empty()) return fail(ClassFault::BadListing);
  return listing;
}

std::vector<std::string> EtagCache::Changed(const DavListing& listing) const {
  std::vector<std::string> changed;
  for (const DavEntry& e : listing.entries) {
    if (e.folder) continue;
    const auto it = tags_.find(e.name);
    if (it == tags_.end() || it->second != e.etag || e.etag.empty()) changed.push_back(e.name);
  }
  return changed;
}

void EtagCache::Seen(const std::string& name, const std::string& etag) {
  if (etag.empty() || IsWeakEtag(etag)) tags_.erase(name);
  else tags_[name] = etag;
}

void EtagCache::Keep(const DavListing& listing) {
  std::map<std::string, std::string> kept;
  for (const DavEntry& e : listing.entries) {
    const auto it = tags_.find(e.name);
    if (!e.folder && it != tags_.end()) kept.insert(*it);
  }
  tags_ = std::move(kept);
}

std::string EtagCache::Text() const {
  std::string out;
  for (const auto& [name, tag] : tags_) out += EncodePathSegment(name) + " " + tag + "\r\n";
  return out;
}

EtagCache EtagCache::FromText(std::string_view text) {
  EtagCache cache;
  while (!text.empty()) {
    const size_t eol = text.find('\n');
    std::string_view line = Trimmed(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    const size_t space = line.find(' ');
    if (space == std::string_view::npos || space == 0) continue;
    const std::string tag(Trimmed(line.substr(space + 1)));
    if (!tag.empty()) cache.Seen(DecodePercent(line.substr(0, space)), tag);
  }
  return cache;
}
