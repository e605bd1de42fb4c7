#pragma once
// The picture of the version window: a racecourse in the morning light with
// the program's name, drawn in code at any size.

#include <QPixmap>
#include <QSize>

namespace torvane {

QPixmap AboutArtwork(QSize size);

}  // namespace torvane
