#include "controls/ui/AboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "controls/ui/AboutArtwork.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"
#include "controls/ui/PlainMessage.h"

namespace torvane {

TAboutBox::TAboutBox(QWidget* parent, UrlOpener urlOpener)
    : QDialog(parent), urlOpener_(std::move(urlOpener)), label3D1_(nullptr) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  setFont(DesignFont(kPGothicFace, 12));
  setFixedSize(324, 258);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setGeometry(6, 12, 307, 205);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  panel->setAutoFillBackground(true);
  QPalette black = panel->palette();
  black.setColor(QPalette::Window, Qt::black);
  panel->setPalette(black);

  auto* image = new QLabel(panel);
  image->setObjectName(QStringLiteral("Image1"));
  // The picture fills the panel inside its black margin on every side.
  image->setGeometry(2, 2, panel->width() - 4, panel->height() - 4);
  image->setScaledContents(true);
  image->setPixmap(AboutArtwork(image->size()));

  label3D1_ = new TLabel3Dj(panel);
  label3D1_->setObjectName(QStringLiteral("Label3D1"));
  QFont versionFont = DesignFont(kPGothicFace, 12, true);
  versionFont.setUnderline(true);
  label3D1_->setFont(versionFont);
  label3D1_->SetFontColor(Qt::black);
  label3D1_->SetTextStyle(TLabel3Dj::TTextStyle::tsRecessed);
  label3D1_->SetTransparent(true);
  label3D1_->move(202, 70);
  label3D1_->SetCaption(QStringLiteral("Version 1.00"));

  auto* label3D2 = new TLabel3Dj(panel);
  label3D2->setObjectName(QStringLiteral("Label3D2"));
  label3D2->setFont(DesignFont(kPGothicFace, 11, true));
  label3D2->SetFontColor(Qt::white);
  label3D2->SetTextStyle(TLabel3Dj::TTextStyle::tsRaised);
  label3D2->SetTransparent(true);
  label3D2->move(5, 188);
  label3D2->SetCaption(QStringLiteral("特別登録馬ビューア"));

  auto* homePage = new QPushButton(QStringLiteral("ホームページ"), this);
  homePage->setObjectName(QStringLiteral("Button1"));
  homePage->setGeometry(10, 226, 155, 21);
  homePage->setAutoDefault(false);
  connect(homePage, &QPushButton::clicked, this, &TAboutBox::Button1Click);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("BitBtn1"));
  ok->setGeometry(234, 224, 75, 25);
  ok->setDefault(true);
  // The icon the platform's standard OK buttons carry, as the other windows' OK buttons do.
  if (style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons, nullptr, this))
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton, nullptr, this));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::Button1Click() {
  if (!urlOpener_(QUrl(QString::fromLatin1(kHomePageAddress)))) {
    ShowPlainMessage(this, QStringLiteral("ホームページの表示に失敗しました。"));
  }
}

}  // namespace torvane
