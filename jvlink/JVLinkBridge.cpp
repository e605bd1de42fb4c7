#include "jvlink/JVLinkBridge.h"

#include <system_error>

#include "jvdata/PlainText.h"
#include "jvlink/JVLinkFactory.h"
#include "platform/ChildProcess.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/SystemErrorText.h"

namespace torvane {
namespace {

using bridge::Decoder;
using bridge::Encoder;
using bridge::Op;
using bridge::Status;

constexpr std::uint32_t kReadBatchRecords = 256;

// Where an answer's results begin in its frame: after the length, the op and the status.
constexpr std::size_t kResultsOffset = bridge::kFrameHeaderBytes + 2;

// An answer's results, read in place: batches of records are large.
Decoder Results(const std::string& frame) { return Decoder(std::string_view(frame).substr(kResultsOffset)); }

Encoder Request(Op op) {
  Encoder request;
  request.U8(static_cast<std::uint8_t>(op));
  return request;
}

std::string StatusText(Status status) {
  switch (status) {
    case Status::kMalformed:
      return "JV-Linkブリッジが要求を読み取れませんでした";
    case Status::kCallFailed:
      return "JV-Linkの呼び出しに失敗しました";
    case Status::kComponentUnavailable:
      return "JV-Linkを作成できません";
    case Status::kVersionMismatch:
      return "JV-Linkブリッジの版が異なります";
    case Status::kOk:
      break;
  }
  return "JV-Linkブリッジが不明な状態(" + std::to_string(static_cast<int>(status)) + ")を返しました";
}

// The call as the failure texts name it.
std::string CallName(Op op) {
  switch (op) {
    case Op::kHello:
      return "起動(JV-Linkの作成)";
    case Op::kInit:
      return "JVInit";
    case Op::kSetUI:
      return "JVSetUIProperties";
    case Op::kOpen:
      return "JVOpen";
    case Op::kStatus:
      return "JVStatus";
    case Op::kRead:
      return "JVRead";
    case Op::kCancel:
      return "JVCancel";
    case Op::kClose:
      return "JVClose";
  }
  return "不明な呼び出し";
}

}  // namespace

std::filesystem::path DefaultBridgePath() {
  const std::filesystem::path dir = platform::ExecutableDir();
  const std::filesystem::path beside = dir / kBridgeProgramName;
  const std::filesystem::path buildTree = dir.parent_path() / "win32" / kBridgeProgramName;
  return !platform::Exists(beside) && platform::Exists(buildTree) ? buildTree : beside;
}

JVLinkBridge::JVLinkBridge(std::filesystem::path bridgeProgram, std::chrono::milliseconds answerLimit)
    : program_(std::move(bridgeProgram)), answerLimit_(answerLimit) {
  Start();
  if (failed_) throw JVLinkUnavailable(failure_);
}

JVLinkBridge::~JVLinkBridge() = default;

void JVLinkBridge::Start() {
  child_.reset();
  batch_.clear();
  readPending_ = false;
  failed_ = false;
  failure_.clear();
  if (!platform::IsRegularFile(program_)) {
    Fail("JV-Linkブリッジ " + platform::Utf8OfPath(program_) + " がありません");
    return;
  }
  const std::vector<std::string> command = platform::WindowsProgramCommand(program_);
  try {
    // Wine's own notes on standard error would bury the program's messages.
    child_ = std::make_unique<platform::ChildProcess>(
        command, std::vector<platform::ChildProcess::Variable>{{"WINEDEBUG", "-all"}});
  } catch (const std::system_error& error) {
    const bool missing = error.code() == std::errc::no_such_file_or_directory;
    Fail(missing && command.size() > 1
             ? command.front() + "がインストールされていません。JV-Linkブリッジの実行に必要です"
             : "JV-Linkブリッジを起動できません(" + command.front() + "): " + SystemReasonText(error.code()));
    return;
  }
  Encoder hello = Request(Op::kHello);
  hello.U32(bridge::kMagic).U32(bridge::kVersion);
  if (!Send(hello)) return;
  const std::optional<std::string> results = Receive(Op::kHello, answerLimit_);
  if (results && Results(*results).U32() != bridge::kVersion) Fail("JV-Linkブリッジの版が異なります");
}

void JVLinkBridge::Fail(std::string text) {
  failed_ = true;
  failure_ = std::move(text);
  batch_.clear();
  readPending_ = false;
  if (child_) child_->Kill();
  child_.reset();
}

bool JVLinkBridge::EnsureRunning() {
  if (!failed_) return true;
  Start();
  if (failed_ || !sid_) return !failed_;
  if (CodeCall(Op::kInit, answerLimit_, kBridgeCallFailure) != 0 && !failed_)
    Fail("再起動したJV-LinkブリッジでJVInitが失敗しました");
  return !failed_;
}

bool JVLinkBridge::Send(Encoder& request) {
  if (failed_) return false;
  if (child_->Write(request.Frame())) return true;
  Fail("JV-Linkブリッジが終了しています");
  return false;
}

std::optional<std::string> JVLinkBridge::ReceiveFrame(Op op, std::optional<std::chrono::milliseconds> limit) {
  const auto deadline = limit ? std::chrono::steady_clock::now() + *limit : platform::ChildProcess::Deadline::max();
  std::string frame(bridge::kFrameHeaderBytes, '\0');
  std::size_t have = 0;
  bool haveHeader = false;
  for (;;) {
    while (have < frame.size()) {
      std::size_t got = 0;
      switch (child_->Read(frame.data() + have, frame.size() - have, got, deadline)) {
        case platform::ChildProcess::ReadStatus::kData:
          have += got;
          break;
        case platform::ChildProcess::ReadStatus::kEnded:
          Fail("JV-Linkブリッジが" + CallName(op) + "の途中で終了しました");
          return std::nullopt;
        case platform::ChildProcess::ReadStatus::kTimedOut:
          Fail("JV-Linkブリッジが" + Formatted("%g", static_cast<double>(limit->count()) / 1000) + "秒以内に" +
               CallName(op) + "に応答しませんでした");
          return std::nullopt;
      }
    }
    if (haveHeader) return frame;
    const std::uint32_t length = bridge::FrameLength(frame);
    if (length > bridge::kMaxFrameBytes) {
      Fail("JV-Linkブリッジの応答が長すぎます(" + std::to_string(length) + "バイト)");
      return std::nullopt;
    }
    frame.resize(bridge::kFrameHeaderBytes + length);
    haveHeader = true;
  }
}

std::optional<std::string> JVLinkBridge::Receive(Op op, std::optional<std::chrono::milliseconds> limit) {
  std::optional<std::string> payload = ReceiveFrame(op, limit);
  if (!payload) return std::nullopt;
  Decoder decoder(std::string_view(*payload).substr(bridge::kFrameHeaderBytes));
  const std::uint8_t answeredOp = decoder.U8();
  const auto status = static_cast<Status>(decoder.U8());
  if (!decoder.Ok() || answeredOp != static_cast<std::uint8_t>(op)) {
    Fail("JV-Linkブリッジが順序の違う応答を返しました");
    return std::nullopt;
  }
  if (status == Status::kOk) return payload;
  std::string text = decoder.Bytes();
  text = StatusText(status) + (text.empty() ? "" : ": " + text);
  if (status == Status::kCallFailed) {
    // The bridge itself is sound; only this call failed.
    failure_ = std::move(text);
    return std::nullopt;
  }
  Fail(std::move(text));
  return std::nullopt;
}

std::optional<std::string> JVLinkBridge::Call(Encoder& request, Op op, std::optional<std::chrono::milliseconds> limit) {
  if (!SettlePendingRead() || !Send(request)) return std::nullopt;
  return Receive(op, limit);
}

std::int32_t JVLinkBridge::CodeCall(Op op, std::optional<std::chrono::milliseconds> limit, std::int32_t failureCode) {
  Encoder request = Request(op);
  if (op == Op::kInit) request.Wide(*sid_);
  const std::optional<std::string> results = Call(request, op, limit);
  if (!results) return failureCode;
  Decoder decoder = Results(*results);
  const std::int32_t code = decoder.I32();
  if (decoder.Complete()) return code;
  Fail("JV-Linkブリッジの応答が不正です");
  return failureCode;
}

std::int32_t JVLinkBridge::JVInit(const std::u16string& sid) {
  sid_ = sid;
  if (failed_) {
    Start();
    if (failed_) return kBridgeCallFailure;
  }
  return CodeCall(Op::kInit, answerLimit_, kBridgeCallFailure);
}

std::int32_t JVLinkBridge::JVSetUIProperties() {
  if (!EnsureRunning()) return kBridgeCallFailure;
  return CodeCall(Op::kSetUI, std::nullopt, kBridgeCallFailure);
}

std::int32_t JVLinkBridge::JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, std::int32_t option,
                                  std::int32_t& readCount, std::int32_t& downloadCount,
                                  std::u16string& lastFileTimestamp) {
  readCount = 0;
  downloadCount = 0;
  lastFileTimestamp.clear();
  if (!EnsureRunning()) return kBridgeCallFailure;
  Encoder request = Request(Op::kOpen);
  request.Wide(dataSpec).Wide(fromTime).I32(option);
  const std::optional<std::string> results = Call(request, Op::kOpen, answerLimit_);
  batch_.clear();
  if (!results) return kBridgeCallFailure;
  Decoder decoder = Results(*results);
  const std::int32_t code = decoder.I32();
  const std::int32_t reads = decoder.I32();
  const std::int32_t downloads = decoder.I32();
  std::u16string stamp = decoder.Wide();
  if (!decoder.Complete()) {
    Fail("JV-LinkブリッジのJVOpenの応答が不正です");
    return kBridgeCallFailure;
  }
  readCount = reads;
  downloadCount = downloads;
  lastFileTimestamp = std::move(stamp);
  return code;
}

