#include "controls/ui/Label3Dj.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "controls/ui/Label3DjRotation.h"

namespace torvane {

TLabel3Dj::TLabel3Dj(QWidget* parent) : QWidget(parent), urlOpener_(DesktopUrlOpener()) {
  QFont labelFont = font();
  labelFont.setFamily(QStringLiteral("Arial"));
  setFont(labelFont);
  AdjustBounds();
}

void TLabel3Dj::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  AdjustBounds();
  update();
}

QColor TLabel3Dj::Color() const { return color_.isValid() ? color_ : palette().color(QPalette::Window); }

void TLabel3Dj::SetColor(const QColor& color) {
  color_ = color;
  update();
}

QColor TLabel3Dj::FontColor() const {
  return fontColor_.isValid() ? fontColor_ : palette().color(QPalette::WindowText);
}

void TLabel3Dj::SetFontColor(const QColor& color) {
  fontColor_ = color;
  update();
}

void TLabel3Dj::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  update();
}

void TLabel3Dj::SetLayout(TTextLayout layout) {
  layout_ = layout;
  update();
}

void TLabel3Dj::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  AdjustBounds();
  update();
}

void TLabel3Dj::SetTransparent(bool transparent) {
  transparent_ = transparent;
  update();
}

void TLabel3Dj::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel3Dj::SetShowAccelChar(bool showAccelChar) {
  showAccelChar_ = showAccelChar;
  AdjustBounds();
  update();
}

void TLabel3Dj::SetBorderColor(const QColor& color) {
  borderColor_ = color;
  repaint();
}

void TLabel3Dj::SetBorderPenStyle(Qt::PenStyle style) {
  borderPenStyle_ = style;
  repaint();
}

void TLabel3Dj::SetBorderWidth(int width) {
  borderWidth_ = width;
  repaint();
}

void TLabel3Dj::SetBorder(bool border) {
  border_ = border;
  repaint();
}

void TLabel3Dj::SetBorderType(TBorderType type) {
  if (type == borderType_) return;
  borderType_ = type;
  repaint();
}

void TLabel3Dj::SetEscapement(int degrees) {
  if (degrees == escapement_) return;
  escapement_ = NormalizedEscapement(degrees);
  AdjustBounds();
  update();
}

void TLabel3Dj::SetTextStyle(TTextStyle style) {
  if (style == textStyle_) return;
  textStyle_ = style;
  update();
}

void TLabel3Dj::SetLabelStyle(TLabelStyle style) { labelStyle_ = style; }

void TLabel3Dj::SetAddress(const QString& address) { address_ = address; }

void TLabel3Dj::SetEllipsesStyle(TEllipsesStyle style) {
  if (style == ellipsesStyle_) return;
  ellipsesStyle_ = style;
  // A shortened text needs a size of its own, which auto size would undo.
  if (style != TEllipsesStyle::esNone) autoSize_ = false;
  update();
}

void TLabel3Dj::SetShift(int shift) {
  if (shift == shift_) return;
  shift_ = shift;
  repaint();
}

int TLabel3Dj::TextFlags() const {
  int flags = Qt::TextExpandTabs;
  if (wordWrap_) flags |= Qt::TextWordWrap;
  if (showAccelChar_) flags |= Qt::TextShowMnemonic;
  switch (alignment_) {
    case TAlignment::taLeftJustify:
      flags |= Qt::AlignLeft;
      break;
    case TAlignment::taRightJustify:
      flags |= Qt::AlignRight;
      break;
    case TAlignment::taCenter:
      flags |= Qt::AlignHCenter;
      break;
  }
  switch (layout_) {
    case TTextLayout::tlTop:
      flags |= Qt::AlignTop;
      break;
    case TTextLayout::tlCenter:
      flags |= Qt::AlignVCenter | Qt::TextSingleLine;
      break;
    case TTextLayout::tlBottom:
      flags |= Qt::AlignBottom | Qt::TextSingleLine;
      break;
  }
  return flags;
}

QString TLabel3Dj::ShownText(int availableWidth) const {
  if (ellipsesStyle_ == TEllipsesStyle::esNone) return caption_;
  const Qt::TextElideMode mode = ellipsesStyle_ == TEllipsesStyle::esEnd ? Qt::ElideRight : Qt::ElideMiddle;
  return QFontMetrics(font()).elidedText(caption_, mode, availableWidth);
}

QSize TLabel3Dj::TextSize() const {
  const QFontMetrics metrics(font());
  // An empty caption still takes one line, so an auto-sized label never collapses.
  const QString text = caption_.isEmpty() ? QStringLiteral(" ") : caption_;
  if (IsRotated()) {
    const RotatedTextPlacement placement =
        PlaceRotatedText(escapement_, metrics.horizontalAdvance(text), metrics.height());
    return {placement.width, placement.height};
  }
  const int flags = Qt::TextExpandTabs | (showAccelChar_ ? Qt::TextShowMnemonic : 0);
  if (wordWrap_) return metrics.boundingRect(QRect(0, 0, width(), 1 << 20), flags | Qt::TextWordWrap, text).size();
  return metrics.boundingRect(QRect(), flags, text).size();
}

QSize TLabel3Dj::sizeHint() const { return TextSize(); }

void TLabel3Dj::AdjustBounds() {
  if (!autoSize_) return;
  const QSize size = TextSize();
  if (wordWrap_ && !IsRotated()) {
    resize(width(), size.height());
  } else {
    resize(size);
  }
}

