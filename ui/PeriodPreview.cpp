#include "ui/PeriodPreview.h"

#include <cmath>
#include <limits>

#include "summary/Figures.h"

namespace zerb {

PreviewData PeriodPreview(const PreviewData& rows, Period period) {
  PreviewData out;
  out.channels = rows.channels;
  out.error = rows.error;
  out.note = rows.note;
  const std::size_t channels = rows.channels.size();
  out.values.resize(channels), out.lows.resize(channels), out.highs.resize(channels);
  if (rows.Empty()) return out;
  constexpr float None = std::numeric_limits<float>::quiet_NaN();
  std::size_t begin = 0;
  for (int64_t start = PeriodStart(period, rows.times.front()); begin < rows.times.size();) {
    const int64_t next = NextPeriodStart(period, start);
    std::size_t end = begin;
    while (end < rows.times.size() && rows.times[end] < next) ++end;
    out.times.push_back(start);
    for (std::size_t c = 0; c < channels; ++c) {
      const Figures f = FiguresOf(rows.values[c], begin, end, rows.channels[c].digital);
      out.values[c].push_back(f.count ? float(f.Mean()) : None);
      out.lows[c].push_back(f.count ? float(f.low) : None);
      out.highs[c].push_back(f.count ? float(f.high) : None);
    }
    if (out.interval == 0) out.interval = uint32_t(next - start);
    begin = end;
    start = next;
  }
  return out;
}

}  // namespace zerb
