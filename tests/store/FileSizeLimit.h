#pragma once
// Makes every write that would carry a file past a size fail (EFBIG), also for
// root, for as long as the object lives: the way the store tests make a write
// fail part-way.

#include <cstdint>

#ifdef _WIN32
#include <stdexcept>
#else
#include <sys/resource.h>

#include <csignal>
#endif

namespace torvane::test {

#ifdef _WIN32
// Windows has no such limit; the cases that need it are left out of the
// Windows run by name (tests/WindowsTests.cmake), and fail here if not.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t) { throw std::logic_error("Windows has no file size limit for a process"); }
};
#else
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t limit) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit lowered = previous_;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};
#endif

}  // namespace torvane::test
