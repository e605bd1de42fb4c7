#pragma once
// A race day, as the store keeps it: the date of a date file. The date list,
// the loader, the horse finder and the CLI pass it as this one value; it
// becomes the text "2003年04月06日" only where it is shown or typed, and a
// file name only in the store's paths.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

class RaceDay {
 public:
  // The day of "yyyymmdd" in ASCII digits; nothing for any other text.
  static std::optional<RaceDay> FromDigits(std::string_view yyyymmdd);
  // The day of the text "yyyy年mm月dd日" (UTF-8, ASCII digits); nothing for
  // any other text.
  static std::optional<RaceDay> FromText(std::string_view textUtf8);

  // "yyyy年mm月dd日", UTF-8.
  std::string Text() const;
  // "yyyymmdd".
  std::string_view Digits() const { return digits_; }

  // Earlier days first.
  auto operator<=>(const RaceDay&) const = default;

 private:
  explicit RaceDay(std::string_view digits) : digits_(digits) {}
  std::string digits_;
};

}  // namespace torvane
