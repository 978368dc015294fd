#include "history/postgres/PgConnection.h"

#include <charconv>

#include "history/postgres/PgAddress.h"
#include "history/postgres/LibPq.h"

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
  const ExecStatusType status = pq::Api().PQresultStatus(result);
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_COPY_IN;
}

// The server's own wording for a failed statement (no "ERROR:" prefix and no
// statement context), else libpq's.
std::string StatementError(const PGresult* result, const std::string& connectionError) {
  const char* primary = result ? pq::Api().PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
  return primary ? FirstLine(primary) : connectionError;
}

}  // namespace

PgResult::PgResult(PGresult* result, std::string error) : result_(result, pq::Api().PQclear), error_(std::move(error)) {}

std::string PgResult::SqlState() const {
  const char* state = result_ ? pq::Api().PQresultErrorField(result_.get(), PG_DIAG_SQLSTATE) : nullptr;
  return state ? state : "";
}

int PgResult::Rows() const { return result_ ? pq::Api().PQntuples(result_.get()) : 0; }

bool PgResult::IsNull(int row, int column) const { return pq::Api().PQgetisnull(result_.get(), row, column) != 0; }

std::string_view PgResult::Text(int row, int column) const {
  return {pq::Api().PQgetvalue(result_.get(), row, column),
          static_cast<size_t>(pq::Api().PQgetlength(result_.get(), row, column))};
}

int64_t PgResult::Integer(int row, int column) const {
  const std::string_view text = Text(row, column);
  int64_t number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

std::unique_ptr<PgConnection> PgConnection::Open(const std::string& address, std::string& error) {
  if (!pq::Load(error)) return nullptr;
  PGconn* connection = pq::Api().PQconnectdb(address.c_str());
  if (connection && pq::Api().PQstatus(connection) == CONNECTION_OK) {
    return std::unique_ptr<PgConnection>(new PgConnection(connection, address));
  }
  const std::string reason = connection ? FirstLine(pq::Api().PQerrorMessage(connection)) : "out of memory";
  pq::Api().PQfinish(connection);
  error = ScrubbedMessage("cannot connect to the PostgreSQL store " + RedactedAddress(address) + ": " + reason,
                          address);
  return nullptr;
}

PgConnection::PgConnection(PGconn* connection, std::string address)
    : connection_(connection), address_(std::move(address)), redactedAddress_(RedactedAddress(address_)) {
  // Notices (e.g. "relation already exists, skipping") are not for the user.
  pq::Api().PQsetNoticeProcessor(connection_, [](void*, const char*) {}, nullptr);
}

PgConnection::~PgConnection() { pq::Api().PQfinish(connection_); }

std::string PgConnection::LastError() const {
  return ScrubbedMessage(FirstLine(pq::Api().PQerrorMessage(connection_)), address_);
}

PgResult PgConnection::Exec(const std::string& sql, const PgParams& params) {
  std::vector<const char*> values;
  values.reserve(params.size());
  for (const auto& param : params) values.push_back(param ? param->c_str() : nullptr);
  PGresult* result = pq::Api().PQexecParams(connection_, sql.c_str(), static_cast<int>(values.size()), nullptr,
                                  values.data(), nullptr, nullptr, 0);
  if (Succeeded(result)) return PgResult(result, "");
  std::string error = ScrubbedMessage(StatementError(result, LastError()), address_);
  return PgResult(result, std::move(error));
}

PgResult PgConnection::ExecScript(const char* sql) {
  PGresult* result = pq::Api().PQexec(connection_, sql);
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
    sent = pq::Api().PQputCopyData(connection_, piece.data(), static_cast<int>(piece.size())) == 1;
  }
  if (pq::Api().PQputCopyEnd(connection_, sent ? nullptr : "sending the data failed") != 1) return LastError();
  std::string error;
  // The COPY's own result, then nothing (nullptr) once libpq is done.
  while (PGresult* result = pq::Api().PQgetResult(connection_)) {
    if (!Succeeded(result) && error.empty()) error = ScrubbedMessage(StatementError(result, LastError()), address_);
    pq::Api().PQclear(result);
  }
  return error.empty() && !sent ? LastError() : error;
}

bool PgConnection::Lost() const { return pq::Api().PQstatus(connection_) == CONNECTION_BAD; }

int PgConnection::BackendPid() const { return pq::Api().PQbackendPID(connection_); }

}  // namespace zerb
