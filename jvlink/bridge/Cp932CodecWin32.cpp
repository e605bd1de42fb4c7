// CP932 through code page 932 of the Win32 API, for the test component,
// which is built apart from the program and its platform layer.
#include <windows.h>

#include "platform/Cp932Codec.h"

namespace torvane::platform {

std::optional<char32_t> DecodeCp932Character(std::string_view bytes) {
  wchar_t units[2];
  const int count = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                        units, 2);
  if (count == 1) return static_cast<char32_t>(units[0]);
  return std::nullopt;
}

std::optional<std::string> EncodeCp932Character(char32_t codePoint) {
  if (codePoint > 0xFFFF) return std::nullopt;  // CP932 holds none beyond the basic plane
  const wchar_t unit = static_cast<wchar_t>(codePoint);
  char out[4];
  BOOL substituted = FALSE;
  const int count = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &unit, 1, out, sizeof out, nullptr, &substituted);
  if (count <= 0 || substituted) return std::nullopt;
  return std::string(out, static_cast<std::size_t>(count));
}

}  // namespace torvane::platform
