// The faults a walk through every window found, walked again in real windows
// on an X server (Xvfb): a start with the installed JV-Link missing, a
// download cancelled and the next start, the horse window from the list
// grid, the tab "賞金順" after another date is chosen, and the list print of
// a race too long for one page. Screenshots of each (and the list print's
// second page) are saved for a person to look at.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "acquisition/AcquisitionRun.h"
#include "acquisition/ui/GetDataForm.h"
#include "app/ui/MainForm.h"
#include "app/ui/ViewerStartup.h"
#include "browse/WorkingSet.h"
#include "browse/ui/HorseForm.h"
#include "browse/ui/ListGridWidget.h"
#include "browse/ui/RaceNavigator.h"
#include "browse/ui/RankingTab.h"
#include "demo/DemoDelivery.h"
#include "jvdata/PlainText.h"
#include "jvlink/JVLinkFactory.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/gui/support/TestPrinters.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestStore.h"
#include "tests/xvfb/support/Screenshot.h"

using namespace torvane;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;
using torvane::test::Shot;

class WalkFixesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    PrepareApplication(*qApp);
  }

  void WalkTheFixedFaults() {
    test::TempDir dir;
    test::TempDir noWine;
    WriteDemoDelivery(dir / "deliveries", MakeDemoDelivery(LocalToday()));
    test::WriteFile(dir / "jvlink-standin.ini", "[JVLink]\r\nDownloadPace=5000\r\n");
    test::WriteFile(dir / "torvane.ini", "[JVLink]\r\nComponent=installed\r\n");
    // Beside the demo week, an old date whose one race has more nominees
    // than a printed page holds.
    std::vector<test::HorseEntry> nominees(kLongListHorses);
    for (int h = 0; h < kLongListHorses; ++h) nominees[h].runningNumber = Formatted("%03d", h + 1);
    test::WriteDateFile(dir.Path(), "2003年04月06日", {test::TkRecordOf("20030406", "06", 11, "200", nominees)});

    // The installed component missing: told in Japanese, the stand-in taken
    // with Enter, and the viewer opens.
    QStringList startTexts;
    {
      ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return;
        // A box that never showed is counted as no box at all.
        if (QTest::qWaitForWindowExposed(box)) startTexts << box->text();
        Shot(*box, QStringLiteral("walk-%1-start-message").arg(startTexts.size()));
        QTest::keyClick(box, Qt::Key_Return);
      });
      const QByteArray path = qgetenv("PATH");
      qputenv("PATH", QByteArray::fromStdString(noWine.Path().string()));
      form_ = StartViewer(dir.Path());
      qputenv("PATH", path);
    }
    QVERIFY(form_);
    QCOMPARE(startTexts.size(), 2);
    QVERIFY(startTexts[0].startsWith(QString::fromUtf8(kJVLinkMissingText.data())));
    QVERIFY2(!startTexts[0].contains(QStringLiteral(" not ")), qPrintable(startTexts[0]));
    QCOMPARE(startTexts[1], QStringLiteral("デモ用のJV-Link代替に切り替えますか？"));
    QVERIFY(form_->HasJVLink());
    form_->resize(1200, 800);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));

    AcquireAfterACancelledDownload(dir);
    OpenAHorseFromTheListGrid();
    RankingAfterADateChange();
    PrintALongList();
    form_.reset();
  }

 private:
  static constexpr int kLongListHorses = 200;

  void AcquireAfterACancelledDownload(const test::TempDir& dir) {
    QStringList messages;
    bool begun = false, done = false;
    ModalWatcher watcher([&](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages << box->text();
        (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->buttons().first())->click();
        return;
      }
      auto* acquisition = qobject_cast<TGetDataForm*>(modal);
      if (!acquisition || begun) return;  // it is the active window again after each message
      begun = true;
      QTimer::singleShot(0, acquisition, [&, acquisition] {
        QVERIFY(!acquisition->ButtonCancel()->isEnabled());  // no run yet
        acquisition->ButtonStart()->click();
        QTRY_VERIFY_WITH_TIMEOUT(acquisition->ButtonCancel()->isEnabled(), kWindowWaitMs);
        acquisition->ButtonCancel()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!acquisition->ButtonCancel()->isEnabled(), kWindowWaitMs);
        Shot(*acquisition, QStringLiteral("walk-3-download-cancelled"));
        test::WriteFile(dir / "jvlink-standin.ini", "[JVLink]\r\nDownloadPace=1\r\n");
        acquisition->ButtonStart()->click();
        QTRY_VERIFY_WITH_TIMEOUT(acquisition->Run().LastOutcome() == RunOutcome::Completed, 120000);
        QTest::qWait(100);
        QVERIFY(acquisition->ProgressBar1()->value() == acquisition->ProgressBar1()->maximum());
        QVERIFY(acquisition->ProgressBar2()->value() == acquisition->ProgressBar2()->maximum());
        Shot(*acquisition, QStringLiteral("walk-4-next-start-completed"));
        acquisition->close();
        done = true;
      });
    });
    form_->findChild<QAction*>(QStringLiteral("JVDataGet1"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(done, 180000);
    for (const QString& message : messages) QVERIFY2(!message.contains(QStringLiteral("-202")), qPrintable(message));
    QVERIFY(form_->DateCombo()->count() >= 2);
  }

  void OpenAHorseFromTheListGrid() {
    form_->DateCombo()->setCurrentIndex(0);
    QTRY_VERIFY_WITH_TIMEOUT(form_->DatList()->count() > 0, kWindowWaitMs);
    form_->DatList()->setCurrentRow(0);
    form_->PageControl1()->setCurrentIndex(1);
    ListGridWidget* list = form_->StringGrid1();
    QVERIFY(list->RowCount() > 3);
    const QPoint second(60, list->rowViewportPosition(1) + 5);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(list->SelectedRow().value_or(-1), 2);
    QString opened;
    ModalWatcher watcher([&](QWidget* modal) {
      auto* horse = qobject_cast<THorseForm*>(modal);
      if (!horse) return;
      const bool exposed = QTest::qWaitForWindowExposed(horse);
      Shot(*horse, QStringLiteral("walk-5-horse-of-list-row-2"));
      horse->CopyAction()->trigger();
      if (exposed) opened = QGuiApplication::clipboard()->text().section('\n', 0, 0).section('\t', 1, 1).trimmed();
      horse->close();
    });
    QTest::keyClick(list, Qt::Key_Return);
    const int slot = form_->Navigator()->Browser().SelectedRace();
    QCOMPARE(opened, QString::fromStdString(std::string(form_->Working().LoadedTk[slot].Entry(1).BloodNumber())));
  }

  void RankingAfterADateChange() {
    form_->PageControl1()->setCurrentIndex(2);
    RankingTab* ranking = form_->Ranking();
    QVERIFY(ranking->Table()->rowCount() > 0);
    form_->DateCombo()->setCurrentIndex(1);
    QTRY_VERIFY_WITH_TIMEOUT(!form_->Navigator()->Browser().RaceOnShow(), kWindowWaitMs);
    QCOMPARE(ranking->Table()->rowCount(), 0);
    QVERIFY(!ranking->GateSpin()->isEnabled());
    Shot(*form_, QStringLiteral("walk-6-ranking-after-a-date-change"));
  }

  // The list print goes on over pages that each repeat the title and the
  // column heads, numbered "1/3" to "3/3"; the last nominee is on the last page.
  void PrintALongList() {
    form_->DateCombo()->setCurrentIndex(form_->DateCombo()->count() - 1);
    QTRY_COMPARE_WITH_TIMEOUT(form_->DatList()->count(), 1, kWindowWaitMs);
    form_->DatList()->setCurrentRow(0);
    form_->PageControl1()->setCurrentIndex(1);
    QCOMPARE(form_->StringGrid1()->RowCount(), kLongListHorses + 1);
    Shot(*form_, QStringLiteral("walk-7-long-list"));
    const std::size_t before = test::PdfFileRequests().size();
    form_->findChild<QAction*>(QStringLiteral("N8"))->trigger();
    QCOMPARE(test::PdfFileRequests().size(), before + 1);
    const QString pdf = test::PdfFileRequests().back().given;
    QCOMPARE(PdfText(pdf, 1).count(QStringLiteral("2003年04月06日")), 1);
    QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("1/3")));
    const QString last = PdfText(pdf, 3);
    QVERIFY2(last.contains(QStringLiteral("3/3")) && last.contains(QStringLiteral("No.")) &&
                 last.contains(QStringLiteral("200")),
             qPrintable(last));
    // The second page as a picture, for a person to look at.
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"), QStringLiteral("2"),
                    QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf,
                    QStringLiteral(TORVANE_SCREENSHOT_DIR "/walk-8-long-list-page-2")});
    QVERIFY(pdftoppm.waitForFinished(30000) && pdftoppm.exitCode() == 0);
  }

  // The text of one page of a PDF file, as Poppler's pdftotext reads it.
  static QString PdfText(const QString& pdf, int page) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                  QString::number(page), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
  }

  std::unique_ptr<TMainForm> form_;
};

QTEST_MAIN(WalkFixesTest)
#include "WalkFixesTest.moc"
