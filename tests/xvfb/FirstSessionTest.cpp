// A new user's first session in real windows on an X server (Xvfb): the
// viewer started as `torvane` starts it, on a program directory with the
// demo delivery; JVデータ取得, データ取込み開始, the window closed while the
// records are read, choose a date, choose the largest race, both tabs, the
// information print on a printer chosen in the preview. Screenshots of each
// step are saved for a person to look at.
#include <xcb/xcb.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <map>

#include "acquisition/ui/GetDataForm.h"
#include "app/ui/MainForm.h"
#include "app/ui/ViewerStartup.h"
#include "browse/WorkingSet.h"
#include "browse/ui/InfoGridWidget.h"
#include "browse/ui/ListGridWidget.h"
#include "demo/DemoDelivery.h"
#include "print/ui/AllPrintForm.h"
#include "print/ui/PrevX.h"
#include "print/ui/PrinterSetupDialog.h"
#include "store/StorePaths.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/gui/support/TestPrinters.h"
#include "tests/support/TempDir.h"
#include "tests/xvfb/support/Screenshot.h"

using namespace torvane;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;
using torvane::test::Shot;

namespace {

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

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr), free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The captions of the top-level windows a process shows, as the X server has
// them. Only mapped windows count: Qt first names a window it creates after
// the application ("torvane") and gives it the widget's title a moment later,
// before showing it, so an unmapped window's name is not yet its caption.
std::map<xcb_window_t, QString> ShownWindowCaptionsOf(xcb_connection_t* connection, qint64 pid) {
  const xcb_atom_t pidAtom = Atom(connection, "_NET_WM_PID");
  const xcb_atom_t nameAtom = Atom(connection, "_NET_WM_NAME");
  const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const std::unique_ptr<xcb_query_tree_reply_t, decltype(&free)> tree(
      xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr), free);
  std::map<xcb_window_t, QString> captions;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
    const auto property = [&](xcb_atom_t name, xcb_atom_t type) {
      return std::unique_ptr<xcb_get_property_reply_t, decltype(&free)>(
          xcb_get_property_reply(connection, xcb_get_property(connection, 0, children[i], name, type, 0, 1024),
                                 nullptr),
          free);
    };
    const auto owner = property(pidAtom, XCB_ATOM_CARDINAL);
    if (!owner || xcb_get_property_value_length(owner.get()) != 4 ||
        *static_cast<const std::uint32_t*>(xcb_get_property_value(owner.get())) != pid)
      continue;
    const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, children[i]), nullptr), free);
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) continue;
    const auto name = property(nameAtom, utf8);
    captions[children[i]] = name ? QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                                                     xcb_get_property_value_length(name.get()))
                                 : QString();
  }
  return captions;
}

// What the window manager sends when the user clicks the close box.
void AskToClose(xcb_connection_t* connection, xcb_window_t window) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = Atom(connection, "WM_PROTOCOLS");
  event.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
  event.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
  xcb_flush(connection);
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
    PrepareApplication(*qApp);
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
    QTRY_VERIFY_WITH_TIMEOUT(started, kWindowWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!messages.empty(), kWindowWaitMs);
    QVERIFY(messages.front().contains(QStringLiteral("以降のデータ取込を開始します。")));
    QTRY_COMPARE_WITH_TIMEOUT(linesSeen, 3, kWindowWaitMs);
    QVERIFY2(listShown, "the stored records' lines were not on the screen during the read");
    QVERIFY2(keptOpen, "the window went while the records were still read");
    // Closed once everything was stored: the date list has every date.
    QCOMPARE(form->DateCombo()->count(), DateFileCount(dir.Path()));

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

    PrintOnAPrinterChosenInThePreview(*form);
  }

  // The viewer itself, as `torvane` runs: its window has exactly its own
  // caption, and closing it ends the process at once.
  void TheViewerShowsItsCaptionAndEndsWhenClosed() {
    test::TempDir dir;
    QProcess viewer;
    viewer.start(QStringLiteral(TORVANE_VIEWER_PATH),
                 {QStringLiteral("--dir"), QString::fromStdString(dir.Path().string())});
    QVERIFY(viewer.waitForStarted());
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, nullptr),
                                                                                  xcb_disconnect);
    std::map<xcb_window_t, QString> captions;
    QTRY_VERIFY_WITH_TIMEOUT(!(captions = ShownWindowCaptionsOf(connection.get(), viewer.processId())).empty(), 20000);
    QCOMPARE(captions.begin()->second, QStringLiteral("Torvane for JRA-VAN Data Lab."));

    QElapsedTimer sinceClose;
    sinceClose.start();
    AskToClose(connection.get(), captions.begin()->first);
    QVERIFY(viewer.waitForFinished(10000));
    QCOMPARE(viewer.exitCode(), 0);
    QVERIFY2(sinceClose.elapsed() < 700,
             qPrintable(QStringLiteral("ended %1 ms after the close").arg(sinceClose.elapsed())));
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
    bool zoomWhole = false;
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
        const QAbstractButton* hundred = form->RadioGroup1()->button(3);
        zoomWhole = hundred->width() >= hundred->sizeHint().width() &&
                    hundred->mapTo(form, QPoint(hundred->width(), 0)).x() <= form->width();
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
    QVERIFY2(zoomWhole, "the zoom choice is cut at the preview's default width");
    QVERIFY2(qAbs(paper.right() - preview.right()) < 0.02 && qAbs(paper.bottom() - preview.bottom()) < 0.02,
             qPrintable(QStringLiteral("printed to %1 x %2 of the page, the preview shows %3 x %4")
                            .arg(paper.right())
                            .arg(paper.bottom())
                            .arg(preview.right())
                            .arg(preview.bottom())));
  }
};

QTEST_MAIN(FirstSessionTest)
#include "FirstSessionTest.moc"
