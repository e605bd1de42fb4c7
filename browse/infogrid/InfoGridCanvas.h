#pragma once
// The canvas the cell drawing draws on: it keeps the current fill colour
// and font the way a window canvas does, so that a font setting stays in
// force for the following texts of the same cell, and records every
// operation into a CellDrawing.

#include <string>

#include "browse/infogrid/InfoGridDrawing.h"
#include "browse/infogrid/InfoGridGeometry.h"
#include "browse/infogrid/InfoGridTextMeasure.h"

namespace torvane {

struct CellSize {
  int width = 0;   // Right - Left
  int height = 0;  // Bottom - Top
};

class InfoGridCanvas {
 public:
  // Starts as the grid prepares every cell: its own background as the fill
  // colour, the base font in the grid's text colour.
  InfoGridCanvas(CellSize size, const TextMeasure& measure, CellDrawing& drawing);

  CellSize Size() const { return size_; }

  void Fill(Colour colour);
  void SetFont(int points, bool bold, Colour colour);
  void SetSize(int points) { font_.points = points; }
  void SetBold(bool bold) { font_.bold = bold; }
  void SetColour(Colour colour) { colour_ = colour; }

  // Draws text with its top-left corner at (x, y) in the current font; its extent.
  TextExtent Text(int x, int y, std::string text);
  // TextMeasure::DrawnLineHeight of the current font.
  int DrawnLineHeight() const { return measure_.DrawnLineHeight(font_); }
  void BottomLine();

 private:
  CellSize size_;
  const TextMeasure& measure_;
  CellDrawing& drawing_;
  Colour fill_ = kGridBackground;
  FontSpec font_{kInfoBaseFontPoints, false};
  Colour colour_ = kGridText;
};

}  // namespace torvane
