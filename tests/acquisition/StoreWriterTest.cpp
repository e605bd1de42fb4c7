#include <gtest/gtest.h>

#include <set>

#include "acquisition/StoreWriter.h"
#include "jvdata/RecordBuilder.h"
#include "platform/Paths.h"
#include "store/RecordFile.h"
#include "store/StorePaths.h"
#include "tests/store/FileSizeLimit.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHorse = "2000104567";

struct Race {
  const char* date = "20030406";
  const char* course = "06";
  int number = 11;
};

// A race record of the given type with its header: data kind, creation date,
// race key; mark sits in a body field to tell versions of one race apart.
RecordBuilder RaceHeader(const char* type, char kind, Race race, const char* created = "20030401") {
  RecordBuilder record(type);
  record.Raw(3, std::string(1, kind)).Raw(4, created).Raw(12, race.date).Raw(20, race.course).Raw(22, "0304");
  record.Digits(26, 2, race.number);
  return record;
}

std::string Tk(char kind, Race race, const char* created = "20030401") {
  return RaceHeader("TK", kind, race, created).Text(33, 60, "皐月賞").Digits(653, 3, 1).Raw(656 + 3, kHorse).Bytes();
}
std::string Ra(char kind, Race race, const char* mark = "1") {
  return RaceHeader("RA", kind, race).Raw(698, "2000").Raw(888, mark).Bytes();
}
std::string Se(char kind, Race race, const char* horse = kHorse, const char* mark = "1") {
  return RaceHeader("SE", kind, race).Raw(29, "05").Raw(31, horse).Raw(335, mark).Bytes();
}
std::string Um(const char* horse = kHorse, const char* mark = "1") {
  return RecordBuilder("UM").Raw(3, "1").Raw(12, horse).Raw(39, "20000301").Raw(203, mark).Bytes();
}
// What the writer stores of an RA or SE record: data kind and creation date zeroed.
std::string Zeroed(std::string record) { return record.replace(2, 9, "000000000"); }

// Every file under dir, as paths relative to it.
std::set<std::string> FilesUnder(const fs::path& dir) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (!entry.is_directory()) files.insert(fs::relative(entry.path(), dir).string());
  return files;
}

class StoreWriterTest : public ::testing::Test {
 protected:
  StoreWriterTest() { CreateStoreDirectories(dir_.Path()); }

  StoreResult Store(const std::string& record) { return writer_.Store(record); }
  void ExpectStored(const std::string& record, const std::string& listLine) {
    const StoreResult result = Store(record);
    EXPECT_EQ(result.outcome, StoreOutcome::Stored) << result.reason;
    EXPECT_EQ(result.listLine, listLine);
  }
  void ExpectSkipped(const std::string& record) {
    const StoreResult result = Store(record);
    EXPECT_EQ(result.outcome, StoreOutcome::Skipped);
    EXPECT_EQ(result.listLine, "");
  }
  // Refused with a reason that mentions what; nothing is written anywhere,
  // inside the program directory or beside it.
  void ExpectRefused(const std::string& record, const std::string& what) {
    writer_.Flush();
    const auto before = FilesUnder(root_.Path());
    const StoreResult result = Store(record);
    EXPECT_EQ(result.outcome, StoreOutcome::Refused);
    EXPECT_NE(result.reason.find(what), std::string::npos) << result.reason;
    writer_.Flush();
    EXPECT_EQ(FilesUnder(root_.Path()), before);
  }
  // A store error naming what; the batch of the records before it is then
  // written as usual, nothing of the record.
  void ExpectStoreError(const std::string& record, const std::string& what) {
    try {
      Store(record);
      ADD_FAILURE() << "no error";
    } catch (const StoreError& error) {
      EXPECT_NE(std::string(error.what()).find(what), std::string::npos) << error.what();
    }
    writer_.Flush();
  }
  // The file's contents once everything stored so far is written.
  std::string Contents(const std::string& relative) {
    writer_.Flush();
    return test::ReadFile(dir_ / relative);
  }

  struct ProgramDir {
    fs::path path;
    // name is UTF-8 with "/" between its parts.
    fs::path operator/(std::string_view name) const { return path / platform::PathFromUtf8(name).make_preferred(); }
    const fs::path& Path() const { return path; }
  };
  test::TempDir root_;
  ProgramDir dir_{root_ / "program"};
  StoreWriter writer_{dir_.Path()};
};

