// TPrgrsForm: the popup's window, its texts and bar as the loader drives
// them, and the window it keeps from input while open.
#include <QProgressBar>
#include <QTest>

#include "app/ui/PrgrsForm.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"

using torvane::TLabel3Dj;
using torvane::TPrgrsForm;

class PrgrsFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { torvane::InstallFontSubstitutions(); }

  void PopupIsABorderlessTopmostWindowOfTheDesignedSize() {
    TPrgrsForm popup;
    QCOMPARE(popup.size(), QSize(349, 59));
    QVERIFY(popup.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(popup.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(popup.isHidden());
    QCOMPARE(popup.findChild<TLabel3Dj*>(QStringLiteral("TitleLabel"))->Caption(),
             QStringLiteral("データを読み込んでいます"));
  }

  void LoaderDrivesTheStatusAndTheBar() {
    TPrgrsForm popup;
    auto* status = popup.findChild<TLabel3Dj*>(QStringLiteral("StatusLabel"));
    auto* bar = popup.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    popup.Open("2003年04月06日", torvane::kLoadProgressSteps);
    QVERIFY(popup.isVisible());
    QCOMPARE(status->Caption(), QStringLiteral("2003年04月06日"));
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->maximum(), 32);
    popup.SetStatus("2003年04月06日中山11R");
    QCOMPARE(status->Caption(), QStringLiteral("2003年04月06日中山11R"));
    for (int step = 0; step < 40; ++step) popup.Advance();
    QCOMPARE(bar->value(), 32);  // stays at its maximum
    popup.Close();
    QVERIFY(!popup.isVisible());

    popup.Open("2003年04月13日", 3);  // a second load starts from an empty bar
    QCOMPARE(bar->value(), 0);
    popup.Advance();
    QCOMPARE(bar->value(), 1);
    popup.Close();
  }

  void BlockedWindowTakesNoInputWhileOpen() {
    QWidget mainWindow;
    mainWindow.show();
    TPrgrsForm popup(&mainWindow);
    popup.Open("2003年04月06日", 32);
    QVERIFY(!mainWindow.isEnabled());
    QVERIFY(popup.isEnabled());
    popup.LetPendingEventsThrough();
    popup.Close();
    QVERIFY(mainWindow.isEnabled());
  }
};

QTEST_MAIN(PrgrsFormTest)
#include "PrgrsFormTest.moc"
