#include "history/Store.h"

#include <algorithm>

#include "history/Spans.h"
#include "history/SqliteStore.h"
#include "history/postgres/PgAddress.h"
#include "history/postgres/PgStoreOpen.h"

namespace zerb {

std::unique_ptr<Store> OpenStore(const std::string& location, StoreAccess access) {
  const StoreLocation at = LocateStore(location);
  if (at.text.empty()) throw StoreError("no store named: give an SQLite file or a PostgreSQL address");
  if (at.postgres) return OpenPostgresStore(at.text, access);
  return std::make_unique<SqliteStore>(at.text, access);
}

ImportOutcome ImportOneOfMany(Store& store, const std::string& logPath, const HistoryLogOptions& options,
                              const Store::StoredCall& stored) {
  try {
    return store.Import(logPath, options, stored);
  } catch (const StoreLost&) {
    throw;
  } catch (const StoreError& e) {
    ImportOutcome refused;
    refused.reason = e.what();
    return refused;
  }
}

void SummarizeSpans(SiteSummary& summary, const std::vector<LogSpan>& spans) {
  for (const LogSpan& span : spans) {
    summary.first = summary.imports == 0 ? span.first : std::min(summary.first, span.first);
    summary.last = summary.imports == 0 ? span.last : std::max(summary.last, span.last);
    ++summary.imports;
  }
  summary.gaps = FindGaps(spans);
}

}  // namespace zerb
