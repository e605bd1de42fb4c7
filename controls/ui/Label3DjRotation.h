#pragma once
// Where a rotated caption starts and how much room it takes, for text of
// width w and height h turned counter-clockwise by an angle of 0..360 degrees.

namespace torvane {

struct RotatedTextPlacement {
  int dx = 0;  // start point of the text, from the client area's top-left
  int dy = 0;
  int width = 0;  // the rotated text's bounding box
  int height = 0;
};

RotatedTextPlacement PlaceRotatedText(int degrees, int textWidth, int textHeight);

// The angle brought into 0..360 (360 stays 360).
int NormalizedEscapement(int degrees);

}  // namespace torvane
