#include "history/postgres/PgConnection.h"

#include <charconv>

#include "history/postgres/PgAddress.h"

namespace zerb {
namespace {

// The first line of a libpq message, without its trailing line break: the
// lines after it are hints ("Is the server running ...?") or statement
// context.
std::string FirstLine(const char* message) {
  std::string_view text = message ? message : "";
  text = text.substr(0, text.find('\n'));
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
  return std::string(text.empty() ? "unknown PostgreSQL error" : text);
}

bool Succeeded(const PGresult* result) {
  const ExecStatusType status = PQresultStatus(result);
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_COPY_IN;
}

// The server's own wording for a failed statement (no "ERROR:" prefix and no
// statement context), else libpq's.
std::string StatementError(const PGresult* result, const std::string& connectionError) {
  const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
  return primary ? FirstLine(primary) : connectionError;
}

}  // namespace

PgResult::PgResult(PGresult* result, std::string error) : result_(result, PQclear), error_(std::move(error)) {}

std::string PgResult::SqlState() const {
  const char* state = result_ ? PQresultErrorField(result_.get(), PG_DIAG_SQLSTATE) : nullptr;
  return state ? state : "";
}

int PgResult::Rows() const { return result_ ? PQntuples(result_.get()) : 0; }

bool PgResult::IsNull(int row, int column) const { return PQgetisnull(result_.get(), row, column) != 0; }

std::string_view PgResult::Text(int row, int column) const {
  return {PQgetvalue(result_.get(), row, column),
          static_cast<size_t>(PQgetlength(result_.get(), row, column))};
}

int64_t PgResult::Integer(int row, int column) const {
  const std::string_view text = Text(row, column);
  int64_t number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

std::unique_ptr<PgConnection> PgConnection::Open(const std::string& address, std::string& error) {
  PGconn* connection = PQconnectdb(address.c_str());
  if (connection && PQstatus(connection) == CONNECTION_OK) {
    return std::unique_ptr<PgConnection>(new PgConnection(connection, address));
  }
  const std::string reason = connection ? FirstLine(PQerrorMessage(connection)) : "out of memory";
  PQfinish(connection);
  error = ScrubbedMessage("cannot connect to the PostgreSQL store " + RedactedAddress(address) + ": " + reason,
                          address);
  return nullptr;
}

PgConnection::PgConnection(PGconn* connection, std::string address)
    : connection_(connection), address_(std::move(address)), redactedAddress_(RedactedAddress(address_)) {
  // Notices (e.g. "relation already exists, skipping") are not for the user.
  PQsetNoticeProcessor(connection_, [](void*, const char*) {}, nullptr);
}

PgConnection::~PgConnection() { PQfinish(connection_); }

std::string PgConnection::LastError() const {
  return ScrubbedMessage(FirstLine(PQerrorMessage(connection_)), address_);
}

PgResult PgConnection::Exec(const std::string& sql, const PgParams& params) {
  std::vector<const char*> values;
  values.reserve(params.size());
  for (const auto& param : params) values.push_back(param ? param->c_str() : nullptr);
  PGresult* result = PQexecParams(connection_, sql.c_str(), static_cast<int>(values.size()), nullptr,
                                  values.data(), nullptr, nullptr, 0);
  if (Succeeded(result)) return PgResult(result, "");
  std::string error = ScrubbedMessage(StatementError(result, LastError()), address_);
  return PgResult(result, std::move(error));
}

PgResult PgConnection::ExecScript(const char* sql) {
  PGresult* result = PQexec(connection_, sql);
  if (Succeeded(result)) return PgResult(result, "");
  std::string error = ScrubbedMessage(StatementError(result, LastError()), address_);
  return PgResult(result, std::move(error));
}

std::string PgConnection::CopyIn(const std::string& sql, std::string_view data) {
  PgResult start = Exec(sql);
  if (!start.Ok()) return start.Error();
  // libpq takes an int length: the data goes in pieces.
  constexpr size_t kPiece = size_t{1} << 20;
  bool sent = true;
  for (size_t at = 0; sent && at < data.size(); at += kPiece) {
    const std::string_view piece = data.substr(at, kPiece);
    sent = PQputCopyData(connection_, piece.data(), static_cast<int>(piece.size())) == 1;
  }
  if (PQputCopyEnd(connection_, sent ? nullptr : "sending the data failed") != 1) return LastError();
  std::string error;
  // The COPY's own result, then nothing (nullptr) once libpq is done.
  while (PGresult* result = PQgetResult(connection_)) {
    if (!Succeeded(result) && error.empty()) error = ScrubbedMessage(StatementError(result, LastError()), address_);
    PQclear(result);
  }
  return error.empty() && !sent ? LastError() : error;
}

bool PgConnection::Lost() const { return PQstatus(connection_) == CONNECTION_BAD; }

int PgConnection::BackendPid() const { return PQbackendPID(connection_); }

}  // namespace zerb
