#include "support/Process.h"

#include "support/Files.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zerb::test {

namespace {

std::string EnvOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value ? value : fallback;
}

// In a coverage build a child run as another user can't update the
// build's counter files, and the profiling runtime says so on standard
// error: those lines are not the program's.
std::string WithoutProfilingLines(const std::string& err) {
#ifdef ZERB32_COVERAGE
  std::istringstream lines(err);
  std::string kept, line;
  while (std::getline(lines, line))
    if (line.rfind("profiling:", 0) != 0) kept += line + "\n";
  return kept;
#else
  return err;
#endif
}

// Starts `program` with standard input empty and the given outputs (-1:
// /dev/null).
pid_t Start(const std::string& program, const std::vector<std::string>& args, int out, int err) {
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = open("/dev/null", O_RDWR);
    if (in < 0) _exit(127);
    dup2(in, 0), dup2(out >= 0 ? out : in, 1), dup2(err >= 0 ? err : in, 2);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  return pid;
}

// Polls for the end of `pid` up to `seconds` (0: waits for ever).
bool Reap(pid_t pid, double seconds, ProcessResult& result) {
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (waitpid(pid, &status, seconds > 0 ? WNOHANG : 0) == 0) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return true;
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args, double timeLimit) {
  TempDir capture;
  const std::string outPath = capture.File("out"), errPath = capture.File("err");
  const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const pid_t pid = Start(program, args, out, err);
  close(out), close(err);
  ProcessResult result;
  if (!Reap(pid, timeLimit, result)) {
    result.timedOut = true;
    kill(pid, SIGKILL);
    Reap(pid, 0, result);
  }
  result.out = ReadFile(outPath);
  result.err = WithoutProfilingLines(ReadFile(errPath));
  return result;
}

BackgroundProcess::BackgroundProcess(const std::string& program, const std::vector<std::string>& args, int outFd)
    : pid_(Start(program, args, outFd, -1)) {}

BackgroundProcess::~BackgroundProcess() {
  if (pid_ < 0) return;
  kill(pid_, SIGKILL);
  ProcessResult ignored;
  Reap(pid_, 0, ignored);
}

void BackgroundProcess::Signal(int signal) const {
  if (pid_ >= 0) kill(pid_, signal);
}

bool BackgroundProcess::EndsWithin(double seconds, ProcessResult& result) {
  if (pid_ < 0 || !Reap(pid_, seconds, result)) return false;
  pid_ = -1;
  return true;
}

std::string BuildPath(const std::string& relative) { return EnvOr("ZERB32_BINARY_DIR", ".") + "/" + relative; }
std::string SourcePath(const std::string& relative) { return EnvOr("ZERB32_SOURCE_DIR", ".") + "/" + relative; }

pid_t SpawnQuiet(const std::string& program, const std::vector<std::string>& args) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  return pid;
}

}  // namespace zerb::test
