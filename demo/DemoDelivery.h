#pragma once
// Demo deliveries: a folder of JV-Data delivery files holding a realistic
// synthetic week, so that the program can be tried without a subscription.
// The special registrations (TK) of the Saturday and Sunday after a date at
// three racecourses, about twenty races with their nominated horses, each
// horse's master record (UM), its past results (SE) and the details (RA) of
// those races. The same date always gives byte-identical files.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Paths.h"

namespace torvane {

struct DeliveryFile {
  std::string name;      // <family>_yyyymmddhhnnss.jvd, stamped on the week-of date
  std::string contents;  // CP932 records, each ending in CR LF
  int recordCount = 0;
};

// The delivery files of the week after weekOf, in time stamp order; families
// without records are left out. With currentKinds the files of the data
// kinds "DIFN" (every horse master in the current layout, and the details
// and results of the past races) and "RACE" (those details and results)
// follow them.
std::vector<DeliveryFile> MakeDemoDelivery(std::chrono::sys_days weekOf, bool currentKinds = false);

// Writes the files into dir, creating it when missing; throws
// std::runtime_error naming the path that could not be written and why.
void WriteDemoDelivery(const std::filesystem::path& dir, const std::vector<DeliveryFile>& files);

// A week-of date "yyyymmdd": a real calendar date of the years 1900 to 9998;
// anything else throws std::invalid_argument saying what is wrong.
std::chrono::sys_days ParseDemoDate(std::string_view yyyymmdd);

// Today's date in local time.
std::chrono::sys_days LocalToday();

}  // namespace torvane
