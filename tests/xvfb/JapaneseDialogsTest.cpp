// The dialogs whose texts are partly Qt's own, in real windows under Xvfb
// and in Japanese whatever the locale: the cancel confirmation of the
// acquisition window, the print preview and the file dialog of its PDF
// button. Screenshots are saved for a person to look at.
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "acquisition/ui/GetDataForm.h"
#include "app/ui/ViewerStartup.h"
#include "jvlink/JVLinkStandIn.h"
#include "jvlink/StandInSettings.h"
#include "print/ui/AllPrintForm.h"
#include "print/ui/PrintRequests.h"
#include "print/ui/Printers.h"
#include "settings/IniGT.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/jvlink/DeliveryFixture.h"
#include "tests/print/DemoRace.h"
#include "tests/support/TempDir.h"
#include "tests/xvfb/support/Screenshot.h"

using namespace torvane;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;
using torvane::test::Shot;

namespace {

QString TextsOf(const QWidget& window) {
  QStringList texts;
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) texts << button->text();
  return texts.join('|');
}

}  // namespace

class JapaneseDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    PrepareApplication(*qApp);
  }

  void TheCancelConfirmationAsksInJapanese() {
    test::TempDir dir;
    // A download slow enough to be cancelled: the question comes during a run only.
    test::WriteDelivery(dir / "deliveries", "UM", "20030406104642", {test::UmRecord("2000100001", "テストホース")});
    test::WriteFile(dir / "jvlink-standin.ini",
                    "[JVLink]\r\nDownloadPace=" + std::to_string(kMaxDownloadPaceMs) + "\r\n");
    JVLinkStandIn jvLink(dir.Path());
    jvLink.JVInit(std::u16string(kJVInitSid));
    TIniGT settings(dir.Path(), "torvane");
    TGetDataForm acquisition(jvLink, settings, dir.Path(), [] {});
    acquisition.SetPickerDateTime({2003, 1, 1, 0, 0, 0});
    acquisition.show();
    QVERIFY(QTest::qWaitForWindowExposed(&acquisition));
    QString texts;
    ModalWatcher watcher([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box && QTest::qWaitForWindowExposed(box));
      if (!box->button(QMessageBox::No)) {  // the start's notice
        box->buttons().first()->click();
        return;
      }
      texts = TextsOf(*box);
      Shot(*box, QStringLiteral("ja-1-cancel-confirmation"));
      box->button(QMessageBox::No)->click();
    });
    acquisition.ButtonStart()->click();
    QTRY_VERIFY_WITH_TIMEOUT(acquisition.ButtonCancel()->isEnabled(), kWindowWaitMs);
    acquisition.ButtonCancel()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!texts.isEmpty(), kWindowWaitMs);
    QVERIFY2(texts.contains(QStringLiteral("はい")) && texts.contains(QStringLiteral("いいえ")), qPrintable(texts));
    QVERIFY2(!texts.contains(QStringLiteral("Yes")), qPrintable(texts));
    acquisition.close();
  }

  void ThePreviewAndItsFileDialogSpeakJapanese() {
    test::TempDir dir;
    TIniGT settings(dir.Path(), "torvane");
    QString previewTexts, fileDialogTexts;
    ModalWatcher watcher([&](QWidget* modal) {
      QVERIFY(QTest::qWaitForWindowExposed(modal));
      if (auto* preview = qobject_cast<TAllPrintForm*>(modal)) {
        previewTexts = TextsOf(*preview);
        Shot(*preview, QStringLiteral("ja-2-preview"));
        // The PDF button's own dialog; the test printers answer the button itself.
        QTimer::singleShot(0, preview, [preview] { (void)AskPdfFileName(preview, QStringLiteral("torvane.pdf")); });
      } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        fileDialogTexts = TextsOf(*files);
        Shot(*files, QStringLiteral("ja-3-file-dialog"));
        files->reject();
        QTimer::singleShot(0, files->parentWidget()->window(), &QWidget::close);
      }
    });
    ShowInformationPrint(nullptr, *test::DemoRaceOf(19), 0, settings);
    QCOMPARE(watcher.ModalCount(), 2);
    QVERIFY2(previewTexts.contains(QStringLiteral("閉じる")), qPrintable(previewTexts));
    for (const QString& expected :
         {QStringLiteral("ファイル名"), QStringLiteral("ファイルの種類"), QStringLiteral("キャンセル")})
      QVERIFY2(fileDialogTexts.contains(expected), qPrintable(fileDialogTexts));
    QVERIFY2(!fileDialogTexts.contains(QStringLiteral("File name")), qPrintable(fileDialogTexts));
  }
};

QTEST_MAIN(JapaneseDialogsTest)
#include "JapaneseDialogsTest.moc"
