// Talking to a WebDAV server through whatever HTTP the front end has (Qt's
// network access on the desktop, fetch in the page): requests and answers as
// plain values, the faults every answer can mean, and the folder listings
// that PROPFIND returns.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct HttpRequest {
  std::string method;  // GET, PUT, PROPFIND, MKCOL
  std::string url;     // whole, percent-encoded, never with credentials
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
};

// What a line about a request in a log may say: never its headers, so never
// the Authorization one.
std::string DescribeRequest(const HttpRequest& request);

struct HttpResponse {
  enum class Link {
    Answered,     // a whole answer came back, whatever its status
    Unreachable,  // nothing was sent: no network, no such host, refused
    Lost,         // the connection broke after the request began
    Untrusted,    // nothing was sent: the server's certificate is not trusted
  };
  Link link = Link::Answered;
  int status = 0;
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
  // The front end stopped reading past kMaxAnswerBytes.
  bool tooLarge = false;

  // The first header of that name, compared without case; empty when none.
  std::string Header(std::string_view name) const;
};

// More than this is no answer Sonorix asked for: a front end may stop reading there.
inline constexpr size_t kMaxAnswerBytes = 8u << 20;

// Sends one request and calls `done` once with the answer, later, from the
// thread that owns the core (never from inside Send). Redirects are handed
// back, not followed: the core decides which it follows.
class Transport {
 public:
  virtual ~Transport() = default;
  virtual void Send(const HttpRequest& request, std::function<void(HttpResponse)> done) = 0;
};

// Why the class could not be reached or written, for the status line; the
// work stays queued in every case.
enum class ClassFault {
  None,
  Offline,         // no network, or the server does not answer
  Lost,            // the connection broke in the middle of a send
  Unauthorized,    // 401: the account or password is wrong
  Forbidden,       // 403: the server does not let this account write there
  Full,            // 507
  NotFound,        // the class folder is not there
  Redirected,      // sent to another server, which Sonorix refuses
  NotData,         // a web page (a login page) instead of the class's files
  BadListing,      // a folder listing that is no WebDAV XML, or too large
  NoStrongVersion, // the server keeps giving a file no version tag a rewrite can name
  Busy,            // other devices kept changing a file under this one
  ServerFault,     // any other answer
  OutboxUnwritable,  // the data folder would not take the list of what waits
  Untrusted,         // the server's certificate is not trusted
};
// English source text, which each front end's catalogue translates.
const char* ClassFaultMessage(ClassFault fault);
// The same for a reader of the class: it says what the reading met, not
// that work waits.
const char* ClassReadFaultMessage(ClassFault fault);

// The fault an answer means, ClassFault::None for a 2xx. Redirects count as
// faults here: the caller follows those of the same origin.
ClassFault FaultOfResponse(const HttpResponse& response);
// A 2xx answer whose body is a web page: a login page in front of the files.
bool IsWebPage(const HttpResponse& response);

// W/"…": Apache's tag for a file changed within the last second, which no
// If-Match ever matches.
bool IsWeakEtag(std::string_view etag);
// A tag an If-Match can name, and a cache can trust.
inline bool IsStrongEtag(std::string_view etag) { return !etag.empty() && !IsWeakEtag(etag); }

struct DavEntry {
  std::string name;  // decoded, without the folder's path or a final '/'
  bool folder = false;
  std::string etag;  // as the server gave it, quotes included
  int64_t size = -1;
};

struct DavListing {
  ClassFault fault = ClassFault::None;
  std::vector<DavEntry> entries;  // the folder's own entry left out
};

// The body of a PROPFIND (Depth: 1) for the properties a listing reads.
std::string PropfindBody();
// Reads a Depth-1 PROPFIND answer of the folder at `folderPath` (percent-
// encoded, ending in '/'). Bounded: a body past kMaxAnswerBytes or holding
// more than kMaxListingEntries entries, or nested past reason, is BadListing;
// an HTML page is NotData. Entries outside the folder are left out.
inline constexpr size_t kMaxListingEntries = 100000;
DavListing ParseListing(const HttpResponse& response, std::string_view folderPath);

// The ETags of the files seen at the last look, so that a reader fetches only
// what changed. A weak tag is not remembered: the file may still change
// within its second without a new one.
class EtagCache {
 public:
  // The names of files (not folders) that are new or whose tag changed.
  std::vector<std::string> Changed(const DavListing& listing) const;
  // Takes the tag of a file just fetched; forgets names the listing lacks.
  void Seen(const std::string& name, const std::string& etag);
  void Keep(const DavListing& listing);
  // One line per file, "<tag> <name>", for the front end's storage.
  std::string Text() const;
  static EtagCache FromText(std::string_view text);

 private:
  std::map<std::string, std::string> tags_;
};
