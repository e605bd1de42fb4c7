#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "store/StorePaths.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

const std::filesystem::path kProgramDir = "/opt/torvane";

TEST(StorePathsTest, ADayIsNamedByItsTextAndADateFileNameGivesItsDayBack) {
  const RaceDay day = RaceDay::FromDigits("20030406").value();
  EXPECT_EQ(day.Text(), "2003年04月06日");
  EXPECT_EQ(RaceDay::FromText("2003年04月06日"), day);
  const std::filesystem::path path = DateFilePath(kProgramDir, day);
  EXPECT_EQ(path, kProgramDir / "Data" / u8"2003年04月06日.jvTK");
  EXPECT_EQ(RaceDayOfFileName(platform::Utf8OfPath(path.filename())), day);
  EXPECT_LT(RaceDay::FromText("2003年12月31日"), RaceDay::FromText("2004年01月01日"));
}

TEST(StorePathsTest, NamesAndTextsThatAreNoDayGiveNone) {
  for (const char* name : {"2003年04月06日.jvTK.123-0.tmp", ".2003年04月06日.jvTK.1-1.tmp", "2003年04月06日.jvSEI",
                           "2003年04月06日", "200年04月06日.jvTK", "2003年4月06日.jvTK", "2003年04月06日x.jvTK",
                           "abcd年04月06日.jvTK", "2003-04-06.jvTK", "2003年04月/.日.jvTK", ".jvTK", ""})
    EXPECT_EQ(RaceDayOfFileName(name), std::nullopt) << name;
  for (const char* digits : {"2003040", "200304066", "2003040x", "../04066", ""})
    EXPECT_EQ(RaceDay::FromDigits(digits), std::nullopt) << digits;
}

TEST(StorePathsTest, HorseAndRaceFilesLieInSubdirectoriesOfTheirFirstDigits) {
  EXPECT_EQ(RaFilePath(kProgramDir, "2003040606"), kProgramDir / "SEIR" / "2003" / "2003040606.jvSERA");
  EXPECT_EQ(RaFilePath(kProgramDir, "20030406A0"), kProgramDir / "SEIR" / "2003" / "20030406A0.jvSERA");
  EXPECT_EQ(SeFilePath(kProgramDir, "2000104567"), kProgramDir / "SEI" / "2000" / "2000104567.jvSEI");
  EXPECT_EQ(UmFilePath(kProgramDir, "2000104567"), kProgramDir / "UMA" / "2000" / "2000104567.jvUMA");
}

TEST(StorePathsTest, FieldsNotOfTheirFormNameNoFile) {
  for (const char* number : {"../../etc/", "2000/04567", "200010456 ", " 200010456", "20001045\x82\xa0", "2000\n04567",
                             "200010456", "20001045678", "..........", ""}) {
    EXPECT_FALSE(IsBloodNumber(number)) << number;
    EXPECT_EQ(SeFilePath(kProgramDir, number), std::filesystem::path()) << number;
    EXPECT_EQ(UmFilePath(kProgramDir, number), std::filesystem::path()) << number;
  }
  for (const char* yearDateCourse :
       {"20030406..", "2003040/06", "../0406060", "200304 606", "2003040606x", "20030406\x82\xa0", "2003O40606"})
    EXPECT_EQ(RaFilePath(kProgramDir, yearDateCourse), std::filesystem::path()) << yearDateCourse;
}

TEST(StorePathsTest, RacecourseCodesAreTwoAsciiLettersOrDigits) {
  for (const char* code : {"06", "A0", "ab", "Z9"}) EXPECT_TRUE(IsRacecourseCode(code)) << code;
  for (const char* code : {" 6", "6", "061", "..", "/a", "\x82\xa0", "\t1", ""})
    EXPECT_FALSE(IsRacecourseCode(code)) << code;
  EXPECT_TRUE(IsDateDigits("20030406"));
  for (const char* date : {"2003040", "2003040x", "200304066", "2003 406", "-2003040"})
    EXPECT_FALSE(IsDateDigits(date)) << date;
}

TEST(StorePathsTest, StoreDirectoriesAreCreatedWhenMissingAndKeptWhenPresent) {
  test::TempDir dir;
  test::WriteFile(dir / "SEI" / "2000" / "2000104567.jvSEI", "kept");
  CreateStoreDirectories(dir.Path());
  CreateStoreDirectories(dir.Path());
  for (const char* name : {"Data", "SEI", "SEIR", "UMA"})
    EXPECT_TRUE(std::filesystem::is_directory(dir / name)) << name;
  EXPECT_EQ(test::ReadFile(dir / "SEI" / "2000" / "2000104567.jvSEI"), "kept");
}

TEST(StorePathsTest, AStoreDirectoryThatCannotBeCreatedThrows) {
  test::TempDir dir;
  test::WriteFile(dir / "SEIR", "a file in the way");
  EXPECT_THROW(CreateStoreDirectories(dir.Path()), std::filesystem::filesystem_error);
}

}  // namespace
}  // namespace torvane
