#pragma once
// The written forms of a date and time in the acquisition run: the settings
// form "yyyy/mm/dd hh:nn:ss" and the start dialog's "yyyy年mm月dd日hh時nn分ss秒".

#include <optional>
#include <string>
#include <string_view>

#include "jvlink/DateTime.h"

namespace torvane {

// "yyyy/mm/dd hh:nn:ss", zero-padded, 24-hour clock.
std::string SettingsDateTimeText(const DateTime& value);

// A date "y/m/d", optionally followed by a blank and a time "h:n" or "h:n:s"
// (numbers of up to 4 digits for the year, 2 for the rest; blanks around the
// whole are allowed); a missing time is midnight. Nothing for any other text
// or an impossible date or time.
std::optional<DateTime> ParseDateTimeText(std::string_view text);

// "yyyy年mm月dd日hh時nn分ss秒", zero-padded, 24-hour clock.
std::string JapaneseDateTimeText(const DateTime& value);

// The report of a text that does not read as a date and time.
std::string DateTimeConversionError(std::string_view text);

}  // namespace torvane
