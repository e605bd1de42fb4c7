#include "browse/infogrid/InfoGridCanvas.h"

#include <stdexcept>
#include <utility>

namespace torvane {

InfoGridCanvas::InfoGridCanvas(CellSize size, const TextMeasure& measure, CellDrawing& drawing)
    : size_(size), measure_(measure), drawing_(drawing) {}

void InfoGridCanvas::Fill(Colour colour) {
  // Every cell fills before it writes; a later fill would hide its texts.
  if (!drawing_.texts.empty() || drawing_.bottomLine) throw std::logic_error("a cell is filled after its texts");
  fill_ = colour;
  drawing_.fill = colour;
}

void InfoGridCanvas::SetFont(int points, bool bold, Colour colour) {
  font_ = {points, bold};
  colour_ = colour;
}

TextExtent InfoGridCanvas::Text(int x, int y, std::string text) {
  if (drawing_.bottomLine) throw std::logic_error("a cell writes after its bottom line");
  const TextExtent extent = measure_.Measure(text, font_);
  drawing_.texts.push_back(CellText{x, y, font_, colour_, fill_, std::move(text), extent});
  return extent;
}

void InfoGridCanvas::BottomLine() { drawing_.bottomLine = true; }

}  // namespace torvane
