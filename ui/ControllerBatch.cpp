// Several logs dropped at once: converted one after another, each with its
// own document, so the log open in the window stays as it is.

#include "convert/OutputCollisions.h"
#include "convert/Paths.h"
#include "ui/Controller.h"

namespace zerb {

namespace {

std::string NameOf(const std::string& path) { return std::string(FileNamePart(path)); }

// What the log's site file gave, when it gave less than a whole site.
std::string SiteWarning(const OpenedLog& opened) {
  if (!opened.site) return "no site number in the file name; channels have default devices";
  if (!opened.siteLoaded) return "site file " + opened.site->path + " not loaded; channels have default devices";
  return {};
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
  std::vector<std::string> outputs;
  for (const std::string& path : paths) outputs.push_back(OutputPathFor(path, extension));
  const std::vector<bool> colliding = CollidingOutputs(outputs);

  std::vector<std::string> lines;
  int converted = 0;
  BeginRun(0);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const std::string name = NameOf(paths[i]);
    if (AbortRequested) {
      lines.push_back(name + ": not converted, the batch was aborted");
    } else if (colliding[i]) {
      lines.push_back(name + ": refused, another dropped log has the same output " + outputs[i]);
    } else {
      const std::vector<std::string> result = ConvertDropped(paths[i], outputs[i], *options);
      lines.insert(lines.end(), result.begin(), result.end());
      converted += result.front().find(": wrote ") != std::string::npos;
    }
  }
  SetStatus(AbortRequested ? "Aborted" : "Done");
  window_.ShowRunOutcome("Converted " + std::to_string(converted) + " of " + std::to_string(paths.size()) + " logs",
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
    lines.push_back(name + ": wrote " + std::to_string(RowsWritten(doc.Log(), result, options)) + " rows to " +
                    outputPath + (result.status == RunStatus::Aborted ? " (aborted)" : ""));
  } else {
    lines.push_back(name + ": failed, " + result.error);
  }
  if (const std::string warning = SiteWarning(opened); !warning.empty()) lines.push_back(name + ": " + warning);
  return lines;
}

}  // namespace zerb
