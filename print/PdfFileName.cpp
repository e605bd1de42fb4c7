#include "print/PdfFileName.h"

#include <algorithm>
#include <cctype>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"
#include "jvdata/DateTime.h"

namespace torvane {
namespace {

constexpr std::string_view kPdfExtension = ".pdf";

}  // namespace

std::string PdfFileNameOf(const TkRecord& tk) {
  return JapaneseDateText(tk.Year(), tk.Month(), tk.Day()) + CourseName(tk.CourseCode(), 2) +
         std::to_string(ReadCodeNumber(tk.RaceNumber())) + "R" + std::string(kPdfExtension);
}

std::string WithPdfExtension(std::string_view fileName) {
  const bool hasExtension =
      fileName.size() >= kPdfExtension.size() &&
      std::equal(kPdfExtension.begin(), kPdfExtension.end(), fileName.end() - kPdfExtension.size(),
                 [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  return hasExtension ? std::string(fileName) : std::string(fileName) + std::string(kPdfExtension);
}

}  // namespace torvane
