#pragma once
// What an output path names on disk, before anything is written.

#include <string>

namespace zerb {

// The path a chain of symbolic links ends at (the path itself when it is
// not a link); the end need not exist. Relative link texts are taken from
// the link's folder.
std::string FinalTarget(const std::string& path);

// The folder part of a path ("." when it has none).
std::string FolderOf(const std::string& path);

// True for a file name whose extension (after the last ".") is "log" or
// "STE", in any case.
bool HasLogOrSiteName(const std::string& path);

// What an existing file at `path` is that no output may replace, or "":
// "log or site file" for a ".log" or ".STE" name (any case, itself or as
// the final target of a symbolic link); "history store (an SQLite
// database)" for a file that starts with SQLite's header, or the -wal, -shm
// or -journal file beside one (existing or not).
std::string ProtectedFileKind(const std::string& path);

}  // namespace zerb
