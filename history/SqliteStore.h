#pragma once
// The history store in one SQLite file (schema in StoreSchema.cpp and the
// README). Every statement is prepared once and binds its values.

#include <memory>
#include <string>

#include "history/Sqlite.h"
#include "history/Store.h"

namespace zerb {

class SqliteStore final : public Store {
 public:
  SqliteStore(const std::string& path, StoreAccess access);
  ~SqliteStore() override;

  ImportOutcome Import(const std::string& logPath, const HistoryLogOptions& options) override;
  std::vector<SiteSummary> Summaries(std::optional<uint16_t> site) override;
  std::unique_ptr<Series> Export(uint16_t site, uint32_t from, uint32_t to) override;
  std::vector<LogSpan> Spans(uint16_t site, uint32_t from, uint32_t to) override;

 private:
  struct Statements;
  bool Known(const std::string& hash);
  bool ImportRows(HistoryLog& log, int64_t import, ImportOutcome& outcome);
  std::vector<SeriesChannel> ColumnsOf(uint16_t site);

  std::string path_;
  std::unique_ptr<SqliteDb> db_;
  std::unique_ptr<Statements> sql_;
};

// Kinds as the store keeps them.
inline int64_t KindCode(ChannelKind kind) { return static_cast<int64_t>(kind); }
ChannelKind KindFromCode(int64_t code);

// Makes a new store's schema, or checks that an existing file is a store
// this program can use. Throws StoreError.
void PrepareStore(SqliteDb& db, const std::string& path, StoreAccess access);

}  // namespace zerb
