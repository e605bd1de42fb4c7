#pragma once
// TMsgDlg: a message dialog set up once (type, buttons, position, sound) and
// run with a text whenever needed, like the warning box of the print commands.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <functional>

namespace torvane {

class TMsgDlg : public QObject {
  Q_OBJECT

 public:
  enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
  enum class TMsgPosition { poDesigned, poScreenCenter };

  // The dialog is modal to the parent's window when the parent is a widget.
  explicit TMsgDlg(QObject* parent = nullptr);

  bool Sound() const { return sound_; }
  void SetSound(bool sound) { sound_ = sound; }
  int MsgLeft() const { return msgLeft_; }
  void SetMsgLeft(int left) { msgLeft_ = left; }
  int MsgTop() const { return msgTop_; }
  void SetMsgTop(int top) { msgTop_ = top; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int helpContext) { helpContext_ = helpContext; }
  QString DisplayMsg() const { return displayMsg_; }
  void SetDisplayMsg(const QString& message) { displayMsg_ = message; }
  TMsgDlgType MsgDlgType() const { return msgDlgType_; }
  void SetMsgDlgType(TMsgDlgType type) { msgDlgType_ = type; }
  TMsgPosition MsgPosition() const { return msgPosition_; }
  void SetMsgPosition(TMsgPosition position) { msgPosition_ = position; }
  QMessageBox::StandardButtons VisibleButtons() const { return visibleButtons_; }
  void SetVisibleButtons(QMessageBox::StandardButtons buttons) { visibleButtons_ = buttons; }

  // The button that closed the last dialog.
  QMessageBox::StandardButton ModalResult() const { return modalResult_; }

  // The sound of the dialog's type; the platform's beep by default, which
  // is the one system sound the toolkit offers.
  void SetSoundPlayer(std::function<void(TMsgDlgType)> player) { soundPlayer_ = std::move(player); }

  // Shows the dialog and returns when the user has closed it.
  void Execute();

  // A dialog of the type, with its sound, shown at once with the text: what
  // a message that needs no other setting takes. Gives the button pressed.
  static QMessageBox::StandardButton Tell(QWidget* parent, TMsgDlgType type, const QString& text,
                                          QMessageBox::StandardButtons buttons = QMessageBox::Ok);

  // The window caption of a dialog type ("警告", "エラー", "情報", "確認").
  static QString Caption(TMsgDlgType type);

 signals:
  // After the dialog has closed, with the button pressed.
  void ButtonClick(TMsgDlg* sender, QMessageBox::StandardButton result);

 private:
  bool sound_ = false;
  int msgLeft_ = -1;
  int msgTop_ = -1;
  int helpContext_ = 0;
  QString displayMsg_;
  TMsgDlgType msgDlgType_ = TMsgDlgType::mtInformation;
  TMsgPosition msgPosition_ = TMsgPosition::poScreenCenter;
  QMessageBox::StandardButtons visibleButtons_ = QMessageBox::Ok;
  QMessageBox::StandardButton modalResult_ = QMessageBox::NoButton;
  std::function<void(TMsgDlgType)> soundPlayer_;
};

}  // namespace torvane