const std::string kDateFile = "Data/2003年04月06日.jvTK";
const std::string kRaFile = "SEIR/2003/2003040606.jvSERA";
const std::string kSeFile = "SEI/2000/2000104567.jvSEI";
const std::string kUmFile = "UMA/2000/2000104567.jvUMA";

TEST_F(StoreWriterTest, TkRecordsOfDataKind1Or2WithARaceNumberAreKeptAsDelivered) {
  ExpectSkipped(Tk('3', {}));
  ExpectSkipped(Tk('1', {.number = 0}));
  ExpectSkipped(Tk('2', {.number = 0}));
  EXPECT_TRUE(FilesUnder(dir_.Path()).empty());
  ExpectStored(Tk('1', {}), "作成済み:11R/2003年04月06日.jvTK");
  EXPECT_EQ(Contents(kDateFile), Tk('1', {}));
  ExpectStored(Tk('2', {.course = "05", .number = 3}), "作成済み:03R/2003年04月06日.jvTK");
  EXPECT_EQ(Contents(kDateFile), Tk('1', {}) + Tk('2', {.course = "05", .number = 3}));
}

TEST_F(StoreWriterTest, RaRecordsOfAnyDataKindAreKeptWithZerosForKindAndCreationDate) {
  ExpectStored(Ra('1', {.number = 1}), "作成済み:01R/2003040606.jvSERA");
  ExpectStored(Ra('7', {.number = 12}), "作成済み:12R/2003040606.jvSERA");
  ExpectStored(Ra('0', {.number = 2}), "作成済み:02R/2003040606.jvSERA");
  EXPECT_EQ(Contents(kRaFile),
            Zeroed(Ra('1', {.number = 1})) + Zeroed(Ra('0', {.number = 2})) + Zeroed(Ra('7', {.number = 12})));
}

TEST_F(StoreWriterTest, SeRecordsOfDataKind7AOrBAreKeptButEveryKindCreatesTheHorsesDirectory) {
  ExpectSkipped(Se('2', {}));
  EXPECT_TRUE(fs::is_directory(dir_ / "SEI" / "2000"));
  EXPECT_TRUE(FilesUnder(dir_.Path()).empty());
  ExpectStored(Se('7', {}), "作成済み:2003年04月06日中山11R/2000104567.jvSEI");
  ExpectStored(Se('A', {.date = "20020407", .course = "05", .number = 2}),
               "作成済み:2002年04月07日東京02R/2000104567.jvSEI");
  ExpectStored(Se('B', {.date = "20030105", .course = "08", .number = 9}),
               "作成済み:2003年01月05日京都09R/2000104567.jvSEI");
  // Oldest race first: the file's order is the order of the race keys.
  EXPECT_EQ(Contents(kSeFile), Zeroed(Se('A', {.date = "20020407", .course = "05", .number = 2})) +
                                   Zeroed(Se('B', {.date = "20030105", .course = "08", .number = 9})) +
                                   Zeroed(Se('7', {})));
}

TEST_F(StoreWriterTest, AUmRecordIsTheWholeFile) {
  ExpectStored(Um(kHorse, "1"), "作成済み:2000104567.jvUMA");
  EXPECT_EQ(Contents(kUmFile), Um(kHorse, "1"));
  ExpectStored(Um(kHorse, "2"), "作成済み:2000104567.jvUMA");
  EXPECT_EQ(Contents(kUmFile), Um(kHorse, "2"));
}

TEST_F(StoreWriterTest, TheSameRaceDeliveredTwiceLeavesOneLineHoldingTheLaterRecord) {
  Store(Ra('1', {}, "1"));
  Store(Ra('2', {}, "2"));
  EXPECT_EQ(Contents(kRaFile), Zeroed(Ra('2', {}, "2")));
  Store(Se('7', {}, kHorse, "1"));
  Store(Se('A', {}, kHorse, "2"));
  EXPECT_EQ(Contents(kSeFile), Zeroed(Se('A', {}, kHorse, "2")));
  Store(Tk('1', {}, "20030401"));
  Store(Tk('1', {}, "20030402"));
  EXPECT_EQ(Contents(kDateFile), Tk('1', {}, "20030402"));
}

