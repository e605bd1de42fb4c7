#include <gtest/gtest.h>

#include "acquisition/DateTimeText.h"

namespace torvane {
namespace {

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
