#pragma once
// What the acquisition run tests drive it with: a window that records every
// call as one line of text, and the settings, store and clock of a temporary
// program directory.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "acquisition/AcquisitionRun.h"
#include "acquisition/StoreWriter.h"
#include "jvdata/DateTime.h"
#include "settings/IniGT.h"
#include "store/StorePaths.h"
#include "tests/support/TempDir.h"

namespace torvane::test {

// Each call becomes an event: "status:TEXT", "range:dl:0-3" (rd for the read
// bar), "pos:dl:3", "list:LINE", "clear", "info:TEXT", "confirm:TEXT",
// "beep", "cursor:busy", "cursor:default", "timer:on", "timer:off", "picker:TEXT", "close".
class FakeAcquisitionView final : public AcquisitionView {
 public:
  std::vector<std::string> events;
  bool timerOn = false;
  bool runGoing = false;
  bool answerYes = true;
  DateTime picker{2003, 1, 1, 0, 0, 0};
  int pumps = 0;
  std::function<void(int pump)> onPump;  // runs inside ProcessPendingEvents, as a click would
  std::function<void()> onTimerStart;
  std::function<void()> onConfirm;  // runs while the question is open, as the timer would
  std::function<void()> onClose;    // the window's close, which asks the run again

  void SetStatusText(const std::string& text) override { events.push_back("status:" + text); }
  void SetBarRange(ProgressBar bar, int minimum, int maximum) override {
    events.push_back("range:" + Bar(bar) + ":" + std::to_string(minimum) + "-" + std::to_string(maximum));
  }
  void SetBarPosition(ProgressBar bar, int position) override {
    events.push_back("pos:" + Bar(bar) + ":" + std::to_string(position));
  }
  void AddListLine(const std::string& line) override { events.push_back("list:" + line); }
  void ClearList() override { events.push_back("clear"); }
  void ShowInformation(const std::string& text) override { events.push_back("info:" + text); }
  bool ConfirmYesNo(const std::string& text) override {
    events.push_back("confirm:" + text);
    if (onConfirm) onConfirm();
    return answerYes;
  }
  void Beep() override { events.push_back("beep"); }
  void SetBusyCursor(bool busy) override { events.push_back(busy ? "cursor:busy" : "cursor:default"); }
  void StartTimer() override {
    events.push_back("timer:on");
    timerOn = true;
    if (onTimerStart) onTimerStart();
  }
  void StopTimer() override {
    events.push_back("timer:off");
    timerOn = false;
  }
  void ProcessPendingEvents() override {
    ++pumps;
    if (onPump) onPump(pumps);
  }
  void SetRunGoing(bool going) override { runGoing = going; }
  void CloseWindow() override {
    events.push_back("close");
    if (onClose) onClose();
  }
  DateTime PickerDateTime() const override { return picker; }
  void SetPickerDateTime(const DateTime& value) override {
    events.push_back("picker:" + SettingsDateTimeText(value));
    picker = value;
  }

  // The events from the first one equal to start.
  std::vector<std::string> From(const std::string& start) const {
    return {std::find(events.begin(), events.end(), start), events.end()};
  }
  // The events from the last one equal to start.
  std::vector<std::string> FromLast(const std::string& start) const {
    const auto it = std::find(events.rbegin(), events.rend(), start);
    return {it == events.rend() ? events.end() : std::prev(it.base()), events.end()};
  }
  std::vector<std::string> Starting(std::string_view prefix) const {
    std::vector<std::string> found;
    for (const auto& event : events)
      if (event.starts_with(prefix)) found.push_back(event);
    return found;
  }
  bool Has(const std::string& event) const { return std::find(events.begin(), events.end(), event) != events.end(); }

 private:
  static std::string Bar(ProgressBar bar) { return bar == ProgressBar::Download ? "dl" : "rd"; }
};

inline constexpr DateTime kTestNow{2003, 3, 5, 12, 0, 0};

// The start dialog's event for the picker's value.
inline std::string StartDialog(const DateTime& from) {
  return "info:" + JapaneseDateTimeText(from) +
         "以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり他のアプリケーションを操作すること"
         "は極力避けてください。";
}

class AcquisitionFixture : public ::testing::Test {
 protected:
  AcquisitionFixture() { CreateStoreDirectories(dir_.Path()); }

  std::string LastTime() const { return settings_.ReadString("JvDataGet", "LastTime", "(none)"); }

  // Fires the timer, as its 10 ms interval would, until the run stops it.
  void RunTimer(AcquisitionRun& run) {
    for (int tick = 0; view_.timerOn && tick < 20000; ++tick) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      run.PollDownload();
    }
    ASSERT_FALSE(view_.timerOn) << "the download never ended";
  }

  TempDir dir_;
  TIniGT settings_{dir_.Path(), "torvane.ini"};
  StoreWriter writer_{dir_.Path()};
  FakeAcquisitionView view_;
};

}  // namespace torvane::test
