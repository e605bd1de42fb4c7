#pragma once
// A delivery folder: the stand-in's "service". Every file in it whose name
// ends in "_yyyymmddhhnnss.jvd" is one delivered data file, its time stamp
// those 14 digits; its contents are CP932 JV-Data records, each ending CR LF.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Paths.h"

namespace torvane {

struct DeliveryEntry {
  std::string name;   // the file name alone
  std::string stamp;  // its 14-digit time stamp
};

// The time stamp of a delivery file name; nothing when the name is not one
// (including a stamp that is not a real date and time).
std::optional<std::string> DeliveryStamp(std::string_view fileName);

// The delivery files of the folder with a stamp later than fromStamp (14
// digits), in stamp order, then name order. Throws
// std::filesystem::filesystem_error when the folder cannot be listed.
std::vector<DeliveryEntry> DeliveriesAfter(const std::filesystem::path& folder, std::string_view fromStamp);

}  // namespace torvane
