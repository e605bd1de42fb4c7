#!/bin/sh
# Prints the program's version, kept in one place: the project() line of
# CMakeLists.txt. The Debian package and the Windows release take it from here.
sed -n 's/^project(Torvane VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt"
