#include "controls/ui/JapaneseFileList.h"

#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace torvane {
namespace {

// The columns of QFileSystemModel.
constexpr int kKindColumn = 2;
constexpr int kDateColumn = 3;

class JapaneseFileListModel final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == kKindColumn) {
      if (files->isDir(source)) return QStringLiteral("フォルダー");
      const QString suffix = files->fileInfo(source).suffix();
      return suffix.isEmpty() ? QStringLiteral("ファイル") : suffix + QStringLiteral(" ファイル");
    }
    if (index.column() == kDateColumn)
      return QLocale(QLocale::Japanese, QLocale::Japan).toString(files->lastModified(source), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
  }
};

}  // namespace

void SetJapaneseFileList(QFileDialog& dialog) { dialog.setProxyModel(new JapaneseFileListModel(&dialog)); }

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
  QFileDialog dialog(parent, caption, proposed, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  SetJapaneseFileList(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace torvane
