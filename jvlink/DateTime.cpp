#include "jvlink/DateTime.h"

#include <chrono>
#include <ctime>

#include "jvdata/PlainText.h"
#include "platform/Clock.h"

namespace torvane {

bool IsValidDateTime(const DateTime& value) {
  using namespace std::chrono;
  const year_month_day date{year{value.year}, month{static_cast<unsigned>(value.month)},
                            day{static_cast<unsigned>(value.day)}};
  return value.year >= 1 && value.year <= 9999 && value.month >= 1 && value.day >= 1 && date.ok() && value.hour >= 0 &&
         value.hour <= 23 && value.minute >= 0 && value.minute <= 59 && value.second >= 0 && value.second <= 59;
}

std::string DateTimeText(const DateTime& value, const std::array<std::string_view, 6>& after) {
  const std::array<int, 6> fields{value.year, value.month, value.day, value.hour, value.minute, value.second};
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    text += Formatted("%0*d", i == 0 ? 4 : 2, fields[i]);
    text += after[i];
  }
  return text;
}

std::string ToDigits14(const DateTime& value) { return DateTimeText(value, {"", "", "", "", "", ""}); }

std::optional<DateTime> FromDigits14(std::string_view digits) {
  if (digits.size() != 14) return std::nullopt;
  for (const char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
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

}  // namespace torvane
