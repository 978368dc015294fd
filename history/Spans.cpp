#include "history/Spans.h"

#include <algorithm>

#include "app/CountedWords.h"
#include "styles/ZoneClock.h"

namespace zerb {

bool Overlaps(const LogSpan& a, const LogSpan& b) { return a.first <= b.last && b.first <= a.last; }

std::optional<int32_t> GridShift(const LogSpan& newer, const LogSpan& older) {
  const int64_t apart = newer.first - older.first;
  const int64_t interval = older.interval;
  if (newer.interval == older.interval) {
    if (interval == 0 ? apart == 0 : apart % interval == 0) return std::nullopt;
  }
  if (interval == 0) return static_cast<int32_t>(apart);
  int64_t shift = ((apart % interval) + interval) % interval;
  if (shift > interval / 2) shift -= interval;
  return static_cast<int32_t>(shift);
}

std::vector<Gap> FindGaps(std::vector<LogSpan> spans) {
  std::sort(spans.begin(), spans.end(), [](const LogSpan& a, const LogSpan& b) { return a.first < b.first; });
  std::vector<Gap> gaps;
  bool started = false;
  int64_t covered = 0;  // the last row time covered so far
  for (const LogSpan& span : spans) {
    if (started && span.first > covered && span.first - covered > span.interval)
      gaps.push_back({covered, span.first, span.interval});
    covered = started ? std::max(covered, span.last) : span.last;
    started = true;
  }
  return gaps;
}

std::vector<LogSpan> ClipSpans(const std::vector<LogSpan>& spans, int64_t from, int64_t to) {
  std::vector<LogSpan> clipped;
  for (LogSpan span : spans) {
    if (span.last < from || span.first > to) continue;
    if (span.first < from && span.interval > 0)
      span.first += (from - span.first + span.interval - 1) / span.interval * span.interval;
    if (span.last > to && span.interval > 0) span.last -= (span.last - to + span.interval - 1) / span.interval * span.interval;
    if (span.first <= span.last) clipped.push_back(span);
  }
  return clipped;
}

std::vector<int64_t> FillTimes(const Gap& gap) {
  std::vector<int64_t> times;
  if (gap.interval == 0) return times;
  for (int64_t t = gap.before; t - gap.after > gap.interval; ) {
    t -= gap.interval;
    times.push_back(t);
  }
  std::reverse(times.begin(), times.end());
  return times;
}

std::vector<int64_t> GapBreaks(const std::vector<Gap>& gaps) {
  std::vector<int64_t> breaks;
  for (const Gap& gap : gaps) breaks.push_back(gap.after + gap.interval);
  return breaks;
}

std::vector<std::pair<int64_t, int64_t>> GapStretches(const std::vector<Gap>& gaps) {
  std::vector<std::pair<int64_t, int64_t>> stretches;
  for (const Gap& gap : gaps) stretches.push_back({gap.after, gap.before});
  return stretches;
}

uint64_t MissingRows(const Gap& gap) {
  if (gap.interval == 0 || gap.before <= gap.after) return 0;
  return static_cast<uint64_t>(gap.before - gap.after - 1) / gap.interval;
}

std::string GapText(const Gap& gap) {
  return "after " + IsoText(gap.after) + " until " + IsoText(gap.before) + " (" + Counted(MissingRows(gap), "row") +
         " missing)";
}

}  // namespace zerb
