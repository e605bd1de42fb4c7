#pragma once
// What a date load reports to its caller.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Paths.h"

namespace torvane {

// Shown (after a beep) when the chosen date has no date file.
inline constexpr std::string_view kDateNotReadyMessage = "データ作成が未完了のようです。";

enum class LoadStatus {
  Loaded,           // the working set holds the date
  DateFileMissing,  // nothing loaded; the records and the race list are as they were
};

// A store file that exists but could not be used; its element stays blank.
struct LoadWarning {
  std::filesystem::path path;
  std::string message;  // names the file and the reason
};

struct LoadResult {
  LoadStatus status = LoadStatus::Loaded;
  std::vector<LoadWarning> warnings;
};

}  // namespace torvane
