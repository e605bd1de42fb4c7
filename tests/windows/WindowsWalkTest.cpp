// The Windows viewer in real windows of the Windows platform plugin (under
// Wine on an X server): the demo week acquired through the stand-in, a date
// and a race chosen, the information grid, the tab "賞金順", a horse window,
// the information print's preview and its PDF; then the acquisition once more
// through the bridge and the test component. Screenshots of each step are
// saved for a person to look at: Japanese texts, not boxes; no English.
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "acquisition/ui/GetDataForm.h"
#include "app/ui/MainForm.h"
#include "app/ui/ViewerStartup.h"
#include "browse/ui/HorseForm.h"
#include "browse/ui/InfoGridWidget.h"
#include "browse/ui/RankingTab.h"
#include "demo/DemoDelivery.h"
#include "platform/Paths.h"
#include "print/ui/AllPrintForm.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/gui/support/TestPrinters.h"
#include "tests/support/TempDir.h"
#include "tests/xvfb/support/Screenshot.h"

using namespace torvane;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;
using torvane::test::Shot;

namespace {

struct Acquired {
  int storedLines = 0;
  QStringList messages;
};

// JVデータ取得, データ取込み開始, the window closed once the read has ended.
void Acquire(TMainForm& form, const QString& shot, Acquired& acquired) {
  bool started = false, done = false;
  ModalWatcher watcher([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      acquired.messages << box->text();
      box->buttons().first()->click();
      return;
    }
    auto* acquisition = qobject_cast<TGetDataForm*>(modal);
    if (!acquisition || started) return;  // it is active again after each of its dialogs
    started = true;
    QTimer::singleShot(0, acquisition->ButtonStart(), &QPushButton::click);
    auto* poll = new QTimer(acquisition);
    QObject::connect(poll, &QTimer::timeout, acquisition, [&, acquisition, poll] {
      if (acquisition->Run().IsRunning() || (acquisition->ListBox1()->count() == 0 && acquired.messages.size() < 2))
        return;
      poll->stop();
      acquired.storedLines = acquisition->ListBox1()->count();
      Shot(*acquisition, shot);
      acquisition->close();
      done = true;
    });
    poll->start(20);
  });
  form.findChild<QAction*>(QStringLiteral("JVDataGet1"))->trigger();
  QTRY_VERIFY_WITH_TIMEOUT(done, 4 * kWindowWaitMs);
}

QAction* GridAction(QWidget& grid, const QString& name) {
  for (QAction* action : grid.actions())
    if (action->objectName() == name) return action;
  return nullptr;
}

}  // namespace

class WindowsWalkTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("windows"));
    PrepareApplication(*qApp);
  }

  void WalkTheDemoWeek() {
    test::TempDir dir;
    WriteDemoDelivery(dir / "deliveries", MakeDemoDelivery(LocalToday()));
    test::WriteFile(dir / "torvane.ini", "[JVLink]\r\nComponent=standin\r\n");
    test::WriteFile(dir / "jvlink-standin.ini", "[JVLink]\r\nDownloadPace=20\r\n");
    const std::unique_ptr<TMainForm> form = StartViewer(dir.Path());
    QVERIFY(form);
    form->resize(1200, 800);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Shot(*form, QStringLiteral("win-1-first-start"));

    Acquired acquired;
    Acquire(*form, QStringLiteral("win-2-acquisition"), acquired);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(acquired.messages.size(), 1);  // the start's, no error
    QVERIFY(acquired.storedLines > 0);

    QVERIFY(form->DateCombo()->count() >= 2);
    form->DateCombo()->setCurrentIndex(0);
    QTRY_VERIFY_WITH_TIMEOUT(form->DatList()->count() > 0, kWindowWaitMs);
    form->DatList()->setCurrentRow(0);
    QVERIFY(!form->PageControl1()->isHidden());
    Shot(*form, QStringLiteral("win-3-information-grid"));
    form->PageControl1()->setCurrentIndex(2);
    QVERIFY(form->Ranking()->Table()->rowCount() > 0);
    Shot(*form, QStringLiteral("win-4-ranking-tab"));
    form->PageControl1()->setCurrentIndex(0);

    int careerRows = -1;
    {
      ModalWatcher watcher([&](QWidget* modal) {
        auto* horse = qobject_cast<THorseForm*>(modal);
        if (!horse) return;
        careerRows = QTest::qWaitForWindowExposed(horse) ? horse->CareerGrid()->rowCount() : -1;
        Shot(*horse, QStringLiteral("win-5-horse-window"));
        horse->close();
      });
      form->StringGrid4()->SelectRow(1);
      QAction* horseRecord = GridAction(*form->StringGrid4(), QStringLiteral("HorseRecord1"));
      QVERIFY(horseRecord);
      horseRecord->trigger();
    }
    QVERIFY(careerRows > 0);

    // The information print's preview, saved as PDF.
    const std::size_t pdfsBefore = test::PdfFileRequests().size();
    ModalWatcher watcher([&](QWidget* modal) {
      auto* preview = qobject_cast<TAllPrintForm*>(modal);
      if (!preview) return;
      Shot(*preview, QStringLiteral("win-6-print-preview"));
      preview->PdfButton()->click();
      preview->close();
    });
    form->findChild<QAction*>(QStringLiteral("Print1"))->trigger();
    QCOMPARE(test::PdfFileRequests().size(), pdfsBefore + 1);
    const QString pdf = test::PdfFileRequests().back().given;
    std::error_code error;
    QVERIFY2(std::filesystem::file_size(pdf.toStdWString(), error) > 0 && !error, qPrintable(pdf));
  }

  void AcquireTheDemoWeekThroughTheBridge() {
#ifdef TORVANE_BRIDGE_UNAVAILABLE
    QSKIP(TORVANE_BRIDGE_UNAVAILABLE);
#endif
    test::TempDir dir;
    WriteDemoDelivery(dir / "deliveries", MakeDemoDelivery(LocalToday()));
    // What the test component serves and where it keeps its downloads.
    qputenv("TORVANE_TEST_DELIVERIES", QByteArray::fromStdString(platform::Utf8OfPath(dir / "deliveries")));
    qputenv("TORVANE_TEST_CACHE", QByteArray::fromStdString(platform::Utf8OfPath(dir / "cache")));
    test::WriteFile(dir / "torvane.ini", "[JVLink]\r\nComponent=installed\r\n");
    const std::unique_ptr<TMainForm> form = StartViewer(dir.Path());
    QVERIFY(form);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Acquired acquired;
    Acquire(*form, QStringLiteral("win-7-bridge-acquisition"), acquired);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(acquired.messages.size(), 1);
    QVERIFY(acquired.storedLines > 0);
    QVERIFY(form->DateCombo()->count() >= 2);
  }
};

QTEST_MAIN(WindowsWalkTest)
#include "WindowsWalkTest.moc"
