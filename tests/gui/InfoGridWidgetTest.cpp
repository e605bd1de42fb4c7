// InfoGridWidget: nothing drawn while no race is on show, a selected row
// that looks selected alike in every cell with its texts as readable as
// ever, and header lines that stay apart in the substitute face.
#include <QTest>
#include <optional>

#include "browse/ui/InfoGridWidget.h"
#include "controls/ui/DesignFonts.h"
#include "tests/print/DemoRace.h"

using namespace torvane;

namespace {

// The pixels of a cell that are pure white (what the cell drawing fills with).
int WhitePixels(const QImage& image, const QRect& cell) {
  int count = 0;
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x = cell.left(); x <= cell.right(); ++x) count += image.pixel(x, y) == qRgb(255, 255, 255);
  return count;
}

int DarkestGray(const QImage& image, const QRect& cell) {
  int darkest = 255;
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x = cell.left(); x <= cell.right(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  return darkest;
}

// The runs of pixel rows of a cell that hold ink, each run one line of text.
[[maybe_unused]] int InkLines(const QImage& image, const QRect& cell) {
  int lines = 0;
  bool inLine = false;
  for (int y = cell.top(); y <= cell.bottom(); ++y) {
    const bool ink = DarkestGray(image, QRect(cell.left(), y, cell.width(), 1)) < 128;
    if (ink && !inLine) ++lines;
    inLine = ink;
  }
  return lines;
}

}  // namespace

class InfoGridWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutions(); }

  void NothingWithoutARaceAndASelectedRowTintedAlike() {
    const auto ws = test::DemoRaceOf(3);
    ws->LoadedRa[0][0][4].Blank();  // the first horse's fifth past race is missing
    std::optional<int> race;
    InfoGridWidget grid(*ws, [&] { return race; });
    grid.resize(1200, 400);
    const auto shot = [&] { return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QRect profile = grid.CellRect(2, 1);
    QCOMPARE(WhitePixels(shot(), profile), 0);

    race = 0;
    grid.RaceShown();
    QVERIFY(WhitePixels(shot(), profile) > profile.width() * profile.height() / 2);

    grid.SelectRow(1);
    const QImage selected = shot();
    const QRect emptyPastRace = grid.CellRect(9, 1);
    const QPoint corner(3, 3);  // no text there
    QCOMPARE(selected.pixel(emptyPastRace.topLeft() + corner), selected.pixel(profile.topLeft() + corner));
    QVERIFY(selected.pixel(profile.topLeft() + corner) != qRgb(255, 255, 255));
    // The sire's name, in the grid's text colour, stays dark.
    QVERIFY(DarkestGray(selected, QRect(profile.topLeft(), QSize(100, 10))) < 80);

#ifndef Q_OS_WIN
    // The prize legend's five lines, 取得賞金 to 入着回数(障), neither touch
    // nor cut into each other. (A Windows build's offscreen platform hints
    // the IPA glyphs fully, so that their brackets reach the next line; a
    // Windows user's screen draws with the system's engine and face.)
    const QRect legend = grid.CellRect(4, 0).adjusted(0, 0, 0, -1);  // less its bottom line
    QCOMPARE(InkLines(selected, legend), 5);
#endif
  }
};

QTEST_MAIN(InfoGridWidgetTest)
#include "InfoGridWidgetTest.moc"