std::int32_t JVLinkBridge::JVStatus() {
  if (failed_) return kBridgeReadFailure;
  return CodeCall(Op::kStatus, answerLimit_, kBridgeReadFailure);
}

void JVLinkBridge::SendRead() {
  Encoder request = Request(Op::kRead);
  request.U32(kReadBatchRecords);
  readPending_ = Send(request);
}

bool JVLinkBridge::ReceiveRead() {
  // A request that could not be sent (the bridge gone, so no child to read
  // from) has no answer to wait for.
  if (!readPending_) return false;
  readPending_ = false;
  const std::optional<std::string> results = Receive(Op::kRead, answerLimit_);
  if (!results) return false;
  Decoder decoder = Results(*results);
  const std::uint32_t count = decoder.U32();
  const std::size_t before = batch_.size();
  for (std::uint32_t i = 0; i < count && decoder.Ok(); ++i) {
    bridge::ReadItem item;
    item.result = decoder.I32();
    item.size = decoder.I32();
    item.buff = decoder.Wide();
    item.fileName = decoder.Wide();
    batch_.push_back(std::move(item));
  }
  if (!decoder.Complete() || count == 0) {
    batch_.resize(before);
    Fail("JV-LinkブリッジのJVReadの応答が不正です");
    return false;
  }
  return true;
}

