#pragma once
// A local calendar date and time to the second, and its 14-digit form
// "yyyymmddhhnnss" in which JV-Link takes and reports times.

#include <array>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

struct DateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;

  auto operator<=>(const DateTime&) const = default;
};

// A real calendar date (years 1 to 9999) with hour 0-23, minute and second 0-59.
bool IsValidDateTime(const DateTime& value);

// Every written form of a date and time: the six fields from the year down,
// zero-padded (the year to 4 digits, the others to 2), each followed by its
// text in `after` ("年", "/", ":", ... or nothing).
std::string DateTimeText(const DateTime& value, const std::array<std::string_view, 6>& after);

// "yyyymmddhhnnss"; the value must be valid.
std::string ToDigits14(const DateTime& value);
// The value of exactly 14 ASCII digits forming a valid date and time; nothing otherwise.
std::optional<DateTime> FromDigits14(std::string_view digits);

// The same time of day, days calendar days earlier (or later for a negative count).
DateTime AddDays(const DateTime& value, int days);

// The current local date and time of this machine.
DateTime LocalNow();

}  // namespace torvane
