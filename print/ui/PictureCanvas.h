#pragma once
// A print canvas that records each page as a vector picture in printer
// pixels, the origin at the top-left corner of the printable area. Logical
// units become pixels through ScaleX/ScaleY, pen widths through
// ScalePenWidth; fonts are sized for the printer's vertical resolution so
// that points come out at their true size on paper.

#include <QFont>
#include <QPicture>
#include <deque>
#include <functional>
#include <memory>

#include "print/PreviewGeometry.h"
#include "print/PrintCanvasState.h"
#include "print/PrintUnits.h"

class QPainter;

namespace torvane {

// What a document is recorded for: the printer and the screen resolution
// that pen widths count in.
struct RecordingTarget {
  PrinterMetrics printer;
  int screenDpi = 96;
};

class PictureCanvas : public StatefulPrintCanvas {
 public:
  // The target is asked for at every BeginDoc; whatever it throws leaves the
  // pages recorded before as they are.
  explicit PictureCanvas(std::function<RecordingTarget()> target);
  ~PictureCanvas() override;

  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  // The printable height of the target's printer.
  int PageHeight() const override;

  void TextOut(int x, int y, std::string_view text) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;

  int ScaleX(int x) const;
  int ScaleY(int y) const;
  int ScalePenWidth(int w) const;

  int MarginLeft() const { return marginLeft_; }
  void SetMarginLeft(int logical) { marginLeft_ = logical; }
  int MarginTop() const { return marginTop_; }
  void SetMarginTop(int logical) { marginTop_ = logical; }
  TPrevMapModes MapMode() const { return mapMode_; }
  void SetMapMode(TPrevMapModes mode) { mapMode_ = mode; }

  // The pages of the last document, each sized to the printable area.
  const std::deque<QPicture>& Pages() const { return pages_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // The target of the last BeginDoc.
  const RecordingTarget& Target() const { return target_; }
  // Between BeginDoc and EndDoc.
  bool Recording() const { return painter_ != nullptr; }

 private:
  void OpenPage();
  void ClosePage();
  QPainter& Painter(const char* operation);
  void ApplyPen(QPainter& painter) const;
  QFont CurrentFont() const;

  std::function<RecordingTarget()> targetSource_;
  RecordingTarget target_;
  std::deque<QPicture> pages_;  // a deque: the open painter keeps the address of its page
  std::unique_ptr<QPainter> painter_;

  int marginLeft_ = 0;
  int marginTop_ = 0;
  TPrevMapModes mapMode_ = TPrevMapModes::pmmHi;
};

}  // namespace torvane
