#pragma once
// Dates and times as the program meets them: a local date and time to the
// second with its 14-digit form "yyyymmddhhnnss" in which JV-Link takes and
// reports times, the race day of a date file, and their written forms (the
// settings form "yyyy/mm/dd hh:nn:ss", the start dialog's
// "yyyy年mm月dd日hh時nn分ss秒" and the day "yyyy年mm月dd日" of screens,
// prints and store file names).

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

// "yyyy/mm/dd hh:nn:ss", zero-padded, 24-hour clock.
std::string SettingsDateTimeText(const DateTime& value);
// The settings form of a 14-character stamp cut as it stands, characters
// 1-4, 5-6, 7-8, 9-10, 11-12 and 13-14 (as far as it has them): how a stamp
// that is no date and time is reported.
std::string SettingsStampText(std::string_view stamp);

// A date "y/m/d", optionally followed by a blank and a time "h:n" or "h:n:s"
// (numbers of up to 4 digits for the year, 2 for the rest; blanks around the
// whole are allowed); a missing time is midnight. Nothing for any other text
// or an impossible date or time.
std::optional<DateTime> ParseDateTimeText(std::string_view text);

// "yyyy年mm月dd日hh時nn分ss秒", zero-padded, 24-hour clock.
std::string JapaneseDateTimeText(const DateTime& value);

// The report of a text that does not read as a date and time.
std::string DateTimeConversionError(std::string_view text);

// A record's year, month and day fields (CP932 as stored, or ASCII texts)
// written as the day: year + "年" + month + "月" + day + "日", UTF-8. The
// fields are taken as they are, so a record with odd fields still shows
// them.
std::string JapaneseDateText(std::string_view year, std::string_view month, std::string_view day);

// "yyyymmdd": 8 ASCII digits.
bool IsDateDigits(std::string_view yyyymmdd);

// A race day, as the store keeps it: the date of a date file. The date list,
// the loader, the horse finder and the CLI pass it as this one value; it
// becomes the text "2003年04月06日" only where it is shown or typed, and a
// file name only in the store's paths.
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
