// The POSIX side of OutputFile (see OutputFileWindows.cpp for Windows).
#ifndef _WIN32

#include "app/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "app/OutputTarget.h"
#include "app/StreamSink.h"
#include "app/TemporaryFiles.h"
#include "app/TemporaryNames.h"
#include "system/FileSizeSignal.h"

namespace zerb {

namespace {

std::string Reason(int error) { return std::strerror(error); }

enum class Mode {
  StandardOutput,  // descriptor 1
  InPlace,         // a device or pipe, written directly
  Create,          // no old output: the temporary file is linked in
  Replace,         // the temporary file replaces the old output
  FillInPlace,     // the old output is overwritten from the temporary file
};

}  // namespace

struct OutputFile::State {
  std::string shown;   // the path as given, for messages
  std::string target;  // the file that gets the bytes (a link's final target)
  Mode mode = Mode::Create;
  StreamSink sink;      // its stream: stdout, the device, or the temporary file
  int existing = -1;    // the old output, open for writing (Replace, FillInPlace)
  struct stat old {};   // the old output as it was
  bool unnamed = false; // the temporary file has no name yet (O_TMPFILE)
  std::string tempPath; // its name otherwise
  int held = -1;        // keeps the named file's lock until it is gone or in place
  bool committed = false;

  std::string Sentence(const std::string& reason) const { return "cannot write " + shown + ": " + reason; }

