#include "print/ui/PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

#include "controls/ui/JapaneseTexts.h"
#include "print/ui/Printers.h"

namespace torvane {
namespace {

constexpr int kTitleBarButtonsWidth = 120;

}  // namespace

TPrinterSetupDialog::TPrinterSetupDialog(TPrinters& printers, QWidget* parent)
    : QDialog(parent), printers_(printers), printerCombo_(new QComboBox(this)) {
  setWindowTitle(QStringLiteral("プリンタの設定"));
  printerCombo_->addItems(printers_.Installed());
  printerCombo_->setCurrentText(printers_.Current());

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  SetDesignedCaptions(*buttons);
  okButton_ = buttons->button(QDialogButtonBox::Ok);
  // Without a printer there is nothing to choose.
  okButton_->setEnabled(printerCombo_->count() > 0);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QFormLayout(this);
  layout->addRow(QStringLiteral("プリンタ名(&N):"), printerCombo_);
  layout->addRow(buttons);
  // Wide enough for the caption beside the title bar's buttons.
  setMinimumWidth(3 * fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarButtonsWidth);
}

void TPrinterSetupDialog::accept() {
  printers_.SetCurrent(printerCombo_->currentText());
  QDialog::accept();
}

}  // namespace torvane
