// CP932 through glibc's iconv "CP932" (the Microsoft mapping: 0x817C is
// U+FF0D, the NEC row 13 holds the circled numbers).
#include <iconv.h>

#include <mutex>
#include <stdexcept>

#include "platform/Cp932Codec.h"

namespace torvane::platform {
namespace {

// One converter per direction, kept for the process; a conversion resets it.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of in into out, setting outSize to the bytes written; false
  // when some input does not convert or out is too small.
  bool Convert(const char* in, std::size_t inSize, char* out, std::size_t& outSize) {
    const std::lock_guard lock(mutex_);
    char* inPtr = const_cast<char*>(in);
    char* outPtr = out;
    std::size_t inLeft = inSize, outLeft = outSize;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) return false;
    outSize -= outLeft;
    return true;
  }

 private:
  iconv_t cd_;
  std::mutex mutex_;
};

}  // namespace

std::optional<char32_t> DecodeCp932Character(std::string_view bytes) {
  static Converter decoder("UTF-32LE", "CP932");
  char32_t out = 0;
  std::size_t outSize = sizeof out;
  if (!decoder.Convert(bytes.data(), bytes.size(), reinterpret_cast<char*>(&out), outSize) || outSize != sizeof out)
    return std::nullopt;
  return out;
}

std::optional<std::string> EncodeCp932Character(char32_t codePoint) {
  static Converter encoder("CP932", "UTF-32LE");
  char out[4];
  std::size_t outSize = sizeof out;
  if (!encoder.Convert(reinterpret_cast<const char*>(&codePoint), sizeof codePoint, out, outSize)) return std::nullopt;
  return std::string(out, outSize);
}

}  // namespace torvane::platform
