#pragma once
// The protocol between the program and its JV-Link bridge
// (torvane-jvlink.exe), the 32-bit process that hosts the component. Both
// sides include this header; it uses the standard library only.
//
// The client writes requests on the bridge's standard input and reads one
// response per request, in order, from its standard output. Every message is
// a frame: a 32-bit little-endian payload length, then the payload.
//
//   request  = u8 op, then the op's arguments
//   response = u8 op (as asked), u8 status, then
//              status kOk:     the op's results
//              other statuses: bytes text (UTF-8), what went wrong
//
// Field kinds: u8, u32 and i32 little-endian; "wide" = u32 count of UTF-16
// code units, then the units little-endian; "bytes" = u32 count, then the bytes.
//
//   op          arguments                             results (status kOk)
//   kHello      u32 magic, u32 version                u32 version
//   kInit       wide sid                              i32 result
//   kSetUI      -                                     i32 result
//   kOpen       wide dataspec, wide from, i32 option  i32 result, i32 readCount, i32 downloadCount,
//                                                     wide lastFileTimestamp
//   kStatus     -                                     i32 result
//   kRead       u32 most records                      u32 n, n times: i32 result, i32 size,
//                                                       wide buff, wide fileName
//   kCancel     -                                     -
//   kClose      -                                     i32 result
//
// kHello comes first: the bridge creates the component when it receives it
// and answers kComponentUnavailable when it cannot. kRead calls JVRead until
// the most records are read, kReadBatchBytes of text are gathered, or a result
// other than a record or -1 comes (that result is the batch's last), so that
// the round trip is paid once per batch, not per record.
//
// A request the bridge cannot decode is answered kMalformed and nothing is
// called; a frame longer than kMaxFrameBytes cannot be skipped safely and
// ends the bridge. The bridge ends when its input closes.

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane::bridge {

inline constexpr std::uint32_t kMagic = 0x4A565654;  // "TVVJ" on the wire
inline constexpr std::uint32_t kVersion = 1;
inline constexpr std::uint32_t kMaxFrameBytes = 64u << 20;
inline constexpr std::size_t kReadBatchBytes = 1u << 18;  // of UTF-16 text per kRead answer
inline constexpr std::uint32_t kFrameHeaderBytes = 4;

enum class Op : std::uint8_t { kHello = 1, kInit, kSetUI, kOpen, kStatus, kRead, kCancel, kClose };

enum class Status : std::uint8_t {
  kOk = 0,
  kMalformed = 1,             // the request could not be decoded
  kCallFailed = 2,            // the call failed in the component interface (not a result code)
  kComponentUnavailable = 3,  // kHello: the component cannot be created
  kVersionMismatch = 4,       // kHello: the bridge speaks another version
};

inline bool IsKnownOp(std::uint8_t op) { return op >= 1 && op <= static_cast<std::uint8_t>(Op::kClose); }

// Builds one frame: the payload, with room for its length in front.
class Encoder {
 public:
  Encoder() : bytes_(kFrameHeaderBytes, '\0') {}

  Encoder& U8(std::uint8_t value) {
    bytes_.push_back(static_cast<char>(value));
    return *this;
  }
  Encoder& U32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<char>((value >> shift) & 0xFF));
    return *this;
  }
  Encoder& I32(std::int32_t value) { return U32(static_cast<std::uint32_t>(value)); }
  Encoder& Wide(std::u16string_view text) {
    U32(static_cast<std::uint32_t>(text.size()));
    if constexpr (std::endian::native == std::endian::little) {
      // Records are most of what crosses: copied whole, not unit by unit.
      bytes_.append(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    } else {
      for (const char16_t unit : text) {
        bytes_.push_back(static_cast<char>(unit & 0xFF));
        bytes_.push_back(static_cast<char>(unit >> 8));
      }
    }
    return *this;
  }
  Encoder& Bytes(std::string_view text) {
    U32(static_cast<std::uint32_t>(text.size()));
    bytes_.append(text);
    return *this;
  }
  // Where the next field goes, for Patch.
  std::size_t Position() const { return bytes_.size(); }
  // Overwrites a U32 written earlier at position (a count known only later).
  void Patch(std::size_t position, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
      bytes_[position + shift / 8] = static_cast<char>((value >> shift) & 0xFF);
  }
  // The frame: the length, then the payload.
  const std::string& Frame() {
    Patch(0, static_cast<std::uint32_t>(bytes_.size() - kFrameHeaderBytes));
    return bytes_;
  }

 private:
  std::string bytes_;
};

// Takes one payload apart. Every read past the end, or a count larger than
// what is left, fails the decoder: it stays failed and gives zeros and empty
// texts, so that a caller checks Ok() once at the end.
class Decoder {
 public:
  explicit Decoder(std::string_view payload) : rest_(payload) {}

  std::uint8_t U8() {
    if (!Need(1)) return 0;
    const auto value = static_cast<std::uint8_t>(rest_[0]);
    rest_.remove_prefix(1);
    return value;
  }
  std::uint32_t U32() {
    if (!Need(4)) return 0;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(rest_[i]);
    rest_.remove_prefix(4);
    return value;
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  std::u16string Wide() {
    const std::uint32_t count = U32();
    if (!Need(std::size_t{count} * 2)) return {};
    std::u16string text(count, u'\0');
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(text.data(), rest_.data(), std::size_t{count} * 2);
    } else {
      for (std::uint32_t i = 0; i < count; ++i)
        text[i] = static_cast<char16_t>(static_cast<std::uint8_t>(rest_[2 * i]) |
                                        (static_cast<std::uint8_t>(rest_[2 * i + 1]) << 8));
    }
    rest_.remove_prefix(std::size_t{count} * 2);
    return text;
  }
  std::string Bytes() {
    const std::uint32_t count = U32();
    if (!Need(count)) return {};
    std::string text(rest_.substr(0, count));
    rest_.remove_prefix(count);
    return text;
  }
  // Whether everything read so far was there.
  bool Ok() const { return ok_; }
  // Whether everything was read and nothing is left over.
  bool Complete() const { return ok_ && rest_.empty(); }

 private:
  bool Need(std::size_t count) {
    if (ok_ && rest_.size() >= count) return true;
    ok_ = false;
    rest_ = {};
    return false;
  }

  std::string_view rest_;
  bool ok_ = true;
};

// The payload length of a frame header (4 bytes).
inline std::uint32_t FrameLength(std::string_view header) { return Decoder(header).U32(); }

// One JVRead answer inside a kRead response.
struct ReadItem {
  std::int32_t result = 0;
  std::int32_t size = 0;
  std::u16string buff;
  std::u16string fileName;
};

// Whether a JVRead result lets the batch go on: a record, or the next file begun.
inline bool ContinuesBatch(std::int32_t result) { return result > 0 || result == -1; }

inline Encoder Response(Op op, Status status) {
  Encoder out;
  out.U8(static_cast<std::uint8_t>(op)).U8(static_cast<std::uint8_t>(status));
  return out;
}

inline std::string FailureFrame(Op op, Status status, std::string_view text) {
  Encoder out = Response(op, status);
  return out.Bytes(text).Frame();
}

}  // namespace torvane::bridge
