#include <gtest/gtest.h>

#include "platform/Process.h"
#include "store/StoreLock.h"
#include "store/StorePaths.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

TEST(StoreLockTest, RemovingTheLockFileLetsNoSecondWriterIn) {
  test::TempDir dir;
  StoreLock first;
  ASSERT_TRUE(first.TryTake(dir.Path()));
  std::error_code refused;  // where the system keeps a held lock file from being removed
  std::filesystem::remove(dir / std::string(kStoreLockFileName), refused);
  StoreLock second;
  EXPECT_FALSE(second.TryTake(dir.Path()));
  first.Release();
  EXPECT_TRUE(second.TryTake(dir.Path()));
}

TEST(StoreLockTest, OnlyTheFilesOfEndedWritersAreCleanedUpAndNothingBehindALink) {
  test::TempDir dir, outside;
  CreateStoreDirectories(dir.Path());
  std::filesystem::remove(dir / "SEI");
  std::filesystem::create_symlink(outside.Path(), dir / "SEI");
  // Above any process id the system gives (Linux's largest is 2^22): that writer has ended.
  const std::string ended = ".20030406.jvTK.4194305-0.tmp";
  const std::string running = ".20030406.jvTK." + std::to_string(platform::CurrentProcessId()) + "-0.tmp";
  for (const std::string& name : {ended, running}) test::WriteFile(dir / "Data" / name, "partial");
  test::WriteFile(outside / ended, "not the store's");
  test::WriteFile(dir / ".torvane-writing", "");  // the mark of a killed writer

  StoreLock lock;
  ASSERT_TRUE(lock.TryTake(dir.Path()));
  EXPECT_FALSE(std::filesystem::exists(dir / "Data" / ended));
  EXPECT_TRUE(std::filesystem::exists(dir / "Data" / running)) << "a writer that still runs keeps its files";
  EXPECT_TRUE(std::filesystem::exists(outside / ended));
}

}  // namespace
}  // namespace torvane