void TLabel3Dj::DrawFrame(QPainter& painter) const {
  QPen pen(borderColor_, borderWidth_, borderPenStyle_);
  pen.setJoinStyle(Qt::MiterJoin);
  // Lines run through pixel centres, so a one-pixel pen covers exactly the
  // outermost pixels of the client area.
  const qreal right = width() - 0.5;
  const qreal bottom = height() - 0.5;
  if (borderType_ == TBorderType::btDefault) {
    painter.setPen(pen);
    painter.drawRect(QRectF(QPointF(0.5, 0.5), QPointF(right, bottom)));
    return;
  }
  const QColor grey(128, 128, 128);
  const QColor white(255, 255, 255);
  const bool recessed = borderType_ == TBorderType::btRecessed;
  pen.setColor(recessed ? grey : white);
  painter.setPen(pen);
  painter.drawLine(QPointF(0.5, 0.5), QPointF(right, 0.5));
  painter.drawLine(QPointF(0.5, 0.5), QPointF(0.5, bottom));
  pen.setColor(recessed ? white : grey);
  painter.setPen(pen);
  painter.drawLine(QPointF(0.5, bottom), QPointF(right, bottom));
  painter.drawLine(QPointF(right, 0.5), QPointF(right, bottom));
}

void TLabel3Dj::DrawCaption(QPainter& painter, QPoint offset, const QColor& color) const {
  painter.setPen(color);
  if (!IsRotated()) {
    painter.drawText(rect().translated(offset), TextFlags(), ShownText(width()));
    return;
  }
  const QFontMetrics metrics(font());
  const int textWidth = metrics.horizontalAdvance(caption_);
  const int textHeight = metrics.height();
  RotatedTextPlacement placement = PlaceRotatedText(escapement_, textWidth, textHeight);
  if (!autoSize_) {
    if (alignment_ == TAlignment::taCenter) placement.dx += (width() - placement.width) / 2;
    if (alignment_ == TAlignment::taRightJustify) placement.dx += width() - placement.width;
  }
  painter.save();
  painter.translate(placement.dx + offset.x(), placement.dy + offset.y());
  painter.rotate(-escapement_);  // Qt turns clockwise on a y-down surface
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextSingleLine |
                    (showAccelChar_ ? Qt::TextShowMnemonic : 0);
  painter.drawText(QRect(0, 0, textWidth, textHeight), flags, caption_);
  painter.restore();
}

void TLabel3Dj::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!transparent_) painter.fillRect(rect(), Color());
  if (border_ && borderWidth_ > 0) DrawFrame(painter);
  painter.setFont(font());

  const QColor shadow = palette().color(QPalette::Active, QPalette::Dark);
  const QColor highlight = palette().color(QPalette::Active, QPalette::Light);
  switch (textStyle_) {
    case TTextStyle::tsNone:
      break;
    case TTextStyle::tsRaised:
      DrawCaption(painter, {1, 1}, shadow);
      break;
    case TTextStyle::tsLightRaised:
      DrawCaption(painter, {1, 1}, shadow);
      DrawCaption(painter, {-1, -1}, highlight);
      break;
    case TTextStyle::tsRecessed:
      DrawCaption(painter, {1, 1}, highlight);
      break;
    case TTextStyle::tsHeavyRecessed:
      DrawCaption(painter, {1, 1}, highlight);
      DrawCaption(painter, {-1, -1}, shadow);
      break;
    case TTextStyle::tsShadow:
      DrawCaption(painter, {shift_, shift_}, shadow);
      break;
  }
  DrawCaption(painter, {0, 0}, isEnabled() ? FontColor() : palette().color(QPalette::Disabled, QPalette::WindowText));
}

void TLabel3Dj::enterEvent(QEnterEvent* event) {
  if (IsLink()) {
    colourBeforeHover_ = fontColor_;
    QFont hoverFont = font();
    hoverFont.setUnderline(true);
    setFont(hoverFont);
    setCursor(Qt::PointingHandCursor);
    fontColor_ = Qt::red;
    update();
  }
  emit MouseEnter();
  QWidget::enterEvent(event);
}

void TLabel3Dj::leaveEvent(QEvent* event) {
  if (IsLink()) {
    unsetCursor();
    QFont plainFont = font();
    plainFont.setUnderline(false);
    setFont(plainFont);
    fontColor_ = colourBeforeHover_;
    update();
  }
  emit MouseExit();
  QWidget::leaveEvent(event);
}

void TLabel3Dj::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  QWidget::mousePressEvent(event);
}

void TLabel3Dj::mouseReleaseEvent(QMouseEvent* event) {
  const bool clicked = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (clicked) {
    if (IsLink() && !address_.isEmpty()) OpenAddress();
    emit Click();
  }
  QWidget::mouseReleaseEvent(event);
}

void TLabel3Dj::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) AdjustBounds();
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange) update();
  QWidget::changeEvent(event);
}

void TLabel3Dj::OpenAddress() {
  setCursor(Qt::WaitCursor);
  const QUrl url = labelStyle_ == TLabelStyle::lsEMailAddress ? QUrl(QStringLiteral("mailto:") + address_)
                                                              : QUrl::fromUserInput(address_);
  // A link that cannot be opened is not worth interrupting the user for.
  (void)urlOpener_(url);
  setCursor(Qt::PointingHandCursor);
}

}  // namespace torvane
