#pragma once
// What the acquisition run needs of its window (TGetDataForm): the controls
// it sets, the dialogs it shows and the timer it runs. Texts are UTF-8.

#include <string>

#include "jvdata/DateTime.h"

namespace torvane {

enum class ProgressBar {
  Download,  // ProgressBar1, "ダウンロード": files fetched
  Read,      // ProgressBar2, "読込み": files read
};

class AcquisitionView {
 public:
  virtual ~AcquisitionView() = default;

  // The status line (ProgressLabel).
  virtual void SetStatusText(const std::string& text) = 0;
  virtual void SetBarRange(ProgressBar bar, int minimum, int maximum) = 0;
  virtual void SetBarPosition(ProgressBar bar, int position) = 0;
  // The list of stored records (ListBox1).
  virtual void AddListLine(const std::string& line) = 0;
  virtual void ClearList() = 0;
  // A message dialog with the information icon and one OK button.
  virtual void ShowInformation(const std::string& text) = 0;
  // A confirmation dialog with Yes and No; true for Yes.
  virtual bool ConfirmYesNo(const std::string& text) = 0;
  // The platform's default message beep.
  virtual void Beep() = 0;
  // The application-starting cursor (arrow with hourglass) on, or the default cursor back.
  virtual void SetBusyCursor(bool busy) = 0;
  // The 10 ms timer TimerJVStatus, which polls the download (TGetDataForm::TimerJVStatusTimer) while on.
  virtual void StartTimer() = 0;
  virtual void StopTimer() = 0;
  // Lets the window handle every pending event (repaints, clicks) before returning.
  virtual void ProcessPendingEvents() = 0;
  // A run began (true) or ended (false): the window's cancel command is
  // offered only while a run is going on.
  virtual void SetRunGoing(bool) {}
  // Closes the window as the user's close would (FormCloseQuery runs again).
  virtual void CloseWindow() = 0;
  // The date picker DateTimePicker1: the start time of the next run.
  virtual DateTime PickerDateTime() const = 0;
  virtual void SetPickerDateTime(const DateTime& value) = 0;
};

}  // namespace torvane
