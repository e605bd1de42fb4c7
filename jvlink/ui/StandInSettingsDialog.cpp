#include "jvlink/ui/StandInSettingsDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "controls/ui/JapaneseTexts.h"
#include "jvlink/JVLinkStandIn.h"
#include "jvlink/StandInSettings.h"
#include "platform/Paths.h"
#include "platform/SystemErrorText.h"

namespace torvane {
namespace {

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(platform::Utf8OfPath(path)); }

}  // namespace

StandInSettingsDialog::StandInSettingsDialog(std::filesystem::path programDir, QWidget* parent)
    : QDialog(parent), programDir_(std::move(programDir)) {
  setObjectName(QStringLiteral("StandInSettingsDialog"));
  setWindowTitle(QStringLiteral("JV-Link 設定"));
  const StandInSettings settings = LoadStandInSettings(programDir_);

  serviceKey_ = new QLineEdit(QString::fromStdString(settings.serviceKey));
  serviceKey_->setObjectName(QStringLiteral("ServiceKey"));
  serviceKey_->setMinimumWidth(320);
  deliveryFolder_ = new QLineEdit(PathText(settings.deliveryFolder));
  deliveryFolder_->setObjectName(QStringLiteral("DeliveryFolder"));
  auto* browse = new QPushButton(QStringLiteral("参照..."));
  browse->setObjectName(QStringLiteral("BrowseButton"));
  connect(browse, &QPushButton::clicked, this, &StandInSettingsDialog::ChooseDeliveryFolder);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(deliveryFolder_, 1);
  folderRow->addWidget(browse);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("サービスキー:"), serviceKey_);
  form->addRow(QStringLiteral("配信フォルダ:"), folderRow);
  auto* note = new QLabel(QStringLiteral("相対パスはプログラムフォルダ (%1) からのパスです。\n"
                                         "サービスキーを空にすると、データを取得できません。")
                              .arg(PathText(programDir_)));
  note->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  SetDesignedCaptions(*buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (Save()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(note);
  column->addWidget(buttons);
}

void StandInSettingsDialog::ChooseDeliveryFolder() {
  const QString start =
      PathText(ResolvedFolder(programDir_, platform::PathFromUtf8(deliveryFolder_->text().toStdString())));
  const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("配信フォルダの選択"), start);
  if (!folder.isEmpty()) deliveryFolder_->setText(folder);
}

bool StandInSettingsDialog::Save() {
  StandInSettings settings = LoadStandInSettings(programDir_);
  settings.serviceKey = serviceKey_->text().trimmed().toStdString();
  settings.deliveryFolder = platform::PathFromUtf8(deliveryFolder_->text().trimmed().toStdString());
  try {
    SaveStandInSettings(programDir_, settings);
    return true;
  } catch (const std::exception& error) {
    QMessageBox::warning(
        this, windowTitle(),
        QStringLiteral("設定を保存できませんでした。\n") + QString::fromStdString(JapaneseErrorText(error)));
    return false;
  }
}

std::int32_t RunStandInSettingsDialog(const std::filesystem::path& programDir, QWidget* parent) {
  StandInSettingsDialog dialog(programDir, parent);
  dialog.exec();
  return 0;
}

void AttachStandInSettingsDialog(JVLink& link, const std::filesystem::path& programDir) {
  auto* standIn = dynamic_cast<JVLinkStandIn*>(&link);
  if (standIn == nullptr) return;
  standIn->SetSettingsDialog(
      [programDir] { return RunStandInSettingsDialog(programDir, QApplication::activeWindow()); });
}

}  // namespace torvane
