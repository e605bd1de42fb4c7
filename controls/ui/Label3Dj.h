#pragma once
// TLabel3Dj: a text label that draws its caption embossed (raised, recessed or
// with a shadow), optionally rotated and framed, and that can act as a web or
// mail link. Besides its own properties it has those of a plain label:
// caption, font and font colour, background colour, alignment, layout, word
// wrap, transparency, auto size and the accelerator character.

#include <QColor>
#include <QString>
#include <QWidget>

#include "controls/ui/UrlOpener.h"

class QPainter;

namespace torvane {

class TLabel3Dj : public QWidget {
  Q_OBJECT

 public:
  enum class TBorderType { btDefault, btRecessed, btRaised };
  enum class TTextStyle { tsNone, tsRaised, tsLightRaised, tsRecessed, tsHeavyRecessed, tsShadow };
  enum class TLabelStyle { lsDefault, lsWWWAddress, lsEMailAddress };
  enum class TEllipsesStyle { esNone, esEnd, esPath };
  enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
  enum class TTextLayout { tlTop, tlCenter, tlBottom };

  explicit TLabel3Dj(QWidget* parent = nullptr);

  // The plain label's properties.
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // Background colour, used when not transparent; the parent's by default.
  QColor Color() const;
  void SetColor(const QColor& color);
  // Text colour; the window text colour by default.
  QColor FontColor() const;
  void SetFontColor(const QColor& color);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool showAccelChar);

  // The 3-D label's own properties.
  QColor BorderColor() const { return borderColor_; }
  void SetBorderColor(const QColor& color);
  Qt::PenStyle BorderPenStyle() const { return borderPenStyle_; }
  void SetBorderPenStyle(Qt::PenStyle style);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  bool Border() const { return border_; }
  void SetBorder(bool border);
  TBorderType BorderType() const { return borderType_; }
  void SetBorderType(TBorderType type);
  // Counter-clockwise rotation in degrees, kept within 0..360.
  int Escapement() const { return escapement_; }
  void SetEscapement(int degrees);
  TTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TTextStyle style);
  TLabelStyle LabelStyle() const { return labelStyle_; }
  void SetLabelStyle(TLabelStyle style);
  QString Address() const { return address_; }
  void SetAddress(const QString& address);
  TEllipsesStyle EllipsesStyle() const { return ellipsesStyle_; }
  void SetEllipsesStyle(TEllipsesStyle style);
  // Offset of the shadow of tsShadow.
  int Shift() const { return shift_; }
  void SetShift(int shift);

  // How a link label opens its address; the desktop's opener by default.
  void SetUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }

  QSize sizeHint() const override;

 signals:
  void MouseEnter();
  void MouseExit();
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool IsLink() const { return labelStyle_ != TLabelStyle::lsDefault; }
  bool IsRotated() const { return escapement_ != 0; }
  int TextFlags() const;
  QString ShownText(int availableWidth) const;
  QSize TextSize() const;
  void AdjustBounds();
  void DrawFrame(QPainter& painter) const;
  void DrawCaption(QPainter& painter, QPoint offset, const QColor& color) const;
  void OpenAddress();

  QString caption_;
  QColor color_;      // invalid: the palette's
  QColor fontColor_;  // invalid: the palette's
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
  bool transparent_ = false;
  bool autoSize_ = true;
  bool showAccelChar_ = true;

  QColor borderColor_ = Qt::red;
  Qt::PenStyle borderPenStyle_ = Qt::SolidLine;
  int borderWidth_ = 1;
  bool border_ = false;
  TBorderType borderType_ = TBorderType::btDefault;
  int escapement_ = 0;
  TTextStyle textStyle_ = TTextStyle::tsRaised;
  TLabelStyle labelStyle_ = TLabelStyle::lsDefault;
  QString address_;
  TEllipsesStyle ellipsesStyle_ = TEllipsesStyle::esNone;
  int shift_ = 1;

  UrlOpener urlOpener_;
  QColor colourBeforeHover_;
  bool pressed_ = false;
};

}  // namespace torvane
