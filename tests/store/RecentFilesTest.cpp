#include "store/RecentFiles.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

const FileStamp kFirst{1, 10, 4, 100};
const FileStamp kSecond{1, 11, 4, 100};

TEST(RecentFilesTest, ACopyIsHandedOutForTheVersionItMirrorsOnly) {
  RecentFiles files(1000);
  files.Put("a", "AAAA", kFirst);
  EXPECT_EQ(files.Take("a", kFirst), "AAAA");
  EXPECT_EQ(files.Take("a", kFirst), std::nullopt);  // taken: Put brings it back
  files.Put("a", "AAAA", kFirst);
  EXPECT_EQ(files.Take("a", kSecond), std::nullopt);
  EXPECT_EQ(files.Take("a", kFirst), std::nullopt);  // a stale copy is dropped
  EXPECT_EQ(files.Take("b", kFirst), std::nullopt);
}

TEST(RecentFilesTest, TheLeastRecentlyUsedCopiesGoWhenTheBudgetIsSpent) {
  RecentFiles files(10);
  files.Put("a", "AAAA", kFirst);
  files.Put("b", "BBBB", kFirst);
  files.Put("a", *files.Take("a", kFirst), kFirst);  // a is now the most recent
  files.Put("c", "CCCC", kFirst);
  EXPECT_EQ(files.Take("b", kFirst), std::nullopt);
  EXPECT_EQ(files.Take("a", kFirst), "AAAA");
  EXPECT_EQ(files.Take("c", kFirst), "CCCC");
  files.Put("big", std::string(11, 'x'), kFirst);
  EXPECT_EQ(files.Take("big", kFirst), std::nullopt);
}

}  // namespace
}  // namespace torvane
