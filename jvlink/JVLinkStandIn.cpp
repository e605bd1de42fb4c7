#include "jvlink/JVLinkStandIn.h"

#include <algorithm>
#include <system_error>

#include "jvdata/Cp932.h"
#include "jvdata/DateTime.h"
#include "jvlink/CacheDownload.h"
#include "jvlink/DataKinds.h"
#include "jvlink/DeliveryFolder.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace torvane {
namespace {

constexpr std::int32_t kSidMissing = -101;
constexpr std::int32_t kSidTooLong = -102;
constexpr std::int32_t kSidBadStart = -103;
constexpr std::int32_t kBadDataSpec = -111;
constexpr std::int32_t kBadFromTime = -112;
constexpr std::int32_t kBadOption = -115;
constexpr std::int32_t kNotInitialized = -201;
constexpr std::int32_t kAlreadyOpen = -202;
constexpr std::int32_t kNotOpen = -203;
constexpr std::int32_t kNoServiceKey = -303;
constexpr std::int32_t kInternalError = -401;
constexpr std::int32_t kServiceNotFound = -411;  // the delivery folder cannot be listed
constexpr std::int32_t kDownloadFailed = -502;

constexpr std::size_t kSidByteLimit = 64;

std::u16string Wide(const std::string& utf8) { return Cp932ToUtf16(Utf8ToCp932(utf8)); }

// The from-time as 14 ASCII digits of a real date and time, or nothing.
std::optional<std::string> FromStamp(const std::u16string& fromTime) {
  std::string digits;
  for (const char16_t c : fromTime) {
    if (c > 0x7f) return std::nullopt;
    digits += static_cast<char>(c);
  }
  if (!FromDigits14(digits)) return std::nullopt;
  return digits;
}

bool IsCached(const std::filesystem::path& cached, const std::filesystem::path& delivered) {
  // The same size and the delivery's modification time, which the copy took.
  const std::optional<platform::SizeAndTime> cachedFile = platform::SizeAndTimeOf(cached);
  if (!cachedFile) return false;
  const std::optional<platform::SizeAndTime> deliveredFile = platform::SizeAndTimeOf(delivered);
  return deliveredFile && *cachedFile == *deliveredFile && IsCompleteCopy(cached);
}

}  // namespace

JVLinkStandIn::JVLinkStandIn(SettingsSource settings) : settings_(std::move(settings)) {}

JVLinkStandIn::~JVLinkStandIn() = default;

void JVLinkStandIn::OverrideDeliveryFolder(std::filesystem::path folder) {
  deliveryFolderOverride_ = std::move(folder);
}

void JVLinkStandIn::SetSettingsDialog(std::function<std::int32_t()> dialog) { settingsDialog_ = std::move(dialog); }

std::int32_t JVLinkStandIn::JVInit(const std::u16string& sid) {
  if (sid.empty()) return kSidMissing;
  if (Utf16ToCp932(sid).size() >= kSidByteLimit) return kSidTooLong;
  if (sid.front() == u' ') return kSidBadStart;
  initialized_ = true;
  return 0;
}

std::int32_t JVLinkStandIn::JVSetUIProperties() { return settingsDialog_ ? settingsDialog_() : 0; }

std::int32_t JVLinkStandIn::JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, std::int32_t option,
                                   std::int32_t& readCount, std::int32_t& downloadCount,
                                   std::u16string& lastFileTimestamp) {
  readCount = 0;
  downloadCount = 0;
  lastFileTimestamp.clear();
  if (!initialized_) return kNotInitialized;
  if (run_) return kAlreadyOpen;
  const std::optional<std::vector<std::string>> kinds = DataKindsOf(dataSpec);
  if (!kinds) return kBadDataSpec;
  const std::optional<std::string> fromStamp = FromStamp(fromTime);
  if (!fromStamp) return kBadFromTime;
  if (option != kNormalDataOption) return kBadOption;
  return OpenRun(*fromStamp, *kinds, readCount, downloadCount, lastFileTimestamp);
}

