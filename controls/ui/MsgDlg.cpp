#include "controls/ui/MsgDlg.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "controls/ui/JapaneseTexts.h"

namespace torvane {
namespace {

// A message box that moves itself once it knows its own size.
class PlacedMessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

  void CenterOnScreen() { placement_ = Placement::ScreenCenter; }
  void PlaceAt(int left, int top) {
    placement_ = Placement::Designed;
    left_ = left;
    top_ = top;
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    QPoint place = pos();
    if (placement_ == Placement::ScreenCenter) {
      const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
      if (shownOn) place = shownOn->geometry().center() - QPoint(width() / 2, height() / 2);
    } else {
      // A negative coordinate stays where the window system put it.
      if (left_ >= 0) place.setX(left_);
      if (top_ >= 0) place.setY(top_);
    }
    move(place);
    // Enter answers the box even when no other window of the program has
    // been active yet (as at start-up): it takes the keyboard itself.
    activateWindow();
  }

 private:
  enum class Placement { ScreenCenter, Designed };
  Placement placement_ = Placement::ScreenCenter;
  int left_ = -1;
  int top_ = -1;
};

QMessageBox::Icon IconOf(TMsgDlg::TMsgDlgType type) {
  switch (type) {
    case TMsgDlg::TMsgDlgType::mtWarning:
      return QMessageBox::Warning;
    case TMsgDlg::TMsgDlgType::mtError:
      return QMessageBox::Critical;
    case TMsgDlg::TMsgDlgType::mtInformation:
      return QMessageBox::Information;
    case TMsgDlg::TMsgDlgType::mtConfirmation:
      return QMessageBox::Question;
    case TMsgDlg::TMsgDlgType::mtCustom:
      return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

TMsgDlg::TMsgDlg(QObject* parent) : QObject(parent), soundPlayer_([](TMsgDlgType) { QApplication::beep(); }) {}

QString TMsgDlg::Caption(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning:
      return QStringLiteral("警告");
    case TMsgDlgType::mtError:
      return QStringLiteral("エラー");
    case TMsgDlgType::mtInformation:
      return QStringLiteral("情報");
    case TMsgDlgType::mtConfirmation:
      return QStringLiteral("確認");
    case TMsgDlgType::mtCustom:
      return QApplication::applicationDisplayName();
  }
  return {};
}

QMessageBox::StandardButton TMsgDlg::Tell(QWidget* parent, TMsgDlgType type, const QString& text,
                                          QMessageBox::StandardButtons buttons) {
  TMsgDlg dialog(parent);
  dialog.SetSound(true);
  dialog.SetMsgDlgType(type);
  dialog.SetDisplayMsg(text);
  dialog.SetVisibleButtons(buttons);
  dialog.Execute();
  return dialog.ModalResult();
}

void TMsgDlg::Execute() {
  if (sound_) soundPlayer_(msgDlgType_);
  PlacedMessageBox box(IconOf(msgDlgType_), Caption(msgDlgType_), displayMsg_, visibleButtons_,
                       qobject_cast<QWidget*>(parent()));
  SetDesignedCaptions(box);
  for (QAbstractButton* button : box.buttons()) {
    const QMessageBox::ButtonRole role = box.buttonRole(button);
    if (role == QMessageBox::AcceptRole || role == QMessageBox::YesRole) {
      box.setDefaultButton(qobject_cast<QPushButton*>(button));
      break;
    }
  }
  if (msgPosition_ == TMsgPosition::poScreenCenter) {
    box.CenterOnScreen();
  } else {
    box.PlaceAt(msgLeft_, msgTop_);
  }
  modalResult_ = static_cast<QMessageBox::StandardButton>(box.exec());
  emit ButtonClick(this, modalResult_);
}

}  // namespace torvane
