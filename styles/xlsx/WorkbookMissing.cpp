// Builds without libxlsxwriter (the Windows build): the xlsx style is
// refused before anything is written; a caller that gets here anyway is
// told so.

#include "styles/Workbook.h"

namespace zerb {

TableResult WriteWorkbook(Series&, const TableSettings&, const WorkbookNotes&, OutputSink&) {
  TableResult result;
  result.status = -1;
  result.error = "xlsx workbooks are not available in this build";
  return result;
}

TableResult WriteSummaryWorkbook(Series& series, const TableSettings& settings, const SummaryRequest&,
                                 const WorkbookNotes& notes, OutputSink& out, const FoldedSummary*) {
  return WriteWorkbook(series, settings, notes, out);
}

}  // namespace zerb
