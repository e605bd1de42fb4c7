#include "browse/InfoGridFormat.h"

#include <charconv>
#include <cstdarg>
#include <cstdio>

#include "codes/KeibaFunc.h"

namespace torvane {
namespace {

bool IsCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace

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

std::optional<std::int64_t> StrictInteger(std::string_view field) {
  std::string_view digits = TrimBlanks(field);
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::string_view Cp932Prefix(std::string_view cp932, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < cp932.size()) {
    const std::size_t next = end + (IsCp932LeadByte(static_cast<unsigned char>(cp932[end])) ? 2 : 1);
    if (next > maxBytes) break;
    end = next;
  }
  return cp932.substr(0, end);
}

}  // namespace torvane
