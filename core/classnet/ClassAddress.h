// Where a class lives on a WebDAV server, and who is asking: the rules every
// front end follows before a byte is sent. The password travels only in the
// Authorization header, never in an address, and nothing here prints it.
#pragma once

#include <string>
#include <string_view>

struct ClassAddress {
  std::string scheme;  // "https", or "http" for this machine alone
  std::string host;    // lower case; an IPv6 literal without its brackets
  int port = 0;        // the scheme's own when the address names none
  std::string path;    // percent-encoded, starting and ending with '/'
};

enum class AddressFault {
  None,
  NotAnAddress,       // no scheme://host, or a part that cannot be read
  NotHttps,           // http:// to another machine, or another scheme
  CredentialsInside,  // user:password@ or a query, which could carry a token
};

struct AddressCheck {
  AddressFault fault = AddressFault::None;
  ClassAddress address;
};

// The class folder's address as the student typed it ("https://cloud.school/
// remote.php/dav/files/ann/Theory 1"): blanks and other bytes a path may not
// hold are percent-encoded, a final '/' is added.
AddressCheck ParseClassAddress(std::string_view text);
// English source text of the fault, which each front end's catalogue translates.
const char* AddressFaultMessage(AddressFault fault);

// Any address of the server's files (a query allowed): what a request names.
AddressCheck ParseAddress(std::string_view text);

// scheme://host[:port]: what a redirect must keep.
std::string Origin(const ClassAddress& address);
// The whole address of a path on the same server.
std::string AddressOf(const ClassAddress& address, std::string_view path);
std::string FolderAddress(const ClassAddress& address);
// <class>/<account>/, the one folder this account writes.
std::string AccountFolderPath(const ClassAddress& address, std::string_view account);

// An account name the folder can be named after: not empty, no '/', no
// control byte, not "." or "..".
bool IsUsableAccount(std::string_view account);

// One path segment (a file or folder name) percent-encoded, and back.
std::string EncodePathSegment(std::string_view segment);
// Every byte that `kept` refuses as %XX.
std::string PercentEncode(std::string_view bytes, bool (*kept)(unsigned char c));
std::string DecodePercent(std::string_view text);

// A Location header resolved against the address of the request it answers;
// empty when it cannot be read.
AddressCheck ResolveLocation(const ClassAddress& requested, std::string_view location);

struct Credentials {
  std::string account;
  std::string password;
};
// "Basic <base64 of account:password>".
std::string BasicAuthorization(const Credentials& credentials);
