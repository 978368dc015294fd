#pragma once
// Store addresses that name a PostgreSQL database rather than an SQLite
// file, and the same addresses with their passwords taken out, for every
// message, log line and process title. Needs no libpq: a build without it
// still recognises the addresses to refuse them.

#include <string>
#include <string_view>

namespace zerb {

// True for a libpq connection URI (postgresql:// or postgres://) and for a
// key=value connection string that starts with a libpq keyword (host=...,
// dbname=..., service=...). Anything else is an SQLite path.
bool IsPostgresAddress(std::string_view address);

// The address without any password: the ":password" of a URI's user part,
// a password=... URI parameter, a password=... connection-string pair.
// Other text is kept as given.
std::string RedactedAddress(std::string_view address);

// A message (libpq's, say) with every copy of the address replaced by its
// redacted form and every copy of a password in it by "***".
std::string ScrubbedMessage(std::string message, std::string_view address);

// Overwrites, in place, the password characters of every PostgreSQL address
// among the arguments (also the form --db=ADDRESS), so that the process
// title no longer shows them. Call once the arguments have been copied.
void HidePasswordsInArguments(int argc, char** argv);

}  // namespace zerb
