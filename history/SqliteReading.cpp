#include "history/SqliteReading.h"

#include <sys/stat.h>
#include <unistd.h>

#include "history/StoreSchema.h"

namespace zerb {

namespace {

bool MayWrite(const std::string& path) { return access(path.c_str(), W_OK) == 0; }

bool WriterAtWork(const std::string& path) {
  struct stat wal {};
  return stat((path + "-wal").c_str(), &wal) == 0 && wal.st_size > 0;
}

// A store the user may write, opened as an import opens it; nothing when
// its -wal or -shm file cannot be made (a folder the user may not write).
std::unique_ptr<SqliteDb> OpenWritable(const std::string& path) {
  try {
    auto db = std::make_unique<SqliteDb>(path, SQLITE_OPEN_READWRITE);
    PrepareStore(*db, path, StoreAccess::ReadOnly);
    db->Execute("PRAGMA query_only = 1");
    return db;
  } catch (const SqliteError& e) {
    const int code = e.Code() & 0xff;
    if (code != SQLITE_CANTOPEN && code != SQLITE_READONLY) throw;
    return nullptr;
  }
}

}  // namespace

std::string SqliteUri(const std::string& path, const std::string& query) {
  std::string uri = "file:";
  for (const char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      static constexpr char Hex[] = "0123456789ABCDEF";
      uri += '%';
      uri += Hex[static_cast<unsigned char>(c) >> 4];
      uri += Hex[c & 0xF];
    } else {
      uri += c;
    }
  }
  return uri + "?" + query;
}

std::unique_ptr<SqliteDb> OpenForReading(const std::string& path) {
  if (MayWrite(path)) {
    if (auto db = OpenWritable(path)) return db;
  }
  const std::string uri = SqliteUri(path, WriterAtWork(path) ? "mode=ro" : "immutable=1");
  auto db = std::make_unique<SqliteDb>(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
  PrepareStore(*db, path, StoreAccess::ReadOnly);
  return db;
}

}  // namespace zerb
