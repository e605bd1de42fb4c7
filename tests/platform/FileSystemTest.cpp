#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "platform/FileSystem.h"
#include "tests/support/TempDir.h"

namespace torvane::platform {
namespace {

// The stand-in's cache tells a changed delivery from its copy by size and
// time: the copy must replace the old one whole, take the source's time, and
// leave nothing else beside it.
TEST(FileSystemTest, ACopyReplacesTheTargetWholeWithTheSourcesTime) {
  test::TempDir dir;
  test::WriteFile(dir / "source", "new contents\r\n");
  test::WriteFile(dir / "target", "an older and longer copy\r\n");
  const auto sourceTime = std::filesystem::file_time_type::clock::now() - std::chrono::hours(30);
  std::filesystem::last_write_time(dir / "source", sourceTime);

  EXPECT_EQ(CopyReplacing(dir / "source", dir / "target", Durability::kCached), "new contents\r\n");
  EXPECT_EQ(test::ReadFile(dir / "target"), "new contents\r\n");
  EXPECT_EQ(SizeAndTimeOf(dir / "target"), SizeAndTimeOf(dir / "source"));

  std::filesystem::create_directory(dir / "sub");
  std::vector<DirectoryEntry> entries = ListDirectory(dir.Path());
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 3u) << "no temporary file is left";
  EXPECT_EQ(entries[0].name, "source");
  EXPECT_EQ(entries[1].name, "sub");
  EXPECT_FALSE(entries[1].isRegularFile);
  EXPECT_TRUE(entries[2].isRegularFile);

  EXPECT_THROW(CopyReplacing(dir / "missing", dir / "target", Durability::kCached), FileError);
  EXPECT_EQ(test::ReadFile(dir / "target"), "new contents\r\n") << "a failed copy leaves the target as it was";
}

}  // namespace
}  // namespace torvane::platform
