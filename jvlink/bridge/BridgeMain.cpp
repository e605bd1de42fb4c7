// torvane-jvlink.exe: the 32-bit process that hosts the JV-Link component
// ("JVDTLab.JVLink", an in-process COM server) and serves its calls to the
// program over standard input and output (jvlink/BridgeProtocol.h).
//
// The main thread is a single-threaded apartment running a message loop, so
// that the component's own windows (its settings dialog, its download
// progress) work; a second thread only reads the input and wakes it.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "jvlink/BridgeProtocol.h"
#include "jvlink/bridge/ComComponent.h"

namespace {

using namespace torvane::bridge;

// One frame's payload, or the mark of a frame too long to skip.
struct Frame {
  std::string payload;
  bool tooLong = false;
};

// The frames read from the input, waiting for the main thread.
class RequestQueue {
 public:
  RequestQueue() : wake_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
  HANDLE WakeEvent() const { return wake_; }

  void Push(Frame frame) {
    {
      const std::lock_guard lock(mutex_);
      frames_.push_back(std::move(frame));
    }
    SetEvent(wake_);
  }
  void End() {
    {
      const std::lock_guard lock(mutex_);
      ended_ = true;
    }
    SetEvent(wake_);
  }
  // The next frame; nothing when none is waiting (then Ended() tells whether more come).
  std::optional<Frame> Pop() {
    const std::lock_guard lock(mutex_);
    if (frames_.empty()) return std::nullopt;
    Frame frame = std::move(frames_.front());
    frames_.pop_front();
    return frame;
  }
  bool Ended() {
    const std::lock_guard lock(mutex_);
    return ended_ && frames_.empty();
  }

 private:
  HANDLE wake_;
  std::mutex mutex_;
  std::deque<Frame> frames_;
  bool ended_ = false;
};

bool ReadExact(HANDLE input, char* buffer, DWORD size) {
  while (size > 0) {
    DWORD got = 0;
    if (!ReadFile(input, buffer, size, &got, nullptr) || got == 0) return false;
    buffer += got;
    size -= got;
  }
  return true;
}

bool WriteAll(HANDLE output, const std::string& bytes) {
  const char* data = bytes.data();
  DWORD left = static_cast<DWORD>(bytes.size());
  while (left > 0) {
    DWORD written = 0;
    if (!WriteFile(output, data, left, &written, nullptr) || written == 0) return false;
    data += written;
    left -= written;
  }
  return true;
}

// Reads whole frames until the input closes or a frame is too long to skip.
void ReadRequests(HANDLE input, RequestQueue& queue) {
  for (;;) {
    char header[kFrameHeaderBytes];
    if (!ReadExact(input, header, sizeof header)) break;
    const std::uint32_t length = FrameLength(std::string_view(header, sizeof header));
    if (length > kMaxFrameBytes) {
      queue.Push({{}, true});
      break;
    }
    std::string payload(length, '\0');
    if (!ReadExact(input, payload.data(), length)) break;
    queue.Push({std::move(payload), false});
  }
  queue.End();
}

// One request to one response frame.
class Server {
 public:
  std::string Answer(const std::string& payload) {
    Decoder in(payload);
    const std::uint8_t opByte = in.U8();
    if (!in.Ok() || !IsKnownOp(opByte))
      return FailureFrame(static_cast<Op>(opByte), Status::kMalformed, "不明な要求です");
    const auto op = static_cast<Op>(opByte);
    if (op == Op::kHello) return Hello(in);
    if (!component_.Created())
      return FailureFrame(op, Status::kCallFailed, "JV-Linkが作成されていません(起動の要求がありません)");
    Encoder out = Response(op, Status::kOk);
    std::string failure;
    const bool called = Serve(op, in, out, failure);
    if (!in.Complete()) return FailureFrame(op, Status::kMalformed, "要求の引数が合いません");
    if (!called) return FailureFrame(op, Status::kCallFailed, failure);
    return out.Frame();
  }

