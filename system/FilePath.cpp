#include "system/FilePath.h"

namespace zerb {

#ifdef _WIN32

std::filesystem::path PathFromText(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string TextFromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

#else

std::filesystem::path PathFromText(std::string_view text) { return std::filesystem::path(text); }

std::string TextFromPath(const std::filesystem::path& path) { return path.native(); }

#endif

}  // namespace zerb
