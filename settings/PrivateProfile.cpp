#include "settings/PrivateProfile.h"

#include <cstddef>

#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"

namespace torvane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-insensitive for ASCII letters only; double-byte characters compare
// exactly, so that their second bytes are never folded.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (IsCp932LeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (LowerAscii(a[i]) != LowerAscii(b[i])) {
      return false;
    }
  }
  return true;
}

enum class LineKind { Other, Section, Key };

struct ProfileLine {
  std::size_t end = 0;   // past the line's last byte, LF or CR LF excluded
  std::size_t next = 0;  // start of the next line
  LineKind kind = LineKind::Other;
  bool blank = true;
  std::string_view name;       // section or key, trimmed
  std::string_view value;      // key lines: trimmed
  std::size_t valueStart = 0;  // key lines: just after "="
};

ProfileLine ParseLine(std::string_view text, std::size_t start) {
  ProfileLine line;
  const std::size_t lineBreak = text.find('\n', start);
  line.end = lineBreak == std::string_view::npos ? text.size() : lineBreak;
  line.next = lineBreak == std::string_view::npos ? text.size() : lineBreak + 1;
  if (line.end > start && text[line.end - 1] == '\r') --line.end;
  std::size_t contentStart = start;
  if (start == 0 && text.starts_with(kUtf8Bom)) contentStart = kUtf8Bom.size();
  const std::string_view content = TrimBlanks(text.substr(contentStart, line.end - contentStart));
  line.blank = content.empty();
  if (content.empty() || content.front() == ';') return line;
  if (content.front() == '[') {
    // The last "]" closes the name: a "]" inside may be the second byte of a
    // double-byte character.
    const std::size_t close = content.rfind(']');
    if (close != 0 && close != std::string_view::npos) {
      line.kind = LineKind::Section;
      line.name = TrimBlanks(content.substr(1, close - 1));
    }
    return line;
  }
  const std::size_t equals = content.find('=');  // "=" is never a second byte
  if (equals == std::string_view::npos) return line;
  line.name = TrimBlanks(content.substr(0, equals));
  if (line.name.empty()) return line;
  line.kind = LineKind::Key;
  line.valueStart = static_cast<std::size_t>(content.data() - text.data()) + equals + 1;
  line.value = TrimBlanks(text.substr(line.valueStart, line.end - line.valueStart));
  return line;
}

std::string_view LineBreakOf(std::string_view text) {
  const std::size_t lineBreak = text.find('\n');
  if (lineBreak == std::string_view::npos) return "\r\n";
  return lineBreak > 0 && text[lineBreak - 1] == '\r' ? "\r\n" : "\n";
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool IsStorable(std::string_view section, std::string_view key, std::string_view value) {
  if (section.empty() || key.empty()) return false;
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  return key.find('=') == std::string_view::npos && key.front() != ';' && key.front() != '[';
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (section.empty() || key.empty()) return std::nullopt;
  bool inSection = false;
  for (std::size_t start = 0; start < text.size();) {
    const ProfileLine line = ParseLine(text, start);
    if (line.kind == LineKind::Section) inSection = SameName(line.name, section);
    if (line.kind == LineKind::Key && inSection && SameName(line.name, key)) return line.value;
    start = line.next;
  }
  return std::nullopt;
}

std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                           std::string_view value) {
  // A line break in a name is refused before trimming could hide it.
  if (!IsStorable(section, key, value)) return std::nullopt;
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (!IsStorable(section, key, value)) return std::nullopt;

  bool inSection = false;
  int sectionsSeen = 0;
  std::optional<ProfileLine> lastOfFirstSection;  // where a new key goes
  for (std::size_t start = 0; start < text.size();) {
    const ProfileLine line = ParseLine(text, start);
    if (line.kind == LineKind::Section) {
      inSection = SameName(line.name, section);
      if (inSection) ++sectionsSeen;
    }
    if (line.kind == LineKind::Key && inSection && SameName(line.name, key)) {
      std::string updated(text.substr(0, line.valueStart));
      updated.append(value).append(text.substr(line.end));
      return updated;
    }
    if (inSection && sectionsSeen == 1 && !line.blank) lastOfFirstSection = line;
    start = line.next;
  }

  const std::string_view lineBreak = LineBreakOf(text);
  std::string addition;
  const std::size_t at = lastOfFirstSection ? lastOfFirstSection->next : text.size();
  // The line before the addition may be the last of the text, without its break.
  if (at > 0 && text[at - 1] != '\n') addition.append(lineBreak);
  if (!lastOfFirstSection) addition.append("[").append(section).append("]").append(lineBreak);
  addition.append(key).append("=").append(value).append(lineBreak);

  std::string updated(text.substr(0, at));
  updated.append(addition).append(text.substr(at));
  return updated;
}

}  // namespace torvane
