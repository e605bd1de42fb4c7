// Qt's own texts in Japanese and the designed captions of the standard
// buttons: the cancel confirmation, the preview's close button, the printer
// setup, a file dialog and the calendar.
#include <QAbstractProxyModel>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "acquisition/ui/GetDataForm.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/JapaneseFileList.h"
#include "controls/ui/JapaneseTexts.h"
#include "jvlink/JVLinkStandIn.h"
#include "print/ui/AllPrintForm.h"
#include "print/ui/PrinterSetupDialog.h"
#include "print/ui/Printers.h"
#include "settings/IniGT.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/support/TempDir.h"

using namespace torvane;
using torvane::test::ModalWatcher;

namespace {

QStringList ButtonTexts(const QList<QAbstractButton*>& buttons) {
  QStringList texts;
  for (const QAbstractButton* button : buttons) texts << button->text();
  texts.sort();
  return texts;
}

QStringList OnePrinter() { return {QStringLiteral("Office")}; }

}  // namespace

class JapaneseTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallFontSubstitutions();
    // The test runs under the C locale, as CI does.
    QVERIFY2(InstallJapaneseTexts(*QCoreApplication::instance()), "qtbase_ja.qm is not installed");
  }

  void OurButtonsCarryTheirDesignedCaptions() {
    test::TempDir dir;
    JVLinkStandIn jvLink(dir.Path());
    TIniGT settings(dir.Path(), "torvane");
    TGetDataForm acquisition(jvLink, settings, dir.Path(), [] {});
    QStringList confirmation;
    {
      ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        confirmation = ButtonTexts(box->buttons());
        box->button(QMessageBox::No)->click();
      });
      QVERIFY(!acquisition.ConfirmYesNo("データ取込を中止します。実行しますか？"));
    }
    QCOMPARE(confirmation, (QStringList{QStringLiteral("いいえ"), QStringLiteral("はい")}));

    TPrinters printers(OnePrinter);
    TAllPrintForm preview(settings, printers);
    QCOMPARE(preview.BitBtn1()->text(), QStringLiteral("閉じる"));

    TPrinterSetupDialog setup(printers);
    QCOMPARE(ButtonTexts(setup.findChild<QDialogButtonBox*>()->buttons()),
             (QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}));
  }

  void QtsOwnDialogsAndTheCalendarSpeakJapanese() {
    QFileDialog files(nullptr, QStringLiteral("PDFファイルに印刷"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    QStringList labels;
    for (const QLabel* label : files.findChildren<QLabel*>()) labels << label->text();
    const QString all = labels.join('|');
    QVERIFY2(all.contains(QStringLiteral("ファイル名")) && all.contains(QStringLiteral("ファイルの種類")),
             qPrintable(all));
    QVERIFY2(!all.contains(QStringLiteral("File name")), qPrintable(all));

    // The list's kinds and dates, which Qt takes from the system's locale.
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    QFile pdf(folder.filePath(QStringLiteral("a.pdf")));
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    pdf.close();
    files.setDirectory(folder.path());
    SetJapaneseFileList(files);
    const QAbstractProxyModel* list = files.proxyModel();
    const auto* model = qobject_cast<const QFileSystemModel*>(list->sourceModel());
    QVERIFY(model);
    const auto cell = [&](const QString& name, int column) {
      return list->mapFromSource(model->index(folder.filePath(name)).siblingAtColumn(column)).data().toString();
    };
    QTRY_COMPARE(cell(QStringLiteral("sub"), 2), QStringLiteral("フォルダー"));
    QCOMPARE(cell(QStringLiteral("a.pdf"), 2), QStringLiteral("pdf ファイル"));
    const QString date = cell(QStringLiteral("a.pdf"), 3);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{1,2}:\\d{2}$")).match(date).hasMatch(),
             qPrintable(date));

    const QCalendarWidget calendar;
    QCOMPARE(calendar.locale().standaloneMonthName(12), QStringLiteral("12月"));
    QCOMPARE(calendar.locale().dayName(7, QLocale::ShortFormat), QStringLiteral("日"));
  }
};

QTEST_MAIN(JapaneseTextsTest)
#include "JapaneseTextsTest.moc"
