#include "tests/fuzz/FuzzScratchDir.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace torvane::fuzz {
namespace {

std::filesystem::path MakeScratchDir() {
  std::error_code ignored;
  const std::filesystem::path base =
      std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm" : std::filesystem::temp_directory_path();
  std::string pattern = (base / "torvane-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot create a scratch directory in " + base.string());
  return pattern;
}

class ScratchDir {
 public:
  ScratchDir() : path_(MakeScratchDir()) {}
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Emptied() const {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) std::filesystem::remove_all(entry.path());
    return path_;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& FreshScratchDir() {
  static const ScratchDir dir;
  return dir.Emptied();
}

}  // namespace torvane::fuzz
