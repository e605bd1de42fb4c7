// The header row's drawing over the grid's own header texts.
#include "browse/infogrid/InfoGridCells.h"

namespace torvane::info_grid {
namespace {

void DrawNumberHeader(InfoGridCanvas& canvas) {
  canvas.Fill(kSilver);
  canvas.SetFont(10, false, kBlack);
  const int y = kY0 + canvas.Text(kX0, kY0, " ").height + 5;
  canvas.Text(kX0, y, "No.");
}

void DrawProfileHeader(InfoGridCanvas& canvas) {
  const int right = canvas.Size().width;
  canvas.Fill(kSilver);
  canvas.SetSize(8);
  canvas.Text(kX0, kY0, "父");
  canvas.SetFont(8, false, kBlack);
  int y = kY0 + canvas.Text(right - 50, kY0, "性齢毛色").height;
  y += canvas.Text(kX0, y + 2, "馬記号  産地　　生年月日").height;
  canvas.SetFont(11, true, kBlack);
  y += canvas.Text(kX0, y, "馬名").height;
  canvas.SetFont(8, false, kBlack);
  canvas.Text(kX0, y, "母");
  y += canvas.Text(right - 100, y, "馬主").height;
  canvas.Text(kX0, y, "母父");
  canvas.Text(right - 100, y, "生産者");
}

void DrawWeightHeader(InfoGridCanvas& canvas) {
  canvas.Fill(kSilver);
  const int y = kY0 + canvas.Text(kX0, kY0, "負担重量").height + 20;
  canvas.Text(kX0, y, "調教師名");
}

void DrawPrizeHeader(InfoGridCanvas& canvas) {
  canvas.Fill(kSilver);
  canvas.SetSize(8);
  int y = kLine;  // one pixel higher than the other cells
  // Lines one pixel closer than the font's height: the design's face left
  // that pixel blank, a substitute whose ink reaches it is given the height
  // it draws.
  const int step = canvas.DrawnLineHeight() - 1;
  for (const char* text : {"取得賞金", "総賞金", "入着回数(芝)", "入着回数(ダ)", "入着回数(障)"}) {
    canvas.Text(kX0, y, text);
    y += step;
  }
}

}  // namespace

void DrawHeaderCell(InfoGridCanvas& canvas, int column) {
  switch (column) {
    case 1:
      DrawNumberHeader(canvas);
      break;
    case 2:
      DrawProfileHeader(canvas);
      break;
    case 3:
      DrawWeightHeader(canvas);
      break;
    case 4:
      DrawPrizeHeader(canvas);
      break;
    default:  // column 0 and the past-race columns keep the grid's own drawing
      break;
  }
  canvas.BottomLine();
}

}  // namespace torvane::info_grid
