#include "tests/support/Fifo.h"

#include <gtest/gtest.h>

#include <future>

#ifdef _WIN32

namespace torvane::test {

// Windows has no FIFOs in its file system; the cases that make one are left
// out of the Windows run by name (tests/WindowsTests.cmake), and fail here
// if not.
void MakeFifo(const std::filesystem::path& path) { FAIL() << "Windows has no FIFO to make at " << path; }

bool ReturnsWithoutWaiting(const std::filesystem::path&, const std::function<void()>& read, std::chrono::seconds) {
  read();
  return true;
}

}  // namespace torvane::test

#else

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane::test {

void MakeFifo(const std::filesystem::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path; }

bool ReturnsWithoutWaiting(const std::filesystem::path& path, const std::function<void()>& read,
                           std::chrono::seconds timeout) {
  std::future<void> done = std::async(std::launch::async, read);
  if (done.wait_for(timeout) == std::future_status::ready) {
    done.get();
    return true;
  }
  // Each open the reader makes waits for a writer of its own.
  do {
    const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writer >= 0) ::close(writer);
  } while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready);
  done.get();
  return false;
}

}  // namespace torvane::test

#endif
