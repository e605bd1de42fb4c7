#include "print/ui/Printers.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinterInfo>
#include <stdexcept>

#include "controls/ui/JapaneseFileList.h"

namespace torvane {
namespace {

constexpr int kPdfPrinterDpi = 600;
constexpr double kPdfPrinterMarginMm = 4.2;

PrinterMetrics MetricsOf(const QPrinter& printer) {
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
  return {printer.resolution(), printer.resolution(), paper.width(),     paper.height(),
          printable.x(),        printable.y(),        printable.width(), printable.height()};
}

TPrinters* systemPrinters = nullptr;

void RemoveSystemPrinters() {
  delete systemPrinters;
  systemPrinters = nullptr;
}

}  // namespace

const QString TPrinters::kPdfPrinterName = QStringLiteral("PDFファイル");

PrinterMetrics PdfPrinterMetrics() {
  const QPageLayout layout(
      QPageSize(QPageSize::A4), QPageLayout::Portrait,
      QMarginsF(kPdfPrinterMarginMm, kPdfPrinterMarginMm, kPdfPrinterMarginMm, kPdfPrinterMarginMm),
      QPageLayout::Millimeter);
  const QRect paper = layout.fullRectPixels(kPdfPrinterDpi);
  const QRect printable = layout.paintRectPixels(kPdfPrinterDpi);
  return {kPdfPrinterDpi, kPdfPrinterDpi, paper.width(),     paper.height(),
          printable.x(),  printable.y(),  printable.width(), printable.height()};
}

QStringList CupsPrinterNames() { return QPrinterInfo::availablePrinterNames(); }

std::unique_ptr<QPrinter> MakeCupsPrinter(const QString& name) {
  return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
}

QString AskPdfFileName(QWidget* parent, const QString& proposed) {
  return AskSaveFileName(parent, QStringLiteral("PDFファイルに印刷"), proposed, QStringLiteral("PDF (*.pdf)"));
}

TPrinters::TPrinters(std::function<QStringList()> cupsPrinters, PdfFileAsker askPdfFile, PrinterMaker makePrinter)
    : cupsPrinters_(std::move(cupsPrinters)),
      askPdfFile_(std::move(askPdfFile)),
      makePrinter_(std::move(makePrinter)) {}

TPrinters::~TPrinters() = default;

QStringList TPrinters::Installed() const {
  QStringList names = cupsPrinters_();
  if (pdfPrinterEnabled_) names.append(kPdfPrinterName);
  return names;
}

QString TPrinters::Current() const {
  const QStringList installed = Installed();
  if (installed.isEmpty()) return {};
  if (installed.contains(chosen_)) return chosen_;
  const QString cupsDefault = QPrinterInfo::defaultPrinterName();
  return installed.contains(cupsDefault) ? cupsDefault : installed.front();
}

void TPrinters::SetCurrent(const QString& name) {
  if (!Installed().contains(name)) throw std::invalid_argument("no printer named " + name.toStdString());
  chosen_ = name;
}

std::optional<PrinterMetrics> TPrinters::CurrentMetrics() {
  const QString current = Current();
  if (current.isEmpty()) return std::nullopt;
  if (current == kPdfPrinterName) return PdfPrinterMetrics();
  return MetricsOf(*CurrentCupsPrinter());
}

QPrinter* TPrinters::CurrentCupsPrinter() {
  const QString current = Current();
  if (current.isEmpty() || current == kPdfPrinterName) return nullptr;
  if (!cupsPrinter_ || cupsPrinterName_ != current) {
    cupsPrinter_ = makePrinter_(current);
    cupsPrinterName_ = current;
  }
  return cupsPrinter_.get();
}

void InstallSystemPrinters(std::unique_ptr<TPrinters> printers) {
  if (!systemPrinters) qAddPostRoutine(RemoveSystemPrinters);
  delete systemPrinters;
  systemPrinters = printers.release();
}

TPrinters& SystemPrinters() {
  if (!systemPrinters) InstallSystemPrinters(std::make_unique<TPrinters>());
  return *systemPrinters;
}

}  // namespace torvane
