// The Windows console: standard streams in binary mode, so that the bytes
// written are the bytes the Linux build writes (UTF-8, LF), and arguments
// from the wide command line.
#include <windows.h>
// after windows.h, which it needs
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <stdio.h>

#include "platform/Console.h"

namespace torvane::platform {
namespace {

std::string Utf8OfWide(const wchar_t* text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return std::string();
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.pop_back();  // the terminating NUL
  return out;
}

}  // namespace

void UseBinaryStandardStreams() {
  ::_setmode(::_fileno(stdin), _O_BINARY);
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
}

std::vector<std::string> Utf8Arguments(int, char**) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8OfWide(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

}  // namespace torvane::platform
