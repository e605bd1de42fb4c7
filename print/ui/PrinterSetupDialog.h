#pragma once
// The printer setup dialog: chooses the current printer among the installed
// ones.

#include <QDialog>

class QComboBox;
class QPushButton;

namespace torvane {

class TPrinters;

class TPrinterSetupDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TPrinterSetupDialog(TPrinters& printers, QWidget* parent = nullptr);

  QComboBox* PrinterCombo() const { return printerCombo_; }
  QPushButton* OkButton() const { return okButton_; }

  // OK makes the chosen printer current.
  void accept() override;

 private:
  TPrinters& printers_;
  QComboBox* printerCombo_;
  QPushButton* okButton_;
};

}  // namespace torvane
