#include "acquisition/DataSpecChoice.h"

#include "settings/IniGT.h"

namespace torvane {
namespace {

constexpr std::string_view kSection = "JvDataGet";
constexpr std::string_view kMastersKey = "DataSpec";
constexpr std::string_view kRacesKey = "Race";

}  // namespace

DataSpecChoice ReadDataSpecChoice(const TIniGT& settings) {
  return {settings.ReadString(kSection, kMastersKey, kTokuDiffText) == kTokuDifnText,
          settings.ReadBool(kSection, kRacesKey, false)};
}

bool SaveDataSpecChoice(TIniGT& settings, const DataSpecChoice& choice) {
  const bool masters =
      settings.WriteString(kSection, kMastersKey, choice.currentMasters ? kTokuDifnText : kTokuDiffText);
  return settings.WriteBool(kSection, kRacesKey, choice.races) && masters;
}

std::string DataSpecText(const DataSpecChoice& choice) {
  std::string text(choice.currentMasters ? kTokuDifnText : kTokuDiffText);
  if (choice.races) text += kRaceKindText;
  return text;
}

}  // namespace torvane
