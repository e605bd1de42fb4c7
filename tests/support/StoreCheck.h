#pragma once
// Checks on a local store tree as a whole, for tests that damage, interrupt
// or fuzz the store writer. Files whose names start with a dot (the writer's
// spare files) are not store files and are left out.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace torvane::test {

// What is wrong with the store under programDir, one text per fault: a file
// in a directory other than the four store directories or with another
// extension, a size that is not whole records of the directory's type, a
// record of another type or not ending in CR LF, records out of ascending
// order, two records with one race key, a horse master file that is not
// exactly one record. Files at the top level (the settings file) are not
// store files.
std::vector<std::string> StoreProblems(const std::filesystem::path& programDir);

// Every store file (every file below the top level) under programDir by its
// path relative to programDir.
std::map<std::string, std::string> StoreFiles(const std::filesystem::path& programDir);

}  // namespace torvane::test