TEST_F(StoreWriterTest, ADateFileIsOrderedByDataKindThenCreationDateThenRaceKey) {
  Store(Tk('2', {.course = "05", .number = 11}, "20030401"));
  Store(Tk('1', {.course = "08", .number = 11}, "20030402"));
  Store(Tk('1', {.course = "06", .number = 11}, "20030402"));
  Store(Tk('1', {.course = "09", .number = 10}, "20030331"));
  EXPECT_EQ(Contents(kDateFile), Tk('1', {.course = "09", .number = 10}, "20030331") +
                                     Tk('1', {.course = "06", .number = 11}, "20030402") +
                                     Tk('1', {.course = "08", .number = 11}, "20030402") +
                                     Tk('2', {.course = "05", .number = 11}, "20030401"));
  // Kind "2" of the race at 06 replaces its kind "1" and moves behind the others of kind "1".
  Store(Tk('2', {.course = "06", .number = 11}, "20030403"));
  EXPECT_EQ(Contents(kDateFile), Tk('1', {.course = "09", .number = 10}, "20030331") +
                                     Tk('1', {.course = "08", .number = 11}, "20030402") +
                                     Tk('2', {.course = "05", .number = 11}, "20030401") +
                                     Tk('2', {.course = "06", .number = 11}, "20030403"));
}

TEST_F(StoreWriterTest, RecordsOfOtherTypesAreSkipped) {
  ExpectSkipped("H1" + std::string(100, ' ') + "\r\n");
  ExpectSkipped("");
  ExpectSkipped("\r\n");
}

TEST_F(StoreWriterTest, ARecordOfTheWrongLengthIsRefused) {
  ExpectRefused(Tk('1', {}).substr(0, 21000) + "\r\n", "21657");
  ExpectRefused(Ra('1', {}) + "x", "1272");
  ExpectRefused(Se('7', {}).substr(0, 554), "555");
  ExpectRefused(Um() + Um(), "UM records have 1577 or 1609 bytes");
  std::string noCrLf = Se('7', {});
  noCrLf.replace(noCrLf.size() - 2, 2, "  ");
  ExpectRefused(noCrLf, "CR LF");
}

TEST_F(StoreWriterTest, ARecordWhosePathFieldsAreNotOfTheirFormIsRefusedAndWritesNothing) {
  ExpectRefused(Tk('1', {.date = "2003/406"}), "race date");
  ExpectRefused(Tk('1', {.date = "../../.."}), "race date");
  for (const char* impossible : {"00000000", "20031301", "20030230", "20030499"})
    ExpectRefused(Tk('1', {.date = impossible}), "no day of the calendar");
  ExpectRefused(Ra('1', {.date = "20031399"}), "no day of the calendar");
  ExpectRefused(Ra('1', {.date = "../../.."}), "race date");
  ExpectRefused(Ra('1', {.course = ".."}), "racecourse code");
  ExpectRefused(Ra('1', {.course = "/x"}), "racecourse code");
  ExpectRefused(Ra('1', {.course = " 6"}), "racecourse code");
  for (const char* horse : {"../../../x", "2000/04567", "200010456 ",
                            "2000\x82\xa0"
                            "4567",
                            "2000\t04567"}) {
    ExpectRefused(Se('7', {}, horse), "blood registration number");
    ExpectRefused(Se('2', {}, horse), "blood registration number");
    ExpectRefused(Um(horse), "blood registration number");
  }
  EXPECT_TRUE(FilesUnder(dir_.Path()).empty());
  EXPECT_EQ(fs::directory_iterator(dir_ / "SEI"), fs::directory_iterator());
}

TEST_F(StoreWriterTest, RecordsAroundARefusedOneAreStoredAsUsual) {
  ExpectStored(Se('7', {.number = 1}), "作成済み:2003年04月06日中山01R/2000104567.jvSEI");
  ExpectRefused(Se('7', {.number = 2}, "20001x4567"), "blood registration number");
  ExpectStored(Se('7', {.number = 3}), "作成済み:2003年04月06日中山03R/2000104567.jvSEI");
  EXPECT_EQ(Contents(kSeFile), Zeroed(Se('7', {.number = 1})) + Zeroed(Se('7', {.number = 3})));
}

