#pragma once
// What drawing one cell of the information grid amounts to, independent of
// any screen: a fill, texts and the closing bottom line, each text placed relative to the cell's top-left corner and
// carrying the font size, weight and colours it is drawn with. The viewer paints the list with Qt; the command-line
// tool prints its texts.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

// Colours the grid decides itself (they depend on the platform and on the
// selection) and explicit colours.
enum class ColourRole {
  Explicit,
  GridText,           // the text colour the grid prepared for the cell
  GridBackground,     // the background the grid painted for the cell
  TooltipBackground,  // the system's colour for tooltip backgrounds
};

struct Colour {
  ColourRole role = ColourRole::Explicit;
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const Colour&) const = default;
};

inline constexpr Colour RgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return {ColourRole::Explicit, red, green, blue};
}
inline constexpr Colour kBlack = RgbColour(0, 0, 0);
inline constexpr Colour kWhite = RgbColour(255, 255, 255);
inline constexpr Colour kSilver = RgbColour(192, 192, 192);
inline constexpr Colour kRed = RgbColour(255, 0, 0);
inline constexpr Colour kBlue = RgbColour(0, 0, 255);
inline constexpr Colour kGreen = RgbColour(0, 128, 0);
inline constexpr Colour kMaroon = RgbColour(128, 0, 0);
inline constexpr Colour kGridText{ColourRole::GridText};
inline constexpr Colour kGridBackground{ColourRole::GridBackground};
inline constexpr Colour kTooltipBackground{ColourRole::TooltipBackground};

struct FontSpec {
  int points = 9;
  bool bold = false;

  bool operator==(const FontSpec&) const = default;
};

// Width and height of a text in pixels.
struct TextExtent {
  int width = 0;
  int height = 0;
};

// A text with its top-left corner at (x, y) from the cell's top-left corner,
// drawn opaque: its extent is first filled with the background colour.
struct CellText {
  int x = 0;
  int y = 0;
  FontSpec font;
  Colour colour;
  Colour background;
  std::string text;   // UTF-8
  TextExtent extent;  // as measured when the cell was composed
};

// A cell's drawing, painted in this order: the fill of the whole cell
// rectangle (if any), the texts in order, then the bottom line (if any), a
// 1-pixel black line along the row of pixels just below the cell over the
// cell's whole width.
struct CellDrawing {
  std::optional<Colour> fill;
  std::vector<CellText> texts;
  bool bottomLine = false;

  bool Empty() const { return !fill && texts.empty() && !bottomLine; }
};

}  // namespace torvane
