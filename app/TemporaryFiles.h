#pragma once
// The named temporary files beside an output (POSIX): ".zerb" and six
// characters of [a-z0-9]. Each is locked (flock) by the run that made it for
// as long as that run holds it, so one that nobody has locked was left by a
// run that was killed (SIGKILL, a power cut) before it could remove it.

#include <string>
#include <string_view>

namespace zerb {

// A fresh name of our pattern in `folder`.
std::string ShortTemporaryName(const std::string& folder);

// True for a file name (no folder) of our pattern.
bool IsTemporaryName(std::string_view name);

// Locks the file just made at `path` (empty for an unnamed file) and open on
// `fd` as in use. False when a sweep of another run took the file in the
// moment before the lock (it holds it, or the name no longer leads to it):
// the caller then tries another name.
bool LockAsInUse(int fd, const std::string& path);

// Removes the stale temporary files in `folder`: regular files of our exact
// name pattern, owned by this user, that no process holds locked. Each
// folder is swept once per process; files that cannot be examined stay.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace zerb