  ~State() {
    if (sink.stream && mode != Mode::StandardOutput) std::fclose(sink.stream);
    if (!tempPath.empty()) {
      const auto names = HoldOffEnding();
      unlink(tempPath.c_str());
      ForgetTemporaryName(tempPath);
    }
    if (held >= 0) close(held);
    if (existing >= 0) close(existing);
  }
};

namespace {

using State = OutputFile::State;

// A new empty file in `folder`, readable and writable, locked as in use:
// unnamed where the file system offers it (it has a name only while it is
// put in place), else under a short random name, noted.
// -1 with errno on failure.
int CreateTemporaryIn(const std::string& folder, State& state) {
#ifdef O_TMPFILE
  if (!NamedTemporaryFilesOnly()) {
    const int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd >= 0) {
      LockAsInUse(fd, "");
      state.unnamed = true;
      return fd;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return -1;
  }
#endif
  const auto names = HoldOffEnding();  // made and noted at once
  for (int attempt = 0; attempt < 64; ++attempt) {
    const std::string name = ShortTemporaryName(folder);
    const int fd = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return -1;
    // Another process that locks the new name before us, or renames it
    // away, between two calls: a race no test can time.
    if (!LockAsInUse(fd, name)) {  // GCOVR_EXCL_START
      close(fd);
      continue;
    }  // GCOVR_EXCL_STOP
    state.tempPath = name;
    state.held = dup(fd);
    NoteTemporaryName(name);
    return fd;
  }
  errno = EEXIST;  // GCOVR_EXCL_LINE: 64 taken random names in a row
  return -1;       // GCOVR_EXCL_LINE
}

// 0, or errno when the stream couldn't be made (the descriptor is closed).
int AttachStream(State& state, int fd, const char* mode) {
  state.sink.stream = fdopen(fd, mode);
  if (state.sink.stream) return 0;
  // fdopen fails only when no memory is left for the stream.
  const int error = errno;  // GCOVR_EXCL_START
  close(fd);
  return error;  // GCOVR_EXCL_STOP
}

int OpenTemporary(State& state) {
  const std::string folder = FolderOf(state.target);
  RemoveStaleTemporaries(folder);
  const int fd = CreateTemporaryIn(folder, state);
  return fd < 0 ? errno : AttachStream(state, fd, "w+b");
}

// The replacement keeps the old output's owner where the process may set
// it, and its permission bits (after chown, which may clear set-id bits).
void KeepProperties(int fd, const struct stat& old) {
  if (fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
  }
  if (fchmod(fd, old.st_mode & 07777) != 0) {
  }
}

// A device or pipe: opened without waiting for a reader, then written as a
// plain stream.
std::string OpenInPlace(State& state) {
  state.mode = Mode::InPlace;
  const int fd = open(state.target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno == ENXIO ? "it is a pipe that no program reads" : Reason(errno);
  const int flags = fcntl(fd, F_GETFL);
  if (flags != -1) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  const int error = AttachStream(state, fd, "wb");
  return error ? Reason(error) : std::string();
}

// An existing regular output: it must be writable in place; it is replaced,
// or filled in place when it has other names or its folder takes no new file.
std::string PrepareExisting(State& state) {
  state.existing = open(state.target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (state.existing < 0 || fstat(state.existing, &state.old) != 0) return Reason(errno);
  if (!S_ISREG(state.old.st_mode)) return "it is not a regular file";
  state.mode = state.old.st_nlink > 1 ? Mode::FillInPlace : Mode::Replace;
  const int error = OpenTemporary(state);
  if (!error && state.mode == Mode::Replace) KeepProperties(fileno(state.sink.stream), state.old);
  if (!error) return {};
  if (error != EACCES && error != EPERM && error != EROFS) return Reason(error);
  // No new file in this folder: stage the bytes in the system's temporary
  // folder and overwrite the output at the end.
  state.mode = Mode::FillInPlace;
  state.sink.stream = std::tmpfile();
  return state.sink.stream ? std::string() : Reason(errno);
}

std::string Prepare(State& state) {
  state.target = FinalTarget(state.shown);
  if (const std::string kind = ProtectedFileKind(state.shown); !kind.empty()) return "it is a " + kind;
  struct stat st {};
  if (stat(state.target.c_str(), &st) != 0) {
    if (errno != ENOENT) return Reason(errno);
    state.mode = Mode::Create;
    const int error = OpenTemporary(state);
    return error ? Reason(error) : std::string();
  }
  if (S_ISDIR(st.st_mode)) return "it is a folder";
  if (!S_ISREG(st.st_mode)) return OpenInPlace(state);
  return PrepareExisting(state);
}

// Gives the unnamed temporary file the name `to`; errno-style result.
int LinkUnnamed(int fd, const std::string& to) {
  if (linkat(fd, "", AT_FDCWD, to.c_str(), AT_EMPTY_PATH) == 0) return 0;
  if (errno == EEXIST) return EEXIST;
  // Kernels before 6.10 refuse the call above to a process without
  // CAP_DAC_READ_SEARCH; this one takes it, so the tests never come here.
  const std::string self = "/proc/self/fd/" + std::to_string(fd);  // GCOVR_EXCL_START
  return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
  // GCOVR_EXCL_STOP
}

// The unnamed temporary file over `target`: linked under a short name,
// then renamed over it.
int RenameUnnamed(int fd, const std::string& target) {
  const std::string folder = FolderOf(target);
  for (int attempt = 0; attempt < 64; ++attempt) {
    const std::string name = ShortTemporaryName(folder);
    const int linked = LinkUnnamed(fd, name);
    if (linked == EEXIST) continue;
    if (linked != 0) return linked;
    if (rename(name.c_str(), target.c_str()) == 0) return 0;
    const int error = errno;
    unlink(name.c_str());
    return error;
  }
  return EEXIST;  // GCOVR_EXCL_LINE: 64 taken random names in a row
}

int CloseStream(State& state) {
  const int result = std::fclose(state.sink.stream);
  state.sink.stream = nullptr;
  return result == 0 ? 0 : errno;
}


// Overwrites the old output with the temporary file's bytes, so every name
// of it sees them.
int FillFromTemporary(State& state) {
  const int from = fileno(state.sink.stream);
  if (lseek(from, 0, SEEK_SET) < 0) return errno;
  std::vector<char> buffer(1 << 16);
  off_t offset = 0;
  for (;;) {
    const ssize_t got = read(from, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) break;
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = pwrite(state.existing, buffer.data() + done, static_cast<size_t>(got - done), offset);
      if (put < 0 && errno == EINTR) continue;
      if (put < 0) return errno;
      done += put;
      offset += put;
    }
  }
  if (ftruncate(state.existing, offset) != 0 || fsync(state.existing) != 0) return errno;
  return 0;
}

// A replacement the folder refuses (someone else's output in a folder with
// the sticky bit) is filled in place instead, as a plain write would be.
bool RenameRefused(const State& state, int error) {
  return state.mode == Mode::Replace && (error == EPERM || error == EACCES);
}

// The finished temporary file in place of (or as) the target.
int MoveIntoPlace(State& state) {
  const int fd = fileno(state.sink.stream);
  if (!state.unnamed) {
    if (const int error = CloseStream(state)) return error;
    if (rename(state.tempPath.c_str(), state.target.c_str()) == 0) {
      ForgetTemporaryName(state.tempPath);
      state.tempPath.clear();
      return 0;
    }
    const int error = errno;
    if (!RenameRefused(state, error)) return error;
    state.sink.stream = std::fopen(state.tempPath.c_str(), "rb");
    return state.sink.stream ? FillFromTemporary(state) : errno;
  }
  int error = state.mode == Mode::Create ? LinkUnnamed(fd, state.target) : EEXIST;
  if (error == EEXIST) error = RenameUnnamed(fd, state.target);
  if (RenameRefused(state, error)) return FillFromTemporary(state);
  if (error) return error;
  return CloseStream(state);
}

int PutInPlace(State& state) {
  switch (state.mode) {
    case Mode::StandardOutput:
      return 0;
    case Mode::InPlace:
      return CloseStream(state);
    case Mode::Create:
    case Mode::Replace:
      return MoveIntoPlace(state);
    case Mode::FillInPlace:
      return FillFromTemporary(state);
  }
  return EINVAL;  // GCOVR_EXCL_LINE: every mode is a case above
}

}  // namespace

OutputFile::OutputFile(std::unique_ptr<State> state) : state_(std::move(state)) {}

OutputFile::~OutputFile() = default;

std::unique_ptr<OutputFile> OutputFile::Open(const std::string& path, std::string& error) {
  IgnoreFileSizeSignal();
  auto state = std::make_unique<State>();
  state->shown = path;
  if (IsStandardOutputPath(path)) {
    if (path == "-") state->shown = "standard output";
    state->mode = Mode::StandardOutput;
    state->sink.stream = stdout;
  } else if (const std::string reason = Prepare(*state); !reason.empty()) {
    error = state->Sentence(reason);
    return nullptr;
  }
  return std::unique_ptr<OutputFile>(new OutputFile(std::move(state)));
}

OutputSink& OutputFile::Sink() { return state_->sink; }

std::string OutputFile::WriteError() const {
  return state_->sink.error ? state_->Sentence(Reason(state_->sink.error)) : std::string();
}

bool OutputFile::Commit(std::string& error) {
  State& state = *state_;
  int failure = state.sink.error;
  errno = 0;
  if (!failure && state.sink.stream && std::fflush(state.sink.stream) != 0) failure = errno ? errno : EIO;
  if (!failure && state.sink.stream && std::ferror(state.sink.stream)) failure = errno ? errno : EIO;
  // A replacement reaches the disk before it replaces the old output.
  if (!failure && state.mode == Mode::Replace && fsync(fileno(state.sink.stream)) != 0) failure = errno;
  if (!failure) {
    // Names change only here: the program's end waits for this step.
    const auto names = HoldOffEnding();
    failure = PutInPlace(state);
  }
  if (failure) {
    error = state.Sentence(Reason(failure));
    return false;
  }
  state.committed = true;
  return true;
}

bool IsStandardOutputPath(const std::string& path) {
  if (path == "-" || path == "/dev/stdout" || path == "/dev/fd/1" || path == "/proc/self/fd/1") return true;
  struct stat out {}, named {};
  return fstat(1, &out) == 0 && stat(path.c_str(), &named) == 0 && out.st_dev == named.st_dev &&
         out.st_ino == named.st_ino;
}

}  // namespace zerb

#endif  // !_WIN32
