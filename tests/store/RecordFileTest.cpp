#include <gtest/gtest.h>

#include "store/RecordFile.h"
#include "tests/store/FileSizeLimit.h"
#include "tests/support/Fifo.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

// Three 6-byte records and the first bytes of a fourth.
const std::string kRecords = "AAAA\r\nBBBB\r\nCCCC\r\nDD";

std::vector<std::string> FilesIn(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(RecordFileTest, TheReaderSeesWholeRecordsOnlyInAnyOrder) {
  test::TempDir dir;
  test::WriteFile(dir / "f", kRecords);
  RecordFileReader reader;
  reader.Open(dir / "f", 6);
  ASSERT_EQ(reader.Count(), 3u);
  EXPECT_EQ(reader.TrailingBytes(), 2u);
  std::string record(6, '\0');
  for (std::size_t i = reader.Count(); i-- > 0;) {
    reader.Read(i, record.data());
    EXPECT_EQ(record, kRecords.substr(i * 6, 6));
  }
  EXPECT_THROW(reader.Read(3, record.data()), StoreError);
}

TEST(RecordFileTest, ARangeIsReadWholeAndNeverPastTheLastWholeRecord) {
  test::TempDir dir;
  test::WriteFile(dir / "f", kRecords);
  RecordFileReader reader;
  reader.Open(dir / "f", 6);
  std::string block(12, '\0');
  reader.ReadRange(1, 2, block.data());
  EXPECT_EQ(block, "BBBB\r\nCCCC\r\n");
  reader.ReadRange(3, 0, block.data());  // an empty range at the end is no error
  // The partial fourth record, and ranges whose end would wrap around.
  EXPECT_THROW(reader.ReadRange(2, 2, block.data()), StoreError);
  EXPECT_THROW(reader.ReadRange(4, 0, block.data()), StoreError);
  EXPECT_THROW(reader.ReadRange(1, static_cast<std::size_t>(-1), block.data()), StoreError);
}

TEST(RecordFileTest, TheReaderKeepsTheVersionItOpenedWhenTheFileIsReplaced) {
  test::TempDir dir;
  test::WriteFile(dir / "f", kRecords);
  RecordFileReader reader;
  reader.Open(dir / "f", 6);
  ReplaceFileAtomically(dir / "f", "XXXX\r\n");
  std::string record(6, '\0');
  reader.Read(2, record.data());
  EXPECT_EQ(record, "CCCC\r\n");
  reader.Open(dir / "f", 6);
  EXPECT_EQ(reader.Count(), 1u);
}

TEST(RecordFileTest, OpeningAMissingFileNamesIt) {
  test::TempDir dir;
  RecordFileReader reader;
  try {
    reader.Open(dir / "missing.jvSEI", 555);
    FAIL() << "no error";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("missing.jvSEI"), std::string::npos) << error.what();
  }
  // A directory opens as a file would, and its size would pass for records.
  std::filesystem::create_directory(dir / "directory.jvSEI");
  try {
    reader.Open(dir / "directory.jvSEI", 2);
    FAIL() << "a directory opened as records";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find("directory.jvSEI: not a regular file"), std::string::npos) << error.what();
  }
  EXPECT_EQ(reader.Count(), 0u);
  EXPECT_THROW(ReadAllRecords(dir / "missing.jvSEI", 555), StoreError);
}

// A FIFO would hold a reader in open until some writer came along.
TEST(RecordFileTest, AFifoInPlaceOfAStoreFileIsRefusedAtOnce) {
  test::TempDir dir;
  const std::filesystem::path fifo = dir / "2026年12月12日.jvTK";
  test::MakeFifo(fifo);
  std::string opened, read;
  EXPECT_TRUE(test::ReturnsWithoutWaiting(fifo, [&] {
    RecordFileReader reader;
    try {
      reader.Open(fifo, 21657);
    } catch (const StoreError& error) {
      opened = error.what();
    }
    try {
      ReadFileContents(fifo);
    } catch (const StoreError& error) {
      read = error.what();
    }
  }));
  EXPECT_NE(opened.find("2026年12月12日.jvTK: not a regular file"), std::string::npos) << opened;
  EXPECT_NE(read.find("not a regular file"), std::string::npos) << read;
}

TEST(RecordFileTest, ReadAllRecordsIgnoresATrailingPartialRecord) {
  test::TempDir dir;
  test::WriteFile(dir / "f", kRecords);
  EXPECT_EQ(ReadAllRecords(dir / "f", 6), (std::vector<std::string>{"AAAA\r\n", "BBBB\r\n", "CCCC\r\n"}));
  test::WriteFile(dir / "short", "DD");
  EXPECT_TRUE(ReadAllRecords(dir / "short", 6).empty());
  EXPECT_EQ(ReadFileContents(dir / "f"), kRecords);
}

TEST(RecordFileTest, ReplacingWritesTheNewContentsAndLeavesNoTemporaryFile) {
  test::TempDir dir;
  const FileStamp created = ReplaceFileAtomically(dir / "f", "first\r\n");
  EXPECT_EQ(test::ReadFile(dir / "f"), "first\r\n");
  const FileStamp replaced = ReplaceFileAtomically(dir / "f", "second\r\n");
  EXPECT_EQ(test::ReadFile(dir / "f"), "second\r\n");
  EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"f"});
  EXPECT_EQ(StampOf(dir / "f"), replaced);
  EXPECT_NE(created, replaced);
  EXPECT_EQ(StampOf(dir / "none"), std::nullopt);
}

TEST(RecordFileTest, StampsTellAnOutsideRewriteApart) {
  test::TempDir dir;
  const FileStamp written = ReplaceFileAtomically(dir / "f", "AAAA\r\n");
  test::WriteFile(dir / "f", "AAAA\r\nBBBB\r\n");
  EXPECT_NE(StampOf(dir / "f"), written);
  EXPECT_THROW(StampOf(dir.Path()), StoreError);
}

TEST(RecordFileTest, AFailedReplacementLeavesTheOldFileWhole) {
  test::TempDir dir;
  ReplaceFileAtomically(dir / "f", kRecords);
  try {
    test::FileSizeLimit limit(8);
    ReplaceFileAtomically(dir / "f", "a longer text than eight bytes\r\n");
    FAIL() << "no error";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find((dir / "f").string()), std::string::npos) << error.what();
  }
  EXPECT_EQ(test::ReadFile(dir / "f"), kRecords);
  EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"f"});
}

TEST(RecordFileTest, ReplacingInAMissingDirectoryFailsWithThePath) {
  test::TempDir dir;
  try {
    ReplaceFileAtomically(dir / "none" / "f", "x");
    FAIL() << "no error";
  } catch (const StoreError& error) {
    EXPECT_NE(std::string(error.what()).find((dir / "none" / "f").string()), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace torvane