std::int32_t JVLinkStandIn::OpenRun(const std::string& fromStamp, const std::vector<std::string>& kinds,
                                    std::int32_t& readCount, std::int32_t& downloadCount,
                                    std::u16string& lastFileTimestamp) {
  const StandInSettings settings = settings_();
  if (settings.serviceKey.empty()) return kNoServiceKey;
  const std::filesystem::path deliveryFolder =
      deliveryFolderOverride_ ? *deliveryFolderOverride_ : settings.deliveryFolder;
  const std::filesystem::path& cacheFolder = settings.cacheFolder;

  std::vector<DeliveryEntry> selected;
  try {
    selected = DeliveriesAfter(deliveryFolder, fromStamp);
  } catch (const std::filesystem::filesystem_error&) {
    return kServiceNotFound;
  }
  std::erase_if(selected, [&kinds](const DeliveryEntry& entry) {
    return std::find(kinds.begin(), kinds.end(), DeliveryKindOf(entry.name)) == kinds.end();
  });
  if (selected.empty()) return kJVOpenNothingNewer;
  std::error_code error;
  platform::CreateDirectories(cacheFolder, error);
  if (error) return kInternalError;

  auto run = std::make_unique<Run>();
  std::vector<CacheCopy> copies;
  for (const DeliveryEntry& entry : selected) {
    SelectedFile file{Wide(entry.name), cacheFolder / entry.name, std::nullopt};
    const std::filesystem::path delivered = deliveryFolder / entry.name;
    if (!IsCached(file.cachePath, delivered)) {
      file.downloadIndex = copies.size();
      copies.push_back({delivered, file.cachePath});
    }
    run->files.push_back(std::move(file));
  }
  readCount = static_cast<std::int32_t>(run->files.size());
  downloadCount = static_cast<std::int32_t>(copies.size());
  lastFileTimestamp = Wide(selected.back().stamp);
  if (!copies.empty())
    run->download =
        std::make_unique<CacheDownload>(std::move(copies), std::chrono::milliseconds(settings.downloadPaceMs));
  run_ = std::move(run);
  return 0;
}

std::int32_t JVLinkStandIn::JVStatus() {
  if (!initialized_) return kNotInitialized;
  if (!run_) return kNotOpen;
  if (!run_->download) return 0;
  if (run_->download->Failed()) return kDownloadFailed;
  return static_cast<std::int32_t>(run_->download->Fetched());
}

std::int32_t JVLinkStandIn::Availability(const SelectedFile& file) const {
  if (!file.downloadIndex || run_->download->IsFetched(*file.downloadIndex)) return 0;
  return run_->download->Ended() ? kDownloadFailed : kJVReadDownloading;
}

std::int32_t JVLinkStandIn::JVRead(std::u16string& buff, std::int32_t& size, std::u16string& fileName) {
  if (!initialized_) return kNotInitialized;
  if (!run_) return kNotOpen;
  Run& run = *run_;
  if (run.fileIndex >= run.files.size()) return kJVReadEnd;
  const SelectedFile& file = run.files[run.fileIndex];
  fileName = file.name;
  if (!run.reader) {
    if (const std::int32_t code = Availability(file); code != 0) return code;
    run.reader.emplace(file.cachePath);
  }
  if (!run.readerFailed) {
    const std::int32_t result = run.reader->Next(buff);
    if (result > 0) {
      size = result;
      return result;
    }
    if (result < 0) {
      run.readerFailed = true;
      // The copy at fault, where the user can look at it or remove it.
      fileName = Wide(platform::Utf8OfPath(file.cachePath));
      return result;
    }
  }
  ++run.fileIndex;
  run.reader.reset();
  run.readerFailed = false;
  return run.fileIndex < run.files.size() ? kJVReadFileChanged : kJVReadEnd;
}

void JVLinkStandIn::JVCancel() {
  if (run_ && run_->download) run_->download->Cancel();
}

std::int32_t JVLinkStandIn::JVClose() {
  run_.reset();
  return 0;
}

}  // namespace torvane