bool JVLinkBridge::SettlePendingRead() { return !readPending_ || ReceiveRead(); }

std::int32_t JVLinkBridge::JVRead(std::u16string& buff, std::int32_t& size, std::u16string& fileName) {
  if (batch_.empty()) {
    if (failed_) return kBridgeReadFailure;
    if (!readPending_) SendRead();
    if (!ReceiveRead()) return kBridgeReadFailure;
    // The next batch is read while the caller handles this one. A bridge
    // that is gone by then fails this call: its batch went with it.
    if (bridge::ContinuesBatch(batch_.back().result)) SendRead();
    if (failed_) return kBridgeReadFailure;
  }
  bridge::ReadItem item = std::move(batch_.front());
  batch_.pop_front();
  if (item.result > 0) {
    buff = std::move(item.buff);
    size = item.size;
  }
  fileName = std::move(item.fileName);
  return item.result;
}

void JVLinkBridge::JVCancel() {
  if (failed_) return;
  Encoder request = Request(Op::kCancel);
  (void)Call(request, Op::kCancel, answerLimit_);
}

std::int32_t JVLinkBridge::JVClose() {
  if (failed_) return 0;
  const std::int32_t code = CodeCall(Op::kClose, answerLimit_, kBridgeCallFailure);
  batch_.clear();
  return code;
}

}  // namespace torvane
