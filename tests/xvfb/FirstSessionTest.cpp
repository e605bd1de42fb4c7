// A new user's first session in real windows on an X server (Xvfb): the
// viewer started as `torvane` starts it, on a program directory with the
// demo delivery; JVデータ取得, データ取込み開始, close, choose a date, choose
// the largest race, both tabs. Screenshots of each step are saved for a
// person to look at.
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "acquisition/ui/GetDataForm.h"
#include "app/ui/MainForm.h"
#include "app/ui/ViewerStartup.h"
#include "browse/WorkingSet.h"
#include "browse/ui/InfoGridWidget.h"
#include "browse/ui/ListGridWidget.h"
#include "controls/ui/DesignFonts.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/support/TempDir.h"
#include "tools/DemoDelivery.h"

using namespace torvane;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;

namespace {

// Saves what the screen shows of the widget (dialogs over it included).
void Shot(QWidget& widget, const QString& name) {
  QApplication::processEvents();
  const QRect place = widget.frameGeometry();
  const QPixmap pixmap = widget.screen()->grabWindow(0, place.x(), place.y(), place.width(), place.height());
  QDir().mkpath(QStringLiteral(TORVANE_SCREENSHOT_DIR));
  QVERIFY(pixmap.save(QStringLiteral(TORVANE_SCREENSHOT_DIR "/") + name + QStringLiteral(".png")));
}

}  // namespace

class FirstSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    InstallFontSubstitutions();
  }

  void WalkTheFirstSession() {
    test::TempDir dir;
    WriteDemoDelivery(dir / "deliveries", MakeDemoDelivery(LocalToday()));
    test::WriteFile(dir / "jvlink-standin.ini", "[JVLink]\r\nDownloadPace=20\r\n");

    const std::unique_ptr<TMainForm> form = StartViewer(dir.Path());
    QVERIFY(form);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Shot(*form, QStringLiteral("1-first-start"));

    std::vector<QString> messages;
    bool started = false;
    int listLines = 0;
    ModalWatcher watcher([&](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages.push_back(box->text());
        box->buttons().first()->click();
        return;
      }
      auto* acquisition = qobject_cast<TGetDataForm*>(modal);
      if (!acquisition || started) return;
      started = true;
      QTimer::singleShot(0, acquisition->ButtonStart(), &QPushButton::click);
      auto* poll = new QTimer(acquisition);
      connect(poll, &QTimer::timeout, acquisition, [&, acquisition, poll] {
        if (acquisition->Run().IsRunning() || acquisition->ListBox1()->count() == 0 ||
            QApplication::activeModalWidget() != acquisition)
          return;
        poll->stop();
        listLines = acquisition->ListBox1()->count();
        Shot(*acquisition, QStringLiteral("2-acquisition-done"));
        acquisition->close();
      });
      poll->start(50);
    });
    form->findChild<QAction*>(QStringLiteral("JVDataGet1"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(started, kWindowWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!messages.empty(), kWindowWaitMs);
    QVERIFY(messages.front().contains(QStringLiteral("以降のデータ取込を開始します。")));
    QTRY_VERIFY_WITH_TIMEOUT(listLines > 100, kWindowWaitMs);

    // The demo week's two meeting dates (and the dates of past races that
    // have no nominations) are in the date list now.
    QVERIFY(form->DateCombo()->count() >= 2);
    form->DateCombo()->setCurrentIndex(0);
    QTRY_VERIFY_WITH_TIMEOUT(form->DatList()->count() > 0, kWindowWaitMs);
    Shot(*form, QStringLiteral("3-date-chosen"));

    // The race with the most nominated horses.
    const WorkingSet& ws = form->Working();
    const auto largest = std::max_element(ws.RaceList.begin(), ws.RaceList.end(), [&](const auto& a, const auto& b) {
      return RegisteredCount(ws.LoadedTk[a.slot]) < RegisteredCount(ws.LoadedTk[b.slot]);
    });
    const int registered = RegisteredCount(ws.LoadedTk[largest->slot]);
    form->DatList()->setCurrentRow(static_cast<int>(largest - ws.RaceList.begin()));
    QVERIFY(!form->PageControl1()->isHidden());
    QCOMPARE(form->StringGrid4()->RowCount(), registered + 1);
    QCOMPARE(form->StringGrid1()->RowCount(), registered + 1);
    form->resize(1200, 800);
    Shot(*form, QStringLiteral("4-information-tab"));
    form->PageControl1()->setCurrentIndex(1);
    Shot(*form, QStringLiteral("5-list-tab"));
  }
};

QTEST_MAIN(FirstSessionTest)
#include "FirstSessionTest.moc"
