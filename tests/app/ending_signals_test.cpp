// The program's end on a signal, with threads at work: one holds a named
// temporary file it fills slowly, another makes outputs and puts them in
// place as fast as it can. Whenever the signal comes, the process ends by
// it, every old output is as it was or wholly replaced, and no temporary
// file is left.

#include "app/EndingSignals.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <set>
#include <string>
#include <thread>

#include "app/OutputFile.h"
#include "app/TemporaryNames.h"
#include "support/Files.h"
#include "support/TempDir.h"

namespace zerb {
namespace {

using test::ReadFile;
using test::WriteFile;

// The child's work; it never returns: the signal ends it.
[[noreturn]] void WorkUntilEnded(const test::TempDir& dir, int ready) {
  UseNamedTemporaryFilesOnly(true);
  EndOnSignals();
  std::thread slow([&dir, ready] {
    std::string error;
    const auto output = OutputFile::Open(dir.File("slow.csv"), error);
    if (!output || !output->Sink().Write("partial")) std::_Exit(2);
    (void)!write(ready, "s", 1);
    for (;;) {
      output->Sink().Write("more");
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  std::thread busy([&dir, ready] {
    for (bool first = true;; first = false) {
      std::string error;
      const auto output = OutputFile::Open(dir.File("busy.csv"), error);
      if (!output || !output->Sink().Write("new") || !output->Commit(error)) std::_Exit(3);
      if (first) (void)!write(ready, "b", 1);
    }
  });
  slow.join();
  std::_Exit(4);
}

TEST(EndingSignals, NoTemporaryFileOutlivesTheProcess) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    test::TempDir dir;
    WriteFile(dir.File("slow.csv"), "old");
    WriteFile(dir.File("busy.csv"), "old");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) WorkUntilEnded(dir, ready[1]);
    close(ready[1]);
    char started[2];
    ASSERT_EQ(read(ready[0], started, 1), 1);
    ASSERT_EQ(read(ready[0], started + 1, 1), 1);
    close(ready[0]);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    kill(child, signal);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"busy.csv", "slow.csv"}));
    EXPECT_EQ(ReadFile(dir.File("slow.csv")), "old");
    const std::string busy = ReadFile(dir.File("busy.csv"));
    EXPECT_TRUE(busy == "old" || busy == "new") << busy;
  }
}

}  // namespace
}  // namespace zerb
