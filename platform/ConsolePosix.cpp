// On POSIX systems standard streams carry bytes unchanged and arguments are
// the bytes given, UTF-8 in every locale the program is run in.
#include "platform/Console.h"

namespace torvane::platform {

void UseBinaryStandardStreams() {}

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

}  // namespace torvane::platform
