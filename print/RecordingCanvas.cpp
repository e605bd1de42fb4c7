#include "print/RecordingCanvas.h"

#include <cstdio>
#include <stdexcept>

namespace torvane {
namespace {

// The default font of a new drawing surface.
constexpr int kDefaultFontSize = 8;
// One screen pixel.
constexpr int kDefaultPenWidth = 10;

std::string Join(std::initializer_list<std::string> parts) {
  std::string line;
  for (const std::string& part : parts) {
    if (!line.empty()) line += '\t';
    line += part;
  }
  return line;
}

}  // namespace

std::string ColourText(PrintColour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}

void RecordingCanvas::BeginDoc() {
  lines_.clear();
  pageCount_ = 0;
  StartPage();
}

void RecordingCanvas::NewPage() {
  RequireOpenPage("NewPage");
  StartPage();
}

void RecordingCanvas::EndDoc() {
  RequireOpenPage("EndDoc");
  open_ = false;
}

void RecordingCanvas::StartPage() {
  ++pageCount_;
  open_ = true;
  lines_.push_back("page\t" + std::to_string(pageCount_));
  face_.clear();
  size_ = kDefaultFontSize;
  bold_ = false;
  underline_ = false;
  fontColour_ = kPrintBlack;
  penWidth_ = kDefaultPenWidth;
  brushSolid_ = true;
  brushColour_ = kPrintWhite;
  penX_ = 0;
  penY_ = 0;
}

void RecordingCanvas::RequireOpenPage(const char* operation) const {
  if (!open_) throw std::logic_error(std::string(operation) + " outside a document: call BeginDoc first");
}

std::string RecordingCanvas::BrushText() const { return brushSolid_ ? ColourText(brushColour_) : "clear"; }

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  RequireOpenPage("TextOut");
  const std::string style = bold_ && underline_ ? "bu" : bold_ ? "b" : underline_ ? "u" : "-";
  lines_.push_back(Join({"text", std::to_string(x), std::to_string(y), face_.empty() ? "default" : face_,
                         std::to_string(size_), style, ColourText(fontColour_), BrushText(), std::string(text)}));
}

void RecordingCanvas::MoveTo(int x, int y) {
  RequireOpenPage("MoveTo");
  penX_ = x;
  penY_ = y;
}

void RecordingCanvas::LineTo(int x, int y) {
  RequireOpenPage("LineTo");
  lines_.push_back(Join({"line", std::to_string(penX_), std::to_string(penY_), std::to_string(x), std::to_string(y),
                         std::to_string(penWidth_)}));
  penX_ = x;
  penY_ = y;
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  RequireOpenPage("Rectangle");
  lines_.push_back(Join({"rect", std::to_string(x1), std::to_string(y1), std::to_string(x2), std::to_string(y2),
                         std::to_string(penWidth_), BrushText()}));
}

}  // namespace torvane
