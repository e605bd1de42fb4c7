// CP932 through code page 932 of the Win32 API, the Microsoft mapping that
// iconv's "CP932" follows on Linux.
#include <windows.h>

#include "platform/Cp932Codec.h"

namespace torvane::platform {
namespace {

constexpr UINT kCp932 = 932;

// Single bytes that Windows decodes by its best-fit table only (to U+0080
// and U+F8F0..U+F8F3); the CP932 table, and iconv with it, leaves them
// unassigned, and so does the program on every system.
bool IsBestFitOnly(std::string_view bytes) {
  if (bytes.size() != 1) return false;
  const auto b = static_cast<unsigned char>(bytes[0]);
  return b == 0x80 || b == 0xA0 || b >= 0xFD;
}

}  // namespace

std::optional<char32_t> DecodeCp932Character(std::string_view bytes) {
  if (bytes.empty() || IsBestFitOnly(bytes)) return std::nullopt;
  wchar_t out[2];
  const int n =
      ::MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out, 2);
  // Two UTF-16 units are two characters: CP932 has none beyond the BMP.
  if (n != 1) return std::nullopt;
  return static_cast<char32_t>(out[0]);
}

std::optional<std::string> EncodeCp932Character(char32_t codePoint) {
  if (codePoint > 0xFFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return std::nullopt;
  const wchar_t in = static_cast<wchar_t>(codePoint);
  char out[4];
  BOOL usedDefault = FALSE;
  // No best fit: a character CP932 lacks is refused, not written as a look-alike.
  const int n = ::WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, &in, 1, out, sizeof out, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::nullopt;
  return std::string(out, static_cast<std::size_t>(n));
}

}  // namespace torvane::platform
