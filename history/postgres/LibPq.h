#pragma once
// libpq, loaded when a PostgreSQL store is first opened rather than when the
// program starts: libpq brings some thirty libraries (TLS, Kerberos, LDAP)
// whose loading would cost every conversion several milliseconds. The
// functions below have libpq's own signatures.

#include <libpq-fe.h>

#include <string>

namespace zerb::pq {

// Loads libpq once; false, with a sentence in `error`, when it can't be.
// Every other function here needs it loaded.
bool Load(std::string& error);

#define ZERB32_LIBPQ_FUNCTIONS(X)                                                                      \
  X(PQbackendPID) X(PQclear) X(PQconnectdb) X(PQerrorMessage) X(PQexec) X(PQexecParams) X(PQfinish)     \
  X(PQgetResult) X(PQgetisnull) X(PQgetlength) X(PQgetvalue) X(PQntuples) X(PQputCopyData)              \
  X(PQputCopyEnd) X(PQresultErrorField) X(PQresultStatus) X(PQsetNoticeProcessor) X(PQstatus)

struct Functions {
#define ZERB32_LIBPQ_POINTER(name) decltype(&::name) name = nullptr;
  ZERB32_LIBPQ_FUNCTIONS(ZERB32_LIBPQ_POINTER)
#undef ZERB32_LIBPQ_POINTER
};

// The loaded functions (all null before a successful Load).
const Functions& Api();

}  // namespace zerb::pq
