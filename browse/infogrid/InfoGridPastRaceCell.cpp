// One of the horse's last five races: six lines from its SE result and the
// race's RA detail.
#include <cstddef>
#include <cstdint>

#include "browse/infogrid/InfoGridCells.h"
#include "browse/infogrid/PastRaceColour.h"
#include "racetext/PastRaceText.h"

namespace torvane::info_grid {

void DrawPastRaceCell(InfoGridCanvas& canvas, const SeRecord& se, const RaRecord& ra, bool loaded) {
  if (!loaded) return;
  if (IsRaceDetailAbsent(ra)) {
    canvas.BottomLine();
    return;
  }
  const PastRaceTexts t = PastRaceTextsOf(se, ra);
  canvas.Fill(kWhite);
  canvas.SetSize(8);

  // 1: date and course, race class.
  const TextExtent date = canvas.Text(kX0, kY0, t.dateAndCourse);
  int y = kY0 + canvas.Text(kX0 + date.width + 5, kY0, t.raceClass).height;

  // 2: field size, horse number and distance; track; weather and going.
  int x = kX0 + canvas.Text(kX0, y, t.fieldAndDistance).width;
  canvas.SetColour(TrackColourOf(t.surface));
  x += canvas.Text(x, y, t.track).width;
  canvas.SetColour(kBlack);
  y += canvas.Text(x, y, t.weatherAndGoing).height;

  // 3: jockey, weight carried, popularity.
  y += canvas.Text(kX0, y, t.jockeyWeightAndPopularity).height;

  // 4: time, corner positions, last 3 furlongs.
  const TextExtent timeExtent = canvas.Text(kX0, y, t.time);
  canvas.SetSize(9);
  x = kX0 + timeExtent.width;
  for (std::size_t i = 0; i < t.corners.size(); ++i) {
    const int cornerX = kLine + 30 + 12 * static_cast<int>(i);
    x = cornerX + canvas.Text(cornerX, y, t.corners[i]).width;
  }
  canvas.SetSize(8);
  y += canvas.Text(x, y, t.last3Furlongs).height;

  // 5: body weight and prize, finishing position.
  canvas.Text(kX0, y, t.bodyWeightAndPrize);
  canvas.SetFont(9, true, t.position > 0 ? FinishingColourOf(t.position) : kBlack);
  y += canvas.Text(kLine + 120, y, t.finishingPosition).height;
  canvas.SetFont(8, false, kBlack);

  // 6: opponent and margin.
  canvas.Text(kX0, y, t.opponentAndMargin);
  canvas.BottomLine();
}

}  // namespace torvane::info_grid
