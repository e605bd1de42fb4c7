#include <gtest/gtest.h>

#include <memory>

#include "browse/DateLoader.h"
#include "codes/KeibaFunc.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

using test::HorseEntry;

bool IsBlank(std::string_view bytes) { return bytes.find_first_not_of(' ') == std::string_view::npos; }

// Records every call, in order, to check what the popup is told.
class RecordingProgress : public LoadProgress {
 public:
  void Open(std::string_view status, int maximum) override {
    calls.push_back("open " + std::string(status) + " " + std::to_string(maximum));
  }
  void SetStatus(std::string_view status) override { calls.push_back("status " + std::string(status)); }
  void Advance() override { ++advances; }
  void LetPendingEventsThrough() override { ++pumps; }
  void Close() override { calls.push_back("close"); }
  std::vector<std::string> calls;
  int advances = 0;
  int pumps = 0;
};

class DateLoaderTest : public ::testing::Test {
 protected:
  LoadResult Load(std::string_view dateUtf8) { return LoadDate(*ws, dir.Path(), test::DateOf(dateUtf8), progress); }

  test::TempDir dir;
  std::unique_ptr<WorkingSet> ws = std::make_unique<WorkingSet>();
  RecordingProgress progress;
};

HorseEntry Horse(std::string blood) {
  HorseEntry e;
  e.bloodNumber = std::move(blood);
  return e;
}

TEST_F(DateLoaderTest, FillsOneSlotPerRecordAndBlanksTheRest) {
  test::WriteDateFile(dir.Path(), "2003年04月06日",
                      {test::TkRecordOf("20030406", "06", 9, "001", {Horse("2000100001")}),
                       test::TkRecordOf("20030406", "06", 10, "000"), test::TkRecordOf("20030406", "09", 11, "000")});
  test::WriteUmFile(dir.Path(), "2000100001");
  const LoadResult result = Load("2003年04月06日");
  EXPECT_EQ(result.status, LoadStatus::Loaded);
  EXPECT_TRUE(result.warnings.empty());
  EXPECT_EQ(ws->LoadedRaceCount, 3);
  EXPECT_EQ(ws->LoadedTk[0].RaceNumber(), "09");
  EXPECT_EQ(ws->LoadedTk[2].CourseCode(), "09");
  for (int r = 3; r < kMaxRaces; ++r) EXPECT_TRUE(IsBlank(ws->LoadedTk[r].View())) << r;
  ASSERT_EQ(ws->RaceList.size(), 3u);
  EXPECT_EQ(ws->RaceList[0].text, "中山  05回 08日 9R");
  EXPECT_EQ(ws->RaceList[2].text, "阪神  05回 08日11R");
  EXPECT_EQ(ws->RaceList[2].slot, 2);
  EXPECT_EQ(ws->LoadedUm[0][0].BloodNumber(), "2000100001");
  EXPECT_TRUE(IsBlank(ws->LoadedUm[0][1].View()));
}

TEST_F(DateLoaderTest, ReadsOnlyWholeRecordsAndAtMostSixteenRaces) {
  std::vector<std::string> records;
  for (int race = 1; race <= 17; ++race) records.push_back(test::TkRecordOf("20030406", "06", race, "000"));
  test::WriteDateFile(dir.Path(), "2003年04月06日", records);
  EXPECT_TRUE(Load("2003年04月06日").warnings.empty());
  EXPECT_EQ(ws->LoadedRaceCount, 16);
  EXPECT_EQ(ws->RaceList.size(), 16u);
  EXPECT_EQ(ws->LoadedTk[15].RaceNumber(), "16");

  const std::string partial = test::TkRecordOf("20030407", "06", 3, "000").substr(0, 1000);
  test::WriteFile(
      DateFilePath(dir.Path(), test::DateOf("2003年04月07日")),
      test::TkRecordOf("20030407", "06", 1, "000") + test::TkRecordOf("20030407", "06", 2, "000") + partial);
  const LoadResult cut = Load("2003年04月07日");
  EXPECT_EQ(ws->LoadedRaceCount, 2);
  ASSERT_EQ(cut.warnings.size(), 1u) << "the partial record is reported";
  EXPECT_EQ(cut.warnings[0].path, DateFilePath(dir.Path(), test::DateOf("2003年04月07日")));
  EXPECT_NE(cut.warnings[0].message.find("1000 bytes"), std::string::npos) << cut.warnings[0].message;
  EXPECT_TRUE(IsBlank(ws->LoadedTk[2].View()));
  EXPECT_TRUE(IsBlank(ws->LoadedTk[15].View())) << "a new load blanks every slot first";
}

