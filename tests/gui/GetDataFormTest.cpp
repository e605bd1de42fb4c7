// TGetDataForm over the stand-in JV-Link: its controls, the picker holding
// date and time, a start on an empty delivery folder, the cancel command
// offered only during a run, a cancelled fetch followed by a start that
// works, what a completed run leaves shown, and the date list rebuilt on
// close.
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextCharFormat>
#include <QToolButton>
#include <filesystem>

#include "acquisition/ui/GetDataForm.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"
#include "jvlink/JVLinkStandIn.h"
#include "jvlink/StandInSettings.h"
#include "settings/IniGT.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/jvlink/DeliveryFixture.h"
#include "tests/support/TempDir.h"

using namespace torvane;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;

namespace {

struct Fixture {
  test::TempDir dir;
  JVLinkStandIn jvLink{dir.Path()};
  TIniGT settings{dir.Path(), "torvane"};
  int rebuilds = 0;
  std::unique_ptr<TGetDataForm> form;

  Fixture() {
    std::filesystem::create_directories(dir / "delivery");
    jvLink.OverrideDeliveryFolder(dir / "delivery");
    jvLink.JVInit(std::u16string(kJVInitSid));
    form = std::make_unique<TGetDataForm>(jvLink, settings, dir.Path(), [this] { ++rebuilds; });
  }
};

}  // namespace

class GetDataFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutions(); }

  void ControlsCarryTheirCaptions() {
    Fixture f;
    QCOMPARE(f.form->windowTitle(), QStringLiteral("ＪＶデータ取込"));
    QCOMPARE(f.form->ButtonStart()->text(), QStringLiteral("データ取込み開始"));
    QCOMPARE(f.form->ButtonCancel()->text(), QStringLiteral("データ取込み中止"));
    QCOMPARE(f.form->SpeedButton1()->text(), QStringLiteral("JVLink設定"));
    QCOMPARE(f.form->TimerJVStatus().interval(), 10);
    QVERIFY(!f.form->TimerJVStatus().isActive());
    QCOMPARE(f.form->size(), QSize(413, 433));
  }

  void PickerHoldsDateAndTime() {
    Fixture f;
    // Without a "LastTime" the run starts eight days back.
    const QDate expected = QDate::currentDate().addDays(-8);
    QCOMPARE(f.form->DateTimePicker1()->date(), expected);
    f.form->SetPickerDateTime({2003, 4, 6, 10, 46, 42});
    f.form->DateTimePicker1()->setDate(QDate(2004, 1, 5));
    const DateTime held = f.form->PickerDateTime();
    QCOMPARE(held, (DateTime{2004, 1, 5, 10, 46, 42}));
    // Its calendar: Saturday blue, Sunday red.
    const QCalendarWidget* calendar = f.form->DateTimePicker1()->calendarWidget();
    QCOMPARE(calendar->weekdayTextFormat(Qt::Saturday).foreground().color(), QColor(Qt::blue));
    QCOMPARE(calendar->weekdayTextFormat(Qt::Sunday).foreground().color(), QColor(Qt::red));
  }

  void StartOnAnEmptyFolderAnnouncesTheRunAndEndsIt() {
    Fixture f;
    f.form->SetPickerDateTime({2003, 4, 6, 10, 46, 42});
    ModalWatcher watcher;
    f.form->ButtonStart()->click();
    QTRY_VERIFY_WITH_TIMEOUT(watcher.Messages().size() >= 2, kWindowWaitMs);
    QVERIFY(watcher.Messages()[0].text.startsWith(
        QStringLiteral("2003年04月06日10時46分42秒以降のデータ取込を開始します。")));
    QVERIFY(!f.form->Run().IsRunning());
    QCOMPARE(f.form->ListBox1()->count(), 0);
    QVERIFY(!f.form->TimerJVStatus().isActive());
  }

  void CancelAnsweredNoChangesNothingAndCloseRebuildsTheDateList() {
    Fixture f;
    QVERIFY(!f.form->ButtonCancel()->isEnabled());  // no run to cancel
    test::WriteDelivery(f.dir / "delivery", "UM", "20030406104642", {test::UmRecord("2000100001", "テストホース")});
    StandInSettings pace = LoadStandInSettings(f.dir.Path());
    pace.downloadPaceMs = kMaxDownloadPaceMs;
    SaveStandInSettings(f.dir.Path(), pace);
    f.form->SetPickerDateTime({2003, 1, 1, 0, 0, 0});
    ModalWatcher watcher(QMessageBox::No);
    f.form->ButtonStart()->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.form->ButtonCancel()->isEnabled(), kWindowWaitMs);
    f.form->ButtonCancel()->click();
    QTRY_COMPARE_WITH_TIMEOUT(watcher.Messages().size(), std::size_t{2}, kWindowWaitMs);
    QCOMPARE(watcher.Messages()[1].text, QStringLiteral("データ取込を中止します。実行しますか？"));
    // The timer goes on ticking while the question is up, so the caption may already count.
    QVERIFY(f.form->ProgressLabel()->Caption().startsWith(QStringLiteral("ダウンロード中")));
    QVERIFY(f.form->Run().IsRunning());
    f.form->show();
    QVERIFY(f.form->close());  // and the download with it
    QCOMPARE(f.rebuilds, 1);
    QVERIFY(!f.form->Run().IsRunning());
    QVERIFY(!f.form->ButtonCancel()->isEnabled());
  }

  void ACancelledFetchLetsTheNextRunCompleteWithFullBarsAndItsLastLineShown() {
    Fixture f;
    std::vector<std::string> horses;
    for (int h = 0; h < 300; ++h) horses.push_back(test::UmRecord(std::to_string(2000100000 + h), "テストホース"));
    test::WriteDelivery(f.dir / "delivery", "UM", "20030406104642", horses);
    test::WriteDelivery(f.dir / "delivery", "RA", "20030405000000", {test::RaRecord("2003040606010211")});
    StandInSettings pace = LoadStandInSettings(f.dir.Path());
    pace.downloadPaceMs = kMaxDownloadPaceMs;
    SaveStandInSettings(f.dir.Path(), pace);
    f.form->SetPickerDateTime({2003, 1, 1, 0, 0, 0});
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    ModalWatcher watcher(QMessageBox::Yes);
    f.form->ButtonStart()->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.form->ButtonCancel()->isEnabled(), kWindowWaitMs);
    f.form->ButtonCancel()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!f.form->ButtonCancel()->isEnabled(), kWindowWaitMs);
    QCOMPARE(f.form->Run().LastOutcome(), RunOutcome::Cancelled);

    pace.downloadPaceMs = 1;
    SaveStandInSettings(f.dir.Path(), pace);
    f.form->ButtonStart()->click();
    QTRY_COMPARE_WITH_TIMEOUT(f.form->Run().LastOutcome(), RunOutcome::Completed, kWindowWaitMs);
    for (const auto& message : watcher.Messages()) QVERIFY2(!message.text.contains("-202"), qPrintable(message.text));
    QCOMPARE(f.form->ProgressLabel()->Caption(), QStringLiteral("データ作成が完了しました。"));
    for (const QProgressBar* bar : {f.form->ProgressBar1(), f.form->ProgressBar2()}) {
      QVERIFY(bar->maximum() > 0);
      QCOMPARE(bar->value(), bar->maximum());
    }
    QListWidget* list = f.form->ListBox1();
    QCOMPARE(list->count(), 301);
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(list->count() - 1))));
    QVERIFY(!f.form->ButtonCancel()->isEnabled());
  }
};

QTEST_MAIN(GetDataFormTest)
#include "GetDataFormTest.moc"
