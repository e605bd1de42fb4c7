#include "browse/KanaFold.h"

#include <array>

namespace torvane {
namespace {

// Full-width katakana of the half-width ones U+FF61..U+FF9D.
constexpr std::array<char32_t, 0x3D> kHalfWidthKana = {
    U'。', U'「', U'」', U'、', U'・', U'ヲ', U'ァ', U'ィ', U'ゥ', U'ェ', U'ォ', U'ャ', U'ュ', U'ョ', U'ッ', U'ー',
    U'ア', U'イ', U'ウ', U'エ', U'オ', U'カ', U'キ', U'ク', U'ケ', U'コ', U'サ', U'シ', U'ス', U'セ', U'ソ', U'タ',
    U'チ', U'ツ', U'テ', U'ト', U'ナ', U'ニ', U'ヌ', U'ネ', U'ノ', U'ハ', U'ヒ', U'フ', U'ヘ', U'ホ', U'マ', U'ミ',
    U'ム', U'メ', U'モ', U'ヤ', U'ユ', U'ヨ', U'ラ', U'リ', U'ル', U'レ', U'ロ', U'ワ', U'ン'};

bool IsHalfWidthKana(char32_t c) { return c >= 0xFF61 && c <= 0xFF9D; }
bool IsVoicedMark(char32_t c) { return c == 0xFF9E || c == 0x3099 || c == 0x309B; }
bool IsSemiVoicedMark(char32_t c) { return c == 0xFF9F || c == 0x309A || c == 0x309C; }

// The katakana of the ha row, which take both marks.
bool IsHaRow(char32_t c) { return c >= U'ハ' && c <= U'ホ' && (c - U'ハ') % 3 == 0; }

// The katakana that take the voiced mark: the ka, sa and ta rows (each voiced
// form is the next code point), the ha row and ウ.
bool TakesVoicedMark(char32_t c) {
  if (c >= U'カ' && c <= U'チ') return (c - U'カ') % 2 == 0;
  return c == U'ツ' || c == U'テ' || c == U'ト' || IsHaRow(c) || c == U'ウ';
}

char32_t Voiced(char32_t c) { return c == U'ウ' ? U'ヴ' : c + 1; }

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const int length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : (byte >> 3) == 0x1E ? 4 : 0;
    bool whole = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
    char32_t c = length == 1 ? byte : byte & (0x7F >> length);
    for (int k = 1; whole && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) whole = false;
      c = (c << 6) | (next & 0x3F);
    }
    if (!whole) {
      out.push_back(byte);
      ++i;
      continue;
    }
    out.push_back(c);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

char32_t FoldOne(char32_t c) {
  if (IsHalfWidthKana(c)) return kHalfWidthKana[c - 0xFF61];
  if (c >= U'ぁ' && c <= U'ゖ') return c + (U'ァ' - U'ぁ');
  if (c == U'ゝ' || c == U'ゞ') return c + (U'ヽ' - U'ゝ');
  if (c >= 0xFF01 && c <= 0xFF5E) c = c - 0xFF01 + 0x21;
  if (c >= U'a' && c <= U'z') return c - U'a' + U'A';
  return c;
}

}  // namespace

std::u32string FoldKana(std::string_view utf8) {
  std::u32string folded;
  for (const char32_t raw : DecodeUtf8(utf8)) {
    if (!folded.empty() && IsVoicedMark(raw) && TakesVoicedMark(folded.back())) {
      folded.back() = Voiced(folded.back());
      continue;
    }
    if (!folded.empty() && IsSemiVoicedMark(raw) && IsHaRow(folded.back())) {
      folded.back() += 2;
      continue;
    }
    if (raw == 0xFF9E) {
      folded.push_back(U'゛');
      continue;
    }
    if (raw == 0xFF9F) {
      folded.push_back(U'゜');
      continue;
    }
    folded.push_back(FoldOne(raw));
  }
  return folded;
}

}  // namespace torvane
