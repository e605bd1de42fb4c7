#pragma once
// TPrevX: the page-recording print preview control. A caller records a
// document through its canvas (BeginDoc, drawing, NewPage ..., EndDoc) in
// logical units of 0.1 mm; each page becomes a vector picture in the current
// printer's pixels. The control shows the chosen page scaled into the outline
// of the printer's printable area at its zoom, and sends all pages to the
// printer as one job. Paging, zooming and printing replay the recorded pages;
// the caller's drawing never runs again.

#include <QString>
#include <QWidget>

#include "print/PreviewGeometry.h"
#include "print/ui/PdfFileChoice.h"
#include "print/ui/PictureCanvas.h"
#include "print/ui/Printers.h"

namespace torvane {

class TPrevX : public QWidget, public PictureCanvas {
  Q_OBJECT

 public:
  static constexpr int kPrintFromDefault = 1;
  static constexpr int kPrintToDefault = 9999;

  explicit TPrevX(TPrinters& printers = SystemPrinters(), QWidget* parent = nullptr);

  // BeginDoc and NewPage throw EPrevError when no printer is installed;
  // nothing is recorded then and the pages recorded before stay.
  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;

  // Sends pages PrintFrom..PrintTo to the current printer as one job named
  // Title, each page scaled to that printer's printable area as the preview
  // shows it (the printer may have been chosen after the pages were
  // recorded). The PDF printer asks for the file first: false when the user
  // cancelled. Throws EPrevError without a printer or when the job fails,
  // std::logic_error when no document is recorded.
  bool Print();
  // What the PDF printer's file dialog offers.
  const PdfSaveOffer& PdfOffer() const { return pdfOffer_; }
  void SetPdfOffer(PdfSaveOffer offer) { pdfOffer_ = std::move(offer); }
  // The recorded pages as a PDF file on the paper they were recorded for,
  // whichever printer is current; throws as Print does.
  void SavePdf(const QString& fileName) const;

  int CurrentPage() const { return currentPage_; }
  // Ignored unless 1 <= n <= PageCount.
  void SetPage(int n);
  int ZoomScale() const { return zoomScale_; }
  // Ignored outside 25..200.
  void SetZoomScale(int percent);
  const QString& Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }
  int PrintFrom() const { return printFrom_; }
  int PrintTo() const { return printTo_; }

  // Reads the current printer's metrics and sizes the sheet on the screen;
  // throws EPrevError when no printer is installed.
  void UpdateLayout();
  void CheckPrinter() const;
  // The sheet as painted, in screen pixels.
  const ScreenGeometry& Geometry() const { return geometry_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ApplyLayout(const PrinterMetrics& printer);
  // The current printer's layout, or the last one while none is installed.
  void Relayout();
  void RequireRecordedDocument(const char* operation) const;

  TPrinters& printers_;
  PrinterMetrics printer_;
  ScreenGeometry geometry_;
  QString title_;
  PdfSaveOffer pdfOffer_;
  int zoomScale_ = kDefaultZoomScale;
  int currentPage_ = 1;
  int printFrom_ = kPrintFromDefault;
  int printTo_ = kPrintToDefault;
};

}  // namespace torvane
