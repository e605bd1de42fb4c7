// The bridge client against a native fake bridge (FakeBridge.cpp) that dies
// at each point of a read: whatever the moment, the call answers -502 and
// the next run starts a new bridge.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "jvlink/JVLinkBridge.h"
#include "jvlink/JVLinkFactory.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

const std::filesystem::path kFakeBridge = TORVANE_FAKE_BRIDGE_PATH;

class JVLinkBridgeTest : public ::testing::TestWithParam<const char*> {
 protected:
  // The client starts its bridge through "wine": the fake is found under that name.
  JVLinkBridgeTest() : oldPath_(std::getenv("PATH")) {
    std::filesystem::create_symlink(kFakeBridge, wineDir_ / "wine");
    ::setenv("PATH", (wineDir_.Path().string() + ":" + oldPath_).c_str(), 1);
  }
  ~JVLinkBridgeTest() override {
    ::setenv("PATH", oldPath_.c_str(), 1);
    ::unsetenv("TORVANE_FAKE_BRIDGE_DEATH");
  }

  // JVRead's results up to the first one that ends the reading.
  static std::vector<std::int32_t> ReadAll(JVLinkBridge& bridge) {
    std::int32_t readCount = 0, downloadCount = 0;
    std::u16string stamp, buff, fileName;
    EXPECT_EQ(bridge.JVOpen(u"TOKUDIFF", u"20000101000000", 1, readCount, downloadCount, stamp), 0);
    std::vector<std::int32_t> results;
    std::int32_t size = 60000;
    while (results.size() < 20 &&
           (results.empty() || results.back() > 0 || results.back() == -1 || results.back() == -3))
      results.push_back(bridge.JVRead(buff, size, fileName));
    return results;
  }

  test::TempDir wineDir_;
  const std::string oldPath_;
};

TEST_P(JVLinkBridgeTest, ABridgeThatDiesDuringAReadGivesTheReadFailureAndTheNextRunANewBridge) {
  ::setenv("TORVANE_FAKE_BRIDGE_DEATH", GetParam(), 1);
  JVLinkBridge bridge(kFakeBridge);
  ASSERT_EQ(bridge.JVInit(u"sid"), 0);
  const std::vector<std::int32_t> results = ReadAll(bridge);
  ASSERT_FALSE(results.empty());
  EXPECT_EQ(results.back(), kBridgeReadFailure);
  EXPECT_NE(bridge.Failure(), "");
  EXPECT_EQ(bridge.JVStatus(), kBridgeReadFailure);
  EXPECT_EQ(bridge.JVClose(), 0) << "nothing is left open";

  ::unsetenv("TORVANE_FAKE_BRIDGE_DEATH");
  EXPECT_EQ(ReadAll(bridge), (std::vector<std::int32_t>{-1, 8, 8, 0}));
  EXPECT_EQ(bridge.Failure(), "");
  EXPECT_EQ(bridge.JVClose(), 0);
}

// What a user sees under the missing-JV-Link message when the bridge dies
// before it has made the component: a Japanese line like the message's own.
TEST_F(JVLinkBridgeTest, ABridgeThatDiesAtItsStartIsToldInJapanese) {
  ::setenv("TORVANE_FAKE_BRIDGE_DEATH", "at-start", 1);
  try {
    JVLinkBridge bridge(kFakeBridge);
    ADD_FAILURE() << "the bridge started";
  } catch (const JVLinkUnavailable& error) {
    EXPECT_STREQ(error.what(), "JV-Linkブリッジが起動(JV-Linkの作成)の途中で終了しました");
  }
  // A "wine" that cannot be run: the system's reason in Japanese too.
  std::filesystem::remove(wineDir_ / "wine");
  test::WriteFile(wineDir_ / "wine", "");
  ::setenv("PATH", wineDir_.Path().c_str(), 1);
  try {
    JVLinkBridge bridge(kFakeBridge);
    ADD_FAILURE() << "the bridge started";
  } catch (const JVLinkUnavailable& error) {
    EXPECT_EQ(std::string(error.what()), "JV-Linkブリッジを起動できません(wine): アクセスする権限がありません");
  }
}

INSTANTIATE_TEST_SUITE_P(EachPoint, JVLinkBridgeTest,
                         ::testing::Values("after-batch", "after-wait", "mid-frame", "before-length"));

}  // namespace
}  // namespace torvane
