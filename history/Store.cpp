#include "history/Store.h"

#include <algorithm>

#include "history/Spans.h"

namespace zerb {

void SummarizeSpans(SiteSummary& summary, const std::vector<LogSpan>& spans) {
  for (const LogSpan& span : spans) {
    summary.first = summary.imports == 0 ? span.first : std::min(summary.first, span.first);
    summary.last = summary.imports == 0 ? span.last : std::max(summary.last, span.last);
    ++summary.imports;
  }
  summary.gaps = FindGaps(spans);
}

}  // namespace zerb
