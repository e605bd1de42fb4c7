// StringGrid1: its geometry and font, the cell texts it shows, the drawing
// (colours, selection left undrawn) and the popup copy to the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QTest>

#include "browse/ui/ListGridCellPainter.h"
#include "browse/ui/ListGridWidget.h"
#include "controls/ui/DesignFonts.h"
#include "tests/support/TestStore.h"

using torvane::ListGridTexts;
using torvane::ListGridWidget;
using torvane::TkRecord;
using torvane::test::HorseEntry;

namespace {

ListGridTexts TextsOfTwoHorses() {
  HorseEntry first;
  first.name = "サクラ　ホース";
  HorseEntry second;
  second.runningNumber = "002";
  second.sexCode = "2";
  second.burden = "000";
  TkRecord tk;
  tk.Assign(torvane::test::TkRecordOf("20040105", "06", 11, "002", {first, second}));
  ListGridTexts texts;
  texts.ShowRace(tk);
  return texts;
}

QColor PixelAt(ListGridWidget& grid, int column, int row) {
  const QImage image = grid.grab().toImage();
  const int x = grid.viewport()->x() + grid.columnViewportPosition(column) + 5;
  const int y =
      row == 0 ? grid.horizontalHeader()->y() + 3 : grid.viewport()->y() + grid.rowViewportPosition(row - 1) + 3;
  return image.pixelColor(x, y);
}

}  // namespace

class ListGridWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { torvane::InstallFontSubstitutions(); }

  void GeometryAndFontAreTheDesignedOnes() {
    ListGridWidget grid;
    grid.ShowTexts(TextsOfTwoHorses());
    const std::array<int, 6> widths{34, 190, 40, 41, 68, 65};
    for (int column = 0; column < 6; ++column) QCOMPARE(grid.columnWidth(column), widths[column] + 1);
    // A large font must not grow the rows.
    QCOMPARE(grid.rowHeight(0), 16);
    QCOMPARE(grid.rowHeight(1), 16);
    QCOMPARE(grid.horizontalHeader()->height(), 16);
    QCOMPARE(grid.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(grid.font().family(), torvane::kGothicFace);
    QCOMPARE(grid.font().pixelSize(), 13);
    QVERIFY(grid.font().bold());
    QCOMPARE(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(grid.showGrid());
  }

  void ShowsTheHeaderRowAndOneRowPerHorse() {
    ListGridWidget grid;
    QCOMPARE(grid.RowCount(), 2);  // header and one empty row before any race
    QCOMPARE(grid.CellText(1, 1), QString());
    grid.ShowTexts(TextsOfTwoHorses());
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.model()->rowCount(), 2);
    const QStringList header{"No.", "馬名", "性齢", "斤量", "調教師", "馬記号"};
    for (int column = 0; column < 6; ++column) {
      QCOMPARE(grid.CellText(column, 0), header[column]);
      QCOMPARE(grid.model()->headerData(column, Qt::Horizontal).toString(), header[column]);
    }
    QCOMPARE(grid.CellText(0, 1), QStringLiteral("  1"));
    QCOMPARE(grid.CellText(1, 1), QStringLiteral("サクラホース"));
    QCOMPARE(grid.CellText(2, 1), QStringLiteral("牡3"));
    QCOMPARE(grid.CellText(3, 1), QStringLiteral("55.0"));
    QCOMPARE(grid.CellText(2, 2), QStringLiteral("牝3"));
    QCOMPARE(grid.CellText(3, 2), QStringLiteral("   "));
    QCOMPARE(grid.model()->index(1, 0).data().toString(), QStringLiteral("  2"));
  }

  void CellsAreDrawnByRowAndColumnAndTheSelectionIsNot() {
    QCOMPARE(torvane::ListGridCellAlignment(1), Qt::AlignLeft);
    QCOMPARE(torvane::ListGridCellAlignment(5), Qt::AlignLeft);
    QCOMPARE(torvane::ListGridCellAlignment(0), Qt::AlignHCenter);
    QCOMPARE(torvane::ListGridCellAlignment(3), Qt::AlignHCenter);

    ListGridWidget grid;
    grid.resize(480, 120);
    grid.ShowTexts(TextsOfTwoHorses());
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QColor tooltip = QApplication::palette().color(QPalette::ToolTipBase);
    QCOMPARE(PixelAt(grid, 3, 0), QColor(0, 128, 128));
    QCOMPARE(PixelAt(grid, 0, 1), tooltip);
    QCOMPARE(PixelAt(grid, 4, 1), QColor(Qt::white));
    grid.selectRow(0);
    QVERIFY(grid.selectionModel()->isRowSelected(0, {}));
    QCOMPARE(PixelAt(grid, 0, 1), tooltip);
    QCOMPARE(PixelAt(grid, 4, 1), QColor(Qt::white));
  }

  void PopupCommandPutsTheCopyTextOnTheClipboard() {
    ListGridWidget grid;
    QCOMPARE(grid.contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(grid.actions().size(), 1);
    QCOMPARE(grid.actions().front()->text(), QStringLiteral("クリップボードへコピー"));
    QVERIFY(!grid.CopyAction()->isEnabled());

    const ListGridTexts texts = TextsOfTwoHorses();
    grid.ShowTexts(texts);
    grid.SetCopyTextSource([&] { return texts.CopyText("2004年01月05日", "中山  05回 08日11R"); });
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    grid.CopyAction()->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    const QStringList lines = copied.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6);  // five lines, each ending in CR LF
    QCOMPARE(lines[0], QStringLiteral("2004年01月05日"));
    QCOMPARE(lines[1], QStringLiteral("中山  05回 08日11R"));
    QCOMPARE(lines[2], QStringLiteral("No.\t馬名\t性齢\t斤量\t調教師\t馬記号"));
    QVERIFY(lines[3].startsWith(QStringLiteral("  1\tサクラホース\t牡3\t55.0\t")));
    QCOMPARE(lines[4].count('\t'), 5);
    QCOMPARE(lines[5], QString());
  }
};

QTEST_MAIN(ListGridWidgetTest)
#include "ListGridWidgetTest.moc"