 private:
  std::string Hello(Decoder& in) {
    const std::uint32_t magic = in.U32();
    const std::uint32_t version = in.U32();
    if (!in.Complete() || magic != kMagic)
      return FailureFrame(Op::kHello, Status::kMalformed, "起動の要求ではありません");
    if (version != kVersion)
      return FailureFrame(Op::kHello, Status::kVersionMismatch,
                          "このブリッジの版は" + std::to_string(kVersion) + "です");
    std::string failure;
    if (!component_.Created() && !component_.Create(L"JVDTLab.JVLink", failure))
      return FailureFrame(Op::kHello, Status::kComponentUnavailable, failure);
    Encoder out = Response(Op::kHello, Status::kOk);
    return out.U32(kVersion).Frame();
  }

  // Decodes the arguments (leaving the check to the caller), makes the call
  // and encodes the results; false with the reason when the call failed.
  bool Serve(Op op, Decoder& in, Encoder& out, std::string& failure) {
    switch (op) {
      case Op::kInit: {
        const std::u16string sid = in.Wide();
        return in.Complete() && CodeResult(component_.JVInit(sid), out, failure);
      }
      case Op::kSetUI:
        return in.Complete() && CodeResult(component_.NoArgumentCall(L"JVSetUIProperties"), out, failure);
      case Op::kOpen: {
        const std::u16string dataSpec = in.Wide();
        const std::u16string fromTime = in.Wide();
        const std::int32_t option = in.I32();
        if (!in.Complete()) return false;
        const OpenResult open = component_.JVOpen(dataSpec, fromTime, option);
        if (!open.call.ok) return (failure = open.call.failure), false;
        readSize_ = 60000;
        out.I32(open.call.code).I32(open.readCount).I32(open.downloadCount).Wide(open.lastFileTimestamp);
        return true;
      }
      case Op::kStatus:
        return in.Complete() && CodeResult(component_.NoArgumentCall(L"JVStatus"), out, failure);
      case Op::kRead: {
        const std::uint32_t most = in.U32();
        return in.Complete() && ReadBatch(most, out, failure);
      }
      case Op::kCancel: {
        if (!in.Complete()) return false;
        const CallResult cancel = component_.NoArgumentCall(L"JVCancel", false);
        failure = cancel.failure;
        return cancel.ok;
      }
      case Op::kClose:
        return in.Complete() && CodeResult(component_.NoArgumentCall(L"JVClose"), out, failure);
      case Op::kHello:
        break;
    }
    return false;
  }

  static bool CodeResult(const CallResult& call, Encoder& out, std::string& failure) {
    if (!call.ok) {
      failure = call.failure;
      return false;
    }
    out.I32(call.code);
    return true;
  }

  bool ReadBatch(std::uint32_t most, Encoder& out, std::string& failure) {
    const std::size_t countPosition = out.Position();
    out.U32(0);
    std::uint32_t count = 0;
    std::size_t textBytes = 0;
    while (count < std::max<std::uint32_t>(most, 1) && textBytes < kReadBatchBytes) {
      ReadItem item;
      const CallResult call = component_.JVRead(item, readSize_);
      if (!call.ok) {
        if (count > 0) break;  // the batch so far; the failure comes again with the next call
        failure = call.failure;
        return false;
      }
      out.I32(item.result).I32(item.size).Wide(item.buff).Wide(item.fileName);
      textBytes += 2 * (item.buff.size() + item.fileName.size());
      ++count;
      if (!ContinuesBatch(item.result)) break;
    }
    out.Patch(countPosition, count);
    return true;
  }

  ComComponent component_;
  std::int32_t readSize_ = 60000;  // passed back to JVRead as the program's read loop does
};

}  // namespace

int main() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  int status = 0;
  {
    RequestQueue queue;
    std::thread reader(ReadRequests, input, std::ref(queue));
    reader.detach();  // it may stay blocked on the input; the process ends without it
    Server server;
    HANDLE wake = queue.WakeEvent();
    for (bool running = true; running;) {
      const DWORD woken = MsgWaitForMultipleObjectsEx(1, &wake, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      if (woken == WAIT_OBJECT_0) {
        while (std::optional<Frame> frame = queue.Pop()) {
          const std::string answer = frame->tooLong ? FailureFrame(Op::kHello, Status::kMalformed, "要求が長すぎます")
                                                    : server.Answer(frame->payload);
          if (!WriteAll(output, answer) || frame->tooLong) running = false;
        }
        if (queue.Ended()) running = false;
      }
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
          running = false;
          status = static_cast<int>(message.wParam);
          break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  CoUninitialize();
  ExitProcess(static_cast<UINT>(status));
}
