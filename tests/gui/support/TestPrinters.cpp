#include "tests/gui/support/TestPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <stdexcept>

#include "print/ui/PrevX.h"
#include "print/ui/Printers.h"

namespace torvane::test {
namespace {

struct FilePrinter {
  int dpi;
  QString outputFile;
};

struct State {
  QTemporaryDir folder;
  std::vector<PdfFileRequest> requests;
  std::map<QString, FilePrinter> filePrinters;
};

State& TheState() {
  static State state;
  return state;
}

QStringList FilePrinterNames() {
  QStringList names;
  for (const auto& [name, printer] : TheState().filePrinters) names.append(name);
  return names;
}

std::unique_ptr<QPrinter> MakeFilePrinter(const QString& name) {
  const FilePrinter& made = TheState().filePrinters.at(name);
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(made.outputFile);
  printer->setResolution(made.dpi);
  printer->setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
  return printer;
}

QString AnswerPdfFileDialog(QWidget*, const QString& proposed) {
  State& state = TheState();
  const QString given = QDir(state.folder.path()).filePath(QFileInfo(proposed).fileName());
  state.requests.push_back({proposed, given});
  return given;
}

void InstallTestPrinters() {
  InstallSystemPrinters(std::make_unique<TPrinters>(FilePrinterNames, AnswerPdfFileDialog, MakeFilePrinter));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallTestPrinters)

const std::vector<PdfFileRequest>& PdfFileRequests() { return TheState().requests; }

void AddFilePrinter(const QString& name, int dpi, const QString& outputFile) {
  TheState().filePrinters[name] = {dpi, outputFile};
}

namespace {

// The bounds of what is not white.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 200) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

QRectF Fractions(const QRect& ink, QSizeF paper) {
  return {ink.x() / paper.width(), ink.y() / paper.height(), ink.width() / paper.width(),
          ink.height() / paper.height()};
}

}  // namespace

QRectF PdfPageInk(const QString& pdfFile) {
  const QString prefix = QDir(TheState().folder.path()).filePath(QStringLiteral("page"));
  QProcess pdftoppm;
  pdftoppm.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-f"), QStringLiteral("1"),
                  QStringLiteral("-singlefile"), QStringLiteral("-png"), pdfFile, prefix});
  if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
    throw std::runtime_error("pdftoppm could not read " + pdfFile.toStdString());
  const QImage page = QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
  return Fractions(InkBounds(page), page.size());
}

QRectF PreviewPageInk(TPrevX& preview) {
  const QImage shown = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const ScreenGeometry& g = preview.Geometry();
  // Inside the dotted outline of the printable area, which is no ink of the page.
  constexpr int kSheetMargin = 10;
  const QRect printable = QRect(kSheetMargin + g.offsetX, kSheetMargin + g.offsetY, g.printableWidth, g.printableHeight)
                              .adjusted(2, 2, -2, -2);
  const QRect ink =
      InkBounds(shown.copy(printable)).translated(printable.topLeft() - QPoint(kSheetMargin, kSheetMargin));
  return Fractions(ink, QSizeF(g.paperWidth, g.paperHeight));
}

}  // namespace torvane::test
