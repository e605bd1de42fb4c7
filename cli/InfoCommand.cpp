// torvane-cli info DATE N: every text the information grid's cell drawing
// puts over the grid for race list entry N, one line per text in drawing
// order (row by row, column by column):
// ROW<TAB>COL<TAB>SIZE<TAB>BOLD<TAB>COLOUR<TAB>TEXT, with SIZE in points,
// BOLD 1 or 0 and COLOUR #rrggbb or "default" for the grid's text colour.
#include <cstdio>
#include <ostream>

#include "browse/infogrid/InfoGrid.h"
#include "cli/BrowseSession.h"

namespace torvane::cli {
namespace {

std::string ColourText(const Colour& colour) {
  if (colour.role == ColourRole::GridText) return "default";
  if (colour.role != ColourRole::Explicit) throw CommandError("a text colour that is no text colour");
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}

int Info(CommandContext& context) {
  if (context.args.size() != 2) throw CommandError("usage: info DATE N");
  BrowseSession session(context);
  if (!session.Load(context.args[0])) return kDateNotReadyStatus;
  session.ShowRace(context.args[1]);

  const WorkingSet& ws = session.Working();
  const InfoGridSource source{ws, session.Browser().SelectedRace(), !session.Browser().RaceOnShow()};
  const int rowCount = RegisteredCount(ws.LoadedTk[source.selectedRace]) + 1;
  const FixedPitchTextMeasure measure;
  for (int row = 0; row < rowCount; ++row) {
    for (int column = 0; column < kInfoColumnCount; ++column) {
      const CellDrawing drawing = StringGrid4DrawCell(source, column, row, InfoCellSize(column, row), measure);
      for (const CellText& text : drawing.texts)
        context.out << row << '\t' << column << '\t' << text.font.points << '\t' << (text.font.bold ? 1 : 0) << '\t'
                    << ColourText(text.colour) << '\t' << text.text << '\n';
    }
  }
  return 0;
}

const CommandRegistration registration("info", "DATE N", Info);

}  // namespace
}  // namespace torvane::cli
