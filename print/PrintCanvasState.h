#pragma once
// The drawing state every print canvas keeps: font, pen and brush as the
// program last set them, and the pen position. A new page starts with the
// defaults below, those of a new drawing surface.

#include <string>
#include <string_view>

#include "print/PrintCanvas.h"

namespace torvane {

struct PrintCanvasState {
  std::string face;  // empty: the surface's default face
  int fontSize = 8;
  bool bold = false;
  bool underline = false;
  PrintColour fontColour = kPrintBlack;
  int penWidth = 10;  // one screen pixel
  bool brushSolid = true;
  PrintColour brushColour = kPrintWhite;
  int penX = 0;
  int penY = 0;
};

// A canvas whose setters only note the state; its drawing reads it.
class StatefulPrintCanvas : public PrintCanvas {
 public:
  void SetFontFace(std::string_view face) override { state_.face = face; }
  void SetFontSize(int points) override { state_.fontSize = points; }
  void SetFontBold(bool bold) override { state_.bold = bold; }
  void SetFontUnderline(bool underline) override { state_.underline = underline; }
  void SetFontColour(PrintColour colour) override { state_.fontColour = colour; }
  void SetPenWidth(int tenthsOfScreenPixel) override { state_.penWidth = tenthsOfScreenPixel; }
  void SetBrushSolid(PrintColour colour) override {
    state_.brushSolid = true;
    state_.brushColour = colour;
  }
  void SetBrushClear() override { state_.brushSolid = false; }

 protected:
  // At the start of every page.
  void ResetState() { state_ = PrintCanvasState{}; }

  PrintCanvasState state_;
};

}  // namespace torvane
