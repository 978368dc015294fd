#include "history/Sqlite.h"

namespace zerb {

SqliteDb::SqliteDb(const std::string& path, int flags) {
  std::string unloaded;
  if (!sqlite::Load(unloaded)) throw SqliteError(unloaded, SQLITE_CANTOPEN);
  const int rc = sqlite::Api().sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    const std::string reason = db_ ? sqlite::Api().sqlite3_errmsg(db_) : sqlite::Api().sqlite3_errstr(rc);
    sqlite::Api().sqlite3_close(db_);
    db_ = nullptr;
    throw SqliteError("cannot open " + path + ": " + reason, rc);
  }
  sqlite::Api().sqlite3_extended_result_codes(db_, 1);
}

SqliteDb::~SqliteDb() { sqlite::Api().sqlite3_close(db_); }

void SqliteDb::Execute(const char* sql) {
  if (sqlite::Api().sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
}

SqliteError SqliteDb::LastError() const {
  return SqliteError(sqlite::Api().sqlite3_errmsg(db_), sqlite::Api().sqlite3_extended_errcode(db_));
}

void SqliteDb::Fail() const { throw LastError(); }

SqliteStatement::SqliteStatement(const SqliteDb& db, const char* sql) : db_(db) {
  const int rc = sqlite::Api().sqlite3_prepare_v3(db.Handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
  if (rc != SQLITE_OK) db.Fail();
}

SqliteStatement::~SqliteStatement() { sqlite::Api().sqlite3_finalize(stmt_); }

SqliteStatement& SqliteStatement::Bind(int index, int64_t value) {
  if (sqlite::Api().sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) db_.Fail();  // GCOVR_EXCL_BR_LINE: Sqlite.h
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
  const int rc = sqlite::Api().sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                                                 SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) db_.Fail();  // GCOVR_EXCL_BR_LINE: Sqlite.h
  return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index) {
  if (sqlite::Api().sqlite3_bind_null(stmt_, index) != SQLITE_OK) db_.Fail();  // GCOVR_EXCL_BR_LINE: Sqlite.h
  return *this;
}

bool SqliteStatement::Step() {
  const int rc = sqlite::Api().sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  // Reset, so that the statement takes new values and runs again (for the
  // next log of a batch); the reset must not replace the error read here.
  const SqliteError error = db_.LastError();
  Reset();
  throw error;
}

void SqliteStatement::Run() {
  while (Step()) {
  }
  Reset();
}

void SqliteStatement::Reset() { sqlite::Api().sqlite3_reset(stmt_); }

std::string SqliteStatement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite::Api().sqlite3_column_text(stmt_, column));
  if (!text) return {};
  return std::string(text, static_cast<std::size_t>(sqlite::Api().sqlite3_column_bytes(stmt_, column)));
}

SqliteTransaction::SqliteTransaction(SqliteDb& db) : db_(db) { db_.Execute("BEGIN IMMEDIATE"); }

SqliteTransaction::~SqliteTransaction() {
  if (!done_) sqlite::Api().sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::Commit() {
  db_.Execute("COMMIT");
  done_ = true;
}

}  // namespace zerb
