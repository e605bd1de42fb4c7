#include <gtest/gtest.h>

#include "print/PdfFileName.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

TkRecord Race(std::string_view yyyymmdd, std::string_view course, int race) {
  TkRecord tk;
  tk.Assign(test::TkRecordOf(yyyymmdd, course, race, "001"));
  return tk;
}

TEST(PdfFileNameTest, TheRaceNamesTheFileAndATypedNameGetsItsExtension) {
  EXPECT_EQ(PdfFileNameOf(Race("20261212", "06", 8)), "2026年12月12日中山8R.pdf");
  EXPECT_EQ(PdfFileNameOf(Race("20040105", "05", 11)), "2004年01月05日東京11R.pdf");

  EXPECT_EQ(WithPdfExtension("/home/u/中山"), "/home/u/中山.pdf");
  EXPECT_EQ(WithPdfExtension("/home/u/a.PDF"), "/home/u/a.PDF");
  EXPECT_EQ(WithPdfExtension("/home/u/a.pdf.txt"), "/home/u/a.pdf.txt.pdf");
}

}  // namespace
}  // namespace torvane
