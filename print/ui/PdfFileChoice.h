#pragma once
// Choosing the PDF file a print is saved to: the dialog opens in the folder
// last used for a PDF (kept in the settings file), or in the user's
// documents folder, with a name made from the race; a name typed without
// ".pdf" gets it.

#include <QString>

class QWidget;

namespace torvane {

class TIniGT;
class TPrinters;

// What the dialog offers: the file name, and the settings file that keeps the
// folder (none: the documents folder, nothing remembered).
struct PdfSaveOffer {
  QString fileName;
  TIniGT* settings = nullptr;
};

// The chosen file, or empty when the user cancelled.
QString ChoosePdfFile(const TPrinters& printers, QWidget* parent, const PdfSaveOffer& offer);

}  // namespace torvane
