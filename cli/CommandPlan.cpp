#include "cli/CommandPlan.h"

#include "app/Document.h"
#include "app/Paths.h"
#include "app/WrittenTimes.h"

namespace zerb {

namespace {

// The fields of a log's output name; its rows' times only when the pattern
// names them (the log is read for them).
NameFields FieldsOf(const CliOptions& options, const std::string& log, Document& document) {
  NameFields fields;
  const std::optional<SiteFileRef> site =
      options.siteFile.empty() ? SiteFileFor(log) : SiteFileAt(options.siteFile, log);
  if (site) fields.site = site->fileNumber;
  if (!NameUsesRowTimes(options.naming.pattern)) return fields;
  if (document.Open(log).logLoaded) {
    const WrittenTimes times = WrittenTimesOf(document.Log(), options.convert);
    fields.first = times.first, fields.last = times.last;
  }
  document.Reset();
  return fields;
}

}  // namespace

std::vector<PlannedLog> PlanBatch(const CliOptions& options) {
  Document document;
  return PlanBatch(options.logs, [&](const std::string& log) -> std::string {
    if (options.info) return {};
    if (!options.output.empty()) return options.output;
    if (options.naming.folder.empty() && options.naming.pattern.empty()) return OutputPathFor(log, options.extension);
    return NamedOutputPath(log, options.extension, options.naming, FieldsOf(options, log, document));
  });
}

std::string RefusalLine(const std::vector<PlannedLog>& plan, const PlannedLog& entry) {
  const PlannedLog& other = plan[entry.other];
  if (entry.action == PlanAction::HitsALog)
    return "zerb32-cli: " + entry.log + ": refused: its output " + entry.output + " is the log " + other.log +
           " of this call\n";
  return "zerb32-cli: " + entry.log + ": refused: its output " + entry.output + " is also the output of " +
         other.log + "\n";
}

}  // namespace zerb
