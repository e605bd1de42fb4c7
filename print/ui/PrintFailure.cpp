#include "print/ui/PrintFailure.h"

#include "controls/ui/MsgDlg.h"

namespace torvane {

void TellPrintFailure(QWidget* parent, const std::exception& error) {
  TMsgDlg::Tell(parent, TMsgDlg::TMsgDlgType::mtError, QString::fromUtf8(error.what()));
}

}  // namespace torvane
