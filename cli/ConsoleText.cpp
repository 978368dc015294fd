#include "cli/ConsoleText.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <string>
#endif

namespace zerb {

#ifdef _WIN32

namespace {

// The console behind the stream, or null when it is a file or a pipe.
HANDLE ConsoleOf(std::FILE* stream) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

std::wstring Utf16Of(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, out.data(), wide);
  return out;
}

}  // namespace

void WriteText(std::FILE* stream, std::string_view text) {
  const HANDLE console = ConsoleOf(stream);
  if (!console) {
    std::fwrite(text.data(), 1, text.size(), stream);
    return;
  }
  std::fflush(stream);
  const std::wstring wide = Utf16Of(text);
  for (std::size_t done = 0; done < wide.size();) {
    DWORD written = 0;
    const auto part = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 16384));
    if (!WriteConsoleW(console, wide.data() + done, part, &written, nullptr) || written == 0) return;
    done += written;
  }
}

#else

void WriteText(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

#endif

}  // namespace zerb
