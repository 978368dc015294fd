#include "app/InputFile.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <filesystem>

#include "system/FilePath.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zerb {

namespace {

OpenedInput Refused(std::string reason, bool missing = false, int errorNumber = 0) {
  OpenedInput opened;
  opened.reason = std::move(reason);
  opened.missing = missing;
  opened.errorNumber = errorNumber;
  return opened;
}

OpenedInput Refused(int error) { return Refused(std::strerror(error), error == ENOENT, error); }

OpenedInput RefusedFolder() { return Refused("it is a folder", false, EISDIR); }

}  // namespace

#ifdef _WIN32

OpenedInput OpenInputFile(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(PathFromText(path), ec);
  if (std::filesystem::is_directory(status)) return RefusedFolder();
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    return Refused("it is not a regular file");
  OpenedInput opened;
  opened.stream.reset(std::fopen(path.c_str(), "rb"));
  if (!opened.stream) return Refused(errno);
  return opened;
}

#else

namespace {

std::string KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a folder";
  if (S_ISFIFO(mode)) return "it is a pipe, not a regular file";
  if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
  return "it is a device, not a regular file";
}

}  // namespace

OpenedInput OpenInputFile(const std::string& path) {
  struct stat st {};
  // Looked at before opening, so no device is ever opened; the open itself
  // can't wait, and what it opened is checked again.
  if (stat(path.c_str(), &st) != 0) return Refused(errno);
  if (S_ISDIR(st.st_mode)) return RefusedFolder();
  if (!S_ISREG(st.st_mode)) return Refused(KindOf(st.st_mode));
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Refused(errno);
  // Something else put under the name between the two looks: a race no
  // test can time.
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {  // GCOVR_EXCL_BR_LINE
    const int error = errno;  // GCOVR_EXCL_START
    close(fd);
    return S_ISREG(st.st_mode) ? Refused(error) : Refused(KindOf(st.st_mode));
  }  // GCOVR_EXCL_STOP
  const int flags = fcntl(fd, F_GETFL);
  if (flags != -1) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  OpenedInput opened;
  opened.stream.reset(fdopen(fd, "rb"));
  // fdopen fails only when no memory is left for the stream.
  if (!opened.stream) {  // GCOVR_EXCL_START
    const int error = errno;
    close(fd);
    return Refused(error);
  }  // GCOVR_EXCL_STOP
  return opened;
}

#endif

}  // namespace zerb
