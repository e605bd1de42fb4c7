// The stand-in's settings dialog: what it shows, what OK keeps, that a save
// which fails keeps the dialog open with what was typed, and that the
// stand-in's JVSetUIProperties opens it.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "jvlink/JVLinkStandIn.h"
#include "jvlink/StandInSettings.h"
#include "jvlink/ui/StandInSettingsDialog.h"
#include "platform/Paths.h"
#include "tests/gui/support/ModalWatcher.h"
#include "tests/support/TempDir.h"

using namespace torvane;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;
using torvane::test::TempDir;

class StandInSettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheStoredSettingsAndSavesTheEditedOnes() {
    TempDir dir;
    StandInSettingsDialog dialog(dir.Path());
    QCOMPARE(dialog.ServiceKeyEdit()->text(), QString::fromUtf8(kTrialServiceKey.data()));
    QCOMPARE(dialog.DeliveryFolderEdit()->text(), QString::fromUtf8(kDefaultDeliveryFolder.data()));
    dialog.ServiceKeyEdit()->setText(QStringLiteral("  MY-KEY  "));
    dialog.DeliveryFolderEdit()->setText(QStringLiteral("/srv/配信"));
    QVERIFY(dialog.Save());
    const StandInSettings saved = LoadStandInSettings(dir.Path());
    QCOMPARE(saved.serviceKey, std::string("MY-KEY"));
    QCOMPARE(saved.deliveryFolder, platform::PathFromUtf8("/srv/配信"));
    QCOMPARE(saved.cacheFolder, std::filesystem::path(kDefaultCacheFolder));
  }

  void AFailedSaveIsToldAndKeepsTheDialogOpen() {
    TempDir dir;
    // A directory where the settings file belongs: it cannot be written.
    std::filesystem::create_directory(dir / (std::string(kStandInSettingsName) + ".ini"));
    StandInSettingsDialog dialog(dir.Path());
    dialog.show();
    dialog.ServiceKeyEdit()->setText(QStringLiteral("KEY"));
    ModalWatcher watcher;
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QTRY_COMPARE_WITH_TIMEOUT(watcher.Messages().size(), 1u, kWindowWaitMs);
    QVERIFY(watcher.Messages()[0].text.startsWith(QStringLiteral("設定を保存できませんでした。")));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.ServiceKeyEdit()->text(), QStringLiteral("KEY"));
  }

  void JVSetUIPropertiesOfTheStandInOpensIt() {
    TempDir dir;
    JVLinkStandIn standIn(dir.Path());
    AttachStandInSettingsDialog(standIn, dir.Path());
    QString shown;
    ModalWatcher watcher([&](QWidget* modal) {
      shown = modal->objectName();
      auto* dialog = qobject_cast<StandInSettingsDialog*>(modal);
      QVERIFY(dialog);
      dialog->ServiceKeyEdit()->clear();
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(standIn.JVSetUIProperties(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(shown, QStringLiteral("StandInSettingsDialog"), kWindowWaitMs);
    QCOMPARE(LoadStandInSettings(dir.Path()).serviceKey, std::string());
  }
};

QTEST_MAIN(StandInSettingsDialogTest)
#include "StandInSettingsDialogTest.moc"
