#include "controls/ui/JapaneseTexts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace torvane {
namespace {

// The caption of a standard button as the window design has it; empty for
// one the design does not name.
QString DesignedCaption(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return QStringLiteral("はい");
    case QMessageBox::No:
      return QStringLiteral("いいえ");
    case QMessageBox::Ok:
      return QStringLiteral("OK");
    case QMessageBox::Cancel:
      return QStringLiteral("キャンセル");
    case QMessageBox::Close:
      return QStringLiteral("閉じる");
    default:
      return {};
  }
}

template <typename Box>
void SetCaptionsOf(Box& box) {
  for (QAbstractButton* button : box.buttons()) {
    const QString caption = DesignedCaption(box.standardButton(button));
    if (!caption.isEmpty()) button->setText(caption);
  }
}

}  // namespace

bool InstallJapaneseTexts(QCoreApplication& application) {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  auto* translator = new QTranslator(&application);
  // The program's own copy (the Windows build carries one: Qt is linked in
  // there, without a translations folder), else Qt's installed one.
  const auto load = [&](const QString& folder) {
    return translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder);
  };
  if (!load(QStringLiteral(":/translations")) && !load(QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

void SetDesignedCaptions(QMessageBox& box) { SetCaptionsOf(box); }
void SetDesignedCaptions(QDialogButtonBox& box) { SetCaptionsOf(box); }

}  // namespace torvane
