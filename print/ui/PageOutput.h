#pragma once
// Recorded pages onto paper: a print job on a printer, or a PDF file.

#include <QPicture>
#include <QSizeF>
#include <QString>
#include <deque>

#include "print/PreviewGeometry.h"

class QPagedPaintDevice;
class QPainter;

namespace torvane {

// One recorded page at its recorded pixel size, whatever the resolution of
// the painter's device (a picture on its own scales itself to that).
void DrawPage(QPainter& painter, const QPicture& page);

// Pages from..to (1-based, to cut at the last page) on a device whose
// painting origin is the printable area, each at its recorded size times
// scale; throws EPrevError when the device cannot be opened.
void PlayPages(QPagedPaintDevice& device, const std::deque<QPicture>& pages, int from, int to, QSizeF scale);

// A PDF file whose sheets are the paper of the printer the pages were
// recorded for, with that printer's printable area; throws EPrevError naming
// the file when it cannot be written.
void WritePdf(const QString& fileName, const std::deque<QPicture>& pages, const PrinterMetrics& recordedFor);

}  // namespace torvane
