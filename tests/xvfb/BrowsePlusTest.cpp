// The views beyond the date on show, in real windows on an X server (Xvfb):
// the tab "賞金順" with its gate, the toolbar's horse search, and the horse
// window "競走成績" opened from the information grid. Screenshots of each
// are saved for a person to look at.
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "app/ui/MainForm.h"
#include "app/ui/ViewerStartup.h"
#include "browse/WorkingSet.h"
#include "browse/ui/HorseForm.h"
#include "browse/ui/HorseSearchBox.h"
#include "browse/ui/InfoGridWidget.h"
#include "browse/ui/RaceNavigator.h"
#include "browse/ui/RankingTab.h"
#include "codes/KeibaFunc.h"
#include "controls/ui/DesignFonts.h"
#include "demo/DemoDelivery.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/support/CliRunner.h"
#include "tests/support/TempDir.h"
#include "tests/xvfb/support/Screenshot.h"

using namespace torvane;
using torvane::test::Shot;

class BrowsePlusTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    InstallFontSubstitutions();
  }

  void RankingSearchAndHorseWindow() {
    test::TempDir dir;
    WriteDemoDelivery(dir / "deliveries", MakeDemoDelivery(ParseDemoDate("20261209")));
    const test::CliResult stored = test::RunCli({"--dir", dir.Path().string(), "acquire", "--from", "20000101000000",
                                                 "--source", (dir / "deliveries").string()});
    QCOMPARE(stored.status, 0);

    const std::unique_ptr<TMainForm> form = StartViewer(dir.Path());
    QVERIFY(form);
    form->resize(1200, 800);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->DateCombo()->setCurrentIndex(0);
    QTRY_VERIFY(form->DatList()->count() > 0);
    form->DatList()->setCurrentRow(0);

    // The earned-prize order: a smaller gate puts horses outside and is kept per race.
    const int nominees = RegisteredCount(form->Working().LoadedTk[form->Navigator()->Browser().SelectedRace()]);
    QVERIFY(nominees > 10);
    form->PageControl1()->setCurrentIndex(2);
    QCOMPARE(form->Ranking()->Table()->rowCount(), nominees);
    form->Ranking()->GateSpin()->setValue(10);
    QCOMPARE(form->Ranking()->Table()->item(nominees - 1, 7)->text(), QStringLiteral("外"));
    Shot(*form, QStringLiteral("browse-1-ranking-tab"));
    form->DatList()->setCurrentRow(1);
    form->DatList()->setCurrentRow(0);
    QCOMPARE(form->Ranking()->GateSpin()->value(), 10);

    // Find a horse by half-width katakana; choosing it opens its race with its row selected.
    HorseSearchBox* search = form->HorseSearch();
    search->setText(QStringLiteral("ﾃｨｱﾗ"));
    search->Search();
    QTRY_VERIFY(search->Matches()->isVisible());
    Shot(*form, QStringLiteral("browse-2-horse-search"));
    QAction* first = search->Matches()->actions().first();
    search->Matches()->close();
    first->trigger();
    QVERIFY(form->StringGrid4()->SelectedRow().has_value());
    const int row = *form->StringGrid4()->SelectedRow();
    const int slot = form->Navigator()->Browser().SelectedRace();
    QVERIFY(first->text().startsWith(
        QString::fromStdString(NameText(form->Working().LoadedTk[slot].Entry(row - 1).HorseName()))));

    // The horse window from the information grid's popup.
    form->PageControl1()->setCurrentIndex(0);
    int careerRows = -1;
    test::ModalWatcher watcher([&](QWidget* modal) {
      auto* horse = qobject_cast<THorseForm*>(modal);
      if (!horse) return;
      careerRows = horse->CareerGrid()->rowCount();
      // Inside the modal handler no QVERIFY can end the test; a window that
      // never shows gives a blank screenshot, and the row count below fails.
      if (!QTest::qWaitForWindowExposed(horse)) careerRows = -1;
      Shot(*horse, QStringLiteral("browse-3-horse-window"));
      horse->close();
    });
    const auto actions = form->StringGrid4()->actions();
    const auto horseRecord = std::find_if(actions.begin(), actions.end(),
                                          [](QAction* a) { return a->objectName() == QStringLiteral("HorseRecord1"); });
    QVERIFY(horseRecord != actions.end());
    (*horseRecord)->trigger();
    QVERIFY(careerRows > 0);
  }
};

QTEST_MAIN(BrowsePlusTest)
#include "BrowsePlusTest.moc"
