#include "app/ui/TorvaneApplication.h"

#include <exception>
#include <new>

#include "controls/ui/MsgDlg.h"
#include "platform/SystemErrorText.h"

namespace torvane {
namespace {

QString FailureText(const std::exception& error) {
  const QString reason = dynamic_cast<const std::bad_alloc*>(&error) ? QStringLiteral("メモリが足りません。")
                                                                     : QString::fromStdString(JapaneseErrorText(error));
  return QStringLiteral("処理を続けられませんでした。\n") + reason;
}

}  // namespace

TorvaneApplication::TorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TorvaneApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    TMsgDlg::Tell(nullptr, TMsgDlg::TMsgDlgType::mtError, FailureText(error));
  } catch (...) {
    TMsgDlg::Tell(nullptr, TMsgDlg::TMsgDlgType::mtError, QStringLiteral("処理を続けられませんでした。"));
  }
  return true;
}

}  // namespace torvane