TEST_F(DateLoaderTest, TakesTheFiveMostRecentResultsBeforeTheRaceDate) {
  const std::string blood = "2000100001";
  test::WriteDateFile(dir.Path(), "2003年04月06日", {test::TkRecordOf("20030406", "06", 11, "001", {Horse(blood)})});
  // Eight results, oldest first as the store keeps them; the last two are the
  // race itself and a later one. A trailing partial record is ignored.
  const char* dates[] = {"20020105", "20020301", "20020505", "20020707",
                         "20020909", "20021111", "20030406", "20030505"};
  std::vector<std::string> results;
  for (int i = 0; i < 8; ++i) results.push_back(test::SeRecordOf(blood, dates[i], "06", 1 + i, i + 1));
  test::WriteFile(SeFilePath(dir.Path(), blood), test::Joined(results) + results[0].substr(0, 100));
  for (int i = 1; i < 6; ++i) {
    // Each RA file holds another race first, so the race number decides.
    std::vector<std::string> details{test::RaRecordOf(dates[i], "06", 12, 1)};
    if (i != 3) details.push_back(test::RaRecordOf(dates[i], "06", 1 + i, 10 + i));
    test::WriteRaFile(dir.Path(), dates[i], "06", details);
  }
  Load("2003年04月06日");
  // k = 0 is the newest earlier race (result 6), k = 4 result 2; result 1 is unused.
  for (int k = 0; k < kMaxPastRaces; ++k) {
    const SeRecord& se = ws->LoadedSe[0][0][k];
    EXPECT_EQ(ReadCodeNumber(se.HorseNumber()), 6 - k) << k;
    const RaRecord& ra = ws->LoadedRa[0][0][k];
    if (6 - k == 4)  // its RA file lacks race number 4
      EXPECT_TRUE(IsBlank(ra.View()));
    else
      EXPECT_EQ(ReadCodeNumber(ra.RegisteredCount()), 10 + 5 - k) << k;
  }
}

TEST_F(DateLoaderTest, TheFirstRaceDetailWithTheRaceNumberIsTaken) {
  const std::vector<HorseEntry> horses{Horse("2000100001"), Horse("2000100002")};
  test::WriteDateFile(dir.Path(), "2003年04月06日", {test::TkRecordOf("20030406", "06", 11, "002", horses)});
  // Both horses ran the same two races of one meeting day; the file names race 5 twice.
  for (const auto& horse : horses)
    test::WriteSeFile(dir.Path(), horse.bloodNumber,
                      {test::SeRecordOf(horse.bloodNumber, "20030301", "06", 5),
                       test::SeRecordOf(horse.bloodNumber, "20030301", "06", 7)});
  test::WriteRaFile(dir.Path(), "20030301", "06",
                    {test::RaRecordOf("20030301", "06", 5, 11), test::RaRecordOf("20030301", "06", 7, 12),
                     test::RaRecordOf("20030301", "06", 5, 13)});
  Load("2003年04月06日");
  for (int h = 0; h < 2; ++h) {
    EXPECT_EQ(ws->LoadedRa[0][h][0].RegisteredCount(), "12") << h;  // race 7, the newer result
    EXPECT_EQ(ws->LoadedRa[0][h][1].RegisteredCount(), "11") << h;
    EXPECT_TRUE(IsBlank(ws->LoadedRa[0][h][2].View()));
  }
}

