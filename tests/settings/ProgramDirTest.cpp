#include <gtest/gtest.h>

#include "settings/ProgramDir.h"

namespace torvane {
namespace {

// An installed program cannot write beside its executable: its store and
// settings go to the user's data folder, by the XDG rule.
TEST(ProgramDirTest, AnUnwritableExecutableDirGivesWayToTheUsersDataFolder) {
  const std::filesystem::path bin = "/usr/bin";
  EXPECT_EQ(ChooseProgramDir(bin, true, "/x/data", "/home/u"), bin);
  EXPECT_EQ(ChooseProgramDir(bin, false, "/x/data", "/home/u"), "/x/data/torvane");
  // A relative XDG_DATA_HOME is invalid and ignored; unset is empty.
  EXPECT_EQ(ChooseProgramDir(bin, false, "data", "/home/u"), "/home/u/.local/share/torvane");
  EXPECT_EQ(ChooseProgramDir(bin, false, "", "/home/u"), "/home/u/.local/share/torvane");
  EXPECT_EQ(ChooseProgramDir(bin, false, "", ""), bin);
}

}  // namespace
}  // namespace torvane
