#pragma once
// The stand-in for the JV-Link component on a platform without it: it serves
// the files of a delivery folder the way JV-Link serves the service's data
// (its settings: StandInSettings.h).
//
// JVOpen(dataspec, from, 1) selects the delivery files of the dataspec's data
// kinds (DataKinds.h) stamped later than from, in stamp order, then name order; the files not yet in the cache are
// fetched into it on a worker thread, one per pace. JVRead hands out the
// records of the selected files in order, reading them from the cache:
//   record    > 0, its CP932 byte length (also in size; fileName is the file's name)
//   -1        between two files, when the next file begins
//   0         after the last record of the last file (and on every later call)
//   -3        while the file it needs is still being fetched
//   -502      that file will not come (its fetch failed or was cancelled)
//   -402/-403 the file is empty / not a sequence of CR LF-ended CP932 records
//   -503      the file has vanished from the cache
// fileName names the file of every record and of every error; for -402,
// -403 and -503 it is the cached copy's whole path. A file that
// gives -402, -403 or -503 is passed over: the next call goes on as after
// its last record. Files are read a record at a time, never held whole.
//
// A delivery counts as cached when the cached copy has its size and its
// modification time (the copy takes it over), so a corrected delivery of
// the same size is fetched again, and the copy's contents match the
// checksum kept beside it, so a copy damaged after it was made is too.
//
// Calls come from one thread at a time (the caller's); only the download
// runs on a thread of its own, and JVCancel, JVClose and the destructor wait
// for it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "jvlink/DeliveredRecords.h"
#include "jvlink/JVLink.h"
#include "jvlink/StandInSettings.h"
#include "platform/Paths.h"

namespace torvane {

class CacheDownload;

class JVLinkStandIn final : public JVLink {
 public:
  // The settings to serve, asked for at every JVOpen, with absolute folders.
  using SettingsSource = std::function<StandInSettings()>;
  explicit JVLinkStandIn(SettingsSource settings);
  // The settings are read from the program directory at every JVOpen, so a
  // change made in the settings dialog counts from the next run.
  explicit JVLinkStandIn(const std::filesystem::path& programDir);
  ~JVLinkStandIn() override;

  // Serves this folder instead of the configured delivery folder.
  void OverrideDeliveryFolder(std::filesystem::path folder);
  // What JVSetUIProperties opens: the settings dialog, answering 0 when done
  // or a code to report. Without a dialog JVSetUIProperties answers 0 at once.
  void SetSettingsDialog(std::function<std::int32_t()> dialog);

  std::int32_t JVInit(const std::u16string& sid) override;
  std::int32_t JVSetUIProperties() override;
  std::int32_t JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, std::int32_t option,
                      std::int32_t& readCount, std::int32_t& downloadCount, std::u16string& lastFileTimestamp) override;
  std::int32_t JVStatus() override;
  std::int32_t JVRead(std::u16string& buff, std::int32_t& size, std::u16string& fileName) override;
  void JVCancel() override;
  std::int32_t JVClose() override;

 private:
  struct SelectedFile {
    std::u16string name;
    std::filesystem::path cachePath;
    std::optional<std::size_t> downloadIndex;  // its place in the download; none when cached at open
  };
  // One open: from a successful JVOpen to JVClose.
  struct Run {
    std::vector<SelectedFile> files;
    std::unique_ptr<CacheDownload> download;
    std::size_t fileIndex = 0;            // the file being read
    std::optional<DeliveredFile> reader;  // that file, once opened
    bool readerFailed = false;            // its error was given: the next call passes it over
  };

  std::int32_t OpenRun(const std::string& fromStamp, const std::vector<std::string>& kinds, std::int32_t& readCount,
                       std::int32_t& downloadCount, std::u16string& lastFileTimestamp);
  // 0 when the current file is in the cache, else the JVRead code for it.
  std::int32_t Availability(const SelectedFile& file) const;

  const SettingsSource settings_;
  std::optional<std::filesystem::path> deliveryFolderOverride_;
  std::function<std::int32_t()> settingsDialog_;
  bool initialized_ = false;
  std::unique_ptr<Run> run_;
};

}  // namespace torvane
