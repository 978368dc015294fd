#pragma once
// The history store in a PostgreSQL database, for many machines feeding and
// reading one store (schema in PgSchema.cpp and the README). Same rules as
// the SQLite store; every value is bound, readings arrive through COPY.

#include <map>
#include <memory>
#include <string>

#include "history/ImportPlan.h"
#include "history/Store.h"
#include "history/postgres/PgConnection.h"

namespace zerb {

class PgStore final : public Store, private ImportEngine {
 public:
  // Connects and checks (or, for Write, creates) the store. Throws
  // StoreError with one line that holds no password.
  PgStore(const std::string& address, StoreAccess access);
  ~PgStore() override;

  ImportOutcome Import(const std::string& logPath, const HistoryLogOptions& options,
                       const StoredCall& stored = {}) override;
  std::vector<SiteSummary> Summaries(std::optional<uint32_t> site) override;
  std::unique_ptr<Series> Export(uint32_t site, int64_t from, int64_t to) override;
  std::vector<LogSpan> Spans(uint32_t site, int64_t from, int64_t to) override;
  std::vector<StoredLog> Logs(uint32_t site, int64_t from, int64_t to) override;
  std::optional<StoredPeriods> FoldPeriods(uint32_t site, int64_t from, int64_t to, const PeriodQuery& query) override;
  std::optional<SiteEnvelope> Envelope(uint32_t site, int64_t from, int64_t to, int columns) override;

  PgConnection& Connection() { return *connection_; }
  // Runs a statement that reads; throws StoreError when it fails.
  PgResult Read(const std::string& sql, const PgParams& params) { return Run(sql, params, "read"); }

 private:
  // The import plan's steps.
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
  // The store's meaning of each channel, added where it is new.
  std::vector<int64_t> MeaningIds(uint32_t site, std::span<const SeriesChannel> channels);
  // Runs COPY `sql` with `data` (then emptied); throws StoreError when it fails.
  void CopyIn(const char* sql, std::string& data);
  // Runs a statement of the store; throws StoreError when it fails (`doing`
  // says what for: "write", "read").
  PgResult Run(const std::string& sql, const PgParams& params, const char* doing);

  std::unique_ptr<PgConnection> connection_;
  // The import under way.
  struct ImportState {
    bool begun = false;       // BEGIN was sent
    bool open = false;        // and the transaction is open
    bool committing = false;  // COMMIT was sent
    std::string fresh;        // the readings new to the store, for COPY
    std::string replaced;     // the readings over stored ones, for COPY
  } import_;
  PgParams siteRow_;  // the log's row of sites: number, name, newest time
};

}  // namespace zerb
