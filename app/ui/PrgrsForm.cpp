#include "app/ui/PrgrsForm.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>

#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"

namespace torvane {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kPaleYellow(255, 255, 192);
const QColor kSkyBlue(166, 202, 240);

void FillWith(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

TLabel3Dj* LineLabel(QWidget* parent, const char* name, int top, const QColor& background) {
  auto* label = new TLabel3Dj(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(DesignFont(kGothicFace, 15, true));
  label->SetAutoSize(false);
  label->setGeometry(1, top, 339, 15);
  label->SetAlignment(TLabel3Dj::TAlignment::taCenter);
  label->SetFontColor(kBlue);
  label->SetColor(background);
  label->SetTransparent(false);
  return label;
}

}  // namespace

TPrgrsForm::TPrgrsForm(QWidget* blockedWindow)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      blockedWindow_(blockedWindow),
      statusLabel_(nullptr),
      progressBar_(nullptr) {
  setObjectName(QStringLiteral("PrgrsForm"));
  setFixedSize(349, 59);
  FillWith(this, kBlue);

  auto* inner = new QFrame(this);
  inner->setObjectName(QStringLiteral("Panel2"));
  inner->setGeometry(4, 4, 341, 51);
  inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
  inner->setLineWidth(1);
  FillWith(inner, palette().color(QPalette::Button));

  auto* title = LineLabel(inner, "TitleLabel", 1, kPaleYellow);
  title->SetCaption(QStringLiteral("データを読み込んでいます"));

  statusLabel_ = LineLabel(inner, "StatusLabel", 16, kSkyBlue);
  statusLabel_->SetBorder(true);
  statusLabel_->SetBorderType(TLabel3Dj::TBorderType::btRecessed);

  progressBar_ = new QProgressBar(inner);
  progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
  progressBar_->setGeometry(1, 31, 339, 19);
  progressBar_->setTextVisible(false);
}

void TPrgrsForm::Open(std::string_view status, int barMaximum) {
  progressBar_->setRange(0, barMaximum);
  progressBar_->setValue(0);
  SetStatus(status);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
  if (blockedWindow_) blockedWindow_->setEnabled(false);
  show();
  raise();
  LetPendingEventsThrough();
}

void TPrgrsForm::SetStatus(std::string_view status) {
  statusLabel_->SetCaption(QString::fromUtf8(status.data(), static_cast<qsizetype>(status.size())));
}

void TPrgrsForm::Advance() {
  if (progressBar_->value() < progressBar_->maximum()) progressBar_->setValue(progressBar_->value() + 1);
}

void TPrgrsForm::LetPendingEventsThrough() { QCoreApplication::processEvents(); }

void TPrgrsForm::Close() {
  hide();
  if (blockedWindow_) blockedWindow_->setEnabled(true);
}

}  // namespace torvane
