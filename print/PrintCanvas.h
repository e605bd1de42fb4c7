#pragma once
// The drawing surface the prints draw on: the operations of the preview
// control's canvas that the information print and the list print use.
// Coordinates are logical units of 0.1 mm from the top-left corner of the
// printable area; pen widths are tenths of a screen pixel (10 = one screen
// pixel) and the surface converts them; font sizes are points.
//
// A page starts with black pen and text, a solid white brush and the
// surface's default font. While the brush is solid, text is drawn on an
// opaque background of the brush colour; with a clear brush it is transparent.

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

struct PrintColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const PrintColour&, const PrintColour&) = default;
};

inline constexpr PrintColour kPrintBlack{0, 0, 0};
inline constexpr PrintColour kPrintWhite{255, 255, 255};
inline constexpr PrintColour kPrintSilver{192, 192, 192};

class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;

  // A document: BeginDoc opens page 1, NewPage each further page, EndDoc
  // finishes the last one.
  virtual void BeginDoc() = 0;
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;
  // The height of the printable area of the pages being recorded, in
  // logical units: how far down from the origin a print may draw. Known
  // once BeginDoc has opened the document.
  virtual int PageHeight() const = 0;

  virtual void SetFontFace(std::string_view face) = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void SetFontBold(bool bold) = 0;
  virtual void SetFontUnderline(bool underline) = 0;
  virtual void SetFontColour(PrintColour colour) = 0;
  virtual void SetPenWidth(int tenthsOfScreenPixel) = 0;
  virtual void SetBrushSolid(PrintColour colour) = 0;
  virtual void SetBrushClear() = 0;

  // UTF-8 text with its top-left corner at (x, y).
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
};

}  // namespace torvane
