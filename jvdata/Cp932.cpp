#include "jvdata/Cp932.h"

#include <array>
#include <cstdint>
#include <unordered_map>

#include "platform/Cp932Codec.h"

namespace torvane {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Decoding tables built once from the system's CP932 converter (the
// Microsoft mapping: 0x817C is U+FF0D, the NEC row 13 holds the circled
// numbers). A table lookup keeps display conversion cheap enough for grid
// painting.
struct DecodeTables {
  std::array<char32_t, 256> single{};
  std::array<char32_t, 65536> pair{};
  std::unordered_map<char32_t, std::uint16_t> encode;
  // The codes of U+0000 to U+007F, most of every record, without the map; 0
  // where the map holds none (only U+0000 encodes to 0).
  std::array<std::uint16_t, 0x80> encodeAscii{};

  DecodeTables() {
    auto decode = [](std::string_view bytes) { return platform::DecodeCp932Character(bytes).value_or(kReplacement); };
    for (int b = 0; b < 256; ++b) {
      const char c = static_cast<char>(b);
      single[b] = IsCp932LeadByte(static_cast<unsigned char>(b)) ? kReplacement : decode({&c, 1});
      if (single[b] != kReplacement && !encode.contains(single[b])) encode[single[b]] = static_cast<std::uint16_t>(b);
    }
    pair.fill(kReplacement);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsCp932LeadByte(static_cast<unsigned char>(lead))) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (!IsTrailByte(static_cast<unsigned char>(trail))) continue;
        const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        const char32_t cp = decode({bytes, 2});
        pair[(lead << 8) | trail] = cp;
        if (cp != kReplacement && !encode.contains(cp)) encode[cp] = static_cast<std::uint16_t>((lead << 8) | trail);
      }
    }
    // Some characters have two codes (NEC row 13, NEC-selected IBM rows and
    // the IBM rows 0xFA..0xFC). Encode each as the system's CP932 encoder
    // does, which is the code Windows writes.
    for (auto& [cp, code] : encode) {
      const std::optional<std::string> out = platform::EncodeCp932Character(cp);
      if (!out) continue;
      if (out->size() == 1) code = static_cast<unsigned char>((*out)[0]);
      if (out->size() == 2)
        code = static_cast<std::uint16_t>((static_cast<unsigned char>((*out)[0]) << 8) |
                                          static_cast<unsigned char>((*out)[1]));
    }
    for (char32_t cp = 1; cp < 0x80; ++cp)
      if (const auto it = encode.find(cp); it != encode.end()) encodeAscii[cp] = it->second;
  }
};

const DecodeTables& Tables() {
  static const DecodeTables tables;
  return tables;
}

template <typename Sink>
void DecodeCp932(std::string_view in, Sink&& sink) {
  const auto& t = Tables();
  for (std::size_t i = 0; i < in.size(); ++i) {
    const auto b = static_cast<unsigned char>(in[i]);
    if (!IsCp932LeadByte(b)) {
      sink(t.single[b]);
    } else if (i + 1 < in.size() && IsTrailByte(static_cast<unsigned char>(in[i + 1]))) {
      sink(t.pair[(b << 8) | static_cast<unsigned char>(in[i + 1])]);
      ++i;
    } else {
      sink(kReplacement);
    }
  }
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at in[i], advancing i; malformed input gives U+FFFD.
char32_t NextUtf8(std::string_view in, std::size_t& i) {
  const auto b = static_cast<unsigned char>(in[i++]);
  if (b < 0x80) return b;
  int extra = 0;
  char32_t cp = 0;
  if ((b & 0xE0) == 0xC0) {
    extra = 1;
    cp = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    extra = 2;
    cp = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    extra = 3;
    cp = b & 0x07;
  } else {
    return kReplacement;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= in.size() || (static_cast<unsigned char>(in[i]) & 0xC0) != 0x80) return kReplacement;
    cp = (cp << 6) | (static_cast<unsigned char>(in[i++]) & 0x3F);
  }
  return cp;
}

void AppendCp932(std::string& out, char32_t cp, const DecodeTables& tables = Tables()) {
  if (cp > 0 && cp < 0x80 && tables.encodeAscii[cp] != 0 && tables.encodeAscii[cp] <= 0xFF) {
    out += static_cast<char>(tables.encodeAscii[cp]);
    return;
  }
  const auto& enc = tables.encode;
  const auto it = enc.find(cp);
  if (it == enc.end()) {
    out += '?';
  } else if (it->second > 0xFF) {
    out += static_cast<char>(it->second >> 8);
    out += static_cast<char>(it->second & 0xFF);
  } else {
    out += static_cast<char>(it->second);
  }
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  DecodeCp932(cp932, [&](char32_t cp) { AppendUtf8(out, cp); });
  return out;
}

std::u16string Cp932ToUtf16(std::string_view cp932) {
  // Never more characters than bytes; filled by index, a record's worth of
  // appends costs more than the decoding.
  std::u16string out(cp932.size(), u'\0');
  std::size_t length = 0;
  DecodeCp932(cp932, [&](char32_t cp) { out[length++] = static_cast<char16_t>(cp); });  // CP932 lies in the BMP
  out.resize(length);
  return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) AppendCp932(out, NextUtf8(utf8, i));
  return out;
}

std::string Utf16ToCp932(std::u16string_view utf16) {
  const DecodeTables& tables = Tables();
  std::string out;
  out.reserve(utf16.size() * 2);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    }
    AppendCp932(out, cp, tables);
  }
  return out;
}

int Cp932Width(std::string_view utf8) {
  int width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = NextUtf8(utf8, i);
    width += (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F)) ? 1 : 2;
  }
  return width;
}

}  // namespace torvane