// Counts the elements of the whole working set that hold anything but blanks.
struct FilledCounts {
  int tk = 0, um = 0, se = 0, ra = 0;
  bool operator==(const FilledCounts&) const = default;
};

FilledCounts CountFilled(const WorkingSet& ws) {
  FilledCounts counts;
  for (int r = 0; r < kMaxRaces; ++r) {
    counts.tk += !IsBlank(ws.LoadedTk[r].View());
    for (int h = 0; h < kMaxEntries; ++h) {
      counts.um += !IsBlank(ws.LoadedUm[r][h].View());
      for (int k = 0; k < kMaxPastRaces; ++k) {
        counts.se += !IsBlank(ws.LoadedSe[r][h][k].View());
        counts.ra += !IsBlank(ws.LoadedRa[r][h][k].View());
      }
    }
  }
  return counts;
}

TEST_F(DateLoaderTest, ALoadLeavesNothingOfTheDateBefore) {
  std::vector<HorseEntry> horses;
  for (const char* blood : {"2000100001", "2000100002", "2000100003"}) {
    horses.push_back(Horse(blood));
    test::WriteUmFile(dir.Path(), blood);
    std::vector<std::string> results;
    for (int race = 1; race <= 6; ++race) results.push_back(test::SeRecordOf(blood, "20030301", "06", race));
    test::WriteSeFile(dir.Path(), blood, results);
  }
  std::vector<std::string> details;
  for (int race = 1; race <= 6; ++race) details.push_back(test::RaRecordOf("20030301", "06", race));
  test::WriteRaFile(dir.Path(), "20030301", "06", details);
  test::WriteDateFile(dir.Path(), "2003年04月06日",
                      {test::TkRecordOf("20030406", "06", 1, "003", horses),
                       test::TkRecordOf("20030406", "06", 2, "002", {horses[0], horses[1]})});
  Load("2003年04月06日");
  EXPECT_EQ(CountFilled(*ws), (FilledCounts{2, 5, 25, 25}));

  // The later date: one horse whose only result before it is race 1; its
  // master and the other horses are gone.
  std::filesystem::remove(UmFilePath(dir.Path(), "2000100001"));
  test::WriteSeFile(
      dir.Path(), "2000100001",
      {test::SeRecordOf("2000100001", "20030301", "06", 1), test::SeRecordOf("2000100001", "20030413", "06", 2)});
  test::WriteDateFile(dir.Path(), "2003年04月13日", {test::TkRecordOf("20030413", "06", 1, "001", {horses[0]})});
  Load("2003年04月13日");
  EXPECT_EQ(CountFilled(*ws), (FilledCounts{1, 0, 1, 1}));
  EXPECT_EQ(ws->LoadedSe[0][0][0].RaceNumber(), "01");
}

TEST_F(DateLoaderTest, AHorseWithoutResultsStillHasItsMaster) {
  test::WriteDateFile(dir.Path(), "2003年04月06日",
                      {test::TkRecordOf("20030406", "06", 11, "001", {Horse("2001100001")})});
  test::WriteUmFile(dir.Path(), "2001100001");
  const LoadResult result = Load("2003年04月06日");
  EXPECT_TRUE(result.warnings.empty());
  EXPECT_EQ(ws->LoadedUm[0][0].BloodNumber(), "2001100001");
  for (int k = 0; k < kMaxPastRaces; ++k) {
    EXPECT_TRUE(IsBlank(ws->LoadedSe[0][0][k].View()));
    EXPECT_TRUE(IsBlank(ws->LoadedRa[0][0][k].View()));
  }
}

