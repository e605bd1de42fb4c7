#pragma once
// The private-profile (INI) text format on CP932 bytes: "[section]" lines
// followed by "key=value" lines. Section and key names compare without regard
// to ASCII letter case; names and values have surrounding blanks trimmed; a
// line whose first non-blank character is ";" is a comment. Lines end in LF
// or CR LF; the last one may lack its line break.
//
// A lookup takes the first matching key of any section of that name, and an
// update changes that same line, so the last write of a key wins. An update
// leaves every other byte of the text as it was.

#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// The value stored under section and key, blanks trimmed; nullopt when the
// key is missing or a name is blank.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section, std::string_view key);

// The text with section and key set to value: the key's line rewritten in
// place, or a new key line after the last non-blank line of the section, or a
// new section at the end. New lines take the text's line break (CR LF for an
// empty text). Nullopt when the names or the value cannot be stored as given:
// a blank name, a line break anywhere, "=" in the key, or a key that would
// read back as a comment or a section line.
std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                           std::string_view value);

}  // namespace torvane
