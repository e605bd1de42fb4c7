// Logical units and pen widths to printer pixels.
#include <gtest/gtest.h>

#include "print/PrintUnits.h"

namespace torvane {
namespace {

TEST(PrintUnits, CoordinatesAtPrinterResolution) {
  EXPECT_EQ(ScaleLogical(254, 0, 600), 600);    // one inch
  EXPECT_EQ(ScaleLogical(1990, 0, 600), 4701);  // 4700.787...
  EXPECT_EQ(ScaleLogical(100, 27, 600), 300);
  EXPECT_EQ(ScaleLogical(254, 0, 300, TPrevMapModes::pmmLo), 3000);
  // Halves go to the even neighbour: 127 at 1 dpi is 0.5, 381 is 1.5.
  EXPECT_EQ(ScaleLogical(127, 0, 1), 0);
  EXPECT_EQ(ScaleLogical(381, 0, 1), 2);
}

TEST(PrintUnits, PenWidthsFromScreenTenths) {
  EXPECT_EQ(ScalePenWidthFor(20, 600, 96), 12);  // 12.5 rounds to even
  EXPECT_EQ(ScalePenWidthFor(10, 600, 96), 6);
  EXPECT_EQ(ScalePenWidthFor(5, 600, 96), 3);
  EXPECT_EQ(ScalePenWidthFor(1, 600, 96), 1);  // 0.625, and never thinner than one pixel
  EXPECT_EQ(ScalePenWidthFor(0, 600, 96), 1);
}

}  // namespace
}  // namespace torvane
