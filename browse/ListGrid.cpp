#include "browse/ListGrid.h"

#include "browse/WorkingSet.h"
#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/PlainText.h"

namespace torvane {
namespace {

std::string SexAndAge(const TkRecord& tk, const TkEntry& entry) {
  std::string text = SexName(entry.SexCode());
  const std::int64_t birthYear = ReadCodeNumber(entry.BirthYear());
  if (birthYear > 0) text += std::to_string(ReadCodeNumber(tk.Year()) - birthYear);
  return text;
}

std::string BurdenWeight(const TkEntry& entry) {
  if (TrimBlanks(entry.BurdenWeight()).empty()) return " ";
  return FormatTenthsField(entry.BurdenWeight());
}

std::vector<std::string> EmptyRow() { return std::vector<std::string>(kListColumnCount); }

}  // namespace

std::array<std::string, kListColumnCount> ListRowCells(const TkRecord& tk, int h) {
  const TkEntry entry = tk.Entry(h);
  return {FormatIntField(entry.RunningNumber()),
          NameText(entry.HorseName()),
          SexAndAge(tk, entry),
          BurdenWeight(entry),
          Cp932ToUtf8(entry.TrainerShortName()),
          HorseMarkName(entry.HorseMarkCode())};
}

ListGridTexts::ListGridTexts()
    : rows_{std::vector<std::string>(kListHeaders.begin(), kListHeaders.end()), EmptyRow()} {}

void ListGridTexts::ShowRace(const TkRecord& tk) {
  for (std::size_t row = 1; row < rows_.size(); ++row) rows_[row] = EmptyRow();
  const int count = RegisteredCount(tk);
  if (count == 0) return;
  rows_.resize(static_cast<std::size_t>(count) + 1, EmptyRow());
  for (int h = 0; h < count; ++h) {
    auto cells = ListRowCells(tk, h);
    rows_[h + 1].assign(std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
  }
}

std::string ListGridTexts::CopyText(std::string_view dateLine, std::string_view raceLine) const {
  std::string header(dateLine);
  header += "\r\n";
  header += raceLine;
  return GridRangeText(rows_, kListColumnCount, {0, 0, kListColumnCount - 1, RowCount() - 1}, header);
}

}  // namespace torvane
