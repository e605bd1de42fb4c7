#include "jvdata/DateTime.h"

#include <chrono>
#include <ctime>
#include <vector>

#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"
#include "platform/Clock.h"

namespace torvane {
namespace {

// 年, 月 and 日 are three bytes each in UTF-8.
constexpr std::string_view kYear = "年";
constexpr std::string_view kMonth = "月";
constexpr std::string_view kDay = "日";

constexpr std::array<std::string_view, 6> kSettingsSeparators{"/", "/", " ", ":", ":", ""};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
  for (const char c : text)
    if (!IsDigit(c)) return false;
  return true;
}

// The six parts of a written date and time, each followed by its text in `after`.
std::string Joined(const std::array<std::string, 6>& parts, const std::array<std::string_view, 6>& after) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) text.append(parts[i]).append(after[i]);
  return text;
}

std::string ZeroPadded(int value, int width) { return Formatted("%0*d", width, value); }

// Reads a number of 1 to maxDigits ASCII digits at text[i], advancing i.
std::optional<int> Number(std::string_view text, std::size_t& i, std::size_t maxDigits) {
  const std::size_t start = i;
  int value = 0;
  while (i < text.size() && i - start < maxDigits && IsDigit(text[i])) value = value * 10 + (text[i++] - '0');
  if (i == start || (i < text.size() && IsDigit(text[i]))) return std::nullopt;
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

bool IsValidDateTime(const DateTime& value) {
  using namespace std::chrono;
  const year_month_day date{year{value.year}, month{static_cast<unsigned>(value.month)},
                            day{static_cast<unsigned>(value.day)}};
  return value.year >= 1 && value.year <= 9999 && value.month >= 1 && value.day >= 1 && date.ok() && value.hour >= 0 &&
         value.hour <= 23 && value.minute >= 0 && value.minute <= 59 && value.second >= 0 && value.second <= 59;
}

std::string DateTimeText(const DateTime& value, const std::array<std::string_view, 6>& after) {
  return Joined({ZeroPadded(value.year, 4), ZeroPadded(value.month, 2), ZeroPadded(value.day, 2),
                 ZeroPadded(value.hour, 2), ZeroPadded(value.minute, 2), ZeroPadded(value.second, 2)},
                after);
}

std::string ToDigits14(const DateTime& value) { return DateTimeText(value, {"", "", "", "", "", ""}); }

std::optional<DateTime> FromDigits14(std::string_view digits) {
  if (digits.size() != 14 || !AllDigits(digits)) return std::nullopt;
  const auto number = [&](std::size_t position, std::size_t length) {
    int result = 0;
    for (std::size_t i = position; i < position + length; ++i) result = result * 10 + (digits[i] - '0');
    return result;
  };
  const DateTime value{number(0, 4), number(4, 2), number(6, 2), number(8, 2), number(10, 2), number(12, 2)};
  if (!IsValidDateTime(value)) return std::nullopt;
  return value;
}

DateTime AddDays(const DateTime& value, int days) {
  using namespace std::chrono;
  const sys_days moved =
      sys_days{year{value.year} / month{static_cast<unsigned>(value.month)} / day{static_cast<unsigned>(value.day)}} +
      std::chrono::days{days};
  const year_month_day date{moved};
  DateTime result = value;
  result.year = static_cast<int>(date.year());
  result.month = static_cast<int>(static_cast<unsigned>(date.month()));
  result.day = static_cast<int>(static_cast<unsigned>(date.day()));
  return result;
}

DateTime LocalNow() {
  const std::tm local = platform::LocalTimeNow();
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string SettingsDateTimeText(const DateTime& value) { return DateTimeText(value, kSettingsSeparators); }

std::string SettingsStampText(std::string_view stamp) {
  // Characters position..position+length-1 (1-based), as far as the stamp has them.
  const auto part = [&](std::size_t position, std::size_t length) {
    return std::string(position - 1 < stamp.size() ? stamp.substr(position - 1, length) : std::string_view());
  };
  return Joined({part(1, 4), part(5, 2), part(7, 2), part(9, 2), part(11, 2), part(13, 2)}, kSettingsSeparators);
}

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
  return DateTimeText(value, {kYear, kMonth, kDay, "時", "分", "秒"});
}

std::string DateTimeConversionError(std::string_view text) {
  std::string message = "'";
  message.append(text).append("' は正しい日付と時刻ではありません。");
  return message;
}

std::string JapaneseDateText(std::string_view year, std::string_view month, std::string_view day) {
  std::string text = Cp932ToUtf8(year);
  text.append(kYear).append(Cp932ToUtf8(month)).append(kMonth).append(Cp932ToUtf8(day)).append(kDay);
  return text;
}

bool IsDateDigits(std::string_view yyyymmdd) { return yyyymmdd.size() == 8 && AllDigits(yyyymmdd); }

std::optional<RaceDay> RaceDay::FromDigits(std::string_view yyyymmdd) {
  if (!IsDateDigits(yyyymmdd)) return std::nullopt;
  return RaceDay(yyyymmdd);
}

std::optional<RaceDay> RaceDay::FromText(std::string_view textUtf8) {
  // yyyy年mm月dd日: the digits at 0, 7 and 12, the marks at 4, 9 and 14.
  if (textUtf8.size() != 17 || textUtf8.substr(4, 3) != kYear || textUtf8.substr(9, 3) != kMonth ||
      textUtf8.substr(14, 3) != kDay)
    return std::nullopt;
  std::string digits(textUtf8.substr(0, 4));
  digits.append(textUtf8.substr(7, 2)).append(textUtf8.substr(12, 2));
  return FromDigits(digits);
}

std::string RaceDay::Text() const {
  const std::string_view digits = digits_;
  return JapaneseDateText(digits.substr(0, 4), digits.substr(4, 2), digits.substr(6, 2));
}

}  // namespace torvane
