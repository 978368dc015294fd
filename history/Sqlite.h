#pragma once
// Thin owners of an SQLite connection and its prepared statements. Values
// only ever reach SQL through Bind: no text is pasted into a statement.

#include "history/LibSqlite.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zerb {

// An SQLite call that failed: the message names what was being done and
// carries SQLite's own words and result code.
class SqliteError : public std::runtime_error {
 public:
  SqliteError(const std::string& message, int code) : std::runtime_error(message), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

class SqliteDb {
 public:
  // Opens with sqlite3_open_v2 flags (SQLITE_OPEN_READONLY, ...); throws
  // SqliteError when the file cannot be opened or SQLite itself cannot be
  // loaded (LibSqlite.h). A connection serves one thread at a time: it
  // takes no lock of its own on every call (SQLITE_OPEN_NOMUTEX).
  SqliteDb(const std::string& path, int flags);
  SqliteDb(const SqliteDb&) = delete;
  SqliteDb& operator=(const SqliteDb&) = delete;
  ~SqliteDb();

  sqlite3* Handle() const { return db_; }
  // Runs statements without values (schema, pragmas, BEGIN/COMMIT).
  void Execute(const char* sql);
  // The connection's last error, and the same thrown.
  SqliteError LastError() const;
  [[noreturn]] void Fail() const;
  int64_t LastInsertId() const { return sqlite::Api().sqlite3_last_insert_rowid(db_); }

 private:
  sqlite3* db_ = nullptr;
};

class SqliteStatement {
 public:
  SqliteStatement(const SqliteDb& db, const char* sql);
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;
  ~SqliteStatement();

  // Binds by 1-based index; chains. A bind fails only for an index the
  // statement lacks (statements and their indices are fixed in the code)
  // or a text past SQLite's limit of a billion bytes (those bound are
  // names and paths): a branch no test can take.
  SqliteStatement& Bind(int index, int64_t value);
  SqliteStatement& Bind(int index, std::string_view text);
  SqliteStatement& BindNull(int index);
  // Steps once: true when a row is there to read, false when done. A
  // failure throws, with the statement reset for its next use.
  bool Step();
  // Steps a statement that returns no rows, then resets it for reuse.
  void Run();
  // Ready to run again; every value is bound anew before each run.
  void Reset();

  int64_t Int(int column) const { return sqlite::Api().sqlite3_column_int64(stmt_, column); }
  bool IsNull(int column) const { return sqlite::Api().sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
  std::string Text(int column) const;

 private:
  const SqliteDb& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// Runs BEGIN IMMEDIATE (the write lock up front, so two writers wait for
// each other within the busy timeout instead of failing on the upgrade);
// rolls back unless Commit() ran.
class SqliteTransaction {
 public:
  explicit SqliteTransaction(SqliteDb& db);
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;
  ~SqliteTransaction();
  void Commit();

 private:
  SqliteDb& db_;
  bool done_ = false;
};

}  // namespace zerb
