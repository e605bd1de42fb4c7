#pragma once
// The printers of this platform: the printers CUPS lists, then a PDF file
// printer of our own (as every print dialog here offers printing to a file),
// so that previews and sheets work on a machine without a printer. The
// current printer is the one the printer setup dialog chose; every later
// print uses it.

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "print/PreviewGeometry.h"

class QWidget;

namespace torvane {

// Our PDF printer's page: A4 portrait at 600 dpi with 4.2 mm printable-area
// margins all round, as a typical laser printer reports them.
PrinterMetrics PdfPrinterMetrics();

// The names of the printers CUPS lists.
QStringList CupsPrinterNames();

// The platform printer of a listed name.
using PrinterMaker = std::function<std::unique_ptr<QPrinter>(const QString& name)>;
std::unique_ptr<QPrinter> MakeCupsPrinter(const QString& name);

// Asks the user for the PDF file to print to, offering `proposed` (a folder
// and a file name in it); empty when the user cancelled.
using PdfFileAsker = std::function<QString(QWidget* parent, const QString& proposed)>;
QString AskPdfFileName(QWidget* parent, const QString& proposed);

class TPrinters {
 public:
  static const QString kPdfPrinterName;

  explicit TPrinters(std::function<QStringList()> cupsPrinters = CupsPrinterNames,
                     PdfFileAsker askPdfFile = AskPdfFileName, PrinterMaker makePrinter = MakeCupsPrinter);
  ~TPrinters();

  // The PDF printer is on unless switched off.
  bool PdfPrinterEnabled() const { return pdfPrinterEnabled_; }
  void SetPdfPrinterEnabled(bool enabled) { pdfPrinterEnabled_ = enabled; }

  // The installed printers, CUPS's first; empty when there is none.
  QStringList Installed() const;
  // The chosen printer while it is installed, otherwise CUPS's default or
  // the first installed one; empty when none is installed.
  QString Current() const;
  // Throws std::invalid_argument for a name that is not installed.
  void SetCurrent(const QString& name);
  bool CurrentIsPdfPrinter() const { return Current() == kPdfPrinterName; }

  // The current printer's metrics; nothing when no printer is installed.
  std::optional<PrinterMetrics> CurrentMetrics();
  // The platform printer behind the current CUPS printer; null for the PDF
  // printer or when none is installed.
  QPrinter* CurrentCupsPrinter();

  QString AskPdfFile(QWidget* parent, const QString& proposed) const { return askPdfFile_(parent, proposed); }

 private:
  std::function<QStringList()> cupsPrinters_;
  PdfFileAsker askPdfFile_;
  PrinterMaker makePrinter_;
  bool pdfPrinterEnabled_ = true;
  QString chosen_;
  std::unique_ptr<QPrinter> cupsPrinter_;  // of the name below, made once per printer
  QString cupsPrinterName_;
};

// The program's printers, made at first use and removed when the
// application object goes.
TPrinters& SystemPrinters();

// Puts other printers in the place of the program's own: the tests' way of
// making sure that nothing they print reaches a printer of the machine.
void InstallSystemPrinters(std::unique_ptr<TPrinters> printers);

}  // namespace torvane
