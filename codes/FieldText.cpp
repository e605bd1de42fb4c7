// The number-reading rule, trimming and the formatters for fixed-width digit
// fields.

#include <charconv>
#include <cstdint>
#include <limits>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"

namespace torvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsPrintableAscii(char c) { return c >= 0x20 && c <= 0x7E; }

constexpr std::string_view kWideSpace = "　";

// Right-aligns text in width columns (all ASCII here); a wider text is kept whole.
std::string RightAligned(std::string_view text, std::size_t width) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), ' ');
  out.append(text);
  return out;
}

template <typename Integer>
std::string_view DecimalText(Integer value, char (&buffer)[24]) {
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
}

}  // namespace

std::int64_t ReadCodeNumber(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  // A run of digits longer than any record field saturates instead of
  // overflowing; the magnitude is capped at 2^63 so that the most negative
  // value stays exact.
  constexpr std::uint64_t kCap = std::uint64_t{1} << 63;
  std::uint64_t magnitude = 0;
  for (; i < field.size() && IsDigit(field[i]); ++i) {
    const unsigned digit = static_cast<unsigned>(field[i] - '0');
    magnitude = magnitude > (kCap - digit) / 10 ? kCap : magnitude * 10 + digit;
  }
  if (negative)
    return magnitude == kCap ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
  return magnitude >= kCap ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(magnitude);
}

std::string RemoveWideSpaces(std::string_view utf8) {
  // In UTF-8 the three bytes of U+3000 can only ever be that character, so a
  // byte search never cuts into a neighbouring character.
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t from = 0;;) {
    const std::size_t at = utf8.find(kWideSpace, from);
    out.append(utf8.substr(from, at - from));
    if (at == std::string_view::npos) return out;
    from = at + kWideSpace.size();
  }
}

std::string NameText(std::string_view cp932Field) {
  // Converted first: a CP932 byte pair 0x81 0x40 may be the tail of one
  // character and the head of the next, which is no full-width space.
  return RemoveWideSpaces(TrimBlanks(Cp932ToUtf8(cp932Field)));
}

std::string FormatIntField(std::string_view field) {
  const std::int64_t value = ReadCodeNumber(field);
  if (value == 0) return std::string(field.size(), ' ');
  char buffer[24];
  return RightAligned(DecimalText(value, buffer), field.size());
}

std::string FormatTenthsField(std::string_view field) {
  const std::int64_t value = ReadCodeNumber(field);
  if (value == 0) return std::string(field.size(), ' ');
  // Integer arithmetic: the one decimal is the last digit, never a rounded binary fraction.
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  char buffer[24];
  std::string text = value < 0 ? "-" : "";
  text += DecimalText(magnitude / 10, buffer);
  text += '.';
  text += static_cast<char>('0' + magnitude % 10);
  return RightAligned(text, field.size() + 1);
}

std::string FormatTimeDiff(std::string_view field) {
  const std::string none(5, ' ');
  if (field.size() != 4) return none;
  const std::string_view tenths = TrimBlanks(field.substr(1));
  if (tenths == "999") return none;
  const std::string_view whole = TrimBlanks(field);
  if (whole == "9999" || whole == "0000") return none;
  if (tenths.empty()) return none;
  // Characters 2 and 3 are whole seconds, a strict number with leading blanks
  // allowed; the sign and the tenth are copied as they are, so they must be
  // plain characters. Anything else is not a time difference: no text.
  const char sign = field[0], tens = field[1], units = field[2], tenth = field[3];
  if (!IsDigit(units) || !(IsDigit(tens) || tens == ' ')) return none;
  if (!IsPrintableAscii(sign) || !IsPrintableAscii(tenth)) return none;
  std::string out(5, ' ');
  out[0] = sign;
  out[1] = tens == '0' ? ' ' : tens;  // "%2d": no leading zero
  out[2] = units;
  out[3] = '.';
  out[4] = tenth;
  return out;
}

}  // namespace torvane
