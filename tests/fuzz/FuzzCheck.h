#pragma once
// What a fuzz target asserts beyond the sanitizers: a broken promise prints
// what was expected and aborts, which libFuzzer reports as a crash with the
// input that caused it.

#include <string_view>

namespace torvane::fuzz {

[[noreturn]] void Fail(std::string_view what);
inline void Require(bool condition, std::string_view what) {
  if (!condition) Fail(what);
}

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

}  // namespace torvane::fuzz
