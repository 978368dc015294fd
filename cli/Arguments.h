#pragma once
// The command line as the program reads it. A PostgreSQL address may carry
// a password, which must neither stay in the process title (ps,
// /proc/PID/cmdline) nor reach a message: main copies the arguments and
// overwrites the passwords in the originals before it does anything else,
// and every message that may quote an argument goes through
// WithoutPasswords.

#include <string>
#include <vector>

namespace zerb {

// Copies argv, then overwrites in place the password of every PostgreSQL
// address among the arguments (also in the form --db=ADDRESS) and notes the
// addresses for WithoutPasswords. Call once, first thing in main, before
// any other thread starts.
std::vector<std::string> TakeArguments(int argc, char** argv);

// The text with every address noted by TakeArguments redacted and every
// copy of one of their passwords replaced by "***".
std::string WithoutPasswords(std::string text);

}  // namespace zerb
