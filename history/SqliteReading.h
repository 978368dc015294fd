#pragma once
// An SQLite store opened to be read, for `export` and `history`: it works
// for a user who may only read the store and its folder, and leaves no -wal
// or -shm file behind (a store in WAL mode needs them while it is read, and
// a read-only connection does not remove them when it closes).
//
// - A store the user may write is opened for writing but set to query only
//   (PRAGMA query_only): its last connection to close removes the -wal and
//   -shm files, as an import's does.
// - A store the user may only read is opened read-only where a -wal file
//   with content shows a writer at work (SQLite then reads through the
//   writer's -wal and -shm); else as immutable, which makes no file and
//   takes no lock: it is read as the file it is at that moment.

#include <memory>
#include <string>

#include "history/Sqlite.h"

namespace zerb {

// The opened store, its schema checked (PrepareStore). Throws SqliteError
// or StoreError.
std::unique_ptr<SqliteDb> OpenForReading(const std::string& path);

// "file:" and the path as an SQLite URI names it ('%', '?' and '#' encoded),
// then "?" and the query.
std::string SqliteUri(const std::string& path, const std::string& query);

}  // namespace zerb
