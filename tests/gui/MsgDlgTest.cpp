// TMsgDlg: caption and icon by type, the sound before the dialog, the
// buttons and their result, the placement.
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "controls/ui/MsgDlg.h"
#include "tests/gui/support/ModalWatcher.h"

using torvane::TMsgDlg;
using Type = TMsgDlg::TMsgDlgType;
using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;

class MsgDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void EachTypeHasItsCaptionAndIcon() {
    const std::vector<std::tuple<Type, QString, QMessageBox::Icon>> cases = {
        {Type::mtWarning, QStringLiteral("警告"), QMessageBox::Warning},
        {Type::mtError, QStringLiteral("エラー"), QMessageBox::Critical},
        {Type::mtInformation, QStringLiteral("情報"), QMessageBox::Information},
        {Type::mtConfirmation, QStringLiteral("確認"), QMessageBox::Question},
    };
    TMsgDlg dialog;
    dialog.SetDisplayMsg(QStringLiteral("読み込むﾃﾞｰﾀがありません。"));
    ModalWatcher watcher;
    for (const auto& [type, caption, icon] : cases) {
      dialog.SetMsgDlgType(type);
      dialog.Execute();
    }
    QTRY_COMPARE_WITH_TIMEOUT(watcher.Messages().size(), cases.size(), kWindowWaitMs);
    for (std::size_t i = 0; i < cases.size(); ++i) {
      QCOMPARE(watcher.Messages()[i].title, std::get<1>(cases[i]));
      QCOMPARE(watcher.Messages()[i].icon, std::get<2>(cases[i]));
      QCOMPARE(watcher.Messages()[i].text, QStringLiteral("読み込むﾃﾞｰﾀがありません。"));
    }
  }

  void SoundPlaysBeforeTheDialogOnlyWhenAsked() {
    TMsgDlg dialog;
    dialog.SetMsgDlgType(Type::mtWarning);
    std::vector<bool> dialogUpWhenPlayed;
    std::vector<Type> played;
    dialog.SetSoundPlayer([&](Type type) {
      played.push_back(type);
      dialogUpWhenPlayed.push_back(QApplication::activeModalWidget() != nullptr);
    });
    ModalWatcher watcher;
    dialog.Execute();
    QVERIFY(played.empty());
    dialog.SetSound(true);
    dialog.Execute();
    QCOMPARE(played, std::vector<Type>{Type::mtWarning});
    QTRY_COMPARE_WITH_TIMEOUT(dialogUpWhenPlayed, std::vector<bool>{false}, kWindowWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(watcher.ModalCount(), 2, kWindowWaitMs);
  }

  void ResultOfThePressedButtonIsKeptAndReported() {
    TMsgDlg dialog;
    dialog.SetMsgDlgType(Type::mtConfirmation);
    dialog.SetVisibleButtons(QMessageBox::Yes | QMessageBox::No);
    QSignalSpy clicks(&dialog, &TMsgDlg::ButtonClick);
    {
      ModalWatcher watcher(QMessageBox::No);
      dialog.Execute();
    }
    QCOMPARE(dialog.ModalResult(), QMessageBox::No);
    {
      ModalWatcher watcher(QMessageBox::Yes);
      dialog.Execute();
    }
    QCOMPARE(dialog.ModalResult(), QMessageBox::Yes);
    QTRY_COMPARE_WITH_TIMEOUT(clicks.count(), 2, kWindowWaitMs);
    QCOMPARE(clicks[0][0].value<TMsgDlg*>(), &dialog);
    QCOMPARE(clicks[0][1].value<QMessageBox::StandardButton>(), QMessageBox::No);
  }

  void DesignedPlaceIsUsedOnlyOutsideScreenCentre() {
    TMsgDlg dialog;
    dialog.SetMsgLeft(40);
    dialog.SetMsgTop(30);
    ModalWatcher watcher;
    dialog.Execute();  // centred: the designed place is ignored
    dialog.SetMsgPosition(TMsgDlg::TMsgPosition::poDesigned);
    dialog.Execute();
    QTRY_COMPARE_WITH_TIMEOUT(watcher.Messages().size(), 2u, kWindowWaitMs);
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY(watcher.Messages()[0].position != QPoint(40, 30));
    QVERIFY((watcher.Messages()[0].position - centre).manhattanLength() < 400);
    QVERIFY(watcher.Messages()[0].position.x() < centre.x() && watcher.Messages()[0].position.y() < centre.y());
    QCOMPARE(watcher.Messages()[1].position, QPoint(40, 30));
  }
};

QTEST_MAIN(MsgDlgTest)
#include "MsgDlgTest.moc"