// A horse master file's length names its layout; a record of neither
// length is reported and read as far as the older layout goes.
TEST_F(DateLoaderTest, HorseMastersOfBothLayoutsAreReadAtTheirOwnPositions) {
  test::WriteDateFile(
      dir.Path(), "2003年04月06日",
      {test::TkRecordOf("20030406", "06", 11, "003", {Horse("2001100001"), Horse("2001100002"), Horse("2001100003")})});
  test::WriteFile(UmFilePath(dir.Path(), "2001100001"),
                  RecordBuilder("UM").Raw(12, "2001100001").Text(213, 36, "オールド").Bytes());
  test::WriteFile(UmFilePath(dir.Path(), "2001100002"),
                  RecordBuilder("UM", 1609).Raw(12, "2001100002").Text(215, 36, "カレント").Bytes());
  test::WriteFile(UmFilePath(dir.Path(), "2001100003"),
                  RecordBuilder("UM").Raw(12, "2001100003").Text(213, 36, "ダメージ").Bytes() + "12345");
  const LoadResult result = Load("2003年04月06日");
  EXPECT_EQ(NameText(ws->LoadedUm[0][0].SireName()), "オールド");
  EXPECT_EQ(NameText(ws->LoadedUm[0][1].SireName()), "カレント");
  EXPECT_EQ(NameText(ws->LoadedUm[0][2].SireName()), "ダメージ");
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_NE(result.warnings[0].message.find("no whole record of 1577 or 1609 bytes"), std::string::npos)
      << result.warnings[0].message;
}

TEST_F(DateLoaderTest, EntryFlagsFollowTheRegisteredCountCappedAt300) {
  test::WriteDateFile(dir.Path(), "2003年04月06日",
                      {test::TkRecordOf("20030406", "06", 1, "002"), test::TkRecordOf("20030406", "06", 2, "999"),
                       test::TkRecordOf("20030406", "06", 3, "x12")});
  Load("2003年04月06日");
  EXPECT_EQ(ws->EntryLoaded[0][1], 1);
  EXPECT_EQ(ws->EntryLoaded[0][2], 0);
  EXPECT_EQ(ws->EntryLoaded[1][299], 1);
  EXPECT_EQ(RegisteredCount(ws->LoadedTk[1]), 300);
  EXPECT_EQ(ws->EntryLoaded[2][0], 0) << "a count that is not a number reads 0";
  EXPECT_EQ(ws->EntryLoaded[3][0], 0);
}

TEST_F(DateLoaderTest, ASlotWithoutYearIsLoadedButNotListedAndLaterEntriesKeepTheirSlots) {
  const std::string blood = "2000100001";
  std::string noYear = test::TkRecordOf("20030406", "06", 2, "001", {Horse(blood)});
  noYear.replace(11, 4, "0000");
  std::string blankYear = noYear;
  blankYear.replace(11, 4, "    ");
  test::WriteDateFile(
      dir.Path(), "2003年04月06日",
      {test::TkRecordOf("20030406", "06", 1, "000"), noYear, blankYear, test::TkRecordOf("20030406", "06", 4, "000")});
  test::WriteSeFile(dir.Path(), blood, {test::SeRecordOf(blood, "00000301", "06", 5)});
  test::WriteRaFile(dir.Path(), "00000301", "06", {test::RaRecordOf("00000301", "06", 5)});
  Load("2003年04月06日");
  EXPECT_EQ(ws->LoadedRaceCount, 4);
  ASSERT_EQ(ws->RaceList.size(), 2u);
  EXPECT_EQ(ws->RaceList[0].slot, 0);
  EXPECT_EQ(ws->RaceList[1].slot, 3);
  EXPECT_EQ(ws->RaceList[1].text, "中山  05回 08日 4R");
  EXPECT_EQ(ws->LoadedTk[1].Year(), "0000");
  EXPECT_EQ(ws->EntryLoaded[1][0], 1);
  EXPECT_EQ(ws->LoadedSe[1][0][0].RaceNumber(), "05");
  EXPECT_TRUE(IsBlank(ws->LoadedRa[1][0][0].View())) << "an unlisted slot gets no race details";
}

