#include "cli/SiteWarningLines.h"

#include "app/SiteWarning.h"

namespace zerb {

std::string SiteWarningLine(const std::string& logPath, const OpenedLog& opened) {
  const std::string warning = SiteWarning(opened);
  return warning.empty() ? warning : "zerb32-cli: warning: " + logPath + ": " + warning + "\n";
}

std::string SiteRequiredLine(const std::string& logPath, const OpenedLog& opened) {
  const std::string shortfall = SiteShortfall(opened);
  if (shortfall.empty()) return shortfall;
  return "zerb32-cli: " + logPath + ": " + shortfall + "; nothing written (--require-site)\n";
}

}  // namespace zerb
