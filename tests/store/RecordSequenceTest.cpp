#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "jvdata/JVData_Structure.h"
#include "jvdata/RecordBuilder.h"
#include "store/RecordSequence.h"

namespace torvane {
namespace {

// An SE record of the race key built from date and race number, with a mark
// in its body that tells two versions of the same race apart.
std::string Se(const char* date, int race, const char* mark = "1") {
  return RecordBuilder("SE")
      .Raw(3, "000000000")
      .Raw(12, date)
      .Raw(20, "06")
      .Raw(22, "0102")
      .Digits(26, 2, race)
      .Raw(31, "2000104567")
      .Raw(404, mark)
      .Bytes();
}

std::string Join(std::initializer_list<std::string> records) {
  std::string contents;
  for (const auto& record : records) contents += record;
  return contents;
}

TEST(RecordSequenceTest, ARecordGoesToItsPlaceInTheOrder) {
  std::string contents;
  EXPECT_TRUE(PutRecord(contents, Se("20030406", 11)));
  EXPECT_TRUE(PutRecord(contents, Se("20020406", 5)));
  EXPECT_TRUE(PutRecord(contents, Se("20040101", 1)));
  EXPECT_TRUE(PutRecord(contents, Se("20030406", 2)));
  EXPECT_EQ(contents, Join({Se("20020406", 5), Se("20030406", 2), Se("20030406", 11), Se("20040101", 1)}));
}

TEST(RecordSequenceTest, ARecordReplacesTheOneOfItsRaceKey) {
  std::string contents = Join({Se("20020406", 5), Se("20030406", 11)});
  EXPECT_TRUE(PutRecord(contents, Se("20020406", 5, "2")));
  EXPECT_EQ(contents, Join({Se("20020406", 5, "2"), Se("20030406", 11)}));
  EXPECT_FALSE(PutRecord(contents, Se("20030406", 11)));
  EXPECT_EQ(contents, Join({Se("20020406", 5, "2"), Se("20030406", 11)}));
}

TEST(RecordSequenceTest, ARecordMovesWhenItsNewBytesSortElsewhere) {
  // Data kind first: a record of kind "1" replaced by kind "2" passes the records of kind "1".
  const auto tk = [](char kind, const char* course) {
    return RecordBuilder("TK")
        .Raw(3, std::string(1, kind) + "20030401")
        .Raw(12, "20030406")
        .Raw(20, course)
        .Raw(22, "010211")
        .Bytes();
  };
  std::string contents = Join({tk('1', "05"), tk('1', "06"), tk('1', "08")});
  EXPECT_TRUE(PutRecord(contents, tk('2', "05")));
  EXPECT_EQ(contents, Join({tk('1', "06"), tk('1', "08"), tk('2', "05")}));
}

// The rule the files follow: replace the first record of the key in place (or
// append), then sort everything. Putting must give the same for sorted files.
TEST(RecordSequenceTest, PuttingEqualsReplacingThenSortingTheWholeFile) {
  std::mt19937 random(406);
  for (int round = 0; round < 200; ++round) {
    std::string contents;
    std::vector<std::string> model;
    for (int step = 0; step < 12; ++step) {
      const std::string record = Se(random() % 2 ? "20030406" : "20021229", 1 + random() % 6, random() % 2 ? "1" : "2");
      PutRecord(contents, record);
      const auto same = std::find_if(model.begin(), model.end(),
                                     [&](const std::string& r) { return RaceKeyOf(r) == RaceKeyOf(record); });
      if (same != model.end())
        *same = record;
      else
        model.push_back(record);
      std::sort(model.begin(), model.end());
      std::string expected;
      for (const auto& r : model) expected += r;
      ASSERT_EQ(contents, expected) << "round " << round << " step " << step;
    }
  }
}

TEST(RecordSequenceTest, SortingPutsAForeignFileInOrder) {
  std::string contents = Join({Se("20030406", 11), Se("20020406", 5)});
  EXPECT_TRUE(SortRecords(contents, kSeRecordSize));
  EXPECT_EQ(contents, Join({Se("20020406", 5), Se("20030406", 11)}));
  EXPECT_FALSE(SortRecords(contents, kSeRecordSize));
}

TEST(RecordSequenceTest, ContentsThatAreNotWholeRecordsOfTheTypeAreNamed) {
  const std::string good = Join({Se("20020406", 5), Se("20030406", 11)});
  EXPECT_EQ(RecordSequenceProblem(good, "SE", kSeRecordSize), "");
  EXPECT_EQ(RecordSequenceProblem("", "SE", kSeRecordSize), "");
  EXPECT_NE(RecordSequenceProblem(good.substr(0, 600), "SE", kSeRecordSize), "");
  std::string noCrLf = good;
  noCrLf[kSeRecordSize - 1] = ' ';
  EXPECT_EQ(RecordSequenceProblem(noCrLf, "SE", kSeRecordSize), "record 1 does not end in CR LF");
  EXPECT_EQ(RecordSequenceProblem(good, "RA", kSeRecordSize), "record 1 is not of type RA");
}

}  // namespace
}  // namespace torvane
