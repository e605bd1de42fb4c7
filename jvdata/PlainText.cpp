#include "jvdata/PlainText.h"

#include <cstdarg>
#include <cstdio>

namespace torvane {
namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; }

}  // namespace

std::string_view TrimBlanks(std::string_view utf8) {
  while (!utf8.empty() && IsBlankOrControl(utf8.front())) utf8.remove_prefix(1);
  while (!utf8.empty() && IsBlankOrControl(utf8.back())) utf8.remove_suffix(1);
  return utf8;
}

std::string Formatted(const char* format, ...) {
  char buffer[128];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (length < 0) return {};
  if (static_cast<std::size_t>(length) < sizeof buffer) return std::string(buffer, static_cast<std::size_t>(length));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace torvane
