#pragma once
// TPrgrsForm: the borderless, always-on-top popup shown while a date loads,
// with its title, the loader's status text and a progress bar. While it is
// open the window it blocks takes no input, so no second load and no race
// display can start in the middle of a load.

#include <QWidget>

#include "browse/LoadProgress.h"

class QProgressBar;

namespace torvane {

class TLabel3Dj;

class TPrgrsForm : public QWidget, public LoadProgress {
  Q_OBJECT

 public:
  // blockedWindow (may be null) is disabled from Open until Close.
  explicit TPrgrsForm(QWidget* blockedWindow = nullptr);

  void Open(std::string_view status, int barMaximum) override;
  void SetStatus(std::string_view status) override;
  void Advance() override;
  void LetPendingEventsThrough() override;
  void Close() override;

 private:
  QWidget* blockedWindow_;
  TLabel3Dj* statusLabel_;
  QProgressBar* progressBar_;
};

}  // namespace torvane
