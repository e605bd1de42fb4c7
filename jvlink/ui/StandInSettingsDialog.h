#pragma once
// The stand-in's settings dialog, what JVSetUIProperties opens in place of
// JV-Link's own: the service key and the delivery folder the stand-in serves.

#include <QDialog>

#include "platform/Paths.h"

class QLineEdit;

namespace torvane {

class JVLink;

class StandInSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the settings stored under programDir.
  StandInSettingsDialog(std::filesystem::path programDir, QWidget* parent = nullptr);

  QLineEdit* ServiceKeyEdit() const { return serviceKey_; }
  QLineEdit* DeliveryFolderEdit() const { return deliveryFolder_; }

  // Saves the edited settings; false, after telling the user why, when the
  // file cannot be written (the dialog then stays open with what was typed).
  bool Save();

 private:
  void ChooseDeliveryFolder();

  std::filesystem::path programDir_;
  QLineEdit* serviceKey_;
  QLineEdit* deliveryFolder_;
};

// Opens the dialog, which saves on OK; 0 once it is closed, since a failed
// save was told in the dialog itself and left the user to mend it or cancel.
std::int32_t RunStandInSettingsDialog(const std::filesystem::path& programDir, QWidget* parent);

// When link is the stand-in, lets its JVSetUIProperties open the dialog over
// the window that is active at that moment.
void AttachStandInSettingsDialog(JVLink& link, const std::filesystem::path& programDir);

}  // namespace torvane
