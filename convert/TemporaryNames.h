#pragma once
// The names of the temporary output files that exist right now, kept where
// a signal handler can remove them.

#include <string>

namespace zerb {

// Notes `path`; returns a slot for Forget, or -1 when all slots are taken
// (the file is then only removed by its owner).
int RememberTemporaryName(const std::string& path);
// Forgets the name in `slot` (-1: nothing).
void ForgetTemporaryName(int slot);

}  // namespace zerb

namespace zerb {

// Tests only: make temporary files under a name even where the file system
// offers unnamed ones, to check the named path.
void UseNamedTemporaryFilesOnly(bool named);
bool NamedTemporaryFilesOnly();

}  // namespace zerb
