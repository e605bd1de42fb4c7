// Whether a saved window place is used or gives way to the defaults.
#include <gtest/gtest.h>

#include <climits>

#include "settings/WindowPlace.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

TEST(WindowPlace, APlaceThatCannotBeReachedOrSeenGivesTheDefaults) {
  const std::vector<WindowRect> screens{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
  struct Case {
    WindowRect saved;
    bool used;
  };
  const Case cases[] = {
      {{10, 10, 630, 450}, true},           // the defaults themselves
      {{2000, 100, 800, 600}, true},        // on the second screen
      {{-300, 100, 700, 400}, true},        // partly off, the title bar and most of it in reach
      {{1230, 500, 200, 300}, true},        // across both screens, most of it on the second
      {{5000, -2000, 700, 520}, false},     // off every screen
      {{3140, 1000, 700, 450}, false},      // a corner of the title bar showing
      {{-600, 990, 700, 450}, false},       // a corner showing, with enough title bar to grab
      {{100, -10, 700, 450}, false},        // the title bar above the screen
      {{10, 10, 700, 99999}, false},        // taller than every screen
      {{10, 10, INT_MAX, INT_MAX}, false},  // as large as a number can say
      {{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, false},
      {{10, 10, 0, 450}, false},     // no width
      {{10, 10, 630, -450}, false},  // a negative height
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowPlaceUsable(c.saved, screens), c.used) << c.saved.left << "," << c.saved.top;
    test::TempDir dir;
    TIniGT settings(dir.Path(), "torvane");
    ASSERT_TRUE(settings.WriteIntegers(
        "Printlocate",
        {{"left", c.saved.left}, {"top", c.saved.top}, {"width", c.saved.width}, {"height", c.saved.height}}));
    EXPECT_EQ(SavedWindowPlace(settings, "Printlocate", screens), c.used ? c.saved : kDefaultWindowPlace);
  }
  test::TempDir empty;
  EXPECT_EQ(SavedWindowPlace(TIniGT(empty.Path(), "torvane"), "locate", screens), kDefaultWindowPlace);
}

}  // namespace
}  // namespace torvane
