// The horse's own columns: number, profile, weight and trainer, prize money
// and placing counts.
#include <array>
#include <cstdint>

#include "browse/infogrid/InfoGridCells.h"
#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"
#include "racetext/HorseProfileText.h"

namespace torvane::info_grid {
namespace {

// "2-1-0-5" with every number right-aligned in two places: 1st, 2nd and 3rd,
// then 4th, 5th and out of the first five together.
// The counts are the sums over the blocks first .. first + blockCount - 1.
std::string PlacingText(const UmRecord& um, int first, int blockCount) {
  std::array<std::int64_t, 6> counts{};
  for (int block = first; block < first + blockCount; ++block)
    for (int c = 0; c < 6; ++c) counts[c] += ReadCodeNumber(um.PlacingCount(block, c));
  const auto n = [](std::int64_t v) { return static_cast<long long>(v); };
  return Formatted("%2lld-%2lld-%2lld-%2lld", n(counts[0]), n(counts[1]), n(counts[2]),
                   n(counts[3] + counts[4] + counts[5]));
}

}  // namespace

void DrawNumberCell(InfoGridCanvas& canvas, const TkEntry& entry) {
  canvas.Fill(kTooltipBackground);
  canvas.SetFont(11, true, kBlack);
  canvas.Text(kX0, kY0, Formatted("%2lld", static_cast<long long>(ReadCodeNumber(entry.RunningNumber()))));
  canvas.BottomLine();
}

void DrawProfileCell(InfoGridCanvas& canvas, const TkRecord& tk, const TkEntry& entry, const UmRecord& um,
                     bool loaded) {
  const int right = canvas.Size().width;
  canvas.Fill(kWhite);
  if (!loaded) return;
  canvas.SetSize(8);
  canvas.Text(kX0, kY0, NameText(um.SireName()));
  canvas.SetFont(8, false, kBlack);
  int y = kY0 + canvas.Text(right - 60, kY0, SexAgeCoatText(tk, entry, um)).height;
  y += canvas.Text(kX0, y + 2, MarkAreaBirthText(entry, um)).height;
  canvas.SetFont(11, true, kBlack);
  y += canvas.Text(kX0, y, NameText(entry.HorseName())).height;
  canvas.SetFont(8, false, kBlack);
  canvas.Text(kX0, y, NameText(um.DamName()));
  y += canvas.Text(right - 120, y, NameText(um.OwnerName())).height;
  canvas.Text(kX0, y, NameText(um.DamSireName()));
  canvas.Text(right - 120, y, NameText(Cp932Prefix(um.BreederName(), 16)));
  canvas.BottomLine();
}

void DrawWeightCell(InfoGridCanvas& canvas, const TkEntry& entry) {
  canvas.Fill(kWhite);
  canvas.SetSize(9);
  const int y = kY0 + canvas.Text(kX0, kY0, BurdenWeightCellText(entry)).height + 20;
  canvas.Text(kX0, y, Cp932ToUtf8(entry.TrainerShortName()));
  canvas.BottomLine();
}

void DrawPrizeCell(InfoGridCanvas& canvas, const TkRecord& tk, const UmRecord& um, bool loaded) {
  canvas.Fill(kWhite);
  if (!loaded) return;
  const std::int64_t earned = EarnedPrize(tk, um);
  const std::int64_t total = TotalPrize(um);

  canvas.SetSize(8);
  int y = kY0;
  for (const std::int64_t hundreds : {earned, total})
    y += canvas.Text(kX0, y, Formatted("%8lld千円", static_cast<long long>(hundreds / 10))).height;
  y += canvas.Text(kX0, y, PlacingText(um, 0, 3)).height;  // turf
  y += canvas.Text(kX0, y, PlacingText(um, 3, 3)).height;  // dirt
  canvas.Text(kX0, y, PlacingText(um, 6, 1));              // jump
  canvas.BottomLine();
}

}  // namespace torvane::info_grid
