#pragma once
// EPrevError: why the print preview control cannot record or print.

#include <stdexcept>

namespace torvane {

inline constexpr const char* kNoPrinterMessage = "プリンタが登録されていません";

class EPrevError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace torvane
