#pragma once
// The history store in one SQLite file (schema in StoreSchema.cpp and the
// README). Every statement is prepared once and binds its values.

#include <memory>
#include <string>

#include "history/ReadingJudge.h"
#include "history/Sqlite.h"
#include "history/Store.h"
#include "history/StoredSite.h"

namespace zerb {

class SqliteStore final : public Store {
 public:
  SqliteStore(const std::string& path, StoreAccess access);
  ~SqliteStore() override;

  ImportOutcome Import(const std::string& logPath, const HistoryLogOptions& options) override;
  std::vector<SiteSummary> Summaries(std::optional<uint32_t> site) override;
  std::unique_ptr<Series> Export(uint32_t site, int64_t from, int64_t to) override;
  std::vector<LogSpan> Spans(uint32_t site, int64_t from, int64_t to) override;

 private:
  struct Statements;
  bool Known(const HistoryLog& log);
  std::vector<StoredChannel> SiteChannels(uint32_t site);
  int64_t MeaningId(uint32_t site, const SeriesChannel& channel);
  int64_t AddImport(HistoryLog& log, const std::string& timeBase);
  bool ImportRows(HistoryLog& log, int64_t import, const std::vector<int64_t>& meanings, ImportOutcome& outcome);
  std::map<int64_t, StoredImport> OverlappingLogs(uint32_t site, int64_t self, const LogSpan& span);
  void ApplyConflicts(uint32_t site, const ConflictChanges& changes);
  void RedecodeStored(uint32_t site);

  std::string path_;
  std::unique_ptr<SqliteDb> db_;
  std::unique_ptr<Statements> sql_;
};

// Kinds as the store keeps them.
inline int64_t KindCode(ChannelKind kind) { return static_cast<int64_t>(kind); }
ChannelKind KindFromCode(int64_t code);

// Makes a new store's schema, or checks that an existing file is a store
// this program can use (bringing an older one to this version for Write).
// Throws StoreError.
void PrepareStore(SqliteDb& db, const std::string& path, StoreAccess access);

}  // namespace zerb
