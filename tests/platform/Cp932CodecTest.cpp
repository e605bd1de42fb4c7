#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/Cp932Codec.h"

namespace torvane::platform {
namespace {

// Every mapping of the system's converter that the program uses, in one
// text: each one- and two-byte code with what it decodes to and what that
// encodes back to (for the characters of two codes, the one Windows writes).
unsigned CodeOf(std::string_view bytes) {
  unsigned code = 0;
  for (const char byte : bytes) code = (code << 8) | static_cast<unsigned char>(byte);
  return code;
}

std::string EveryMapping() {
  std::string text;
  const auto add = [&](std::string_view bytes) {
    const std::optional<char32_t> decoded = DecodeCp932Character(bytes);
    if (!decoded) return;
    const std::optional<std::string> back = EncodeCp932Character(*decoded);
    char line[64];
    std::snprintf(line, sizeof line, "%04X U+%04X %04X\n", CodeOf(bytes), static_cast<unsigned>(*decoded),
                  back ? CodeOf(*back) : 0xFFFFFFFFu);
    text += line;
  };
  for (int b = 0; b < 256; ++b) add(std::string(1, static_cast<char>(b)));
  for (int lead = 0x81; lead <= 0xFC; ++lead)
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      add({pair, 2});
    }
  return text;
}

std::uint64_t Fnv1a(std::string_view text) {
  std::uint64_t hash = 14695981039346656037u;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  return hash;
}

// iconv's "CP932" on Linux and code page 932 on Windows must be one
// mapping: the store's bytes are the same files on both. The digest was
// taken on Linux; the Windows run compares against it.
TEST(Cp932CodecTest, EveryCodeAndItsRoundTripIsTheSameOnEveryPlatform) {
  const std::string mappings = EveryMapping();
  EXPECT_EQ(Fnv1a(mappings), 12165964803816934839u) << mappings.size() << " bytes of mappings";
}

}  // namespace
}  // namespace torvane::platform
