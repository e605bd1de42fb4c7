// A JV-Link bridge for JVLinkBridgeTest that runs natively: it answers the
// protocol (jvlink/BridgeProtocol.h) with one file of records to read, and
// dies at the point TORVANE_FAKE_BRIDGE_DEATH names, during the first JVRead
// batch asked for (without it, it reads that file to the end):
//   at-start       ends on the start's request, before any call
//   after-batch    closes its input, then answers a batch of records
//   after-wait     closes its input, then answers -3 (file still being fetched)
//   mid-frame      answers half of a batch's frame, then ends
//   before-length  answers two bytes of a frame's length, then ends
// Started as "wine PROGRAM" (the test puts it on the PATH as wine) or as itself.
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "jvlink/BridgeProtocol.h"

namespace {

using namespace torvane::bridge;

bool ReadExact(char* buffer, std::size_t size) {
  while (size > 0) {
    const ssize_t got = ::read(STDIN_FILENO, buffer, size);
    if (got <= 0) return false;
    buffer += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

void WriteAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (written <= 0) std::_Exit(1);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

std::string RecordsBatch() {
  Encoder out = Response(Op::kRead, Status::kOk);
  out.U32(3).I32(-1).I32(0).Wide(u"").Wide(u"RAFILE.txt");
  for (int i = 0; i < 2; ++i) out.I32(8).I32(8).Wide(u"RA\r\n    ").Wide(u"RAFILE.txt");
  return out.Frame();
}

std::string Answer(Op op) {
  Encoder out = Response(op, Status::kOk);
  switch (op) {
    case Op::kHello:
      if (std::getenv("TORVANE_FAKE_BRIDGE_DEATH") &&
          std::string(std::getenv("TORVANE_FAKE_BRIDGE_DEATH")) == "at-start")
        std::_Exit(0);
      return out.U32(kVersion).Frame();
    case Op::kOpen:
      return out.I32(0).I32(1).I32(0).Wide(u"20030406104642").Frame();
    case Op::kRead: {
      const std::string death =
          std::getenv("TORVANE_FAKE_BRIDGE_DEATH") ? std::getenv("TORVANE_FAKE_BRIDGE_DEATH") : "";
      if (death == "after-batch" || death == "after-wait") {
        ::close(STDIN_FILENO);
        if (death == "after-batch") return RecordsBatch();
        return out.U32(1).I32(-3).I32(0).Wide(u"").Wide(u"").Frame();
      }
      const std::string batch = RecordsBatch();
      if (death.empty()) {
        static bool readBefore = false;
        if (!std::exchange(readBefore, true)) return batch;
        return out.U32(1).I32(0).I32(0).Wide(u"").Wide(u"").Frame();
      }
      WriteAll(death == "mid-frame" ? std::string_view(batch).substr(0, batch.size() / 2)
                                    : std::string_view(batch).substr(0, 2));
      std::_Exit(0);
    }
    case Op::kCancel:
      return out.Frame();
    default:
      return out.I32(0).Frame();
  }
}

}  // namespace

int main() {
  for (;;) {
    char header[kFrameHeaderBytes];
    if (!ReadExact(header, sizeof header)) return 0;
    std::string payload(FrameLength(std::string_view(header, sizeof header)), '\0');
    if (!ReadExact(payload.data(), payload.size())) return 0;
    WriteAll(Answer(static_cast<Op>(Decoder(payload).U8())));
  }
}
