// The printer page on the screen at a zoom, and the zoom choices.
#include <gtest/gtest.h>

#include "print/PreviewGeometry.h"

namespace torvane {
namespace {

TEST(PreviewGeometry, OneFactorFromTheVerticalResolution) {
  const PrinterMetrics a4{600, 600, 4961, 7016, 99, 99, 4763, 6818};
  EXPECT_EQ(ScreenGeometryOf(a4, 96, 100), (ScreenGeometry{794, 1123, 16, 16, 762, 1091}));
  EXPECT_EQ(ScreenGeometryOf(a4, 96, 25), (ScreenGeometry{198, 281, 4, 4, 191, 273}));
  // A printer of 300 x 600 dpi: both axes follow the 600, the sheet keeps the
  // printer's pixel proportions.
  const PrinterMetrics unequal{300, 600, 2480, 7016, 50, 100, 2380, 6816};
  EXPECT_EQ(ScreenGeometryOf(unequal, 96, 50), (ScreenGeometry{198, 561, 4, 8, 190, 545}));
}

TEST(PreviewGeometry, ZoomLimitsAndChoices) {
  EXPECT_FALSE(IsZoomScale(24));
  EXPECT_TRUE(IsZoomScale(25));
  EXPECT_TRUE(IsZoomScale(200));
  EXPECT_FALSE(IsZoomScale(201));
  EXPECT_EQ(ZoomOfChoice(0), 25);
  EXPECT_EQ(ZoomOfChoice(3), 100);
  EXPECT_EQ(ZoomOfChoice(-1), std::nullopt);
  EXPECT_EQ(ZoomOfChoice(4), std::nullopt);
}

}  // namespace
}  // namespace torvane
