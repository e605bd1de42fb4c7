// TAboutBox: its window, the version label, the home page button with the
// opener's success and failure.
#include <QPushButton>
#include <QTest>

#include "controls/ui/AboutBox.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"
#include "tests/gui/support/ModalWatcher.h"

using torvane::TAboutBox;
using torvane::TLabel3Dj;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;

class AboutBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { torvane::InstallFontSubstitutions(); }

  void WindowShowsItsCaptionPictureAndVersionLabel() {
    TAboutBox box(nullptr, [](const QUrl&) { return true; });
    QCOMPARE(box.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(box.size(), QSize(324, 258));
    auto* label = box.findChild<TLabel3Dj*>(QStringLiteral("Label3D1"));
    QVERIFY(label);
    QCOMPARE(label, box.Label3D1());
    QCOMPARE(label->TextStyle(), TLabel3Dj::TTextStyle::tsRecessed);
    QVERIFY(label->font().bold() && label->font().underline());
    QCOMPARE(box.findChild<QPushButton*>(QStringLiteral("Button1"))->text(), QStringLiteral("ホームページ"));
    QVERIFY(box.findChild<QWidget*>(QStringLiteral("Image1")));
    // The picture reaches as close to the panel's right edge as to its left: no black strip.
    QWidget* panel = box.findChild<QWidget*>(QStringLiteral("Panel1"));
    const QImage shown = panel->grab().toImage();
    for (const int x : {2, 3, panel->width() - 4, panel->width() - 3})
      QVERIFY2(shown.pixelColor(x, panel->height() / 2) != QColor(Qt::black), qPrintable(QString::number(x)));
  }

  void HomePageOpensTheFixedAddressWithoutComplaint() {
    std::vector<QUrl> opened;
    TAboutBox box(nullptr, [&opened](const QUrl& url) {
      opened.push_back(url);
      return true;
    });
    ModalWatcher watcher;
    box.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QCOMPARE(opened.size(), 1u);
    QCOMPARE(opened[0], QUrl(QString::fromLatin1(torvane::kHomePageAddress)));
    QVERIFY(opened[0].isValid() && opened[0].scheme() == QStringLiteral("https"));
    QCOMPARE(watcher.ModalCount(), 0);
  }

  void HomePageFailureIsToldOnce() {
    int attempts = 0;
    TAboutBox box(nullptr, [&attempts](const QUrl&) { return ++attempts < 0; });
    ModalWatcher watcher;
    box.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QCOMPARE(attempts, 1);
    QTRY_COMPARE_WITH_TIMEOUT(watcher.Messages().size(), 1u, kWindowWaitMs);
    QCOMPARE(watcher.Messages()[0].text, QStringLiteral("ホームページの表示に失敗しました。"));
    QCOMPARE(watcher.Messages()[0].icon, QMessageBox::NoIcon);
  }

  void OkLooksLikeTheOtherOkButtonsAndClosesTheWindow() {
    TAboutBox box(nullptr, [](const QUrl&) { return true; });
    box.show();
    auto* ok = box.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QCOMPARE(QRect(ok->mapTo(&box, QPoint(0, 0)), ok->size()), QRect(234, 224, 75, 25));
    QMessageBox message;
    const QAbstractButton* messageOk = message.addButton(QMessageBox::Ok);
    QCOMPARE(ok->icon().isNull(), messageOk->icon().isNull());
    ok->click();
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
