// A site's envelope read from SQLite, in one read transaction.

#include "history/SqliteStatements.h"
#include "history/SqliteStore.h"
#include "history/StoreEnvelope.h"

namespace zerb {

namespace {

class SqliteEnvelopeQueries final : public EnvelopeQueries {
 public:
  explicit SqliteEnvelopeQueries(const SqliteDb& db) : db_(db) {}
  void Run(const std::string& sql, const std::vector<int64_t>& params,
           const std::function<void(const Row&)>& row) override {
    std::string text = sql;
    for (char& c : text)
      if (c == '@') c = '?';
    SqliteStatement statement(db_, text.c_str());
    for (std::size_t i = 0; i < params.size(); ++i) statement.Bind(static_cast<int>(i + 1), params[i]);
    const StatementRow current(statement);
    while (statement.Step()) row(current);
  }

 private:
  class StatementRow final : public Row {
   public:
    explicit StatementRow(const SqliteStatement& s) : s_(s) {}
    int64_t Int(int column) const override { return s_.Int(column); }
    bool IsNull(int column) const override { return s_.IsNull(column); }

   private:
    const SqliteStatement& s_;
  };
  const SqliteDb& db_;
};

// A read transaction, so that every statement sees one state of the store;
// ended however the reading ends.
class ReadTransaction {
 public:
  explicit ReadTransaction(SqliteDb& db) : db_(db) { db_.Execute("BEGIN"); }
  ~ReadTransaction() {
    try {
      db_.Execute("COMMIT");
    } catch (const SqliteError&) {
    }
  }
  ReadTransaction(const ReadTransaction&) = delete;
  ReadTransaction& operator=(const ReadTransaction&) = delete;

 private:
  SqliteDb& db_;
};

}  // namespace

std::optional<SiteEnvelope> SqliteStore::Envelope(uint32_t site, int64_t from, int64_t to, int columns) {
  if (const std::string problem = EnvelopeRangeProblem(from, to, columns); !problem.empty()) throw StoreError(problem);
  try {
    ReadTransaction transaction(*db_);
    SqliteStatement& sites = sql_->sites;
    sites.Bind(1, site);
    const bool known = sites.Step();
    sites.Reset();
    if (!known) return std::nullopt;
    SqliteEnvelopeQueries queries(*db_);
    return BuildEnvelope(queries, ColumnsOfSite(SiteChannels(site)), Spans(site, INT64_MIN, INT64_MAX), site, from,
                         to, columns);
  } catch (const SqliteError& e) {
    throw StoreError("cannot read the store " + path_ + ": " + e.what());
  }
}

}  // namespace zerb
