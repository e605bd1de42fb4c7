#pragma once
// The printers every widget and real-window test runs with. TestPrinters.cpp
// is built into each of those test programs and, as the application object
// is made, puts these in the place of the program's printers: the PDF file
// printer, whose file dialog is answered with a file in a folder of the
// test's own, and the file printers a test adds. Nothing a test prints can
// reach a printer of the machine, whatever its default printer is.

#include <QRectF>
#include <QString>
#include <vector>

namespace torvane {
class TPrevX;
}

namespace torvane::test {

// What the PDF printer's file dialog was offered, and the file it was given.
struct PdfFileRequest {
  QString proposed;
  QString given;
};
const std::vector<PdfFileRequest>& PdfFileRequests();

// Adds a printer that prints as a platform printer does (through a print
// job) into the PDF file outputFile, at dpi dots per inch on A4 with 5 mm
// margins.
void AddFilePrinter(const QString& name, int dpi, const QString& outputFile);

// Where the first page of a PDF file has ink, as fractions of its paper's
// width and height (read through pdftoppm).
QRectF PdfPageInk(const QString& pdfFile);

// The same for the page the preview shows, on its sheet.
QRectF PreviewPageInk(TPrevX& preview);

}  // namespace torvane::test
