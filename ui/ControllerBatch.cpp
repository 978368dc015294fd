// Several logs dropped at once: converted one after another, each with its
// own document, so the log open in the window stays as it is.

#include "app/BatchPlan.h"
#include "app/CountedWords.h"
#include "app/Paths.h"
#include "app/SiteWarning.h"
#include "ui/Controller.h"

namespace zerb {

namespace {

std::string NameOf(const std::string& path) { return std::string(FileNamePart(path)); }

// The result line of a log the plan does not convert.
std::string NotConvertedLine(const std::vector<PlannedLog>& plan, const PlannedLog& entry) {
  const std::string name = NameOf(entry.log);
  const std::string other = NameOf(plan[entry.other].log);
  switch (entry.action) {
    case PlanAction::Repeat: return name + ": the same file as " + other + ", converted once";
    case PlanAction::HitsALog: return name + ": refused, its output " + entry.output + " is the dropped log " + other;
    default: return name + ": refused, its output " + entry.output + " is also the output of " + other;
  }
}

}  // namespace

void ZerbController::DropFiles(const std::vector<std::string>& paths) {
  if (Busy || paths.empty()) return;
  if (paths.size() == 1) {
    LogOpen = OpenLog(paths.front());
    return;
  }
  const std::optional<ConvertOptions> options = ReadOptions();
  if (!options) return;
  const std::string extension = window_.Text(Control::editExt);
  const std::vector<PlannedLog> plan =
      PlanBatch(paths, [&extension](const std::string& log) { return OutputPathFor(log, extension); });

  std::vector<std::string> lines;
  int converted = 0;
  BeginRun(0);
  for (const PlannedLog& entry : plan) {
    if (AbortRequested) {
      lines.push_back(NameOf(entry.log) + ": not converted, the batch was aborted");
    } else if (entry.action != PlanAction::Convert) {
      lines.push_back(NotConvertedLine(plan, entry));
    } else {
      const std::vector<std::string> result = ConvertDropped(entry.log, entry.output, *options);
      lines.insert(lines.end(), result.begin(), result.end());
      converted += result.front().find(": wrote ") != std::string::npos;
    }
  }
  SetStatus(AbortRequested ? "Aborted" : "Done");
  window_.ShowRunOutcome("Converted " + std::to_string(converted) + " of " + Counted(paths.size(), "log"),
                         {});
  window_.ShowBatchResults(lines);
  EndRun();
}

std::vector<std::string> ZerbController::ConvertDropped(const std::string& path, const std::string& outputPath,
                                                        const ConvertOptions& options) {
  const std::string name = NameOf(path);
  Document doc;
  const OpenedLog& opened = doc.Open(path);
  if (!opened.logOpened) return {name + ": failed, " + opened.error};
  runShown_ = false;
  runEntries_ = doc.Log().GetEntryCount();
  const RunResult result = ConvertToFile(doc.Log(), path, outputPath, options, &ConversionProgress, &ConversionPass);
  std::vector<std::string> lines;
  if (result.status == RunStatus::Done || result.status == RunStatus::Aborted) {
    lines.push_back(name + ": wrote " + Counted(RowsWritten(doc.Log(), result, options), "row") + " to " +
                    outputPath + (result.status == RunStatus::Aborted ? " (aborted)" : ""));
  } else {
    lines.push_back(name + ": failed, " + result.error);
  }
  if (const std::string warning = SiteWarning(opened); !warning.empty()) lines.push_back(name + ": " + warning);
  return lines;
}

}  // namespace zerb