TEST_F(DateLoaderTest, AMissingDateKeepsTheRecordsAndTheRaceListButClearsTheFlags) {
  test::WriteDateFile(dir.Path(), "2003年04月06日",
                      {test::TkRecordOf("20030406", "06", 11, "001", {Horse("2000100001")})});
  Load("2003年04月06日");
  progress.calls.clear();
  const LoadResult result = Load("2003年04月13日");
  EXPECT_EQ(result.status, LoadStatus::DateFileMissing);
  EXPECT_EQ(ws->LoadedRaceCount, 1);
  EXPECT_EQ(ws->LoadedTk[0].RaceNumber(), "11");
  EXPECT_EQ(ws->RaceList.size(), 1u);
  EXPECT_EQ(ws->EntryLoaded[0][0], 0);
  EXPECT_EQ(progress.calls, (std::vector<std::string>{"open 2003年04月13日 32", "close"}));
}

TEST_F(DateLoaderTest, FilesThatCannotBeReadAreReportedAndLeftBlank) {
  const std::vector<HorseEntry> horses{Horse("2000100001"), Horse("2000100002"), Horse("2000100003")};
  test::WriteDateFile(dir.Path(), "2003年04月06日", {test::TkRecordOf("20030406", "06", 11, "003", horses)});
  // Horse 1: a master file shorter than one record. Horse 2: a directory where
  // its files should be (opens, but reads fail). Horse 3: a link loop (cannot open).
  test::WriteFile(UmFilePath(dir.Path(), "2000100001"), test::UmRecordOf("2000100001").substr(0, 1576));
  std::filesystem::create_directories(UmFilePath(dir.Path(), "2000100002"));
  std::filesystem::create_directories(SeFilePath(dir.Path(), "2000100002"));
  const auto loop = SeFilePath(dir.Path(), "2000100003");
  std::filesystem::create_directories(loop.parent_path());
  std::filesystem::create_symlink(loop, loop);
  const LoadResult result = Load("2003年04月06日");
  EXPECT_EQ(result.status, LoadStatus::Loaded);
  ASSERT_EQ(result.warnings.size(), 4u);
  std::vector<std::filesystem::path> paths;
  for (const auto& warning : result.warnings) {
    paths.push_back(warning.path);
    EXPECT_NE(warning.message.find(warning.path.string()), std::string::npos) << warning.message;
  }
  EXPECT_EQ(paths, (std::vector<std::filesystem::path>{UmFilePath(dir.Path(), "2000100001"),
                                                       UmFilePath(dir.Path(), "2000100002"),
                                                       SeFilePath(dir.Path(), "2000100002"), loop}));
  for (int h = 0; h < 3; ++h) {
    EXPECT_TRUE(IsBlank(ws->LoadedUm[0][h].View())) << h;
    EXPECT_TRUE(IsBlank(ws->LoadedSe[0][h][0].View())) << h;
  }
  EXPECT_EQ(ws->RaceList.size(), 1u) << "the load completes";
}

TEST_F(DateLoaderTest, ReportsProgressPerRaceAndClosesAtTheEnd) {
  test::WriteDateFile(dir.Path(), "2003年04月06日",
                      {test::TkRecordOf("20030406", "06", 9, "000"), test::TkRecordOf("20030406", "05", 11, "000")});
  Load("2003年04月06日");
  EXPECT_EQ(progress.calls, (std::vector<std::string>{"open 2003年04月06日 32", "status 2003年04月06日中山09R",
                                                      "status 2003年04月06日東京11R", "close"}));
  EXPECT_EQ(progress.advances, 2 * 2 + 2);
  EXPECT_GE(progress.pumps, 1 + 2 + 2);
}

}  // namespace
}  // namespace torvane
