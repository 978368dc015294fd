#pragma once
// A libpq connection and its results, owned (RAII), with every failure as
// one line of text that never holds a password. Statements take their
// values as bound text parameters; readings arrive in bulk through COPY.

#include <libpq-fe.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerb {

// Values bound to $1, $2, ... as text; nullopt binds NULL.
using PgParams = std::vector<std::optional<std::string>>;

// The rows of one statement, or why it failed.
class PgResult {
 public:
  PgResult(PGresult* result, std::string error);
  bool Ok() const { return error_.empty(); }
  // One line; empty when the statement succeeded.
  const std::string& Error() const { return error_; }
  // The five-character SQLSTATE of a failure ("40001", "57P01"), or "".
  std::string SqlState() const;

  int Rows() const;
  bool IsNull(int row, int column) const;
  std::string_view Text(int row, int column) const;
  // The field as a whole number; 0 when NULL.
  int64_t Integer(int row, int column) const;

 private:
  std::unique_ptr<PGresult, void (*)(PGresult*)> result_;
  std::string error_;
};

class PgConnection {
 public:
  // Connects to a libpq URI or key=value string; libpq's environment
  // (PGPASSWORD, PGSERVICE, ...) and password file apply. On failure returns
  // nullptr and sets `error` to one line naming the address without its
  // password.
  static std::unique_ptr<PgConnection> Open(const std::string& address, std::string& error);

  PgConnection(const PgConnection&) = delete;
  PgConnection& operator=(const PgConnection&) = delete;
  ~PgConnection();

  // Runs one statement with `params` bound to $1, $2, ...
  PgResult Exec(const std::string& sql, const PgParams& params = {});
  // Runs fixed SQL text of several statements (a schema); it binds nothing,
  // so it never takes values.
  PgResult ExecScript(const char* sql);
  // Runs COPY ... FROM STDIN (`sql`) with `data` in COPY's text format.
  // Returns an empty string on success, else the reason in one line.
  std::string CopyIn(const std::string& sql, std::string_view data);

  // True once the server is gone (dropped connection, server shut down).
  bool Lost() const;
  // The server's backend process id (to end it in tests, or in logs).
  int BackendPid() const;
  // The address as given, with any password removed.
  const std::string& Address() const { return redactedAddress_; }

 private:
  PgConnection(PGconn* connection, std::string address);
  // libpq's last error message of this connection, scrubbed, on one line.
  std::string LastError() const;

  PGconn* connection_;
  std::string address_;
  std::string redactedAddress_;
};

}  // namespace zerb
