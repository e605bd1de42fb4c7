#include "print/PdfFileName.h"

#include <algorithm>
#include <cctype>

#include "codes/KeibaFunc.h"
#include "jvdata/Cp932.h"

namespace torvane {
namespace {

constexpr std::string_view kPdfExtension = ".pdf";

}  // namespace

std::string PdfFileNameOf(const TkRecord& tk) {
  const std::string monthDay = Cp932ToUtf8(tk.MonthDay());
  return Cp932ToUtf8(tk.Year()) + "年" + monthDay.substr(0, 2) + "月" + monthDay.substr(2) + "日" +
         CourseName(tk.CourseCode(), 2) + std::to_string(ReadCodeNumber(tk.RaceNumber())) + "R" +
         std::string(kPdfExtension);
}

std::string WithPdfExtension(std::string_view fileName) {
  const bool hasExtension =
      fileName.size() >= kPdfExtension.size() &&
      std::equal(kPdfExtension.begin(), kPdfExtension.end(), fileName.end() - kPdfExtension.size(),
                 [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  return hasExtension ? std::string(fileName) : std::string(fileName) + std::string(kPdfExtension);
}

}  // namespace torvane
