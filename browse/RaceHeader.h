#pragma once
// The race header labels of the main window's top bar for the race on show.

#include <string>

#include "jvdata/JVData_Structure.h"

namespace torvane {

// UTF-8 texts, named after the labels that show them.
struct RaceHeaderLabels {
  std::string Label3D1;    // racecourse, two characters
  std::string Label3D2;    // race number, two places
  std::string Label3D3;    // date, racecourse, meeting and day: "2004年01月05日中山 1回 2日"
  std::string Label3D4;    // race name as stored
  std::string Label3D5;    // weight type
  std::string Label3D6;    // race condition of the youngest age group
  std::string Label3D7;    // track
  std::string Label3D8;    // distance: "2000m"
  std::string Label3D9;    // handicap announcement: "ﾊﾝﾃﾞ発表日:04月01日", or empty
  std::string Label3D110;  // registered count: " 18頭"
  std::string Label3D115;  // grade
};

RaceHeaderLabels RaceHeaderLabelsOf(const TkRecord& tk);

}  // namespace torvane
