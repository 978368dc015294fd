#include "app/SiteWarning.h"

#include "app/Document.h"

namespace zerb {

namespace {

enum class SiteProblem { None, NoNumber, NotFound, Damaged, Unreadable };

struct ProblemText {
  const char* cause;        // "SITE" stands for the site file's path
  const char* consequence;  // of converting anyway
};

// Indexed by SiteProblem.
constexpr ProblemText Texts[] = {
    {"", ""},
    {"the file name gives no site number", "no site file is read"},
    {"site file SITE not found", "channels keep default names and types"},
    {"site file SITE is incomplete or damaged", "channels it lacks keep default names and types"},
    {"", "channels keep default names and types"},  // the cause is the reason it could not be read
};

SiteProblem ProblemOf(const OpenedLog& opened) {
  if (!opened.site) return SiteProblem::NoNumber;
  if (!opened.siteError.empty()) return SiteProblem::Unreadable;
  if (!opened.siteFound) return SiteProblem::NotFound;
  return opened.siteLoaded ? SiteProblem::None : SiteProblem::Damaged;
}

std::string CauseOf(SiteProblem problem, const OpenedLog& opened) {
  if (problem == SiteProblem::Unreadable) return opened.siteError;
  std::string cause = Texts[static_cast<int>(problem)].cause;
  if (const auto at = cause.find("SITE"); at != std::string::npos) cause.replace(at, 4, opened.site->path);
  return cause;
}

}  // namespace

std::string SiteShortfall(const OpenedLog& opened) {
  const SiteProblem problem = ProblemOf(opened);
  return problem == SiteProblem::None ? std::string() : CauseOf(problem, opened);
}

std::string SiteWarning(const OpenedLog& opened) {
  const SiteProblem problem = ProblemOf(opened);
  if (problem == SiteProblem::None) return {};
  return CauseOf(problem, opened) + "; " + Texts[static_cast<int>(problem)].consequence;
}

}  // namespace zerb
