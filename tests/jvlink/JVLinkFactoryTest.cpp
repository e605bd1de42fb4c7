#include <gtest/gtest.h>

#include "jvlink/JVLinkFactory.h"
#include "platform/ChildProcess.h"
#include "settings/IniGT.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

TEST(JVLinkFactoryTest, TheChoiceOfComponentIsKeptAndDefaultsToTheInstalledOneOnWindowsOnly) {
  test::TempDir dir;
  TIniGT settings(dir.Path(), "torvane");
  EXPECT_EQ(ChosenJVLinkComponent(settings),
            platform::WindowsProgramsRunNatively() ? JVLinkComponent::kInstalled : JVLinkComponent::kStandIn);
  ASSERT_TRUE(SaveJVLinkComponent(settings, JVLinkComponent::kInstalled));
  EXPECT_EQ(ChosenJVLinkComponent(TIniGT(dir.Path(), "torvane")), JVLinkComponent::kInstalled);
  EXPECT_EQ(test::ReadFile(dir / "torvane.ini"), "[JVLink]\r\nComponent=installed\r\n");
  ASSERT_TRUE(SaveJVLinkComponent(settings, JVLinkComponent::kStandIn));
  EXPECT_EQ(ChosenJVLinkComponent(settings), JVLinkComponent::kStandIn);
  ASSERT_TRUE(settings.WriteString("JVLink", "Component", "other"));
  EXPECT_EQ(ChosenJVLinkComponent(settings), ChosenJVLinkComponent(TIniGT(dir / "empty", "torvane")))
      << "an unknown value is no choice";
}

TEST(JVLinkFactoryTest, CreatesTheStandInOverAProgramDirectory) {
  test::TempDir dir;
  const auto jvLink = CreateJVLink(JVLinkComponent::kStandIn, dir.Path());
  ASSERT_NE(jvLink, nullptr);
  EXPECT_EQ(jvLink->JVInit(std::u16string(kJVInitSid)), 0);
  EXPECT_EQ(kJVInitSid.size(), 33u);
  EXPECT_THROW(CreateJVLink(JVLinkComponent::kStandIn, dir / "missing"), JVLinkUnavailable);
}

}  // namespace
}  // namespace torvane
