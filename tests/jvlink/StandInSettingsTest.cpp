#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "acquisition/AcquisitionRun.h"
#include "jvlink/StandInSettings.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

TEST(StandInSettingsTest, DefaultsWithoutFileAndResolvedFolders) {
  test::TempDir dir;
  const StandInSettings settings = LoadStandInSettings(dir.Path());
  EXPECT_EQ(settings.serviceKey, kTrialServiceKey);
  EXPECT_EQ(ResolvedFolder(dir.Path(), settings.deliveryFolder), dir / "deliveries");
  EXPECT_EQ(ResolvedFolder(dir.Path(), settings.cacheFolder), dir / "jvlink-cache");
  EXPECT_EQ(settings.downloadPaceMs, kDefaultDownloadPaceMs);
  EXPECT_EQ(ResolvedFolder(dir.Path(), "/srv/jv"), "/srv/jv");
}

TEST(StandInSettingsTest, SavedSettingsReadBackInTheirOwnFile) {
  test::TempDir dir;
  const StandInSettings saved{"", u8"/データ/配信", u8"キャッシュ", 0};
  SaveStandInSettings(dir.Path(), saved);
  const StandInSettings loaded = LoadStandInSettings(dir.Path());
  EXPECT_EQ(loaded.serviceKey, "") << "a cleared key stays cleared, it does not fall back to the trial key";
  EXPECT_EQ(loaded.deliveryFolder, saved.deliveryFolder);
  EXPECT_EQ(loaded.cacheFolder, saved.cacheFolder);
  EXPECT_EQ(loaded.downloadPaceMs, 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "jvlink-standin.ini"));
  EXPECT_FALSE(std::filesystem::exists(dir / "torvane.ini"));
}

TEST(StandInSettingsTest, APaceOutOfRangeGivesTheDefaultAndTheSlowestStillShowsProgressInTime) {
  test::TempDir dir;
  const auto paceRead = [&](const std::string& pace) {
    test::WriteFile(dir / "jvlink-standin.ini", "[JVLink]\r\nDownloadPace=" + pace + "\r\n");
    return LoadStandInSettings(dir.Path()).downloadPaceMs;
  };
  for (const std::string& pace :
       std::vector<std::string>{"-5", "fast", std::to_string(kMaxDownloadPaceMs + 1), "2147483647"})
    EXPECT_EQ(paceRead(pace), kDefaultDownloadPaceMs) << pace;
  // The slowest pace accepted must not end every download as stalled.
  const int slowest = paceRead(std::to_string(kMaxDownloadPaceMs));
  EXPECT_EQ(slowest, kMaxDownloadPaceMs);
  EXPECT_LE(2 * std::chrono::milliseconds(slowest), kProgressLimit);
}

TEST(StandInSettingsTest, UnwritableFileIsReported) {
  test::TempDir dir;
  std::filesystem::create_directories(dir / "jvlink-standin.ini");  // a directory in the file's place
  EXPECT_THROW(SaveStandInSettings(dir.Path(), LoadStandInSettings(dir.Path())), std::runtime_error);
}

}  // namespace
}  // namespace torvane
