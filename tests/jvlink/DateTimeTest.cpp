#include <gtest/gtest.h>

#include "jvlink/DateTime.h"

namespace torvane {
namespace {

TEST(DateTimeTest, DigitsReadOnlyRealDatesAndTimes) {
  EXPECT_EQ(FromDigits14("20030406104642"), (DateTime{2003, 4, 6, 10, 46, 42}));
  EXPECT_EQ(ToDigits14({2003, 4, 6, 9, 5, 0}), "20030406090500");
  EXPECT_TRUE(FromDigits14("20040229000000")) << "a leap day";
  for (const char* digits : {"20030229000000", "20031301000000", "20030400000000", "20030406240000", "20030406106000",
                             "20030406104660", "00000000000000", "2003040610464", "2003-4-6104642"})
    EXPECT_FALSE(FromDigits14(digits)) << digits;
}

TEST(DateTimeTest, AddDaysCrossesMonthsAndYearsAndKeepsTheTime) {
  EXPECT_EQ(AddDays({2003, 3, 5, 10, 46, 42}, -8), (DateTime{2003, 2, 25, 10, 46, 42}));
  EXPECT_EQ(AddDays({2004, 3, 5, 0, 0, 0}, -8), (DateTime{2004, 2, 26, 0, 0, 0}));
  EXPECT_EQ(AddDays({2003, 1, 3, 23, 59, 59}, -8), (DateTime{2002, 12, 26, 23, 59, 59}));
}

}  // namespace
}  // namespace torvane
