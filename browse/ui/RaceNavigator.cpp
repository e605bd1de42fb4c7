#include "browse/ui/RaceNavigator.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>

#include "browse/DateList.h"
#include "browse/ui/InfoGridWidget.h"
#include "browse/ui/ListGridWidget.h"
#include "browse/ui/RaceHeaderPanel.h"
#include "controls/ui/Label3Dj.h"
#include "controls/ui/MsgDlg.h"
#include "platform/SystemErrorText.h"

namespace torvane {

RaceNavigator::RaceNavigator(RaceNavigatorWidgets widgets, WorkingSet& workingSet, std::filesystem::path programDir,
                             LoadProgress& progress, QObject* parent)
    : QObject(parent),
      w_(std::move(widgets)),
      ws_(workingSet),
      programDir_(programDir),
      progress_(progress),
      browser_(workingSet, std::move(programDir)) {
  connect(w_.dateCombo, &QComboBox::currentIndexChanged, this, &RaceNavigator::DateComboChange);
  connect(w_.datList, &QListWidget::currentRowChanged, this, &RaceNavigator::DatListClick);
  connect(w_.arrows, &TUpDown::Click, this, &RaceNavigator::UpDown1Click);
  w_.listGrid->SetCopyTextSource([this] { return browser_.ClipboardText(); });
}

void RaceNavigator::RebuildDateList() {
  const QSignalBlocker comboBlocker(w_.dateCombo);
  const QSignalBlocker listBlocker(w_.datList);
  w_.dateCombo->clear();
  w_.datList->clear();
  dates_.clear();
  browser_.ForgetDate();
  ShowNoRace();
  try {
    dates_ = BuildDateList(programDir_);
  } catch (const std::exception& e) {
    Inform(QStringLiteral("日付リストを作成できません: ") + QString::fromStdString(JapaneseErrorText(e)));
  }
  for (const RaceDay& day : dates_) w_.dateCombo->addItem(QString::fromStdString(day.Text()));
  w_.dateCombo->setCurrentIndex(-1);
}

void RaceNavigator::DateComboChange() {
  const int index = w_.dateCombo->currentIndex();
  if (loading_ || index < 0 || index >= static_cast<int>(dates_.size())) return;
  loading_ = true;
  LoadResult result;
  try {
    result = browser_.ChooseDate(dates_[index], progress_);
  } catch (const std::exception& e) {
    loading_ = false;
    Inform(QString::fromStdString(JapaneseErrorText(e)));
    return;
  }
  loading_ = false;
  if (result.status == LoadStatus::DateFileMissing) {
    QApplication::beep();
    Inform(QString::fromUtf8(kDateNotReadyMessage.data(), static_cast<int>(kDateNotReadyMessage.size())));
    return;
  }
  FillRaceList();
  ShowNoRace();
  if (!result.warnings.empty()) {
    QStringList lines;
    for (const LoadWarning& warning : result.warnings) lines << QString::fromStdString(warning.message);
    Inform(lines.join('\n'));
  }
}

void RaceNavigator::FillRaceList() {
  const QSignalBlocker listBlocker(w_.datList);
  w_.datList->clear();
  for (const RaceListEntry& entry : ws_.RaceList) w_.datList->addItem(QString::fromStdString(entry.text));
  w_.datList->setCurrentRow(-1);
  // The arrows stay on the races of the list.
  w_.arrows->SetRange(0, std::max(0, static_cast<int>(ws_.RaceList.size()) - 1));
}

void RaceNavigator::DatListClick() {
  const int row = w_.datList->currentRow();
  if (loading_ || row < 0) return;
  browser_.ChooseRace(row);
  ShowChosenRace();
}

void RaceNavigator::UpDown1Click(TUpDown::TUDBtnType button) {
  if (loading_) return;
  const std::optional<int> shown = browser_.Step(button == TUpDown::TUDBtnType::btNext ? 1 : -1);
  if (shown) {
    const QSignalBlocker listBlocker(w_.datList);
    w_.datList->setCurrentRow(*shown);
    ShowChosenRace();
  }
  w_.arrows->SetPosition(browser_.ArrowPosition());
}

void RaceNavigator::ShowHeaderLabels() {
  const RaceHeaderLabels& labels = browser_.Labels();
  const std::pair<int, const std::string*> texts[] = {
      {115, &labels.Label3D115}, {1, &labels.Label3D1}, {2, &labels.Label3D2},    {3, &labels.Label3D3},
      {4, &labels.Label3D4},     {5, &labels.Label3D5}, {6, &labels.Label3D6},    {7, &labels.Label3D7},
      {8, &labels.Label3D8},     {9, &labels.Label3D9}, {110, &labels.Label3D110}};
  const bool shown = browser_.RaceOnShow();
  // Without a race the labels are back to their single blank.
  for (const auto& [number, text] : texts)
    w_.header->Label(number)->SetCaption(shown ? QString::fromStdString(*text) : QStringLiteral(" "));
  // The race number shows on its black background.
  w_.header->Label(2)->SetTransparent(!shown);
}

void RaceNavigator::ShowNoRace() {
  ShowHeaderLabels();
  w_.listGrid->ShowTexts(browser_.ListGrid());
  if (w_.infoGrid) w_.infoGrid->RaceGone();
  emit RaceGone();
}

void RaceNavigator::ShowChosenRace() {
  ShowHeaderLabels();

  w_.listGrid->hide();
  if (w_.infoGrid) w_.infoGrid->hide();
  w_.listGrid->ShowTexts(browser_.ListGrid());
  w_.pageControl->show();
  w_.window->setEnabled(true);
  w_.listGrid->clearSelection();
  w_.listGrid->setCurrentIndex({});
  w_.listGrid->show();
  if (w_.infoGrid) {
    w_.infoGrid->RaceShown();
    w_.infoGrid->show();
  }
  w_.arrows->SetPosition(browser_.ArrowPosition());
  if (w_.hideLeftPanelAfterChoice && w_.hideLeftPanelAfterChoice()) w_.leftPanel->hide();
  emit RaceShown();
}

bool RaceNavigator::ShowNomination(const RaceDay& day, int slot, int entry) {
  if (std::find(dates_.begin(), dates_.end(), day) == dates_.end()) RebuildDateList();
  const auto date = std::find(dates_.begin(), dates_.end(), day);
  if (date == dates_.end()) return false;
  const int dateIndex = static_cast<int>(date - dates_.begin());
  if (w_.dateCombo->currentIndex() != dateIndex) w_.dateCombo->setCurrentIndex(dateIndex);  // loads the date
  const auto race = std::find_if(ws_.RaceList.begin(), ws_.RaceList.end(),
                                 [slot](const RaceListEntry& listed) { return listed.slot == slot; });
  if (race == ws_.RaceList.end() || entry < 0 || entry >= RegisteredCount(ws_.LoadedTk[slot])) return false;
  const int listIndex = static_cast<int>(race - ws_.RaceList.begin());
  if (w_.datList->currentRow() != listIndex)
    w_.datList->setCurrentRow(listIndex);  // shows the race
  else if (browser_.SelectedRace() != slot)
    DatListClick();
  w_.listGrid->SelectRow(entry + 1);
  if (w_.infoGrid) w_.infoGrid->SelectRow(entry + 1);
  return true;
}

void RaceNavigator::Inform(const QString& text) {
  QMessageBox box(QMessageBox::Information, TMsgDlg::Caption(TMsgDlg::TMsgDlgType::mtInformation), text,
                  QMessageBox::Ok, w_.window);
  box.exec();
}

}  // namespace torvane
