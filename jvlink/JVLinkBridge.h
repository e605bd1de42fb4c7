#pragma once
// The installed JV-Link component, reached through the bridge: a 32-bit
// Windows program (torvane-jvlink.exe) that hosts the component and answers
// the JV-Link calls over its standard input and output (BridgeProtocol.h).
// It runs as a child process, under Wine where the system is not Windows,
// so that a crash or a hang inside the component cannot take the caller
// with it.
//
// JVRead asks the bridge for records a batch at a time and asks for the next
// batch as soon as one arrives, so the bridge reads while the caller stores;
// the results still come one per call, in order. A caller that stops calling
// JVRead (a cancel) stops at the next record.
//
// Failures are told, never waited on: a bridge that ends, answers nonsense
// or does not answer within the answer limit is ended, Failure() says what
// happened, and the call answers as the component's own failure would:
// JVRead and JVStatus -502 (download failed: a communication or disk error),
// the other calls -401 (internal error). JVClose after such a failure answers
// 0: nothing is left open. The next JVInit or JVOpen starts a new bridge.

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "jvlink/BridgeProtocol.h"
#include "jvlink/JVLink.h"
#include "platform/Paths.h"

namespace torvane {

namespace platform {
class ChildProcess;
}

inline constexpr std::string_view kBridgeProgramName = "torvane-jvlink.exe";
inline constexpr std::chrono::milliseconds kDefaultBridgeAnswerLimit{60000};
inline constexpr std::int32_t kBridgeReadFailure = -502;
inline constexpr std::int32_t kBridgeCallFailure = -401;

// The bridge beside the executable, or in the build tree's win32 folder
// beside its bin folder; the first of them when neither exists.
std::filesystem::path DefaultBridgePath();

class JVLinkBridge final : public JVLink {
 public:
  // Starts the bridge and has it create the component. Throws
  // JVLinkUnavailable (JVLinkFactory.h) naming the cause: the bridge or Wine
  // missing, the component not registered or not created, no answer.
  explicit JVLinkBridge(std::filesystem::path bridgeProgram,
                        std::chrono::milliseconds answerLimit = kDefaultBridgeAnswerLimit);
  ~JVLinkBridge() override;

  std::int32_t JVInit(const std::u16string& sid) override;
  // Waits as long as the user keeps the component's dialog open.
  std::int32_t JVSetUIProperties() override;
  std::int32_t JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, std::int32_t option,
                      std::int32_t& readCount, std::int32_t& downloadCount, std::u16string& lastFileTimestamp) override;
  std::int32_t JVStatus() override;
  std::int32_t JVRead(std::u16string& buff, std::int32_t& size, std::u16string& fileName) override;
  void JVCancel() override;
  std::int32_t JVClose() override;

  // What went wrong with the bridge last (English, one line), or empty.
  const std::string& Failure() const { return failure_; }

 private:
  void Start();
  // Sends a request and waits for its answer (no limit when limit is empty):
  // its whole frame, with the status kOk, or nothing after a failure.
  std::optional<std::string> Call(bridge::Encoder& request, bridge::Op op,
                                  std::optional<std::chrono::milliseconds> limit);
  bool Send(bridge::Encoder& request);
  std::optional<std::string> Receive(bridge::Op op, std::optional<std::chrono::milliseconds> limit);
  std::optional<std::string> ReceiveFrame(bridge::Op op, std::optional<std::chrono::milliseconds> limit);
  void SendRead();
  bool ReceiveRead();
  // Waits for a batch asked for in advance, keeping its records.
  bool SettlePendingRead();
  // A call whose one result is its code; failureCode when it fails.
  std::int32_t CodeCall(bridge::Op op, std::optional<std::chrono::milliseconds> limit, std::int32_t failureCode);
  void Fail(std::string text);
  bool EnsureRunning();

  const std::filesystem::path program_;
  const std::chrono::milliseconds answerLimit_;
  std::unique_ptr<platform::ChildProcess> child_;
  std::optional<std::u16string> sid_;  // given to a restarted bridge
  std::deque<bridge::ReadItem> batch_;
  bool readPending_ = false;
  bool failed_ = false;
  std::string failure_;
};

}  // namespace torvane
