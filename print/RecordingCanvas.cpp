#include "print/RecordingCanvas.h"

#include <cstdio>
#include <stdexcept>

namespace torvane {
namespace {

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
  ResetState();
}

void RecordingCanvas::RequireOpenPage(const char* operation) const {
  if (!open_) throw std::logic_error(std::string(operation) + " outside a document: call BeginDoc first");
}

std::string RecordingCanvas::BrushText() const { return state_.brushSolid ? ColourText(state_.brushColour) : "clear"; }

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  RequireOpenPage("TextOut");
  const std::string style = state_.bold && state_.underline ? "bu" : state_.bold ? "b" : state_.underline ? "u" : "-";
  lines_.push_back(
      Join({"text", std::to_string(x), std::to_string(y), state_.face.empty() ? "default" : state_.face,
            std::to_string(state_.fontSize), style, ColourText(state_.fontColour), BrushText(), std::string(text)}));
}

void RecordingCanvas::MoveTo(int x, int y) {
  RequireOpenPage("MoveTo");
  state_.penX = x;
  state_.penY = y;
}

void RecordingCanvas::LineTo(int x, int y) {
  RequireOpenPage("LineTo");
  lines_.push_back(Join({"line", std::to_string(state_.penX), std::to_string(state_.penY), std::to_string(x),
                         std::to_string(y), std::to_string(state_.penWidth)}));
  state_.penX = x;
  state_.penY = y;
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  RequireOpenPage("Rectangle");
  lines_.push_back(Join({"rect", std::to_string(x1), std::to_string(y1), std::to_string(x2), std::to_string(y2),
                         std::to_string(state_.penWidth), BrushText()}));
}

}  // namespace torvane
