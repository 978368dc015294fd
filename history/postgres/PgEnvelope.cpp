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
    const PgResult result = store_.Read(text, values);
    for (int r = 0; r < result.Rows(); ++r) row(ResultRow(result, r));
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
