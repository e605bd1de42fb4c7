#include "tests/support/StoreCheck.h"

#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string_view>

namespace torvane::test {
namespace {

struct Kind {
  std::string_view directory;
  std::string_view extension;
  std::string_view type;
  std::size_t size;
};

// Written out here rather than taken from the store's own tables, so that the
// checks do not share a mistake with the code under test.
constexpr Kind kKinds[] = {
    {"Data", ".jvTK", "TK", 21657},
    {"SEIR", ".jvSERA", "RA", 1272},
    {"SEI", ".jvSEI", "SE", 555},
    {"UMA", ".jvUMA", "UM", 1577},
};
// A horse master file of the current, longer layout.
constexpr Kind kCurrentUm{"UMA", ".jvUMA", "UM", 1609};

bool IsSpare(const std::filesystem::path& path) { return path.filename().string().starts_with('.'); }

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CheckRecords(const std::string& name, const Kind& kind, std::string_view contents,
                  std::vector<std::string>& problems) {
  if (contents.size() % kind.size != 0) {
    problems.push_back(name + ": " + std::to_string(contents.size()) + " bytes are not whole " +
                       std::string(kind.type) + " records");
    return;
  }
  const std::size_t count = contents.size() / kind.size;
  if (kind.type == "UM" && count != 1) problems.push_back(name + ": " + std::to_string(count) + " records, not one");
  std::set<std::string_view> keys;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view record = contents.substr(i * kind.size, kind.size);
    const std::string at = name + ": record " + std::to_string(i + 1);
    if (!record.starts_with(kind.type)) problems.push_back(at + " is not of type " + std::string(kind.type));
    if (!record.ends_with("\r\n")) problems.push_back(at + " does not end in CR LF");
    if (i > 0 && record <= contents.substr((i - 1) * kind.size, kind.size))
      problems.push_back(at + " is not above the one before it");
    if (kind.type != "UM" && !keys.insert(record.substr(11, 16)).second) problems.push_back(at + " repeats a race key");
  }
}

}  // namespace

std::vector<std::string> StoreProblems(const std::filesystem::path& programDir) {
  std::vector<std::string> problems;
  for (auto it = std::filesystem::recursive_directory_iterator(programDir);
       it != std::filesystem::recursive_directory_iterator(); ++it) {
    if (!it->is_regular_file() || IsSpare(it->path())) continue;
    const std::filesystem::path relative = it->path().lexically_relative(programDir);
    if (!relative.has_parent_path()) continue;  // the settings file and the like
    const std::string name = relative.string();
    const std::string top = relative.begin()->string();
    const Kind* kind = nullptr;
    for (const Kind& candidate : kKinds)
      if (top == candidate.directory) kind = &candidate;
    if (kind == nullptr || relative.extension() != kind->extension) {
      problems.push_back(name + ": not a store file");
      continue;
    }
    const std::string contents = Contents(it->path());
    if (kind->type == "UM" && contents.size() == kCurrentUm.size) kind = &kCurrentUm;
    CheckRecords(name, *kind, contents, problems);
  }
  return problems;
}

std::map<std::string, std::string> StoreFiles(const std::filesystem::path& programDir) {
  std::map<std::string, std::string> files;
  for (auto it = std::filesystem::recursive_directory_iterator(programDir);
       it != std::filesystem::recursive_directory_iterator(); ++it)
    if (it->is_regular_file() && !IsSpare(it->path()) && it.depth() > 0)
      files[it->path().lexically_relative(programDir).string()] = Contents(it->path());
  return files;
}

}  // namespace torvane::test
