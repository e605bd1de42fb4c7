// The date and race index over a small store: the date list, choosing a date
// (and one whose file has gone), choosing a race, the arrows' limits, the
// clipboard copy and the option that hides the left panel.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "browse/ui/ListGridWidget.h"
#include "browse/ui/RaceHeaderPanel.h"
#include "browse/ui/RaceNavigator.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/support/TestStore.h"

using namespace torvane;
using torvane::test::HorseEntry;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;
using torvane::test::TkRecordOf;

namespace {

// Two dates; the later one holds races 1, 2 and 12 (the last on day 12).
struct Fixture {
  test::TempDir dir;
  std::unique_ptr<WorkingSet> ws = std::make_unique<WorkingSet>();
  SilentProgress progress;
  QWidget window;
  QComboBox* dateCombo = new QComboBox(&window);
  QListWidget* datList = new QListWidget(&window);
  TRaceHeaderPanel* header = new TRaceHeaderPanel(&window);
  TUpDown* arrows = new TUpDown(&window);
  QTabWidget* pageControl = new QTabWidget(&window);
  ListGridWidget* listGrid = new ListGridWidget(pageControl);
  QWidget* leftPanel = new QWidget(&window);
  bool hideOption = false;
  std::unique_ptr<RaceNavigator> navigator;

  Fixture() {
    HorseEntry second;
    second.runningNumber = "002";
    second.name = "セカンド";
    test::WriteDateFile(dir.Path(), "2004年01月05日", {TkRecordOf("20040105", "06", 11, "001", {HorseEntry{}})});
    test::WriteDateFile(
        dir.Path(), "2004年01月10日",
        {TkRecordOf("20040110", "06", 1, "002", {HorseEntry{}, second}), TkRecordOf("20040110", "06", 2, "000"),
         TkRecordOf("20040110", "06", 12, "001", {second}, "01", "12")});
    pageControl->hide();
    navigator = std::make_unique<RaceNavigator>(
        RaceNavigatorWidgets{&window, dateCombo, datList, header, arrows, pageControl, listGrid, nullptr, leftPanel,
                             [this] { return hideOption; }},
        *ws, dir.Path(), progress);
    navigator->RebuildDateList();
  }

  void ChooseDate(int index) { dateCombo->setCurrentIndex(index); }
  QString Label(int number) const { return header->Label(number)->Caption(); }
};

}  // namespace

class RaceNavigatorTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutions(); }

  void DateListIsNewestFirstWithNothingChosen() {
    Fixture f;
    QCOMPARE(f.dateCombo->count(), 2);
    QCOMPARE(f.dateCombo->itemText(0), QStringLiteral("2004年01月10日"));
    QCOMPARE(f.dateCombo->itemText(1), QStringLiteral("2004年01月05日"));
    QCOMPARE(f.dateCombo->currentIndex(), -1);
    QCOMPARE(f.datList->count(), 0);
  }

  void ChoosingADateFillsTheRaceListAndARaceShowsIt() {
    Fixture f;
    f.ChooseDate(0);
    QCOMPARE(f.datList->count(), 3);
    QCOMPARE(f.datList->item(0)->text(), QStringLiteral("中山  05回 08日 1R"));
    QCOMPARE(f.datList->item(2)->text(), QStringLiteral("中山  01回 12日12R"));
    QCOMPARE(f.datList->currentRow(), -1);
    QVERIFY(f.pageControl->isHidden());

    f.datList->setCurrentRow(0);
    QCOMPARE(f.Label(3), QStringLiteral("2004年01月10日中山 5回 8日"));
    QCOMPARE(f.Label(110), QStringLiteral("  2頭"));
    QCOMPARE(f.Label(9), QString());
    QVERIFY(!f.header->Label(2)->Transparent());
    QCOMPARE(f.listGrid->RowCount(), 3);
    QCOMPARE(f.listGrid->CellText(1, 2), QStringLiteral("セカンド"));
    QVERIFY(!f.pageControl->isHidden());
    QVERIFY(!f.listGrid->isHidden());
    QVERIFY(f.listGrid->selectionModel()->selectedIndexes().isEmpty());
    QVERIFY(!f.leftPanel->isHidden());

    // A race without horses keeps the row count, every row blanked.
    f.datList->setCurrentRow(1);
    QCOMPARE(f.listGrid->RowCount(), 3);
    QCOMPARE(f.listGrid->CellText(1, 2), QString());
    f.datList->setCurrentRow(2);
    QCOMPARE(f.Label(3), QStringLiteral("2004年01月10日中山 1回 12日"));
    QCOMPARE(f.arrows->Position(), 2);
  }

  void ArrowsStepWithinTheRaceList() {
    Fixture f;
    f.ChooseDate(0);
    f.datList->setCurrentRow(0);
    f.arrows->PrevButton()->click();  // already at the first race
    QCOMPARE(f.datList->currentRow(), 0);
    QCOMPARE(f.arrows->Position(), 0);
    f.arrows->NextButton()->click();
    f.arrows->NextButton()->click();
    QCOMPARE(f.datList->currentRow(), 2);
    QCOMPARE(f.Label(2), QStringLiteral("12"));
    f.arrows->NextButton()->click();  // no step past the last race
    QCOMPARE(f.datList->currentRow(), 2);
    QCOMPARE(f.arrows->Position(), 2);
    QCOMPARE(f.Label(2), QStringLiteral("12"));

    // One race: the arrows do nothing.
    f.ChooseDate(1);
    f.datList->setCurrentRow(0);
    f.arrows->NextButton()->click();
    QCOMPARE(f.datList->currentRow(), 0);
    QCOMPARE(f.arrows->Position(), 0);
  }

  void AMissingDateFileIsReportedAndKeepsTheRaceList() {
    Fixture f;
    f.ChooseDate(0);
    std::filesystem::remove(DateFilePath(f.dir.Path(), test::DateOf("2004年01月05日")));
    ModalWatcher watcher;
    f.ChooseDate(1);
    QTRY_COMPARE_WITH_TIMEOUT(watcher.Messages().size(), std::size_t{1}, kWindowWaitMs);
    QCOMPARE(watcher.Messages()[0].text, QStringLiteral("データ作成が未完了のようです。"));
    QCOMPARE(watcher.Messages()[0].icon, QMessageBox::Information);
    QCOMPARE(f.datList->count(), 3);
    QCOMPARE(f.datList->item(0)->text(), QStringLiteral("中山  05回 08日 1R"));
  }

  void CopyIsHeadedByTheDateAndTheRaceOnShowOnly() {
    Fixture f;
    f.ChooseDate(0);
    f.datList->setCurrentRow(0);
    f.listGrid->CopyAction()->trigger();
    QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], QStringLiteral("2004年01月10日"));
    QCOMPARE(lines[1], QStringLiteral("中山  05回 08日 1R"));

    // After another date is loaded no race is on show: the header, the list
    // and the copy hold nothing of the race of the earlier date.
    f.ChooseDate(1);
    f.listGrid->CopyAction()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2004年01月05日\r\n"));
    QCOMPARE(f.Label(3), QStringLiteral(" "));
    QVERIFY(f.header->Label(2)->Transparent());
    QCOMPARE(f.listGrid->RowCount(), 2);
    QCOMPARE(f.listGrid->CellText(1, 1), QString());
  }

  void TheOptionHidesTheLeftPanelOnceARaceIsShown() {
    Fixture f;
    f.hideOption = true;
    f.ChooseDate(0);
    QVERIFY(!f.leftPanel->isHidden());
    f.datList->setCurrentRow(1);
    QVERIFY(f.leftPanel->isHidden());
  }
};

QTEST_MAIN(RaceNavigatorTest)
#include "RaceNavigatorTest.moc"
