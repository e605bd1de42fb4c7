#include "store/FileReplacer.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "platform/Process.h"
#include "tests/store/FileSizeLimit.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

std::vector<std::string> FilesIn(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool IsSpare(const std::string& name) { return name.starts_with(kSpareFilePrefix); }

// The id of a process that has ended.
platform::ProcessId EndedProcess() {
#ifdef _WIN32
  // Windows hands out process ids in multiples of four, far below this one:
  // no process has it.
  return 0xFFFFFFF0u;
#else
  const pid_t pid = fork();
  if (pid == 0) _exit(0);
  waitpid(pid, nullptr, 0);
  return static_cast<platform::ProcessId>(pid);
#endif
}

TEST(FileReplacerTest, FilesAreCreatedAndReplacedWithExactlyTheNewContents) {
  test::TempDir dir;
  FileReplacer replacer;
  const FileStamp created = replacer.Replace(dir / "a", "first version, long\r\n");
  EXPECT_EQ(test::ReadFile(dir / "a"), "first version, long\r\n");
  EXPECT_EQ(StampOf(dir / "a"), created);
  replacer.Replace(dir / "b", "other file\r\n");
  const FileStamp shorter = replacer.Replace(dir / "a", "short\r\n");
  EXPECT_EQ(test::ReadFile(dir / "a"), "short\r\n");
  EXPECT_EQ(test::ReadFile(dir / "b"), "other file\r\n");
  EXPECT_EQ(StampOf(dir / "a"), shorter);
  EXPECT_NE(shorter, created);
  const FileStamp longer = replacer.Replace(dir / "a", std::string(10000, 'x'));
  EXPECT_EQ(test::ReadFile(dir / "a"), std::string(10000, 'x'));
  EXPECT_EQ(StampOf(dir / "a"), longer);
}

TEST(FileReplacerTest, TheSpareFilesGoWithTheReplacer) {
  test::TempDir dir;
  {
    FileReplacer replacer;
    replacer.Replace(dir / "a", "1");
    replacer.Replace(dir / "a", "2");
    const auto names = FilesIn(dir.Path());
    ASSERT_EQ(names.size(), 2u);
    EXPECT_TRUE(IsSpare(names[0])) << names[0];
  }
  EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"a"});
  EXPECT_EQ(test::ReadFile(dir / "a"), "2");
}

TEST(FileReplacerTest, ReplacersSharingADirectoryDoNotDisturbEachOther) {
  test::TempDir dir;
  FileReplacer first, second;
  for (int i = 0; i < 5; ++i) {
    first.Replace(dir / "a", "a" + std::to_string(i));
    second.Replace(dir / "b", "b" + std::to_string(i));
    second.Replace(dir / "a", "A" + std::to_string(i));
  }
  EXPECT_EQ(test::ReadFile(dir / "a"), "A4");
  EXPECT_EQ(test::ReadFile(dir / "b"), "b4");
}

TEST(FileReplacerTest, SparesOfEndedProcessesAreRemovedAndOthersKept) {
  test::TempDir dir;
  const std::string stale = std::string(kSpareFilePrefix) + std::to_string(EndedProcess()) + "-0";
  // This process runs; a number its own replacers do not reach.
  const std::string live = std::string(kSpareFilePrefix) + std::to_string(platform::CurrentProcessId()) + "-999999";
  test::WriteFile(dir / stale, "left by a killed writer");
  test::WriteFile(dir / live, "in use");
  test::WriteFile(dir / ".torvane-spare-x", "not a spare name");
  FileReplacer replacer;
  replacer.Replace(dir / "a", "1");
  const auto names = FilesIn(dir.Path());
  EXPECT_EQ(std::count(names.begin(), names.end(), stale), 0);
  EXPECT_EQ(std::count(names.begin(), names.end(), live), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), ".torvane-spare-x"), 1);
}

TEST(FileReplacerTest, AKilledWritersMarkHasItsSparesRemovedEverywhereAndAMarkLastsAsLongAsItsWriter) {
  test::TempDir dir;
  const platform::ProcessId killed = EndedProcess();
  const std::string stale = std::string(kSpareFilePrefix) + std::to_string(killed) + "-0";
  const std::string live = std::string(kSpareFilePrefix) + std::to_string(platform::CurrentProcessId()) + "-999999";
  test::WriteFile(dir / "SEIR" / "2002" / stale, "left where no later writer writes");
  test::WriteFile(dir / "UMA" / "2001" / stale, "");
  test::WriteFile(dir / "UMA" / "2001" / live, "in use");
  const std::string mark = std::string(kWriterMarkPrefix) + std::to_string(platform::CurrentProcessId());
  {
    // Without a killed writer's mark nothing is swept.
    const WriterMark first(dir.Path());
    EXPECT_EQ(FilesIn(dir / "SEIR" / "2002"), std::vector<std::string>{stale});
    EXPECT_TRUE(std::filesystem::exists(dir / mark));
  }
  EXPECT_FALSE(std::filesystem::exists(dir / mark));

  test::WriteFile(dir / (std::string(kWriterMarkPrefix) + std::to_string(killed)), "");
  const WriterMark next(dir.Path());
  EXPECT_TRUE(FilesIn(dir / "SEIR" / "2002").empty());
  EXPECT_EQ(FilesIn(dir / "UMA" / "2001"), std::vector<std::string>{live});
  EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{mark, "SEIR", "UMA"}));
}

TEST(FileReplacerTest, AFailedReplacementLeavesTheOldFileWholeAndNamesIt) {
  test::TempDir dir;
  FileReplacer replacer;
  replacer.Replace(dir / "a", "old\r\n");
  std::string message;
  try {
    test::FileSizeLimit limit(16);
    replacer.Replace(dir / "a", "a new version longer than sixteen bytes\r\n");
  } catch (const StoreError& error) {
    message = error.what();
  }
  EXPECT_NE(message.find((dir / "a").string()), std::string::npos) << message;
  EXPECT_EQ(test::ReadFile(dir / "a"), "old\r\n");
  replacer.Replace(dir / "a", "new\r\n");
  EXPECT_EQ(test::ReadFile(dir / "a"), "new\r\n");
}

TEST(FileReplacerTest, AMissingDirectoryIsAnErrorWithThePath) {
  test::TempDir dir;
  FileReplacer replacer;
  try {
    replacer.Replace(dir / "none" / "a", "x");
    FAIL() << "no error";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find((dir / "none" / "a").string()), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace torvane
