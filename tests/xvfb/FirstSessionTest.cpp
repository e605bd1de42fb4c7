// A new user's first session in real windows on an X server (Xvfb): the
// viewer started as `torvane` starts it, on a program directory with the
// demo delivery; JVデータ取得, データ取込み開始, the window closed while the
// records are read, choose a date, choose the largest race, both tabs, the
// information print on a printer chosen in the preview. Screenshots of each
// step are saved for a person to look at.
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
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
#include "print/ui/AllPrintForm.h"
#include "print/ui/PrevX.h"
#include "print/ui/PrinterSetupDialog.h"
#include "store/StorePaths.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/gui/support/TestPrinters.h"
#include "tests/support/TempDir.h"
#include "tools/DemoDelivery.h"

using namespace torvane;
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

// Whether the screen shows anything but the background in the widget.
bool ShowsInk(QWidget& widget) {
  const QPoint origin = widget.mapToGlobal(QPoint(0, 0));
  const QImage shown =
      widget.screen()->grabWindow(0, origin.x(), origin.y(), widget.width(), widget.height()).toImage();
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (qGray(shown.pixel(x, y)) < 100) return true;
  return false;
}

int DateFileCount(const std::filesystem::path& programDir) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(programDir / "Data"))
    count += entry.path().extension() == ".jvTK";
  return count;
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

    // The acquisition: started, its list watched while the records are read,
    // then closed before the read has ended.
    std::vector<QString> messages;
    bool started = false;
    int linesSeen = 0;
    bool listShown = true, keptOpen = false;
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
        QListWidget* list = acquisition->ListBox1();
        const bool reading = acquisition->Run().IsRunning() &&
                             acquisition->ProgressBar1()->value() == acquisition->ProgressBar1()->maximum();
        if (!reading || list->count() < 200) return;
        // Every 100 ms the newest lines are in view.
        QTest::qWait(150);
        listShown = ShowsInk(*list->viewport()) &&
                    list->verticalScrollBar()->value() >= list->verticalScrollBar()->maximum() - 200;
        if (++linesSeen < 3) return;
        poll->stop();
        Shot(*acquisition, QStringLiteral("2-acquisition-reading"));
        acquisition->close();
        keptOpen = acquisition->isVisible() && acquisition->Run().IsRunning();
      });
      poll->start(20);
    });
    form->findChild<QAction*>(QStringLiteral("JVDataGet1"))->trigger();
    QVERIFY(started);
    QVERIFY(!messages.empty());
    QVERIFY(messages.front().contains(QStringLiteral("以降のデータ取込を開始します。")));
    QCOMPARE(linesSeen, 3);
    QVERIFY2(listShown, "the stored records' lines were not on the screen during the read");
    QVERIFY2(keptOpen, "the window went while the records were still read");
    // Closed once everything was stored: the date list has every date.
    QCOMPARE(form->DateCombo()->count(), DateFileCount(dir.Path()));

    // The demo week's two meeting dates (and the dates of past races that
    // have no nominations) are in the date list now.
    QVERIFY(form->DateCombo()->count() >= 2);
    form->DateCombo()->setCurrentIndex(0);
    QTRY_VERIFY(form->DatList()->count() > 0);
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

    PrintOnAPrinterChosenInThePreview(*form);
  }

 private:
  // The information print's preview, "ﾌﾟﾘﾝﾀ設定(S)" choosing a printer of
  // another resolution than the PDF printer the pages were recorded for,
  // "印刷(P)": the printed page matches the preview's.
  void PrintOnAPrinterChosenInThePreview(TMainForm& form) {
    QTemporaryDir dir;
    const QString printed = dir.filePath(QStringLiteral("300dpi.pdf"));
    test::AddFilePrinter(QStringLiteral("プリンタ 300dpi"), 300, printed);
    QRectF preview, paper;
    int previews = 0;
    ModalWatcher watcher([&](QWidget* modal) {
      if (auto* setup = qobject_cast<TPrinterSetupDialog*>(modal)) {
        setup->PrinterCombo()->setCurrentText(QStringLiteral("プリンタ 300dpi"));
        Shot(*setup, QStringLiteral("7-printer-setup"));
        setup->OkButton()->click();
        return;
      }
      auto* form = qobject_cast<TAllPrintForm*>(modal);
      if (!form) return;
      if (++previews == 1) {
        Shot(*form, QStringLiteral("6-print-preview"));
        QTimer::singleShot(0, form->BitBtn3(), &QPushButton::click);
        return;
      }
      form->BitBtn2()->click();
      preview = test::PreviewPageInk(*form->PrevX1());
      paper = test::PdfPageInk(printed);
      Shot(*form, QStringLiteral("8-print-preview-300dpi"));
      form->close();
    });
    form.findChild<QAction*>(QStringLiteral("Print1"))->trigger();
    QCOMPARE(previews, 2);
    QVERIFY2(qAbs(paper.right() - preview.right()) < 0.02 && qAbs(paper.bottom() - preview.bottom()) < 0.02,
             qPrintable(QStringLiteral("printed to %1 x %2 of the page, the preview shows %3 x %4")
                            .arg(paper.right()).arg(paper.bottom()).arg(preview.right()).arg(preview.bottom())));
  }
};

QTEST_MAIN(FirstSessionTest)
#include "FirstSessionTest.moc"
