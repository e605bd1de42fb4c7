#pragma once
// TGetDataForm, "ＪＶデータ取込": the acquisition window. It holds the
// controls and dialogs the run needs (AcquisitionView) and hands every
// click and timer tick to the run (acquisition/AcquisitionRun.h).

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

#include "acquisition/AcquisitionRun.h"
#include "acquisition/AcquisitionView.h"
#include "acquisition/StoreWriter.h"

class QDateTimeEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace torvane {

class TLabel3Dj;

class TGetDataForm : public QDialog, public AcquisitionView {
  Q_OBJECT

 public:
  // dateListRebuild runs when the window closes.
  TGetDataForm(JVLink& jvLink, TIniGT& settings, const std::filesystem::path& programDir,
               std::function<void()> dateListRebuild, QWidget* parent = nullptr);
  ~TGetDataForm() override;

  void SetStatusText(const std::string& text) override;
  void SetBarRange(ProgressBar bar, int minimum, int maximum) override;
  void SetBarPosition(ProgressBar bar, int position) override;
  void AddListLine(const std::string& line) override;
  void ClearList() override;
  void ShowInformation(const std::string& text) override;
  bool ConfirmYesNo(const std::string& text) override;
  void Beep() override;
  void SetBusyCursor(bool busy) override;
  void StartTimer() override;
  void StopTimer() override;
  void ProcessPendingEvents() override;
  // 中止 only while a run is going; a run that ended shows its last line.
  void SetRunGoing(bool going) override;
  void CloseWindow() override;
  DateTime PickerDateTime() const override;
  void SetPickerDateTime(const DateTime& value) override;

  QPushButton* ButtonStart() const { return buttonStart_; }
  QPushButton* ButtonCancel() const { return buttonCancel_; }
  QToolButton* SpeedButton1() const { return speedButton1_; }
  TLabel3Dj* ProgressLabel() const { return progressLabel_; }
  QProgressBar* ProgressBar1() const { return progressBar1_; }
  QProgressBar* ProgressBar2() const { return progressBar2_; }
  QListWidget* ListBox1() const { return listBox1_; }
  QDateTimeEdit* DateTimePicker1() const { return dateTimePicker1_; }
  const QTimer& TimerJVStatus() const { return timerJVStatus_; }
  const AcquisitionRun& Run() const { return *run_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Escape closes the window as its close box does: not while records are read.
  void reject() override;

 private:
  void ButtonStartClick();
  void ButtonCancelClick();
  void SpeedButton1Click();
  void TimerJVStatusTimer();
  QProgressBar* Bar(ProgressBar bar) const;

  QPushButton* buttonStart_;
  QPushButton* buttonCancel_;
  QToolButton* speedButton1_;
  TLabel3Dj* progressLabel_;
  QProgressBar* progressBar1_;
  QProgressBar* progressBar2_;
  QListWidget* listBox1_;
  QDateTimeEdit* dateTimePicker1_;
  QTimer timerJVStatus_;
  static constexpr int kEventIntervalMs = 10;
  static constexpr int kListShowIntervalMs = 50;
  QElapsedTimer sinceEvents_;
  QElapsedTimer sinceListShown_;
  StoreWriter writer_;
  std::unique_ptr<AcquisitionRun> run_;
};

}  // namespace torvane
