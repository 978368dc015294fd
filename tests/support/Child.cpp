#include "support/Child.h"

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace zerb::test {

std::string InChild(const std::function<std::string()>& work) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return "no pipe";
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    const std::string result = work();
    (void)!write(pipeEnds[1], result.data(), result.size());
    close(pipeEnds[1]);
    std::exit(0);
  }
  close(pipeEnds[1]);
  std::string result;
  char buffer[256];
  for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, std::size_t(got));
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : "the child did not end normally";
}

std::string WithoutCapabilities(const std::function<std::string()>& check) {
  return InChild([&] {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[2]{};
    return syscall(SYS_capset, &header, none) == 0 ? check() : std::string("capset failed");
  });
}

std::string WithFileSizeLimit(unsigned long bytes, const std::function<std::string()>& work) {
  return InChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    if (getrlimit(RLIMIT_FSIZE, &previous) != 0) return std::string("no limit");
    rlimit small = previous;
    small.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) return std::string("no limit");
    std::string said = work();
    setrlimit(RLIMIT_FSIZE, &previous);
    return said;
  });
}

}  // namespace zerb::test
