#pragma once
// Import, whatever the engine: the steps that make one log part of a
// store's history, in their order. A store gives the steps that read and
// write its engine (ImportEngine); ImportLog runs the plan over them.
//
// The plan: a log already stored is skipped (asked again inside the
// transaction, for an import that stored it meanwhile); a site keeps one
// clock; the log is decoded with the store's descriptions where its own
// site file falls short; then its rows are judged against the stored logs
// it overlaps (ReadingJudge): an outranked log's readings in the span go,
// every reading goes in where the store has none at its time or the log
// ranks highest, and a differing raw count is a conflict. A reading the
// store holds already, the same in every column, is not written again: the
// log takes it over in the holdings. A log with a
// complete site file decodes again the stored logs its descriptions now
// apply to.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "history/HistoryLog.h"
#include "history/Holdings.h"
#include "history/ReadingJudge.h"
#include "history/Store.h"
#include "history/StoredSite.h"

namespace zerb {

// What one import asks of a store's engine. Every function throws the
// engine's error when the engine fails; the store turns it into StoreError.
class ImportEngine {
 public:
  virtual ~ImportEngine() = default;

  virtual bool Known(const HistoryLog& log) = 0;
  // Starts the log's transaction (and whatever keeps other importers of
  // the site out); Commit ends it. A transaction not committed when the
  // import returns or throws is rolled back by the engine.
  virtual void Begin(uint32_t site) = 0;
  virtual void Commit() = 0;
  // The clock ("PC", "LAN") the site's stored logs are on; nothing for a
  // site not stored yet.
  virtual std::optional<std::string> StoredTimeBase(uint32_t site) = 0;
  virtual std::vector<StoredChannel> SiteChannels(uint32_t site) = 0;
  // The log's rows of sites, imports and channels; its import id, and the
  // store's meaning id of each of its channels in `meanings`.
  virtual int64_t AddImport(HistoryLog& log, const std::string& timeBase, std::vector<int64_t>& meanings) = 0;
  // The other stored logs of the site whose spans meet `span`.
  virtual std::map<int64_t, StoredImport> OverlappingLogs(uint32_t site, int64_t self, const LogSpan& span) = 0;
  virtual std::vector<StoredConflict> ConflictsIn(uint32_t site, const LogSpan& span) = 0;
  // The site's holdings (history/Holdings.h) that meet the span.
  virtual std::vector<Holding> HoldingsIn(uint32_t site, const LogSpan& span) = 0;
  virtual void ChangeHoldings(uint32_t site, const HoldingChanges& changes) = 0;
  // Removes the readings of the site within the ranges.
  virtual void DeleteReadings(uint32_t site, const std::vector<Holding>& ranges) = 0;
  // The stored readings of the channels in the span, each with the import
  // that wrote it as `import` (the plan finds the holder).
  virtual std::vector<StoredReading> Existing(uint32_t site, std::span<const SeriesChannel> channels,
                                              const LogSpan& span) = 0;
  // A reading of the log that goes in (new, or other than the stored one),
  // then, once the rows are walked, ReadingsDone.
  virtual void PutReading(ReadingJudge::Verdict verdict, uint32_t site, const SeriesChannel& channel, int64_t time,
                          const Reading& reading, int64_t import, int64_t meaning) = 0;
  virtual void ReadingsDone(uint32_t site, int64_t import) = 0;
  virtual void ApplyConflicts(uint32_t site, const ConflictChanges& changes) = 0;
  virtual void SetReadingCount(int64_t import, int64_t readings) = 0;
  // Decodes again the stored logs of the site whose channels the site's
  // complete descriptions describe otherwise now.
  virtual void RedecodeStored(uint32_t site) = 0;
  // Writes the labels of the site's meanings again (MeaningLabelsFill): a
  // log may bring a new meaning or a newer name.
  virtual void LabelMeanings(uint32_t site) = 0;
  // The zone recorded for the site ("" for none, or a site not stored).
  virtual std::string SiteZone(uint32_t site) = 0;
  // The imports of the site without a UTC offset: (id, last row time).
  virtual std::vector<std::pair<int64_t, int64_t>> UnplacedImports(uint32_t site) = 0;
  // Records the site's zone and the UTC offset (seconds) of each import.
  virtual void PlaceImports(uint32_t site, const std::string& zone,
                            const std::vector<std::pair<int64_t, int32_t>>& offsets) = 0;
};

// Imports one log through the engine: the outcome of Store::Import, which
// `stored` is given too, under HoldOffEnding, once the log is committed.
ImportOutcome ImportLog(ImportEngine& engine, const std::string& logPath, const HistoryLogOptions& options,
                        const Store::StoredCall& stored);

// Channel kinds as stores keep them (0 sensor, 1 output, 2 ASM).
inline int64_t KindCode(ChannelKind kind) { return static_cast<int64_t>(kind); }
ChannelKind KindFromCode(int64_t code);

}  // namespace zerb
