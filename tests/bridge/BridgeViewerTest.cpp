// The viewer's acquisition through the bridge under Wine, in real windows on
// an X server (Xvfb): the installed component chosen in the settings file,
// the test component fetching and serving the demo week. Screenshots of the
// fetch and of the finished read are saved for a person to look at.
#include <stdlib.h>

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "acquisition/ui/GetDataForm.h"
#include "app/ui/MainForm.h"
#include "app/ui/ViewerStartup.h"
#include "demo/DemoDelivery.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/support/TempDir.h"
#include "tests/xvfb/support/Screenshot.h"

using namespace torvane;
using torvane::test::ModalWatcher;
using torvane::test::Shot;

class BridgeViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    PrepareApplication(*qApp);
  }

  void AcquiresTheDemoWeekThroughTheBridge() {
    test::TempDir dir;
    WriteDemoDelivery(dir / "deliveries", MakeDemoDelivery(ParseDemoDate("20030406")));
    // The prefixes of the Wine this run is for (win32 or win64), from ctest.
    const char* prefixes = std::getenv("TORVANE_WINE_TEST_DIR");
    QVERIFY2(prefixes, "TORVANE_WINE_TEST_DIR is not set: run the test through ctest");
    ::setenv("WINEPREFIX", (std::string(prefixes) + "/registered").c_str(), 1);
    ::setenv("TORVANE_TEST_DELIVERIES", (dir / "deliveries").c_str(), 1);
    ::setenv("TORVANE_TEST_CACHE", (dir / "cache").c_str(), 1);
    ::setenv("TORVANE_TEST_PACE_MS", "300", 1);  // a fetch long enough to be seen
    test::WriteFile(dir / "torvane.ini",
                    "[JVLink]\r\nComponent=installed\r\n[JvDataGet]\r\nLastTime=2000/01/01 00:00:00\r\n");

    const std::unique_ptr<TMainForm> form = StartViewer(dir.Path());
    QVERIFY(form);
    QVERIFY(form->findChild<QAction*>(QStringLiteral("UseInstalledJVLink1"))->isChecked());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    bool started = false, fetchShown = false, done = false;
    int stored = 0;
    QStringList messages;
    ModalWatcher watcher([&](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages << box->text();
        box->buttons().first()->click();
        return;
      }
      auto* acquisition = qobject_cast<TGetDataForm*>(modal);
      if (!acquisition || started) return;  // it is active again after each of its dialogs
      started = true;
      QTimer::singleShot(0, acquisition->ButtonStart(), &QPushButton::click);
      auto* poll = new QTimer(acquisition);
      connect(poll, &QTimer::timeout, acquisition, [&, acquisition, poll] {
        QProgressBar* fetch = acquisition->ProgressBar1();
        if (!fetchShown && fetch->value() > 0 && fetch->value() < fetch->maximum()) {
          Shot(*acquisition, QStringLiteral("bridge-1-fetching"));
          fetchShown = true;
        }
        // Over once it stored records, or told something beside the start.
        if (acquisition->Run().IsRunning() || (acquisition->ListBox1()->count() == 0 && messages.size() < 2)) return;
        poll->stop();
        stored = acquisition->ListBox1()->count();
        Shot(*acquisition, QStringLiteral("bridge-2-read"));
        acquisition->close();
        done = true;
      });
      poll->start(20);
    });
    form->findChild<QAction*>(QStringLiteral("JVDataGet1"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(done, 60000);
    QCOMPARE(messages.size(), 1);  // the start's, no error
    QVERIFY2(fetchShown, "the fetch's progress was not seen");
    // Every record of the week; that they are the stand-in's is BridgeTest's to prove.
    QVERIFY2(stored > 1000, qPrintable(QString::number(stored)));
    QTRY_VERIFY(form->DateCombo()->count() >= 2);
  }
};

QTEST_MAIN(BridgeViewerTest)
#include "BridgeViewerTest.moc"
