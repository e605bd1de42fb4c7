#include "print/ui/PrintFailure.h"

#include "controls/ui/MsgDlg.h"

namespace torvane {

void TellPrintFailure(QWidget* parent, const std::exception& error) {
  TMsgDlg dialog(parent);
  dialog.SetSound(true);
  dialog.SetMsgDlgType(TMsgDlg::TMsgDlgType::mtError);
  dialog.SetDisplayMsg(QString::fromUtf8(error.what()));
  dialog.Execute();
}

}  // namespace torvane
