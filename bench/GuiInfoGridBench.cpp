// Paint time of one full viewport (1280 x 800) of the information grid for a
// race of 300 horses with every field filled, offscreen into an image, at
// scroll positions spread over the whole race. Target: below 8 ms a viewport.
// With --save FILE.png the first viewport is also written out for a look.
#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>

#include "browse/WorkingSet.h"
#include "browse/ui/InfoGridWidget.h"
#include "controls/ui/DesignFonts.h"
#include "tests/browse/InfoGridRecords.h"

namespace {

using namespace torvane;
using test::PutDigits;
using test::PutText;

void FillHorse(WorkingSet& ws, int h) {
  TkRecord& tk = ws.LoadedTk[0];
  const TkEntry entry = tk.Entry(h);
  PutDigits(tk, entry.RunningNumber(), h + 1);
  PutDigits(tk, entry.BloodNumber(), 2006100000 + h);
  PutText(tk, entry.HorseName(), "ディープインパクトノコ");
  PutDigits(tk, entry.HorseMarkCode(), h % 3);
  PutText(tk, entry.SexCode(), "1");
  PutText(tk, entry.TrainerShortName(), "藤沢和雄");
  PutDigits(tk, entry.BurdenWeight(), 570);
  ws.EntryLoaded[0][h] = 1;

  UmRecord& um = ws.LoadedUm[0][h] = test::NewRecord<UmRecord>("UM");
  PutDigits(um, um.BloodNumber(), 2006100000 + h);
  PutText(um, um.BirthDate(), "20060315");
  PutText(um, um.CoatColorCode(), "03");
  PutText(um, um.SireName(), "サンデーサイレンス");
  PutText(um, um.DamName(), "ウインドインハーヘア");
  PutText(um, um.DamSireName(), "アルザオ");
  PutText(um, um.BreederName(), "ノーザンファーム");
  PutText(um, um.BirthplaceName(), "早来町");
  PutText(um, um.OwnerName(), "金子真人ホールディングス（株）");
  for (int i = 0; i < 6; ++i) PutDigits(um, um.PrizeTotal(i), 1234567 + i);
  for (int block = 0; block < 7; ++block)
    for (int c = 0; c < 6; ++c) PutDigits(um, um.PlacingCount(block, c), (block + c) % 4);

  for (int k = 0; k < kMaxPastRaces; ++k) {
    RaRecord& ra = ws.LoadedRa[0][h][k] = test::NewRecord<RaRecord>("RA");
    PutText(ra, ra.RaceDate(), "20091025");
    PutText(ra, ra.CourseCode(), "08");
    PutText(ra, ra.MeetingNumber(), "04");
    PutText(ra, ra.RaceNumber(), "11");
    PutText(ra, ra.ShortRaceName(), k == 0 ? "菊花賞" : "");
    PutText(ra, ra.GradeCode(), "A");
    PutText(ra, ra.ConditionCode(), "016");
    PutDigits(ra, ra.Distance(), 3000);
    PutDigits(ra, ra.TrackCode(), 10 + 7 * k);
    PutDigits(ra, ra.RegisteredCount(), 18);
    PutText(ra, ra.WeatherCode(), "1");
    PutText(ra, ra.TurfGoingCode(), "1");
    PutText(ra, ra.DirtGoingCode(), "2");

    SeRecord& se = ws.LoadedSe[0][h][k] = test::NewRecord<SeRecord>("SE");
    PutText(se, se.RaceDate(), "20091025");
    PutDigits(se, se.HorseNumber(), 1 + k);
    PutDigits(se, se.WeightCarried(), 570);
    PutText(se, se.JockeyShortName(), "武豊");
    PutDigits(se, se.BodyWeight(), 452);
    PutDigits(se, se.FinishingPosition(), 1 + k);
    PutDigits(se, se.RaceTime(), 3052);
    for (int i = 0; i < 4; ++i) PutDigits(se, se.CornerPosition(i), 10 - i);
    PutDigits(se, se.Popularity(), 1);
    PutDigits(se, se.MainPrize(), 1120000);
    PutDigits(se, se.AddedPrize(), 5000);
    PutDigits(se, se.Last3Furlongs(), 339);
    PutText(se, se.OpponentName(), "ソングオブウインド");
    PutText(se, se.TimeDifference(), "-005");
  }
}

std::unique_ptr<WorkingSet> FullRace() {
  auto ws = std::make_unique<WorkingSet>();
  TkRecord& tk = ws->LoadedTk[0] = test::NewRecord<TkRecord>("TK");
  PutText(tk, tk.RaceDate(), "20091220");
  PutText(tk, tk.CourseCode(), "06");
  PutText(tk, tk.TrackCode(), "10");
  PutDigits(tk, tk.RegisteredCount(), kMaxEntries);
  for (int h = 0; h < kMaxEntries; ++h) FillHorse(*ws, h);
  ws->LoadedRaceCount = 1;
  ws->RaceList.push_back({"中山  05回 08日11R", 0});
  return ws;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();

  const auto ws = FullRace();
  InfoGridWidget grid(*ws, [] { return std::optional<int>(0); });
  grid.resize(1280, 800);
  grid.show();
  grid.RaceShown();
  QWidget* viewport = grid.viewport();
  QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);

  QScrollBar* vertical = grid.verticalScrollBar();
  const auto paintAt = [&](int value) {
    vertical->setValue(value);
    viewport->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  };
  for (int i = 0; i < 10; ++i) paintAt(i * 71);  // fonts and glyph caches warm
  if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--save")) {
    paintAt(0);
    if (!image.save(QString::fromLocal8Bit(argv[2]))) {
      std::fprintf(stderr, "cannot write %s\n", argv[2]);
      return 1;
    }
  }

  // The processor time as well as the wall time: on a machine shared with
  // other work the wall time also counts the time the process waited.
  constexpr int kViewports = 300;
  const std::clock_t cpuStart = std::clock();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kViewports; ++i) paintAt(vertical->maximum() * i / (kViewports - 1));
  const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

  std::printf(
      "information grid, 300 horses, viewport %dx%d, %d viewports: %.2f ms per viewport (processor time %.2f ms)\n",
      viewport->width(), viewport->height(), kViewports, elapsed.count() / kViewports, cpuMs / kViewports);
  return 0;
}
