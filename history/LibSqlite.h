#pragma once
// SQLite, loaded when a store file is first opened rather than when the
// program starts: only the history commands use it, and loading and
// relocating it would cost every conversion about 0.2 ms. The functions
// below have SQLite's own signatures; sqlite3.h still gives the types and
// constants (SQLITE_OK, SQLITE_TRANSIENT, ...).

#include <sqlite3.h>

#include <string>

namespace zerb::sqlite {

// Loads SQLite once (safe from several threads); false, with a sentence in
// `error`, when it can't be. Every other function here needs it loaded.
bool Load(std::string& error);

#define ZERB32_SQLITE_FUNCTIONS(X)                                                                       \
  X(sqlite3_bind_int64) X(sqlite3_bind_null) X(sqlite3_bind_text) X(sqlite3_busy_timeout) X(sqlite3_close) \
  X(sqlite3_column_bytes) X(sqlite3_column_int64) X(sqlite3_column_text) X(sqlite3_column_type)            \
  X(sqlite3_errmsg) X(sqlite3_errstr) X(sqlite3_exec) X(sqlite3_extended_errcode)                          \
  X(sqlite3_extended_result_codes) X(sqlite3_finalize) X(sqlite3_last_insert_rowid) X(sqlite3_open_v2)     \
  X(sqlite3_prepare_v3) X(sqlite3_reset) X(sqlite3_step)

struct Functions {
#define ZERB32_SQLITE_POINTER(name) decltype(&::name) name = nullptr;
  ZERB32_SQLITE_FUNCTIONS(ZERB32_SQLITE_POINTER)
#undef ZERB32_SQLITE_POINTER
};

// The loaded functions (all null before a successful Load).
const Functions& Api();

}  // namespace zerb::sqlite
