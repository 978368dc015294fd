#pragma once
// The history store in one SQLite file (schema in StoreSchema.cpp and the
// README). Every statement is prepared once and binds its values.

#include <memory>
#include <string>

#include "history/ImportPlan.h"
#include "history/Sqlite.h"
#include "history/Store.h"

namespace zerb {

class SqliteStore final : public Store, private ImportEngine {
 public:
  SqliteStore(const std::string& path, StoreAccess access);
  ~SqliteStore() override;

  ImportOutcome Import(const std::string& logPath, const HistoryLogOptions& options,
                       const StoredCall& stored = {}) override;
  std::vector<SiteSummary> Summaries(std::optional<uint32_t> site) override;
  std::unique_ptr<Series> Export(uint32_t site, int64_t from, int64_t to) override;
  std::vector<LogSpan> Spans(uint32_t site, int64_t from, int64_t to) override;
  std::vector<StoredLog> Logs(uint32_t site, int64_t from, int64_t to) override;
  std::optional<SiteEnvelope> Envelope(uint32_t site, int64_t from, int64_t to, int columns) override;

 private:
  struct Statements;
  // The import plan's steps (SqliteImport.cpp).
  bool Known(const HistoryLog& log) override;
  void Begin(uint32_t site) override;
  void Commit() override;
  std::optional<std::string> StoredTimeBase(uint32_t site) override;
  std::vector<StoredChannel> SiteChannels(uint32_t site) override;
  int64_t AddImport(HistoryLog& log, const std::string& timeBase, std::vector<int64_t>& meanings) override;
  std::map<int64_t, StoredImport> OverlappingLogs(uint32_t site, int64_t self, const LogSpan& span) override;
  std::vector<StoredConflict> ConflictsIn(uint32_t site, const LogSpan& span) override;
  std::vector<Holding> HoldingsIn(uint32_t site, const LogSpan& span) override;
  void ChangeHoldings(uint32_t site, const HoldingChanges& changes) override;
  void DeleteReadings(uint32_t site, const std::vector<Holding>& ranges) override;
  std::vector<StoredReading> Existing(uint32_t site, std::span<const SeriesChannel> channels,
                                      const LogSpan& span) override;
  void PutReading(ReadingJudge::Verdict verdict, uint32_t site, const SeriesChannel& channel, int64_t time,
                  const Reading& reading, int64_t import, int64_t meaning) override;
  void ReadingsDone(uint32_t site, int64_t import) override;
  void ApplyConflicts(uint32_t site, const ConflictChanges& changes) override;
  void SetReadingCount(int64_t import, int64_t readings) override;
  void RedecodeStored(uint32_t site) override;
  void LabelMeanings(uint32_t site) override;
  std::string SiteZone(uint32_t site) override;
  std::vector<std::pair<int64_t, int64_t>> UnplacedImports(uint32_t site) override;
  void PlaceImports(uint32_t site, const std::string& zone,
                    const std::vector<std::pair<int64_t, int32_t>>& offsets) override;
  int64_t MeaningId(uint32_t site, const SeriesChannel& channel);
  // The ranges of time (first, last) in which `import` holds the channel's readings.
  std::vector<std::pair<int64_t, int64_t>> HeldBy(uint32_t site, ChannelId id, int64_t import);

  std::string path_;
  std::unique_ptr<SqliteDb> db_;
  std::unique_ptr<Statements> sql_;
  std::unique_ptr<SqliteTransaction> transaction_;  // of the import under way
};

}  // namespace zerb