TEST_F(StoreWriterTest, ADamagedStoreFileIsAnErrorWithItsPathAndIsLeftAsItIs) {
  test::WriteFile(dir_ / kSeFile, Zeroed(Se('7', {.number = 1})) + "half a record");
  ExpectStoreError(Se('7', {.number = 2}), platform::Utf8OfPath(dir_ / kSeFile));
  EXPECT_EQ(Contents(kSeFile), Zeroed(Se('7', {.number = 1})) + "half a record");
  std::string foreign = Zeroed(Ra('1', {}));
  foreign.replace(0, 2, "SE");
  test::WriteFile(dir_ / kRaFile, foreign);
  ExpectStoreError(Ra('1', {}), "not of type RA");
  EXPECT_EQ(Contents(kRaFile), foreign);
}

TEST_F(StoreWriterTest, SymbolicLinksInTheStoreAreRefusedByNameAndNothingOutsideIsTouched) {
  const fs::path outside = root_ / "outside";
  fs::create_directories(outside / "folder");
  test::WriteFile(outside / "file", "outside");
  fs::create_symlink(outside / "file", dir_ / kDateFile);
  fs::create_directories(dir_ / "SEI");
  fs::create_directory_symlink(outside / "folder", dir_ / "SEI" / "2000");
  fs::create_directories(dir_ / "UMA" / "2000");
  fs::create_symlink(outside / "file", dir_ / kUmFile);
  ExpectStored(Ra('1', {}), "作成済み:11R/2003040606.jvSERA");
  ExpectStoreError(Tk('1', {}), platform::Utf8OfPath(dir_ / kDateFile));
  ExpectStoreError(Se('7', {}), platform::Utf8OfPath(dir_ / "SEI" / "2000"));
  ExpectStoreError(Um(), platform::Utf8OfPath(dir_ / kUmFile));
  fs::remove(dir_ / kDateFile);
  fs::rename(dir_ / "Data", outside / "Data");
  fs::create_directory_symlink(outside / "Data", dir_ / "Data");
  ExpectStoreError(Tk('1', {}), platform::Utf8OfPath(dir_ / "Data"));
  EXPECT_TRUE(fs::is_empty(outside / "Data"));
  EXPECT_EQ(test::ReadFile(outside / "file"), "outside");
  EXPECT_TRUE(fs::is_empty(outside / "folder"));
  EXPECT_EQ(Contents(kRaFile), Zeroed(Ra('1', {}))) << "what came before is stored";
}

TEST_F(StoreWriterTest, AnUnsortedFileWrittenByOthersIsSortedLikeEveryFile) {
  test::WriteFile(dir_ / kRaFile, Zeroed(Ra('1', {.number = 9})) + Zeroed(Ra('1', {.number = 3})));
  Store(Ra('1', {.number = 9}));  // the same record again
  EXPECT_EQ(Contents(kRaFile), Zeroed(Ra('1', {.number = 3})) + Zeroed(Ra('1', {.number = 9})));
}

TEST_F(StoreWriterTest, AFileChangedByAnotherWriterIsReadAfreshInTheNextBatch) {
  Store(Se('7', {.number = 1}));
  writer_.Flush();
  ReplaceFileAtomically(dir_ / kSeFile, Zeroed(Se('7', {.number = 2})));
  Store(Se('7', {.number = 3}));
  EXPECT_EQ(Contents(kSeFile), Zeroed(Se('7', {.number = 2})) + Zeroed(Se('7', {.number = 3})));
  fs::remove(dir_ / kSeFile);
  Store(Se('7', {.number = 4}));
  EXPECT_EQ(Contents(kSeFile), Zeroed(Se('7', {.number = 4})));
}

// Each horse's file holds its one record, so a horse delivered in the older
// layout and then in the current one keeps the current one whole.
TEST_F(StoreWriterTest, AHorseMasterOfTheCurrentLayoutReplacesTheOlderOne) {
  Store(Um());
  const std::string current = RecordBuilder("UM", 1609).Raw(3, "1").Raw(12, kHorse).Raw(215, "ABC").Bytes();
  ExpectStored(current, "作成済み:" + std::string(kHorse) + ".jvUMA");
  EXPECT_EQ(Contents(kUmFile), current);
}

