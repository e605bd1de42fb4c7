#pragma once
// The registered horse information print (`Print1Click`'s page loop): pages
// of up to 18 horse blocks of the race in a working set slot, each page with
// the race header, the table frame, the blocks and the band titles.

#include "browse/WorkingSet.h"
#include "print/PrintCanvas.h"

namespace torvane {

inline constexpr int kHorseBlocksPerPage = 18;

// ceil(n / 18) pages for n registered horses; 0 for none (the document then
// is the single blank page BeginDoc opens).
int InfoPrintPageCount(int registeredCount);

// Records the whole document for race slot `race`: BeginDoc, the pages,
// EndDoc. Returns the number of pages drawn.
int RecordInfoPrint(PrintCanvas& canvas, const WorkingSet& workingSet, int race);

}  // namespace torvane
