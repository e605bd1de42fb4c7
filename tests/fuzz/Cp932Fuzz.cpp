// The CP932 conversions on arbitrary bytes, both ways. Every conversion to
// Unicode gives well-formed text, the UTF-8 and UTF-16 paths agree, and text
// made from CP932 converts back to CP932 that reads the same again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "jvdata/Cp932.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace torvane;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string utf8 = Cp932ToUtf8(bytes);
  fuzz::Require(fuzz::IsUtf8(utf8), "CP932 converts to well-formed UTF-8");
  fuzz::Require(
      Cp932ToUtf16(bytes) == Cp932ToUtf16(Utf8ToCp932(utf8)) || utf8.find("\xEF\xBF\xBD") != std::string::npos,
      "CP932 without faults survives a round trip through UTF-8");
  fuzz::Require(Cp932ToUtf8(Utf16ToCp932(Cp932ToUtf16(bytes))) == Cp932ToUtf8(Utf8ToCp932(utf8)),
                "the UTF-16 and UTF-8 paths agree");
  fuzz::Require(Cp932Width(utf8) >= 0, "a width is never negative");

  // The input as UTF-8 (often malformed) and as UTF-16 code units.
  const std::string fromUtf8 = Utf8ToCp932(bytes);
  fuzz::Require(fuzz::IsUtf8(Cp932ToUtf8(fromUtf8)), "converted text reads back as UTF-8");
  Cp932Width(bytes);
  std::u16string units(size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  fuzz::Require(fuzz::IsUtf8(Cp932ToUtf8(Utf16ToCp932(units))), "UTF-16 units convert to CP932 that reads back");
  return 0;
}
