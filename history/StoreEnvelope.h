#pragma once
// How a store sums up a site's series for a plot (Store::Envelope),
// whatever the engine: the statements and the rules are here, an engine
// only runs the statements.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "history/StoredSite.h"
#include "history/Store.h"

namespace zerb {

// Runs the envelope's statements on one engine.
class EnvelopeQueries {
 public:
  class Row {
   public:
    virtual int64_t Int(int column) const = 0;  // 0 when NULL
    virtual bool IsNull(int column) const = 0;

   protected:
    ~Row() = default;
  };
  virtual ~EnvelopeQueries() = default;
  // Runs `sql`, whose parameters are written @1, @2, ... (each a whole
  // number), calling `row` for each row of the result. Throws StoreError.
  virtual void Run(const std::string& sql, const std::vector<int64_t>& params,
                   const std::function<void(const Row&)>& row) = 0;
};

// Where a site's rows stand, from the spans of all its logs: its gaps, the
// rows without readings that open them (GapBreaks), the least step between
// rows (how long the last row holds), and the row that follows a row.
class SiteGrid {
 public:
  explicit SiteGrid(std::vector<LogSpan> spans);
  const std::vector<Gap>& Gaps() const { return gaps_; }
  const std::vector<int64_t>& Breaks() const { return breaks_; }
  uint32_t Interval() const { return interval_; }
  // The time of the row after `time`: the next time on the grid of a
  // stored log, or a gap's break; a row without one holds for the interval.
  int64_t NextRow(int64_t time) const;

 private:
  std::vector<LogSpan> spans_;
  std::vector<Gap> gaps_;
  std::vector<int64_t> breaks_;
  uint32_t interval_ = 0;
};

// The envelope of the site's readings in [from, to] (the arguments checked
// as Store::Envelope says), from its columns and the spans of all its logs.
SiteEnvelope BuildEnvelope(EnvelopeQueries& queries, const StoredColumns& columns, const std::vector<LogSpan>& spans,
                           uint32_t site, int64_t from, int64_t to, int width);

// Why Store::Envelope refuses the range and width; empty when it takes them.
std::string EnvelopeRangeProblem(int64_t from, int64_t to, int columns);

}  // namespace zerb
