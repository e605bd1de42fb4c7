#include "jvlink/JVLinkFactory.h"

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

namespace torvane {
namespace {

TEST(JVLinkFactoryTest, CreatesTheComponentOfItsProgID) {
  test::TempDir dir;
  const auto jvLink = CreateJVLink(kJVLinkProgID, dir.Path());
  ASSERT_NE(jvLink, nullptr);
  EXPECT_EQ(jvLink->JVInit(std::u16string(kJVInitSid)), 0);
  EXPECT_EQ(kJVInitSid.size(), 33u);
}

TEST(JVLinkFactoryTest, FailsWithAMessageNamingWhy) {
  test::TempDir dir;
  try {
    CreateJVLink("JVDTLab.Other", dir.Path());
    FAIL() << "an unknown ProgID was created";
  } catch (const JVLinkUnavailable& error) {
    EXPECT_NE(std::string(error.what()).find("JVDTLab.Other"), std::string::npos) << error.what();
  }
  EXPECT_THROW(CreateJVLink(kJVLinkProgID, dir / "missing"), JVLinkUnavailable);
}

}  // namespace
}  // namespace torvane
