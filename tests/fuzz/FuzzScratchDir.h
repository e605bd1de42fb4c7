#pragma once
// A program directory for one fuzz target process: made once (in /dev/shm
// when there is one, so that the many small writes stay in memory) and
// emptied before every input; removed when the process ends normally.

#include <filesystem>

namespace torvane::fuzz {

// The directory, empty, as a fresh program directory would be.
const std::filesystem::path& FreshScratchDir();

}  // namespace torvane::fuzz
