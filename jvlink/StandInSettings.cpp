#include "jvlink/StandInSettings.h"

#include <stdexcept>

#include "jvdata/Cp932.h"
#include "platform/Paths.h"
#include "settings/IniGT.h"

namespace torvane {
namespace {

constexpr std::string_view kSection = "JVLink";
constexpr std::string_view kServiceKey = "ServiceKey";
constexpr std::string_view kDeliveryFolder = "DeliveryFolder";
constexpr std::string_view kCacheFolder = "CacheFolder";
constexpr std::string_view kDownloadPace = "DownloadPace";

TIniGT SettingsFile(const std::filesystem::path& programDir) { return TIniGT(programDir, kStandInSettingsName); }

std::string ReadText(const TIniGT& file, std::string_view key, std::string_view defaultUtf8) {
  return Cp932ToUtf8(file.ReadString(kSection, key, Utf8ToCp932(defaultUtf8)));
}

}  // namespace

StandInSettings LoadStandInSettings(const std::filesystem::path& programDir) {
  const TIniGT file = SettingsFile(programDir);
  StandInSettings settings;
  settings.serviceKey = ReadText(file, kServiceKey, kTrialServiceKey);
  settings.deliveryFolder = platform::PathFromUtf8(ReadText(file, kDeliveryFolder, kDefaultDeliveryFolder));
  settings.cacheFolder = platform::PathFromUtf8(ReadText(file, kCacheFolder, kDefaultCacheFolder));
  settings.downloadPaceMs = file.ReadInteger(kSection, kDownloadPace, kDefaultDownloadPaceMs);
  if (settings.downloadPaceMs < 0 || settings.downloadPaceMs > kMaxDownloadPaceMs)
    settings.downloadPaceMs = kDefaultDownloadPaceMs;
  return settings;
}

void SaveStandInSettings(const std::filesystem::path& programDir, const StandInSettings& settings) {
  TIniGT file = SettingsFile(programDir);
  const bool written =
      file.WriteString(kSection, kServiceKey, Utf8ToCp932(settings.serviceKey)) &&
      file.WriteString(kSection, kDeliveryFolder, Utf8ToCp932(platform::Utf8OfPath(settings.deliveryFolder))) &&
      file.WriteString(kSection, kCacheFolder, Utf8ToCp932(platform::Utf8OfPath(settings.cacheFolder))) &&
      file.WriteInteger(kSection, kDownloadPace, settings.downloadPaceMs);
  if (!written) throw std::runtime_error(platform::Utf8OfPath(file.FilePath()) + " に設定を書き込めません");
}

std::filesystem::path ResolvedFolder(const std::filesystem::path& programDir, const std::filesystem::path& folder) {
  return folder.is_absolute() ? folder : programDir / folder;
}

}  // namespace torvane
