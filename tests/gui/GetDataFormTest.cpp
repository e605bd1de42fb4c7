// TGetDataForm over the stand-in JV-Link: its controls, the picker holding
// date and time, a start on an empty delivery folder, a cancel answered No,
// and the date list rebuilt on close.
#include <QDateTimeEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "acquisition/ui/GetDataForm.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"
#include "jvlink/JVLinkStandIn.h"
#include "settings/IniGT.h"
#include "tests/gui/support/ModalWatcher.h"
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
    f.form->SetStatusText("ダウンロード中・・・");
    ModalWatcher watcher(QMessageBox::No);
    f.form->ButtonCancel()->click();
    QTRY_COMPARE_WITH_TIMEOUT(watcher.Messages().size(), std::size_t{1}, kWindowWaitMs);
    QCOMPARE(watcher.Messages()[0].text, QStringLiteral("データ取込を中止します。実行しますか？"));
    QCOMPARE(f.form->ProgressLabel()->Caption(), QStringLiteral("ダウンロード中・・・"));
    f.form->show();
    QVERIFY(f.form->close());
    QCOMPARE(f.rebuilds, 1);
  }
};

QTEST_MAIN(GetDataFormTest)
#include "GetDataFormTest.moc"
