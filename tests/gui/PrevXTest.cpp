// TPrevX: logical units and pen widths as they reach the recorded pages, the
// missing-printer error, paging and zooming over recorded pages, and the
// PDF of a 300-horse information print.
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "controls/ui/DesignFonts.h"
#include "print/InfoPrint.h"
#include "print/ui/PrevError.h"
#include "print/ui/PrevX.h"
#include "tests/gui/support/TestPrinters.h"
#include "tests/print/DemoRace.h"

using torvane::EPrevError;
using torvane::TPrevX;
using torvane::TPrinters;

namespace {

QStringList NoCupsPrinters() { return {}; }

// The rows (or columns) of `image` that hold dark pixels, as first..last.
std::pair<int, int> InkRows(const QImage& image) {
  int first = -1, last = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

// A piece of a recorded page at printer resolution, its top-left at the given printer pixel.
QImage PagePiece(const QPicture& page, QPoint topLeft, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(-topLeft);
  painter.drawPicture(0, 0, page);
  return image;
}

#ifndef Q_OS_WIN  // Poppler's pdfinfo is a Linux program
QString PdfInfo(const QString& file) {
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {file});
  if (!pdfinfo.waitForFinished(20000)) return QStringLiteral("pdfinfo did not run");
  return QString::fromUtf8(pdfinfo.readAllStandardOutput());
}
#endif

}  // namespace

class PrevXTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { torvane::InstallFontSubstitutions(); }

  void UnitsAndPenWidthsOnThePdfPrinter() {
    TPrinters printers(NoCupsPrinters);
    TPrevX prevX(printers);
    QCOMPARE(prevX.logicalDpiY(), 96);  // the screen these figures are for
    prevX.BeginDoc();
    QCOMPARE(prevX.ScaleX(254), 600);
    QCOMPARE(prevX.ScaleY(1990), 4701);
    QCOMPARE(prevX.ScalePenWidth(20), 12);
    QCOMPARE(prevX.ScalePenWidth(1), 1);
    prevX.SetPenWidth(20);
    prevX.MoveTo(100, 100);
    prevX.LineTo(400, 100);
    prevX.SetFontSize(20);  // 20 pt at 600 dpi: an em of 167 pixels
    prevX.TextOut(100, 300, "連");
    prevX.EndDoc();
    const QPicture& page = prevX.Pages()[0];

    // The line is 12 printer pixels thick around y = ScaleY(100) = 236.
    const auto [lineTop, lineBottom] = InkRows(PagePiece(page, {300, 200}, {100, 80}));
    QCOMPARE(lineBottom - lineTop + 1, 12);
    QVERIFY(std::abs(200 + (lineTop + lineBottom) / 2 - 236) <= 1);
    // Text hangs from its top-left corner: the glyph lies within one em below y = 709.
    const auto [textTop, textBottom] = InkRows(PagePiece(page, {236, 600}, {250, 400}));
    QVERIFY2(textTop >= 709 - 600 && textBottom < 709 - 600 + 167, qPrintable(QString::number(textTop)));
    QVERIFY(textBottom - textTop > 120);

    // Margins and millimetre units are taken into account the same way.
    prevX.SetMarginLeft(10);
    prevX.SetMapMode(torvane::TPrevMapModes::pmmLo);
    QCOMPARE(prevX.ScaleX(15), 591);  // 25 mm
  }

  void WithoutPrinterNothingIsRecorded() {
    TPrinters printers(NoCupsPrinters);
    TPrevX prevX(printers);
    prevX.BeginDoc();
    prevX.TextOut(100, 100, "Page1");
    prevX.EndDoc();

    printers.SetPdfPrinterEnabled(false);
    try {
      prevX.BeginDoc();
      QFAIL("BeginDoc without a printer");
    } catch (const EPrevError& error) {
      QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("プリンタが登録されていません"));
    }
    QVERIFY_THROWS_EXCEPTION(EPrevError, prevX.CheckPrinter());
    QVERIFY_THROWS_EXCEPTION(EPrevError, prevX.UpdateLayout());
    QVERIFY_THROWS_EXCEPTION(EPrevError, prevX.Print());
    // The document recorded before is still there and still shown.
    QCOMPARE(prevX.PageCount(), 1);
    QVERIFY(!prevX.Recording());
    prevX.resize(prevX.sizeHint());
    QVERIFY(!prevX.grab().isNull());
  }

  void PagingAndZoomReplayTheRecordedPages() {
    TPrinters printers(NoCupsPrinters);
    TPrevX prevX(printers);
    prevX.BeginDoc();
    prevX.EndDoc();
    QCOMPARE(prevX.PageCount(), 1);  // an empty document is one blank page

    prevX.BeginDoc();
    for (int p = 1; p <= 3; ++p) {
      if (p > 1) prevX.NewPage();
      prevX.SetBrushSolid(torvane::kPrintBlack);
      prevX.Rectangle(100 * p, 100, 100 * p + 300, 400);  // a black box further right on every page
    }
    prevX.EndDoc();
    QCOMPARE(prevX.PageCount(), 3);
    QCOMPARE(prevX.CurrentPage(), 1);

    const QImage first = prevX.grab().toImage();
    prevX.SetPage(2);
    QCOMPARE(prevX.CurrentPage(), 2);
    const QImage second = prevX.grab().toImage();
    QVERIFY(first != second);
    for (int ignored : {0, 4, 2}) {
      prevX.SetPage(ignored);
      QCOMPARE(prevX.CurrentPage(), 2);
    }

    // At 25 % the A4 sheet of 4961 x 7016 printer pixels is 198 x 281 screen pixels, plus the margins.
    QCOMPARE(prevX.size(), QSize(198 + 20, 281 + 20));
    prevX.SetZoomScale(75);
    QCOMPARE(prevX.ZoomScale(), 75);
    QCOMPARE(prevX.size(), QSize(595 + 20, 842 + 20));
    for (int ignored : {24, 201}) {
      prevX.SetZoomScale(ignored);
      QCOMPARE(prevX.ZoomScale(), 75);
    }
    // The box of page 2 at 75 %: x from 200 logical units into the printable area.
    const QImage zoomed = prevX.grab().toImage();
    const torvane::ScreenGeometry& g = prevX.Geometry();
    const int boxLeft = 10 + g.offsetX + static_cast<int>(200 * 96 / 254.0 * 0.75);
    QVERIFY(qGray(zoomed.pixel(boxLeft + 5, 10 + g.offsetY + 50)) < 64);
    QVERIFY(qGray(zoomed.pixel(boxLeft - 8, 10 + g.offsetY + 50)) > 192);
  }

  void APrinterChosenAfterRecordingGetsThePagesAsThePreviewShowsThem() {
#ifdef Q_OS_WIN
    QSKIP("the page is read back with Poppler's pdftoppm, a Linux program a Windows test cannot start");
#endif
    // Recorded on the PDF printer at 600 dpi, printed on one at 300 dpi.
    QTemporaryDir dir;
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    torvane::test::AddFilePrinter(QStringLiteral("300 dpi"), 300, printed);
    TPrinters& printers = torvane::SystemPrinters();
    printers.SetCurrent(TPrinters::kPdfPrinterName);
    TPrevX prevX(printers);
    prevX.BeginDoc();
    prevX.Rectangle(100, 100, 1900, 2800);
    prevX.EndDoc();
    printers.SetCurrent(QStringLiteral("300 dpi"));
    QVERIFY(prevX.Print());
    const QRectF preview = torvane::test::PreviewPageInk(prevX);
    const QRectF paper = torvane::test::PdfPageInk(printed);
    printers.SetCurrent(TPrinters::kPdfPrinterName);
    QVERIFY2(qAbs(paper.right() - preview.right()) < 0.02 && qAbs(paper.bottom() - preview.bottom()) < 0.02,
             qPrintable(QStringLiteral("paper %1 x %2, preview %3 x %4")
                            .arg(paper.right())
                            .arg(paper.bottom())
                            .arg(preview.right())
                            .arg(preview.bottom())));
  }

  void InformationPrintOfThreeHundredHorsesAsPdf() {
    QString askedFile;
    TPrinters printers(NoCupsPrinters, [&](QWidget*, const QString&) { return askedFile; });
    TPrevX prevX(printers);
    const auto ws = torvane::test::DemoRaceOf(300);
    QCOMPARE(torvane::RecordInfoPrint(prevX, *ws, 0), 17);
    QCOMPARE(prevX.PageCount(), 17);

    QTemporaryDir dir;
    QVERIFY(!prevX.Print());  // the file name was not given
    askedFile = dir.filePath(QStringLiteral("info.pdf"));
    QVERIFY(prevX.Print());
    QVERIFY(QFileInfo(askedFile).size() > 0);
#ifndef Q_OS_WIN
    const QString info = PdfInfo(askedFile);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+17\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
#endif

    QVERIFY_THROWS_EXCEPTION(EPrevError, prevX.SavePdf(dir.filePath(QStringLiteral("missing/info.pdf"))));
  }
};

QTEST_MAIN(PrevXTest)
#include "PrevXTest.moc"
