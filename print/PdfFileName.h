#pragma once
// The PDF file a print is saved to: the name offered for a race, and the
// extension added to a name typed without it.

#include <string>
#include <string_view>

#include "jvdata/JVData_Structure.h"

namespace torvane {

// The race's date, racecourse and number as a file name (UTF-8):
// "2026年12月12日中山8R.pdf".
std::string PdfFileNameOf(const TkRecord& tk);

// The name with ".pdf" appended unless it ends in ".pdf" already (in any case).
std::string WithPdfExtension(std::string_view fileName);

}  // namespace torvane
