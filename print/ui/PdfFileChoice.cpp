#include "print/ui/PdfFileChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "jvdata/Cp932.h"
#include "print/PdfFileName.h"
#include "print/ui/Printers.h"
#include "settings/IniGT.h"

namespace torvane {
namespace {

constexpr std::string_view kSection = "PdfSave";
constexpr std::string_view kFolderKey = "folder";

QString StartFolder(const TIniGT* settings) {
  if (settings) {
    const QString remembered = QString::fromStdString(Cp932ToUtf8(settings->ReadString(kSection, kFolderKey, "")));
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
  }
  // A folder that is not there would send the dialog to the process's
  // working folder: without a documents folder, the home folder.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

QString ChoosePdfFile(const TPrinters& printers, QWidget* parent, const PdfSaveOffer& offer) {
  const QString proposed = QDir(StartFolder(offer.settings)).filePath(offer.fileName);
  const QString chosen = printers.AskPdfFile(parent, proposed);
  if (chosen.isEmpty()) return {};
  const QString fileName = QString::fromStdString(WithPdfExtension(chosen.toStdString()));
  // Not being able to remember the folder costs the user nothing but a click next time.
  if (offer.settings)
    offer.settings->WriteString(kSection, kFolderKey, Utf8ToCp932(QFileInfo(fileName).absolutePath().toStdString()));
  return fileName;
}

}  // namespace torvane
