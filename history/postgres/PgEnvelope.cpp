// A site's envelope summed up by the PostgreSQL server, in one read-only
// snapshot.

#include "history/StoreEnvelope.h"
#include "history/postgres/PgStatements.h"
#include "history/postgres/PgStore.h"

namespace zerb {

namespace {

class PgEnvelopeQueries final : public EnvelopeQueries {
 public:
  explicit PgEnvelopeQueries(PgStore& store) : store_(store) {}
  void Run(const std::string& sql, const std::vector<int64_t>& params,
           const std::function<void(const Row&)>& row) override {
    std::string text = sql;
    for (char& c : text)
      if (c == '@') c = '$';
    PgParams values;
    for (int64_t p : params) values.push_back(std::to_string(p));
    // Through a cursor, in batches: a year's readings read back whole would
    // be held as text several times their size.
    store_.Read("DECLARE zerb32_envelope NO SCROLL CURSOR FOR " + text, values);
    for (;;) {
      const PgResult batch = store_.Read("FETCH 50000 FROM zerb32_envelope", {});
      if (batch.Rows() == 0) break;
      for (int r = 0; r < batch.Rows(); ++r) row(ResultRow(batch, r));
    }
    store_.Read("CLOSE zerb32_envelope", {});
  }

 private:
  class ResultRow final : public Row {
   public:
    ResultRow(const PgResult& result, int row) : result_(result), row_(row) {}
    int64_t Int(int column) const override { return result_.Integer(row_, column); }
    bool IsNull(int column) const override { return result_.IsNull(row_, column); }

   private:
    const PgResult& result_;
    int row_;
  };
  PgStore& store_;
};

}  // namespace

std::optional<SiteEnvelope> PgStore::Envelope(uint32_t site, int64_t from, int64_t to, int columns) {
  if (const std::string problem = EnvelopeRangeProblem(from, to, columns); !problem.empty()) throw StoreError(problem);
  Run("BEGIN READ ONLY ISOLATION LEVEL REPEATABLE READ", {}, "read");
  try {
    // Every row a cursor of the envelope yields is read: plan for all of
    // them, not for the first few.
    Run("SET LOCAL cursor_tuple_fraction = 1", {}, "read");
    std::optional<SiteEnvelope> envelope;
    if (Run(pg::kSiteKnown, {std::to_string(site)}, "read").Rows() > 0) {
      PgEnvelopeQueries queries(*this);
      envelope = BuildEnvelope(queries, ColumnsOfSite(SiteChannels(site)), Spans(site, INT64_MIN, INT64_MAX), site,
                               from, to, columns);
    }
    Run("COMMIT", {}, "read");
    return envelope;
  } catch (const StoreError&) {
    if (!connection_->Lost()) connection_->Exec("ROLLBACK");
    throw;
  }
}

}  // namespace zerb
