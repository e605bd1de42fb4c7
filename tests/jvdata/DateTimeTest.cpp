#include <gtest/gtest.h>

#include "jvdata/DateTime.h"

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

TEST(DateTimeTextTest, WritesTheSettingsAndTheDialogForms) {
  const DateTime value{2003, 4, 6, 9, 5, 2};
  EXPECT_EQ(SettingsDateTimeText(value), "2003/04/06 09:05:02");
  EXPECT_EQ(JapaneseDateTimeText(value), "2003年04月06日09時05分02秒");
  EXPECT_EQ(ParseDateTimeText(SettingsDateTimeText(value)), value);
}

TEST(DateTimeTextTest, ReadsDatesWithOrWithoutTheTime) {
  EXPECT_EQ(ParseDateTimeText("2003/4/6"), (DateTime{2003, 4, 6, 0, 0, 0}));
  EXPECT_EQ(ParseDateTimeText(" 2003/04/06 10:46 "), (DateTime{2003, 4, 6, 10, 46, 0}));
  EXPECT_EQ(ParseDateTimeText("2004/02/29 23:59:59"), (DateTime{2004, 2, 29, 23, 59, 59}));
  for (const char* text : {"", "2003/02/29", "2003-04-06", "2003/04/06 24:00", "2003/04/06 10", "20030/04/06",
                           "2003/04/06 10:46:42:00", "2003/04/06 10:46:42x", "2003/AB/CD 10:46:42"})
    EXPECT_FALSE(ParseDateTimeText(text)) << text;
}

}  // namespace
}  // namespace torvane
