#include "jvlink/DeliveredRecords.h"

#include <fstream>
#include <iterator>
#include <string_view>

#include "jvdata/Cp932.h"

namespace torvane {
namespace {

// What the conversion makes of bytes that are no CP932 character.
constexpr char16_t kNotCp932 = u'\uFFFD';

}  // namespace

DeliveredRecords LoadDeliveredRecords(const std::filesystem::path& path) {
  DeliveredRecords result;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.code = kFileNotFound;
    return result;
  }
  const std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    result.code = kFileNotFound;
    return result;
  }
  if (contents.empty()) {
    result.code = kFileSizeAbnormal;
    return result;
  }
  const std::string_view rest{contents};
  std::size_t start = 0;
  while (start < rest.size()) {
    const std::size_t end = rest.find("\r\n", start);
    if (end == std::string_view::npos || end == start) {
      result = {};
      result.code = kFileContentsAbnormal;
      return result;
    }
    const std::string_view record = rest.substr(start, end + 2 - start);
    std::u16string wide = Cp932ToUtf16(record);
    if (wide.find(kNotCp932) != std::u16string::npos) {
      result = {};
      result.code = kFileContentsAbnormal;
      return result;
    }
    result.records.push_back(std::move(wide));
    result.sizes.push_back(static_cast<std::int32_t>(record.size()));
    start = end + 2;
  }
  return result;
}

}  // namespace torvane
