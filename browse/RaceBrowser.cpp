#include "browse/RaceBrowser.h"

#include <stdexcept>

#include "browse/RaceList.h"

namespace torvane {

RaceBrowser::RaceBrowser(WorkingSet& workingSet, std::filesystem::path programDir)
    : ws_(workingSet), programDir_(std::move(programDir)) {}

LoadResult RaceBrowser::ChooseDate(const RaceDay& day, LoadProgress& progress) {
  dateLine_ = day.Text();
  LoadResult result = LoadDate(ws_, programDir_, day, progress);
  if (result.status == LoadStatus::Loaded) ShowNoRace();
  return result;
}

void RaceBrowser::ForgetDate() {
  dateLine_.clear();
  ws_.RaceList.clear();
  ShowNoRace();
}

void RaceBrowser::ShowNoRace() {
  selectedListIndex_.reset();
  labels_ = RaceHeaderLabels{};
  listGrid_ = ListGridTexts{};
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
  if (!RaceOnShow()) return dateLine_.empty() ? std::string() : dateLine_ + "\r\n";
  return listGrid_.CopyText(dateLine_, ws_.RaceList.at(static_cast<std::size_t>(*selectedListIndex_)).text);
}

}  // namespace torvane
