#include "acquisition/DateTimeText.h"

#include <vector>

#include "jvdata/PlainText.h"

namespace torvane {
namespace {

// Reads a number of 1 to maxDigits ASCII digits at text[i], advancing i.
std::optional<int> Number(std::string_view text, std::size_t& i, std::size_t maxDigits) {
  const std::size_t start = i;
  int value = 0;
  while (i < text.size() && i - start < maxDigits && text[i] >= '0' && text[i] <= '9')
    value = value * 10 + (text[i++] - '0');
  if (i == start || (i < text.size() && text[i] >= '0' && text[i] <= '9')) return std::nullopt;
  return value;
}

// Up to maxDigits.size() numbers separated by one separator character, making up the whole text.
std::optional<std::vector<int>> Numbers(std::string_view text, char separator, std::vector<std::size_t> maxDigits) {
  std::vector<int> values;
  std::size_t i = 0;
  for (std::size_t n = 0; n < maxDigits.size(); ++n) {
    if (n > 0) {
      if (i >= text.size() || text[i] != separator) break;
      ++i;
    }
    const auto value = Number(text, i, maxDigits[n]);
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  if (i != text.size()) return std::nullopt;
  return values;
}

}  // namespace

std::string SettingsDateTimeText(const DateTime& value) { return DateTimeText(value, {"/", "/", " ", ":", ":", ""}); }

std::optional<DateTime> ParseDateTimeText(std::string_view text) {
  text = TrimBlanks(text);
  const std::size_t blank = text.find(' ');
  const auto date = Numbers(text.substr(0, blank), '/', {4, 2, 2});
  if (!date || date->size() != 3) return std::nullopt;
  DateTime value{(*date)[0], (*date)[1], (*date)[2], 0, 0, 0};
  if (blank != std::string_view::npos) {
    const auto time = Numbers(TrimBlanks(text.substr(blank)), ':', {2, 2, 2});
    if (!time || time->size() < 2) return std::nullopt;
    value.hour = (*time)[0];
    value.minute = (*time)[1];
    if (time->size() == 3) value.second = (*time)[2];
  }
  if (!IsValidDateTime(value)) return std::nullopt;
  return value;
}

std::string JapaneseDateTimeText(const DateTime& value) {
  return DateTimeText(value, {"年", "月", "日", "時", "分", "秒"});
}

std::string DateTimeConversionError(std::string_view text) {
  return "'" + std::string(text) + "' は正しい日付と時刻ではありません。";
}

}  // namespace torvane
