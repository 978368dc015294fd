#pragma once
// Store addresses that name a PostgreSQL database rather than an SQLite
// file, and the same addresses with their passwords taken out, for every
// message, log line and process title. Needs no libpq: a build without it
// still recognises the addresses to refuse them.

#include <string>
#include <string_view>
#include <vector>

namespace zerb {

// True for a libpq connection URI (postgresql:// or postgres://) and for a
// text that starts as a libpq connection string does, with a keyword = value
// pair (host=..., dbname=..., any word before the "="). Anything else is an
// SQLite path.
bool IsPostgresAddress(std::string_view address);

// Where a --db text points: "sqlite:NAME" is the SQLite file NAME (for a
// file name that would read as an address); a PostgreSQL address as above;
// anything else the SQLite file of that name.
struct StoreLocation {
  bool postgres = false;
  std::string text;  // the address, or the SQLite file's path
};
StoreLocation LocateStore(std::string_view text);

// The address without any secret: the ":password" of a URI's user part, a
// password=... or sslpassword=... URI parameter (the name also
// percent-encoded), a password=... or sslpassword=... connection-string
// pair. Other text is kept as given.
std::string RedactedAddress(std::string_view address);

// The secrets of the address, each as written and as libpq reads it
// (percent-decoded in a URI, unescaped in a connection string).
std::vector<std::string> PasswordsIn(std::string_view address);

// A message (libpq's, say) with every copy of the address replaced by its
// redacted form and every copy of a secret in it (either form) by "***".
std::string ScrubbedMessage(std::string message, std::string_view address);

// Overwrites, in place, the password characters of every PostgreSQL address
// among the arguments (also the form --db=ADDRESS), so that the process
// title no longer shows them. Call once the arguments have been copied.
void HidePasswordsInArguments(int argc, char** argv);

}  // namespace zerb
