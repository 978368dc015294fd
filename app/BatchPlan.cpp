#include "app/BatchPlan.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <optional>

#include "app/OutputFile.h"
#include "system/FilePath.h"

namespace zerb {

namespace {

// The path with "." and ".." folded and every link that exists followed.
std::string ResolvedPath(const std::string& path) {
  std::error_code ec;
  const auto resolved = std::filesystem::weakly_canonical(std::filesystem::absolute(PathFromText(path), ec), ec);
  return ec ? path : TextFromPath(resolved);
}

// What tells existing files apart whatever the path says: device and inode
// number where there are such; elsewhere the resolved path. Nothing when
// the file cannot be found.
std::optional<std::string> IdOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
#ifdef _WIN32
  return ResolvedPath(path);
#else
  return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
#endif
}

}  // namespace

std::vector<PlannedLog> PlanBatch(const std::vector<std::string>& logs, const OutputOfLog& outputOf) {
  std::vector<PlannedLog> plan;
  std::vector<std::optional<std::string>> ids;
  std::map<std::string, std::size_t> files;  // each log file, by its first mention
  for (const std::string& log : logs) {
    plan.push_back({log, outputOf(log)});
    ids.push_back(IdOf(log));
    if (!ids.back()) continue;
    const auto [first, isNew] = files.emplace(*ids.back(), plan.size() - 1);
    if (!isNew) plan.back().action = PlanAction::Repeat, plan.back().other = first->second;
  }
  std::map<std::string, std::size_t> outputs;  // resolved output path, by the log that writes it
  for (std::size_t i = 0; i < plan.size(); ++i) {
    PlannedLog& entry = plan[i];
    if (entry.action != PlanAction::Convert || !ids[i] || entry.output.empty() || IsStandardOutputPath(entry.output)) continue;
    if (const auto outputId = IdOf(entry.output)) {
      const auto hit = files.find(*outputId);
      if (hit != files.end() && hit->second != i) {
        entry.action = PlanAction::HitsALog, entry.other = hit->second;
        continue;
      }
    }
    const auto [first, isNew] = outputs.emplace(ResolvedPath(entry.output), i);
    if (!isNew) entry.action = PlanAction::Collides, entry.other = first->second;
  }
  return plan;
}

}  // namespace zerb
