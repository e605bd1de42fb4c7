#include "store/RaceDay.h"

#include "store/StorePaths.h"

namespace torvane {
namespace {

// 年, 月 and 日 are three bytes each in UTF-8.
constexpr std::string_view kYear = "年";
constexpr std::string_view kMonth = "月";
constexpr std::string_view kDay = "日";

}  // namespace

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
  std::string text;
  text.append(digits_, 0, 4).append(kYear).append(digits_, 4, 2).append(kMonth).append(digits_, 6, 2).append(kDay);
  return text;
}

}  // namespace torvane
