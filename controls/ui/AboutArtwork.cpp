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

// A soft line of trees along the far side of the course.
void DrawTreeLine(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x3f, 0x6b, 0x3a, 200));
  for (int x = -6; x < kCanvasWidth + 10; x += 11) {
    const int rise = 5 + (x * 7 % 5);
    painter.drawEllipse(QPointF(x, kHorizon - rise / 2.0), 9.0, rise + 2.0);
  }
}

// The winning post beside the rail: a white pole with its round sign.
void DrawWinningPost(QPainter& painter) {
  const QPointF foot(150, 126);
  const QPointF top(150, 94);
  painter.setPen(QPen(QColor(250, 250, 250), 2.2));
  painter.drawLine(foot, top);
  painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
  painter.setBrush(Qt::white);
  painter.drawEllipse(top, 8.0, 8.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xc8, 0x1e, 0x2b));
  painter.drawEllipse(top, 4.5, 4.5);
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
  DrawTreeLine(painter);
  DrawTurf(painter);
  DrawRails(painter);
  DrawWinningPost(painter);
  DrawTitle(painter);
  return pixmap;
}

}  // namespace torvane
