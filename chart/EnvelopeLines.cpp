#include "chart/EnvelopeLines.h"

#include <algorithm>

namespace zerb {

namespace {

// A cell's points in time order, each reading once.
void Append(PlotLine& line, const EnvelopeCell& cell) {
  if (cell.count == 0) return;
  EnvelopePoint points[4] = {cell.first, cell.low, cell.high, cell.last};
  std::sort(points, points + 4, [](const EnvelopePoint& a, const EnvelopePoint& b) { return a.time < b.time; });
  const EnvelopePoint* end =
      std::unique(points, points + 4, [](const EnvelopePoint& a, const EnvelopePoint& b) { return a.time == b.time; });
  for (const EnvelopePoint* p = points; p != end; ++p) line.push_back({double(p->time), double(p->value)});
}

}  // namespace

std::vector<PlotLine> EnvelopeLines(const SeriesEnvelope& envelope, std::size_t channel) {
  std::vector<PlotLine> lines;
  if (channel >= envelope.cells.size()) return lines;
  PlotLine line;
  auto close = [&] {
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
  };
  for (const EnvelopeColumn& column : envelope.cells[channel]) {
    Append(line, column.before);
    if (column.broken) close();
    Append(line, column.after);
  }
  close();
  if (envelope.channels[channel].digital)
    for (PlotLine& l : lines) l = AsSteps(l);
  return lines;
}

std::vector<std::pair<double, double>> EnvelopeOnRuns(const SeriesEnvelope& envelope, std::size_t channel,
                                                      double joinWithin) {
  std::vector<std::pair<double, double>> runs;
  if (channel >= envelope.cells.size()) return runs;
  // Stretches within one column always join: only a column's first one can
  // stand apart from the stretch before.
  for (const EnvelopeColumn& column : envelope.cells[channel])
    if (column.on > 0) AddOnRun(runs, double(column.firstOn), double(column.lastOnEnd), joinWithin);
  return runs;
}

}  // namespace zerb
