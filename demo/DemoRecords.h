#pragma once
// The JV-Data records of the demo week: CP932 bytes of the exact record
// length, CR LF included, each field at the position of its accessor in
// jvdata/JVData_Structure.h.

#include <string>

#include "demo/DemoWeek.h"

namespace torvane {

std::string TkRecordOf(const DemoWeek& week, const DemoSpecialRace& race);
std::string RaRecordOf(const DemoPastRace& race);
std::string SeRecordOf(const DemoHorse& horse, const DemoRun& run, const DemoPastRace& race);
std::string UmRecordOf(const DemoWeek& week, const DemoHorse& horse);

}  // namespace torvane
