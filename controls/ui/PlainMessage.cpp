#include "controls/ui/PlainMessage.h"

#include <QApplication>
#include <QMessageBox>

#include "controls/ui/JapaneseTexts.h"

namespace torvane {

void ShowPlainMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
  SetDesignedCaptions(box);
  box.exec();
}

}  // namespace torvane