TEST_F(StoreWriterTest, ABatchWritesEachFileOnceAndAtItsBudgetOnItsOwn) {
  Store(Se('7', {.number = 1}));
  Store(Se('7', {.number = 2}));
  Store(Um());
  EXPECT_EQ(writer_.StoredSinceFlush(), 3u);
  EXPECT_FALSE(fs::exists(dir_ / kSeFile)) << "nothing is written before the flush";
  writer_.Flush();
  EXPECT_EQ(writer_.BytesWritten(), 2 * 555u + 1577u);
  EXPECT_EQ(writer_.StoredSinceFlush(), 0u);
  Store(Se('7', {.number = 2}));  // no change: nothing written
  writer_.Flush();
  EXPECT_EQ(writer_.BytesWritten(), 2 * 555u + 1577u);

  StoreWriter small(dir_.Path(), 1000);
  small.Store(Se('7', {.number = 3}));  // the batch now holds the file's three records
  small.Store(Um(kHorse, "2"));         // which are over the budget: written first
  EXPECT_EQ(test::ReadFile(dir_ / kSeFile).size(), 3 * 555u);
  EXPECT_EQ(test::ReadFile(dir_ / kUmFile), Um()) << "the UM record is still in the batch";
}

TEST_F(StoreWriterTest, ABatchThatCannotBeWrittenNamesEveryFileAndLeavesThemAsTheyWere) {
  Store(Se('7', {.number = 1}));
  writer_.Flush();
  Store(Se('7', {.number = 2}));
  Store(Um());
  try {
    test::FileSizeLimit limit(600);
    writer_.Flush();
    FAIL() << "no error";
  } catch (const BatchWriteError& error) {
    EXPECT_NE(std::string(error.what()).find(platform::Utf8OfPath(dir_ / kSeFile)), std::string::npos) << error.what();
    EXPECT_EQ(error.NotWritten(), (std::vector<fs::path>{dir_ / kSeFile, dir_ / kUmFile}));
    const std::string text = StoreFailureText(error, writer_.StoredSinceFlush());
    EXPECT_TRUE(text.starts_with("データ作成エラー:")) << text;
    EXPECT_NE(text.find(platform::Utf8OfPath(dir_ / kUmFile)), std::string::npos) << text;
    EXPECT_NE(text.find("一覧の最後の2件の作成済みデータは保存されていません。"), std::string::npos) << text;
  }
  EXPECT_EQ(FilesUnder(dir_.Path()), std::set<std::string>{kSeFile}) << "no temporary file is left";
  EXPECT_EQ(Contents(kSeFile), Zeroed(Se('7', {.number = 1})));
  // The writer goes on from what is on disk, not from the batch that failed.
  Store(Se('7', {.number = 3}));
  EXPECT_EQ(Contents(kSeFile), Zeroed(Se('7', {.number = 1})) + Zeroed(Se('7', {.number = 3})));
}

TEST_F(StoreWriterTest, AReaderKeepsTheVersionItOpenedWhileTheStoreIsWritten) {
  Store(Se('7', {.number = 1}));
  writer_.Flush();
  RecordFileReader reader;
  reader.Open(dir_ / kSeFile, 555);
  for (int number = 2; number < 5; ++number) {
    Store(Se('7', {.number = number}));
    Store(Se('7', {.number = number}, "2000100002"));  // another horse's file in the same folder
    writer_.Flush();
  }
  std::string record(555, '\0');
  reader.Read(0, record.data());
  EXPECT_EQ(record, Zeroed(Se('7', {.number = 1})));
}

TEST_F(StoreWriterTest, ADirectoryThatCannotBeCreatedThrowsWithItsPath) {
  test::WriteFile(dir_ / "SEIR" / "2003", "a file in the way");
  try {
    Store(Ra('1', {}));
    FAIL() << "no error";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find(platform::Utf8OfPath(dir_ / "SEIR" / "2003")), std::string::npos)
        << error.what();
  }
  fs::remove_all(dir_ / "Data");
  EXPECT_THROW(Store(Tk('1', {})), StoreError);
}

}  // namespace
}  // namespace torvane
