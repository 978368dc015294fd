#include "system/FilePath.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zerb {

#ifdef _WIN32

std::filesystem::path PathFromText(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, out.data(), wide);
  return std::filesystem::path(std::move(out));
}

std::string TextFromPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int narrow = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(narrow), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, out.data(), narrow, nullptr, nullptr);
  return out;
}

#else

std::filesystem::path PathFromText(std::string_view text) { return std::filesystem::path(text); }

std::string TextFromPath(const std::filesystem::path& path) { return path.native(); }

#endif

}  // namespace zerb
