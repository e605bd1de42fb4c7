#pragma once
// The command-line tool's console: UTF-8 arguments in, bytes out unchanged.

#include <string>
#include <vector>

namespace torvane::platform {

// Makes standard output and standard error write exactly the bytes given:
// no LF to CR LF translation, no console code page conversion. Call before
// the first output.
void UseBinaryStandardStreams();

// The program's arguments after its name, as UTF-8 texts (on Windows from
// the wide command line, never the ANSI code page).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace torvane::platform
