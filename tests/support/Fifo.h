#pragma once
// A FIFO in place of a file, for checking that no reader waits on one.

#include <chrono>
#include <filesystem>
#include <functional>

namespace torvane::test {

// Makes a FIFO at path; fails the test when it cannot.
void MakeFifo(const std::filesystem::path& path);

// Runs read (which opens the FIFO at path) and reports whether it came back
// within timeout. When it did not, writers open and close the FIFO until the
// stuck reader has seen its end, so that the test can go on to fail.
bool ReturnsWithoutWaiting(const std::filesystem::path& path, const std::function<void()>& read,
                           std::chrono::seconds timeout = std::chrono::seconds(10));

}  // namespace torvane::test
