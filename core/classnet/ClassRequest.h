// One request to the class's server with the account's password: redirects
// within the server followed, one to another origin handed back (and so
// refused), so that the password never reaches another server.
#pragma once

#include <functional>
#include <memory>

#include "ClassAddress.h"
#include "WebDav.h"

struct ClassConnection {
  ClassAddress address;
  Credentials credentials;  // the account is the student's name in the class
};

// `done` is not called once `alive` is gone or false: its owner has ended.
void SendToClass(Transport& transport, const ClassConnection& connection, HttpRequest request,
                 std::function<void(HttpResponse)> done, std::weak_ptr<bool> alive);
