// TAllPrintForm: its saved place and zoom, the zoom choice, paging through
// the page selector, and the information print command around it.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "controls/ui/DesignFonts.h"
#include "controls/ui/UpDown.h"
#include "platform/Paths.h"
#include "print/ui/AllPrintForm.h"
#include "print/ui/PrevX.h"
#include "print/ui/PrintRequests.h"
#include "settings/IniGT.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/print/DemoRace.h"
#include "tests/support/TempDir.h"

using torvane::TAllPrintForm;
using torvane::TIniGT;
using torvane::TPrinters;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;
using torvane::test::TempDir;

namespace {

QStringList NoCupsPrinters() { return {}; }

}  // namespace

class AllPrintFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { torvane::InstallFontSubstitutions(); }

  void OpensAtDefaultsOrAtTheSavedPlaceAndZoom() {
    TempDir dir;
    TIniGT settings(dir.Path(), "torvane");
    TPrinters printers(NoCupsPrinters);
    {
      TAllPrintForm form(settings, printers);
      QCOMPARE(form.windowTitle(), QStringLiteral("全買い目印刷"));
      QCOMPARE(form.pos(), QPoint(10, 10));
      QCOMPARE(form.size(), QSize(630, 450));
      QCOMPARE(form.RadioGroup1()->checkedId(), 1);
      QCOMPARE(form.PrevX1()->ZoomScale(), 50);
      // At its default width every zoom choice shows whole.
      form.show();
      const QAbstractButton* hundred = form.RadioGroup1()->button(3);
      QVERIFY(hundred->width() >= hundred->sizeHint().width());
      QVERIFY(hundred->mapTo(&form, QPoint(hundred->width(), 0)).x() <= form.width());
    }
    QVERIFY(settings.WriteInteger("Printlocate", "top", 40) && settings.WriteInteger("Printlocate", "left", 30));
    QVERIFY(settings.WriteInteger("Printlocate", "width", 700) && settings.WriteInteger("Printlocate", "height", 500));
    QVERIFY(settings.WriteInteger("PrintZoom", "ratio", 3));
    {
      TAllPrintForm form(settings, printers);
      QCOMPARE(form.pos(), QPoint(30, 40));
      QCOMPARE(form.size(), QSize(700, 500));
      QCOMPARE(form.RadioGroup1()->checkedId(), 3);
      QCOMPARE(form.PrevX1()->ZoomScale(), 100);
    }
    // A ratio that is no choice leaves the layout zoom; a size no screen
    // holds gives the default place.
    QVERIFY(settings.WriteInteger("PrintZoom", "ratio", 7));
    QVERIFY(settings.WriteInteger("Printlocate", "width", 2147483647) &&
            settings.WriteInteger("Printlocate", "height", 2147483647));
    TAllPrintForm form(settings, printers);
    QCOMPARE(form.RadioGroup1()->checkedId(), -1);
    QCOMPARE(form.PrevX1()->ZoomScale(), 50);
    QCOMPARE(QRect(form.pos(), form.size()), QRect(10, 10, 630, 450));
  }

  void ZoomChoiceAndClosingAreSaved() {
    TempDir dir;
    TIniGT settings(dir.Path(), "torvane");
    TPrinters printers(NoCupsPrinters);
    TAllPrintForm form(settings, printers);
    form.show();
    const int width50 = form.PrevX1()->width();
    form.RadioGroup1()->button(0)->click();
    QCOMPARE(form.PrevX1()->ZoomScale(), 25);
    QCOMPARE(settings.ReadInteger("PrintZoom", "ratio", -1), 0);
    QVERIFY(form.PrevX1()->width() < width50);
    form.RadioGroup1()->button(2)->click();
    QCOMPARE(form.PrevX1()->ZoomScale(), 75);
    QCOMPARE(settings.ReadInteger("PrintZoom", "ratio", -1), 2);
    // The scroll area follows the control's size.
    QTRY_COMPARE_WITH_TIMEOUT(form.ScrollBox1()->widget()->width(), form.PrevX1()->width() + 2, kWindowWaitMs);

    form.move(55, 66);
    form.resize(640, 480);
    form.BitBtn1()->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(settings.ReadInteger("Printlocate", "left", -1), form.x());
    QCOMPARE(settings.ReadInteger("Printlocate", "top", -1), form.y());
    QCOMPARE(settings.ReadInteger("Printlocate", "width", -1), 640);
    QCOMPARE(settings.ReadInteger("Printlocate", "height", -1), 480);
  }

  void PageSelectorStepsThroughTheRecordedPagesAndPdfSaveWritesThem() {
    TempDir dir;
    TIniGT settings(dir.Path(), "torvane");
    const std::filesystem::path pdf = dir / "saved.pdf";
    TPrinters printers(NoCupsPrinters, [&](QWidget*, const QString&) { return QString::fromStdString(pdf.string()); });
    TAllPrintForm form(settings, printers);
    torvane::TPrevX& prevX = *form.PrevX1();
    prevX.BeginDoc();
    prevX.NewPage();
    prevX.NewPage();
    prevX.EndDoc();
    form.UpDown1()->SetRange(1, 3);
    form.UpDown1()->SetPosition(1);
    for (int expected : {2, 3, 3}) {
      form.UpDown1()->NextButton()->click();
      QCOMPARE(prevX.CurrentPage(), expected);
    }
    form.UpDown1()->PrevButton()->click();
    QCOMPARE(prevX.CurrentPage(), 2);

    form.PdfButton()->click();
    QVERIFY(std::filesystem::file_size(pdf) > 0);
  }

  void PdfSaveOffersTheRaceInTheLastFolderAndAddsTheExtension() {
    TempDir dir;
    TIniGT settings(dir.Path(), "torvane");
    std::vector<QString> offered;
    TPrinters printers(NoCupsPrinters, [&](QWidget*, const QString& proposed) {
      offered.push_back(proposed);
      return QString::fromStdString(torvane::platform::Utf8OfPath(dir / "typed"));  // a name typed without ".pdf"
    });
    TAllPrintForm form(settings, printers);
    form.PrevX1()->SetPdfOffer({QStringLiteral("2026年12月12日中山8R.pdf"), &settings});
    form.PrevX1()->BeginDoc();
    form.PrevX1()->EndDoc();
    form.PdfButton()->click();
    form.PdfButton()->click();
    QVERIFY(std::filesystem::file_size(dir / "typed.pdf") > 0);
    QCOMPARE(offered.size(), 2u);
    // First the documents folder, or the home folder where there is none: a folder that is there.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(offered[0], QDir(QFileInfo(documents).isDir() ? documents : QDir::homePath())
                             .filePath(QStringLiteral("2026年12月12日中山8R.pdf")));
    QVERIFY(QFileInfo(QFileInfo(offered[0]).path()).isDir());
    QCOMPARE(offered[1], QDir(QString::fromStdString(torvane::platform::Utf8OfPath(dir.Path())))
                             .filePath(QStringLiteral("2026年12月12日中山8R.pdf")));
  }

  void InformationPrintOpensThePreviewOnPageOne() {
    TempDir dir;
    TIniGT settings(dir.Path(), "torvane");
    const auto ws = torvane::test::DemoRaceOf(19);
    int pages = 0, max = 0, page = 0;
    QString title;
    ModalWatcher watcher([&](QWidget* modal) {
      auto* form = qobject_cast<TAllPrintForm*>(modal);
      QVERIFY(form);
      title = form->windowTitle();
      pages = form->PrevX1()->PageCount();
      max = form->UpDown1()->Max();
      page = form->PrevX1()->CurrentPage();
      form->close();
    });
    torvane::ShowInformationPrint(nullptr, *ws, 0, settings);
    QTRY_COMPARE_WITH_TIMEOUT(watcher.ModalCount(), 1, kWindowWaitMs);
    QCOMPARE(title, QStringLiteral("特別登録馬リスト　印刷"));
    QCOMPARE(pages, 2);
    QCOMPARE(max, 2);
    QCOMPARE(page, 1);
    QCOMPARE(settings.ReadInteger("Printlocate", "width", -1), 630);  // closing saved the place
  }

  void InformationPrintWithoutPrinterIsTold() {
    TPrinters& printers = torvane::SystemPrinters();
    TempDir dir;
    TIniGT settings(dir.Path(), "torvane");
    printers.SetPdfPrinterEnabled(false);
    ModalWatcher watcher;
    torvane::ShowInformationPrint(nullptr, *torvane::test::DemoRaceOf(1), 0, settings);
    printers.SetPdfPrinterEnabled(true);
    QTRY_COMPARE_WITH_TIMEOUT(watcher.ModalCount(), 1, kWindowWaitMs);  // the error, no preview
    QCOMPARE(watcher.Messages().front().text, QStringLiteral("プリンタが登録されていません"));
    QCOMPARE(settings.ReadInteger("Printlocate", "width", -1), -1);
  }
};

QTEST_MAIN(AllPrintFormTest)
#include "AllPrintFormTest.moc"
