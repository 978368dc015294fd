#include "cli/Batch.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/Document.h"
#include "cli/Arguments.h"
#include "cli/CommandPlan.h"
#include "cli/ConsoleText.h"
#include "cli/ConvertJob.h"
#include "cli/OrderedJobs.h"
#include "cli/ProgressLine.h"
#include "system/FilePath.h"

namespace zerb {

int RunBatch(const CliOptions& options) {
  if (options.makeFolder) {
    std::error_code ec;
    std::filesystem::create_directories(PathFromText(options.naming.folder), ec);
    if (ec) {
      std::fprintf(stderr, "zerb32-cli: cannot make %s: %s\n", options.naming.folder.c_str(), ec.message().c_str());
      return 1;
    }
  }
  const std::vector<PlannedLog> plan = PlanBatch(options);
  // --info prints as it goes, so its logs take their turns on this thread.
  const std::size_t jobs = options.info ? 1 : std::max(options.jobs, 1u);
  const std::size_t workers = std::min(jobs, plan.size());
  std::vector<std::unique_ptr<Document>> documents;
  for (std::size_t w = 0; w < workers; ++w) documents.push_back(std::make_unique<Document>());

  Document checked;
  if (const std::string line = DegreeDayUsageLine(options, plan, checked); !line.empty()) {
    WriteText(stderr, WithoutPasswords(line));
    return 2;
  }
  bool allOk = true;
  ProgressLine progress(plan.size(), !options.info && ProgressWanted(options.quiet, options.noProgress));
  JobHooks hooks;
  hooks.run = [&](std::size_t index, std::size_t worker) {
    return RunPlannedLog(options, plan, index, *documents[worker]);
  };
  hooks.take = [&](JobReport&& report) {
    progress.Erase();
    WriteText(stdout, WithoutPasswords(std::move(report.out)));
    WriteText(stderr, WithoutPasswords(std::move(report.err)));
    allOk = allOk && report.ok;
    progress.Step(report.rows);
  };
  RunInOrder(plan.size(), workers, hooks);
  return allOk ? 0 : 1;
}

}  // namespace zerb
