#include "history/SeriesFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace zerb {

namespace {

std::FILE* CreateBeside(const std::string& path, std::string& temp) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temp = path + ".tmp" + std::to_string(random() % 1000000);
    if (std::FILE* stream = std::fopen(temp.c_str(), "wbx")) return stream;
    if (errno != EEXIST) break;
  }
  return nullptr;
}

}  // namespace

bool WriteOutput(const std::string& path, const std::function<int(OutputSink&)>& write, std::string& error) {
  if (path == "-") {
    FileSink sink(stdout);
    const int written = write(sink);
    if (written == 1 && std::fflush(stdout) == 0) return true;
    error = "cannot write standard output";
    return false;
  }
  std::string temp;
  std::FILE* stream = CreateBeside(path, temp);
  if (!stream) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  FileSink sink(stream);
  errno = 0;
  const int written = write(sink);
  const int problem = errno ? errno : EIO;
  bool ok = written == 1 && std::fflush(stream) == 0 && !std::ferror(stream);
  ok = std::fclose(stream) == 0 && ok;
  std::error_code ec;
  if (ok) std::filesystem::rename(temp, path, ec);
  if (ok && !ec) return true;
  std::remove(temp.c_str());
  error = "cannot write " + path + ": " + (ec ? ec.message() : written == 1 ? std::strerror(problem) : "the series could not be read");
  return false;
}

}  // namespace zerb
