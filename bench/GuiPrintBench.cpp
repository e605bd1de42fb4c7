// The information print of a race of 300 horses (17 pages): recording the
// pages as pictures, writing them as a PDF file (target: both together below
// 1 s), and the preview's page switching and zooming, which replay the
// recorded pages. With --keep FILE.pdf the PDF stays for a look.
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "controls/ui/DesignFonts.h"
#include "print/InfoPrint.h"
#include "print/ui/PrevX.h"
#include "tests/print/DemoRace.h"

namespace {

using namespace torvane;

// Wall and processor milliseconds of one run of `work`.
template <typename Work>
std::pair<double, double> Time(Work work) {
  const std::clock_t cpuStart = std::clock();
  const auto start = std::chrono::steady_clock::now();
  work();
  const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
  return {wall.count(), 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

QStringList NoCupsPrinters() { return {}; }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  QTemporaryDir dir;
  const QString pdf = argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--keep")
                          ? QString::fromLocal8Bit(argv[2])
                          : dir.filePath(QStringLiteral("info.pdf"));

  const auto ws = test::DemoRaceOf(kMaxEntries);
  TPrinters printers(NoCupsPrinters);  // the PDF printer: A4 at 600 dpi
  TPrevX prevX(printers);
  int pages = 0;
  const auto warm = Time([&] { RecordInfoPrint(prevX, *ws, 0); });  // fonts and glyph caches
  const auto record = Time([&] { pages = RecordInfoPrint(prevX, *ws, 0); });
  const auto write = Time([&] { prevX.SavePdf(pdf); });
  std::printf(
      "information print, 300 horses, %d pages: record %.1f ms (processor %.1f; first run %.1f), "
      "PDF %.1f ms (processor %.1f); together %.1f ms, target below 1000 ms\n",
      pages, record.first, record.second, warm.first, write.first, write.second, record.first + write.first);

  // One paint of the preview at each page and at each zoom choice.
  prevX.SetZoomScale(50);
  QImage screen(prevX.size(), QImage::Format_ARGB32_Premultiplied);
  const auto paging = Time([&] {
    for (int p = 1; p <= pages; ++p) {
      prevX.SetPage(p);
      prevX.render(&screen);
    }
  });
  const int zooms[] = {25, 50, 75, 100};
  const auto zooming = Time([&] {
    for (int zoom : zooms) {
      prevX.SetZoomScale(zoom);
      QImage zoomed(prevX.size(), QImage::Format_ARGB32_Premultiplied);
      prevX.render(&zoomed);
    }
  });
  std::printf(
      "preview replay: %.1f ms a page switch at 50%% (processor %.1f), %.1f ms a zoom change "
      "25..100%% (processor %.1f)\n",
      paging.first / pages, paging.second / pages, zooming.first / 4, zooming.second / 4);
  return 0;
}
