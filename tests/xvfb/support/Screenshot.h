#pragma once
// Screenshots of the real-window tests, saved for a person to look at.

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace torvane::test {

// Saves what the screen shows of the widget (dialogs over it included) as
// <name>.png in the build's screenshot folder.
inline void Shot(QWidget& widget, const QString& name) {
  QApplication::processEvents();
  const QRect place = widget.frameGeometry();
  const QPixmap pixmap = widget.screen()->grabWindow(0, place.x(), place.y(), place.width(), place.height());
  QDir().mkpath(QStringLiteral(TORVANE_SCREENSHOT_DIR));
  QVERIFY(pixmap.save(QStringLiteral(TORVANE_SCREENSHOT_DIR "/") + name + QStringLiteral(".png")));
}

}  // namespace torvane::test
