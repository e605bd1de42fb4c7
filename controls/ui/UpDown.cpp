#include "controls/ui/UpDown.h"

#include <QToolButton>
#include <algorithm>

namespace torvane {

TUpDown::TUpDown(QWidget* parent) : QWidget(parent), prev_(new QToolButton(this)), next_(new QToolButton(this)) {
  prev_->setObjectName(QStringLiteral("PrevButton"));
  next_->setObjectName(QStringLiteral("NextButton"));
  prev_->setArrowType(Qt::LeftArrow);
  next_->setArrowType(Qt::RightArrow);
  for (QToolButton* button : {prev_, next_}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
  }
  connect(prev_, &QToolButton::clicked, this, [this] { Step(TUDBtnType::btPrev); });
  connect(next_, &QToolButton::clicked, this, [this] { Step(TUDBtnType::btNext); });
}

void TUpDown::SetPosition(int position) { position_ = std::clamp(position, min_, max_); }

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  SetPosition(position_);
}

void TUpDown::Step(TUDBtnType button) {
  SetPosition(position_ + (button == TUDBtnType::btNext ? 1 : -1));
  emit Click(button);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
  const int half = width() / 2;
  prev_->setGeometry(0, 0, half, height());
  next_->setGeometry(half, 0, width() - half, height());
  QWidget::resizeEvent(event);
}

}  // namespace torvane
