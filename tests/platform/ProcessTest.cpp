#include <gtest/gtest.h>

#include "platform/Process.h"
#include "tests/support/TempDir.h"

namespace torvane::platform {
namespace {

TEST(ProcessTest, TheLockKeepsASecondHolderOutUntilTheFirstLetsGo) {
  test::TempDir dir;
  {
    ExclusiveFileLock first;
    ASSERT_TRUE(first.TryLock(dir / "lock"));
    ExclusiveFileLock second;
    EXPECT_FALSE(second.TryLock(dir / "lock"));
    EXPECT_FALSE(second.IsHeld());
  }
  ExclusiveFileLock third;
  EXPECT_TRUE(third.TryLock(dir / "lock"));
  EXPECT_THROW(ExclusiveFileLock().TryLock(dir / "missing" / "lock"), FileError);
}

TEST(ProcessTest, TheLockFileIsNeverMadeThroughALink) {
  test::TempDir dir;
  std::filesystem::create_symlink(dir / "elsewhere", dir / "link");
  EXPECT_THROW(ExclusiveFileLock().TryLock(dir / "link"), FileError);
  EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere")) << "no file made through the link";
}

TEST(ProcessTest, ThisProcessRunsAndIdZeroIsNeverTakenForAnEndedOne) {
  EXPECT_FALSE(ProcessHasEnded(CurrentProcessId()));
  EXPECT_FALSE(ProcessHasEnded(0));
}

}  // namespace
}  // namespace torvane::platform
