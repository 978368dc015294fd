// Runs saved inputs through a fuzz target without libFuzzer, so that the
// seed corpus and the regression inputs replay under CTest with the normal
// compiler and the sanitizers. Each argument is an input file or a folder
// of them (files whose names start with "." are passed over; a folder that
// does not exist counts as empty). Fails when no input was found; a finding
// aborts the run, naming the input first.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_directory(path, ec)) return fs::exists(path, ec) ? std::vector<fs::path>{path} : std::vector<fs::path>{};
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(path, ec))
    if (entry.is_regular_file() && entry.path().filename().string().front() != '.') files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

bool Replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
    return false;
  }
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::fprintf(stderr, "Running: %s (%zu bytes)\n", file.string().c_str(), bytes.size());
  // A copy of exactly the input's size, so that a read past its end is caught.
  std::vector<uint8_t> data(bytes.begin(), bytes.end());
  LLVMFuzzerTestOneInput(data.empty() ? nullptr : data.data(), data.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i)
    for (const fs::path& file : InputsOf(argv[i])) {
      if (!Replay(file)) return 1;
      ++replayed;
    }
  std::fprintf(stderr, "replayed %zu inputs\n", replayed);
  return replayed > 0 ? 0 : 1;
}
