// The Windows side of OutputFile: a temporary file beside the output, moved
// over it at Commit. Windows has no unnamed files, links are rare and the
// console is standard output only as "-".
#ifdef _WIN32

#include "app/OutputFile.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "app/OutputTarget.h"
#include "app/StreamSink.h"
#include "app/TemporaryNames.h"
#include "system/FilePath.h"

namespace zerb {

namespace fs = std::filesystem;

namespace {

std::string ShortTemporaryName(const std::string& folder) {
  static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  static thread_local std::mt19937 random{std::random_device{}()};
  std::string name = folder + "/~zerb";
  for (int i = 0; i < 6; ++i) name += alphabet[random() % 36];
  return name;
}

// The C library's errno for a system error of creating a file.
int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return EINVAL;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    default: return EACCES;
  }
}

// A file that does not exist yet, opened for binary writing; null, errno
// EEXIST, when the path exists. The C library ignores fopen's "x" (it would
// open and empty an existing file): the exclusive create is asked of the
// system, which also lets the file be deleted while it is open, as the
// program's end does with the files of outputs still being written.
std::FILE* CreateNewFile(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    errno = ErrnoOf(GetLastError());
    return nullptr;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(file);
    return nullptr;
  }
  std::FILE* stream = _fdopen(fd, "wb");
  if (!stream) _close(fd);
  return stream;
}

// Standard output takes the output's bytes unchanged: in text mode every LF
// would be written as CR LF, so each CR LF line end as CR CR LF.
std::FILE* BinaryStandardOutput() {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
  return stdout;
}

}  // namespace

struct OutputFile::State {
  std::string shown;
  std::string target;
  bool standardOutput = false;
  bool inPlace = false;  // a device
  StreamSink sink;
  std::string tempPath;

  std::string Sentence(const std::string& reason) const { return "cannot write " + shown + ": " + reason; }

  ~State() {
    if (sink.stream && !standardOutput) std::fclose(sink.stream);
    if (!tempPath.empty()) {
      const auto names = HoldOffEnding();
      std::remove(tempPath.c_str());
      ForgetTemporaryName(tempPath);
    }
  }
};

namespace {

std::string Prepare(OutputFile::State& state) {
  state.target = state.shown;
  if (const std::string kind = ProtectedFileKind(state.shown); !kind.empty()) return "it is a " + kind;
  std::error_code ec;
  const auto status = fs::status(PathFromText(state.target), ec);
  if (fs::is_directory(status)) return "it is a folder";
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    state.inPlace = true;
    state.sink.stream = std::fopen(state.target.c_str(), "wb");
    return state.sink.stream ? std::string() : std::strerror(errno);
  }
  if (fs::exists(status)) {
    // Writable in place, or refused as a plain write would be.
    std::FILE* probe = std::fopen(state.target.c_str(), "r+b");
    if (!probe) return std::strerror(errno);
    std::fclose(probe);
  }
  const auto names = HoldOffEnding();  // made and noted at once
  for (int attempt = 0; attempt < 64; ++attempt) {
    const std::string name = ShortTemporaryName(FolderOf(state.target));
    state.sink.stream = CreateNewFile(name);
    if (state.sink.stream) {
      state.tempPath = name;
      NoteTemporaryName(name);
      return {};
    }
    if (errno != EEXIST) break;
  }
  return std::strerror(errno);
}

}  // namespace

OutputFile::OutputFile(std::unique_ptr<State> state) : state_(std::move(state)) {}

OutputFile::~OutputFile() = default;

std::unique_ptr<OutputFile> OutputFile::Open(const std::string& path, std::string& error) {
  auto state = std::make_unique<State>();
  state->shown = path;
  if (IsStandardOutputPath(path)) {
    state->shown = "standard output";
    state->standardOutput = true;
    state->sink.stream = BinaryStandardOutput();
  } else if (const std::string reason = Prepare(*state); !reason.empty()) {
    error = state->Sentence(reason);
    return nullptr;
  }
  return std::unique_ptr<OutputFile>(new OutputFile(std::move(state)));
}

OutputSink& OutputFile::Sink() { return state_->sink; }

std::string OutputFile::WriteError() const {
  return state_->sink.error ? state_->Sentence(std::strerror(state_->sink.error)) : std::string();
}

bool OutputFile::Commit(std::string& error) {
  State& state = *state_;
  int failure = state.sink.error;
  errno = 0;
  if (!failure && (std::fflush(state.sink.stream) != 0 || std::ferror(state.sink.stream))) failure = errno ? errno : EIO;
  if (!failure && !state.standardOutput) {
    const int closed = std::fclose(state.sink.stream);
    state.sink.stream = nullptr;
    if (closed != 0) failure = errno ? errno : EIO;
  }
  std::error_code ec;
  if (!failure && !state.tempPath.empty()) {
    // Names change only here: the program's end waits for this step.
    const auto names = HoldOffEnding();
    fs::rename(PathFromText(state.tempPath), PathFromText(state.target), ec);
    if (!ec) {
      ForgetTemporaryName(state.tempPath);
      state.tempPath.clear();
    }
  }
  if (failure || ec) {
    error = state.Sentence(failure ? std::strerror(failure) : ec.message());
    return false;
  }
  return true;
}

bool IsStandardOutputPath(const std::string& path) { return path == "-"; }

}  // namespace zerb

#endif  // _WIN32
