#include "browse/RaceBrowser.h"

#include <stdexcept>

#include "browse/RaceList.h"
#include "jvdata/Cp932.h"

namespace torvane {

RaceBrowser::RaceBrowser(WorkingSet& workingSet, std::filesystem::path programDir)
    : ws_(workingSet), programDir_(std::move(programDir)) {}

LoadResult RaceBrowser::ChooseDate(std::string_view dateText, LoadProgress& progress) {
  dateLine_ = Cp932ToUtf8(dateText);
  LoadResult result = LoadDate(ws_, programDir_, dateText, progress);
  if (result.status == LoadStatus::Loaded) selectedListIndex_.reset();
  return result;
}

void RaceBrowser::ChooseRace(int listIndex) {
  if (listIndex < 0 || listIndex >= static_cast<int>(ws_.RaceList.size()))
    throw std::out_of_range("no race list entry " + std::to_string(listIndex) + " (the race list holds " +
                            std::to_string(ws_.RaceList.size()) + ")");
  selectedListIndex_ = listIndex;
  selectedRace_ = ws_.RaceList[listIndex].slot;
  const TkRecord& tk = ws_.LoadedTk[selectedRace_];
  labels_ = RaceHeaderLabelsOf(tk);
  listGrid_.ShowRace(tk);
  arrowPosition_ = listIndex;
}

std::optional<int> RaceBrowser::Step(int delta) {
  const std::optional<int> target = StepRace(static_cast<int>(ws_.RaceList.size()), arrowPosition_, delta);
  if (target) ChooseRace(*target);
  return target;
}

std::string RaceBrowser::ClipboardText() const {
  const bool selected = selectedListIndex_ && *selectedListIndex_ < static_cast<int>(ws_.RaceList.size());
  const std::string_view raceLine = selected ? std::string_view(ws_.RaceList[*selectedListIndex_].text) : "";
  return listGrid_.CopyText(dateLine_, raceLine);
}

}  // namespace torvane
