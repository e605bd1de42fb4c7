// The settings file reader and writer on arbitrary bytes. The input is cut at
// zero bytes into: the settings file's text, a section name, a key name, a
// value, and a second section and key. The reads run through TIniGT on a
// real file; then the value is set in the text, and the text must give back
// the value (without the surrounding blanks and control characters that
// the program trims everywhere) and every other key as before.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "jvdata/PlainText.h"
#include "settings/IniGT.h"
#include "settings/PrivateProfile.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzScratchDir.h"

namespace {

using namespace torvane;

std::vector<std::string_view> Pieces(std::string_view input, std::size_t count) {
  std::vector<std::string_view> pieces;
  while (pieces.size() + 1 < count) {
    const std::size_t zero = input.find('\0');
    if (zero == std::string_view::npos) break;
    pieces.push_back(input.substr(0, zero));
    input.remove_prefix(zero + 1);
  }
  pieces.push_back(input);
  pieces.resize(count);
  return pieces;
}

// True when the names could be the same to the settings format: it folds
// ASCII letters outside double-byte characters, so folding all of them is
// the wider test.
bool MaybeSameName(std::string_view a, std::string_view b) {
  a = TrimBlanks(a), b = TrimBlanks(b);
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

void ReadThroughFile(std::string_view text, std::string_view section, std::string_view key) {
  const std::filesystem::path& dir = fuzz::FreshScratchDir();
  std::ofstream(dir / "torvane.ini", std::ios::binary).write(text.data(), text.size());
  const TIniGT ini(dir, "torvane");
  fuzz::Require(ini.ReadString(section, key, "").size() <= 2047, "at most 2047 bytes of a value are seen");
  ini.ReadInteger(section, key, 7);
  ini.ReadBool(section, key, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto pieces = Pieces({reinterpret_cast<const char*>(data), size}, 6);
  const std::string_view text = pieces[0], section = pieces[1], key = pieces[2], value = pieces[3];
  const std::string_view otherSection = pieces[4], otherKey = pieces[5];
  ReadThroughFile(text, section, key);

  const std::optional<std::string> updated = SetProfileValue(text, section, key, value);
  if (!updated) return 0;
  const auto stored = FindProfileValue(*updated, section, key);
  fuzz::Require(stored.has_value() && *stored == TrimBlanks(value), "a value set reads back");
  if (!MaybeSameName(section, otherSection) || !MaybeSameName(key, otherKey))
    fuzz::Require(FindProfileValue(*updated, otherSection, otherKey) == FindProfileValue(text, otherSection, otherKey),
                  "setting one key leaves the others as they were");
  return 0;
}
