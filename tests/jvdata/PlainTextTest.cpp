#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "jvdata/PlainText.h"

namespace torvane {
namespace {

using Cases = std::vector<std::pair<std::string, std::string>>;

TEST(Trimming, BlanksAndControlsGoFullWidthSpacesStay) {
  const Cases trims{{"  ab  ", "ab"}, {"\t\r\nab\x7F\x01", "ab"}, {" a b ", "a b"}, {"   ", ""},
                    {"", ""},         {"　ab　", "　ab　"}};
  for (const auto& [text, trimmed] : trims) EXPECT_EQ(TrimBlanks(text), trimmed) << "[" << text << "]";
}

}  // namespace
}  // namespace torvane
