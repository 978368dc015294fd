#pragma once
// The program's own version information: a fixed version number and a table
// of named texts in one language and code page, looked up by name.

#include <string>

namespace zerb {

// The named text of the program's version information, read afresh on every
// call: "FileVersion" gives "1.2.2.0". A name the table lacks, or a table
// without a translation entry, gives empty text.
std::string GetVersionInfo(const std::string& name);

}  // namespace zerb
