#pragma once
// The JV-Link component as the program calls it: the seven calls of the
// JRA-VAN Data Lab. COM component, with its wide strings and 32-bit results,
// so that a backend on the real component and the stand-in are interchangeable.

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

// The identifier this program gives JVInit: its software ID and version text.
inline constexpr std::u16string_view kJVInitSid = u"SA480217/SD715396/QPWXRN/Ver.1.04";

// The dataspec, the option and the read buffer size of every run.
inline constexpr std::u16string_view kTokuDiffDataSpec = u"TOKUDIFF";
inline constexpr std::int32_t kNormalDataOption = 1;
inline constexpr std::int32_t kReadBufferSize = 60000;

// The results that are no errors.
inline constexpr std::int32_t kJVOpenNothingNewer = -1;
inline constexpr std::int32_t kJVReadEnd = 0;
inline constexpr std::int32_t kJVReadFileChanged = -1;
inline constexpr std::int32_t kJVReadAgain = -2;
inline constexpr std::int32_t kJVReadDownloading = -3;

class JVLink {
 public:
  virtual ~JVLink() = default;

  // 0 = ready; -101 sid empty, -102 sid of 64 bytes or more, -103 sid begins with a blank.
  virtual std::int32_t JVInit(const std::u16string& sid) = 0;
  // Opens the component's own settings dialog; 0 = done.
  virtual std::int32_t JVSetUIProperties() = 0;
  // 0 = opened, -1 = nothing newer than fromTime ("yyyymmddhhnnss"), other = error.
  // readCount: files to read; downloadCount: files still to fetch;
  // lastFileTimestamp: 14 digits of the newest file, or blank.
  virtual std::int32_t JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, std::int32_t option,
                              std::int32_t& readCount, std::int32_t& downloadCount,
                              std::u16string& lastFileTimestamp) = 0;
  // Files fetched so far (0 up to the download count); negative = error.
  virtual std::int32_t JVStatus() = 0;
  // Above 0: one record in buff (size = its CP932 byte length); 0: all read;
  // -1: the next file begins; -2, -3: call again (-3: still fetching); -4 and below: error.
  virtual std::int32_t JVRead(std::u16string& buff, std::int32_t& size, std::u16string& fileName) = 0;
  // Stops a fetch in progress; harmless without one.
  virtual void JVCancel() = 0;
  // 0 = closed.
  virtual std::int32_t JVClose() = 0;
};

}  // namespace torvane
