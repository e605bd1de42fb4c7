#include "print/ui/AllPrintForm.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "controls/ui/DesignFonts.h"
#include "controls/ui/JapaneseTexts.h"
#include "controls/ui/MsgDlg.h"
#include "controls/ui/ScreenAreas.h"
#include "controls/ui/UpDown.h"
#include "platform/Paths.h"
#include "print/PreviewGeometry.h"
#include "print/ui/PdfFileChoice.h"
#include "print/ui/PrevX.h"
#include "print/ui/PrintFailure.h"
#include "print/ui/PrinterSetupDialog.h"
#include "settings/IniGT.h"
#include "settings/WindowPlace.h"

namespace torvane {
namespace {

constexpr int kTopPanelHeight = 33;
// The preview window's control is laid out at 50 %, choice 1.
constexpr int kLayoutZoomScale = 50;
constexpr int kDefaultZoomChoice = 1;
constexpr int kWindowFontPixels = 12;

}  // namespace

TAllPrintForm::TAllPrintForm(TIniGT& settings, TPrinters& printers, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      settings_(settings),
      printers_(printers),
      prevX1_(new TPrevX(printers)) {
  setWindowTitle(QStringLiteral("全買い目印刷"));
  setFont(DesignFont(kPGothicFace, kWindowFontPixels));
  prevX1_->setObjectName(QStringLiteral("PrevX1"));
  prevX1_->SetZoomScale(kLayoutZoomScale);

  // PrevX1 stands at 2, 4 in the scroll area, which follows its size.
  auto* holder = new QWidget;
  auto* holderLayout = new QVBoxLayout(holder);
  holderLayout->setContentsMargins(2, 4, 0, 0);
  holderLayout->setSizeConstraint(QLayout::SetFixedSize);
  holderLayout->addWidget(prevX1_);
  scrollBox1_ = new QScrollArea(this);
  scrollBox1_->setWidget(holder);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The window keeps the size it is given, as designed, even where that cuts the top panel short.
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  layout->addWidget(BuildTopPanel());
  layout->addWidget(scrollBox1_, 1);
  FormCreate();
}

QWidget* TAllPrintForm::BuildTopPanel() {
  auto* panel = new QWidget(this);
  // At least the designed height; the zoom group's frame and caption need a little more here.
  panel->setMinimumHeight(kTopPanelHeight);
  panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(4, 2, 4, 2);
  // Tight enough that the zoom choice shows whole at the default width.
  row->setSpacing(3);

  bitBtn2_ = new QPushButton(QStringLiteral("印刷(&P)"), panel);
  bitBtn3_ = new QPushButton(QStringLiteral("ﾌﾟﾘﾝﾀ設定(&S)"), panel);
  pdfButton_ = new QPushButton(QStringLiteral("PDF保存"), panel);
  // The close button of the platform's standard kind.
  auto* closeBox = new QDialogButtonBox(QDialogButtonBox::Close, panel);
  SetDesignedCaptions(*closeBox);
  bitBtn1_ = closeBox->button(QDialogButtonBox::Close);
  connect(bitBtn2_, &QPushButton::clicked, this, &TAllPrintForm::BitBtn2Click);
  connect(bitBtn3_, &QPushButton::clicked, this, &TAllPrintForm::BitBtn3Click);
  connect(pdfButton_, &QPushButton::clicked, this, &TAllPrintForm::PdfButtonClick);
  connect(closeBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QWidget* button : {static_cast<QWidget*>(bitBtn2_), static_cast<QWidget*>(bitBtn3_),
                          static_cast<QWidget*>(pdfButton_), static_cast<QWidget*>(closeBox)})
    row->addWidget(button);

  auto* pageBox = new QVBoxLayout;
  pageBox->setSpacing(0);
  pageBox->addWidget(new QLabel(QStringLiteral("ﾍﾟｰｼﾞ選択"), panel));
  upDown1_ = new TUpDown(panel);
  upDown1_->setFixedSize(34, 14);
  pageBox->addWidget(upDown1_);
  connect(upDown1_, &TUpDown::Click, this, &TAllPrintForm::UpDown1Click);
  row->addLayout(pageBox);
  row->addStretch(1);

  auto* zoomBox = new QGroupBox(QStringLiteral("倍率"), panel);
  zoomBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  auto* zoomRow = new QHBoxLayout(zoomBox);
  zoomRow->setContentsMargins(4, 0, 4, 0);
  zoomRow->setSpacing(2);
  radioGroup1_ = new QButtonGroup(this);
  const QString choices[] = {QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("75%"),
                             QStringLiteral("100%")};
  for (int index = 0; index < 4; ++index) {
    auto* choice = new QRadioButton(choices[index], zoomBox);
    radioGroup1_->addButton(choice, index);
    zoomRow->addWidget(choice);
  }
  connect(radioGroup1_, &QButtonGroup::idClicked, this, &TAllPrintForm::RadioGroup1Click);
  row->addWidget(zoomBox);
  return panel;
}

void TAllPrintForm::FormCreate() {
  // As the main window: a place off the screens, or too large for them,
  // gives the defaults.
  const WindowRect place = SavedWindowPlace(settings_, "Printlocate", AvailableScreenAreas());
  move(place.left, place.top);
  resize(place.width, place.height);

  const int ratio = settings_.ReadInteger("PrintZoom", "ratio", kDefaultZoomChoice);
  if (QAbstractButton* choice = radioGroup1_->button(ratio)) choice->setChecked(true);
  if (const std::optional<int> zoom = ZoomOfChoice(ratio)) prevX1_->SetZoomScale(*zoom);
}

void TAllPrintForm::done(int result) {
  FormCloseQuery();
  QDialog::done(result);
}

void TAllPrintForm::FormCloseQuery() {
  const bool written =
      settings_.WriteIntegers("Printlocate", {{"top", y()}, {"left", x()}, {"width", width()}, {"height", height()}});
  if (!written) TellSettingsNotWritten();
}

void TAllPrintForm::TellSettingsNotWritten() {
  TMsgDlg::Tell(this, TMsgDlg::TMsgDlgType::mtWarning,
                QStringLiteral("設定ファイルに書き込めませんでした。\n") +
                    QString::fromStdString(platform::Utf8OfPath(settings_.FilePath())));
}

void TAllPrintForm::RadioGroup1Click(int index) {
  if (const std::optional<int> zoom = ZoomOfChoice(index)) prevX1_->SetZoomScale(*zoom);
  if (!settings_.WriteInteger("PrintZoom", "ratio", index)) TellSettingsNotWritten();
}

void TAllPrintForm::BitBtn2Click() {
  try {
    prevX1_->Print();
  } catch (const std::exception& error) {
    TellPrintFailure(this, error);
  }
}

void TAllPrintForm::BitBtn3Click() {
  TPrinterSetupDialog dialog(printers_, this);
  if (dialog.exec() == QDialog::Accepted) prevX1_->update();
}

void TAllPrintForm::PdfButtonClick() {
  const QString fileName = ChoosePdfFile(printers_, this, prevX1_->PdfOffer());
  if (fileName.isEmpty()) return;  // the user cancelled
  try {
    prevX1_->SavePdf(fileName);
  } catch (const std::exception& error) {
    TellPrintFailure(this, error);
  }
}

void TAllPrintForm::UpDown1Click() { prevX1_->SetPage(upDown1_->Position()); }

}  // namespace torvane
