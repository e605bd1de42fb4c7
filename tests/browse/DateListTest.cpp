#include <gtest/gtest.h>

#include "browse/DateList.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

std::vector<std::string> Texts(const std::vector<RaceDay>& dates) {
  std::vector<std::string> texts;
  for (const auto& date : dates) texts.push_back(date.Text());
  return texts;
}

TEST(DateListTest, ListsTheDateFilesNewestFirst) {
  test::TempDir dir;
  for (const char8_t* name : {u8"2004年01月05日.jvTK", u8"2003年12月28日.jvTK", u8"2004年01月10日.jvTK"})
    test::WriteFile(dir / "Data" / name, "");
  // Neither is a date file: another extension, a name of another form.
  test::WriteFile(dir / "Data" / u8"2004年01月11日.jvTK.tmp", "");
  test::WriteFile(dir / "Data" / "notes.jvTK", "");
  const auto dates = BuildDateList(dir.Path());
  EXPECT_EQ(Texts(dates), (std::vector<std::string>{"2004年01月10日", "2004年01月05日", "2003年12月28日"}));
}

TEST(DateListTest, AMissingOrEmptyDataDirectoryGivesNoDates) {
  test::TempDir dir;
  EXPECT_TRUE(BuildDateList(dir.Path()).empty());
  std::filesystem::create_directories(dir / "Data");
  EXPECT_TRUE(BuildDateList(dir.Path()).empty());
}

}  // namespace
}  // namespace torvane
