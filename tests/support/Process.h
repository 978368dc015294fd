#pragma once
// Runs a program of the build as a separate process, for tests of command
// lines: exit code and everything it printed.

#include <sys/types.h>

#include <string>
#include <vector>

namespace zerb::test {

struct ProcessResult {
  int exitCode = -1;  // -1 when it did not exit normally
  int signal = 0;     // the signal that ended it, if one did
  bool timedOut = false;  // still running at the time limit: killed
  std::string out;
  std::string err;
};

// Runs `program` with `args` (no shell), standard input empty. With a time
// limit (seconds), a program still running then is killed.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         double timeLimit = 0);

// A program running beside the test, its standard output going to
// `outFd` (-1: nowhere), killed at the end of the scope if still running.
// Starts program with args and its output thrown away; the caller waits for
// the returned child.
pid_t SpawnQuiet(const std::string& program, const std::vector<std::string>& args);

class BackgroundProcess {
 public:
  BackgroundProcess(const std::string& program, const std::vector<std::string>& args, int outFd = -1);
  ~BackgroundProcess();
  BackgroundProcess(const BackgroundProcess&) = delete;
  BackgroundProcess& operator=(const BackgroundProcess&) = delete;
  void Signal(int signal) const;
  pid_t Pid() const { return pid_; }
  // Waits up to `seconds` for the end; false when it is still running.
  bool EndsWithin(double seconds, ProcessResult& result);

 private:
  int pid_ = -1;
};

// A path in the build tree (CTest sets ZERB32_BINARY_DIR) or the source tree
// (ZERB32_SOURCE_DIR).
std::string BuildPath(const std::string& relative);
std::string SourcePath(const std::string& relative);

}  // namespace zerb::test
