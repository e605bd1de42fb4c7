#pragma once
// A canvas that writes down every drawing operation as a text line, in the
// form `torvane-cli print-info|print-list --ops` prints (TAB-separated):
//   page P
//   text X Y FACE SIZE STYLE COLOUR BACK TEXT
//   line X1 Y1 X2 Y2 PEN            (one MoveTo + LineTo)
//   rect X1 Y1 X2 Y2 PEN BRUSH
// FACE is "default" until the program sets one; STYLE "b", "u", "bu" or "-";
// colours "#rrggbb"; BACK and BRUSH "clear" for a clear brush.

#include <string>
#include <vector>

#include "print/PrintCanvasState.h"

namespace torvane {

// The page the operations are recorded for unless told otherwise: the
// printable height of A4 inside 4.2 mm margins, as on the PDF printer.
inline constexpr int kA4PrintableHeight = 2886;

class RecordingCanvas : public StatefulPrintCanvas {
 public:
  explicit RecordingCanvas(int pageHeight = kA4PrintableHeight) : pageHeight_(pageHeight) {}

  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  int PageHeight() const override { return pageHeight_; }

  void TextOut(int x, int y, std::string_view text) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;

  // Every line recorded so far, "page" lines included.
  const std::vector<std::string>& Lines() const { return lines_; }
  int PageCount() const { return pageCount_; }

 private:
  void StartPage();
  void RequireOpenPage(const char* operation) const;
  std::string BrushText() const;

  int pageHeight_;
  std::vector<std::string> lines_;
  int pageCount_ = 0;
  bool open_ = false;
};

// "#rrggbb".
std::string ColourText(PrintColour colour);

}  // namespace torvane
