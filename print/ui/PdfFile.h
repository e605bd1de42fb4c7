#pragma once
// A print written straight to a PDF file through our PDF printer, without a
// window: for the command-line tool. Makes the (offscreen) application
// object the fonts need when there is none yet.

#include <functional>

#include "platform/Paths.h"
#include "print/PrintCanvas.h"

namespace torvane {

// `record` draws the whole document (BeginDoc .. EndDoc) on the canvas it is
// given; throws EPrevError when the file cannot be written.
void WritePrintPdf(const std::filesystem::path& file, const std::function<void(PrintCanvas&)>& record);

}  // namespace torvane
