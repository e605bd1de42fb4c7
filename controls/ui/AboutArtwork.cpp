#include "controls/ui/AboutArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <utility>

namespace torvane {
namespace {

// Drawn on a 300 x 200 canvas and scaled to the requested size.
constexpr int kCanvasWidth = 300;
constexpr int kCanvasHeight = 200;
constexpr int kHorizon = 112;

void DrawSky(QPainter& painter) {
  QLinearGradient sky(0, 0, 0, kHorizon);
  sky.setColorAt(0.0, QColor(0x9f, 0xc4, 0xe8));
  sky.setColorAt(0.7, QColor(0xe6, 0xee, 0xf2));
  sky.setColorAt(1.0, QColor(0xfb, 0xf1, 0xd8));
  painter.fillRect(QRect(0, 0, kCanvasWidth, kHorizon), sky);

  QRadialGradient sun(QPointF(250, kHorizon - 6), 70);
  sun.setColorAt(0.0, QColor(255, 244, 200, 230));
  sun.setColorAt(1.0, QColor(255, 244, 200, 0));
  painter.fillRect(QRect(150, 30, 150, kHorizon - 30), sun);
}

void DrawGrandstand(QPainter& painter) {
  QPainterPath stand;
  stand.moveTo(168, kHorizon);
  stand.lineTo(172, kHorizon - 14);
  stand.lineTo(232, kHorizon - 20);
  stand.lineTo(236, kHorizon);
  stand.closeSubpath();
  painter.fillPath(stand, QColor(0x6d, 0x7b, 0x8c));
  painter.fillRect(QRectF(170, kHorizon - 23, 66, 3), QColor(0x4c, 0x58, 0x66));
}

void DrawTurf(QPainter& painter) {
  QLinearGradient turf(0, kHorizon, 0, kCanvasHeight);
  turf.setColorAt(0.0, QColor(0x5d, 0x8f, 0x3e));
  turf.setColorAt(1.0, QColor(0x17, 0x3d, 0x1a));
  painter.fillRect(QRect(0, kHorizon, kCanvasWidth, kCanvasHeight - kHorizon), turf);

  // Mowing stripes running towards the horizon.
  painter.setPen(Qt::NoPen);
  for (int stripe = 0; stripe < 8; stripe += 2) {
    QPainterPath band;
    band.moveTo(stripe * 40 - 20, kCanvasHeight);
    band.lineTo(130 + stripe * 6, kHorizon);
    band.lineTo(136 + stripe * 6, kHorizon);
    band.lineTo(stripe * 40 + 20, kCanvasHeight);
    band.closeSubpath();
    painter.fillPath(band, QColor(255, 255, 255, 14));
  }
}

void DrawRails(QPainter& painter) {
  painter.setBrush(Qt::NoBrush);
  for (const auto& [offset, width] : {std::pair{0, 2.4}, std::pair{26, 1.6}}) {
    QPainterPath rail;
    rail.moveTo(-10, 150 + offset);
    rail.cubicTo(90, 118 + offset / 2.0, 200, kHorizon + 4 + offset / 4.0, 310, kHorizon + 2 + offset / 6.0);
    painter.setPen(QPen(QColor(250, 250, 250), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(rail);
  }
}

void DrawTitle(QPainter& painter) {
  QFont title(QStringLiteral("DejaVu Serif"));
  title.setStyleHint(QFont::Serif);
  title.setPixelSize(38);
  title.setBold(true);
  title.setItalic(true);
  painter.setFont(title);
  painter.setPen(QColor(255, 255, 255, 160));
  painter.drawText(QPoint(17, 53), QStringLiteral("Torvane"));
  painter.setPen(QColor(0x1b, 0x2f, 0x52));
  painter.drawText(QPoint(16, 52), QStringLiteral("Torvane"));

  QFont subtitle(QStringLiteral("DejaVu Sans"));
  subtitle.setStyleHint(QFont::SansSerif);
  subtitle.setPixelSize(11);
  painter.setFont(subtitle);
  painter.setPen(QColor(0x2d, 0x45, 0x6b));
  painter.drawText(QPoint(20, 70), QStringLiteral("for JRA-VAN Data Lab."));
}

}  // namespace

QPixmap AboutArtwork(QSize size) {
  QPixmap pixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(static_cast<qreal>(size.width()) / kCanvasWidth, static_cast<qreal>(size.height()) / kCanvasHeight);
  DrawSky(painter);
  DrawGrandstand(painter);
  DrawTurf(painter);
  DrawRails(painter);
  DrawTitle(painter);
  return pixmap;
}

}  // namespace torvane
