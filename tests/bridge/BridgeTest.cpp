// The JV-Link bridge under Wine, serving the test component from the tests'
// own prefixes (make-prefixes.sh): the same store as the stand-in's, every
// failure told without a hang and without moving the start time.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <sstream>
#include <stdexcept>

#include "jvlink/JVLinkBridge.h"
#include "jvlink/JVLinkFactory.h"
#include "jvlink/JVResultMessage.h"
#include "platform/ChildProcess.h"
#include "tests/acquisition/AcquisitionRunFakes.h"
#include "tests/jvlink/DeliveryFixture.h"
#include "tests/support/CliRunner.h"
#include "tests/support/StoreCheck.h"

namespace torvane {
namespace {

using test::RunCli;

// The bridge and the prefixes of the Wine this run is for: ctest runs the
// suite once per Wine (win32, win64) and says which in the environment.
std::string RunVariable(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) throw std::runtime_error(std::string(name) + " is not set: run the suite through ctest");
  return value;
}
std::filesystem::path Bridge() { return RunVariable("TORVANE_BRIDGE"); }
constexpr char kFrom[] = "20000101000000";

std::vector<std::string> Lines(const std::string& text, std::string_view prefix) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.starts_with(prefix)) lines.push_back(line);
  return lines;
}

class BridgeTest : public test::AcquisitionFixture {
 protected:
  BridgeTest() {
    UsePrefix("registered");
    ::setenv("TORVANE_TEST_DELIVERIES", deliveries_.Path().c_str(), 1);
    ::setenv("TORVANE_TEST_CACHE", (dir_ / "cache").c_str(), 1);
    ::setenv("TORVANE_TEST_PACE_MS", "1", 1);
    ::unsetenv("TORVANE_TEST_FAULT");
  }

  static void UsePrefix(const std::string& name) {
    ::setenv("WINEPREFIX", (RunVariable("TORVANE_WINE_TEST_DIR") + "/" + name).c_str(), 1);
  }

  // Two files of three records each, the newest stamped 2003-04-06 10:46:42.
  void DeliverTwoFiles() {
    const char key[] = "2003040606010211";
    test::WriteDelivery(deliveries_.Path(), "RA", "20030405000000",
                        {test::RaRecord(key), test::SeRecord(key, "2000100001"), test::SeRecord(key, "2000100002")});
    test::WriteDelivery(
        deliveries_.Path(), "UM", "20030406104642",
        {test::UmRecord("2000100001", "テストホース"), test::UmRecord("2000100002", "ホース"), test::TkRecord(key)});
  }

  // One run through a new bridge; the bridge's failure text afterwards.
  std::string Run(std::chrono::milliseconds answerLimit = kDefaultBridgeAnswerLimit) {
    JVLinkBridge bridge(Bridge(), answerLimit);
    EXPECT_EQ(bridge.JVInit(std::u16string(kJVInitSid)), 0);
    AcquisitionRun run(bridge, view_, settings_, writer_, [] { return test::kTestNow; });
    run.FormCreate();
    view_.picker = {2000, 1, 1, 0, 0, 0};
    view_.events.clear();
    run.Start();
    RunTimer(run);
    outcome_ = run.LastOutcome();
    return bridge.Failure();
  }

  test::TempDir deliveries_;
  RunOutcome outcome_ = RunOutcome::NotRun;
};

TEST_F(BridgeTest, DemoWeekGivesTheStandInsStoreAndLines) {
  ASSERT_EQ(RunCli({"make-demo", deliveries_.Path().string(), "--week-of", "20030406"}).status, 0);
  test::TempDir standIn, bridged;
  test::WriteFile(standIn / "jvlink-standin.ini", "[JVLink]\r\nDownloadPace=1\r\n");
  const auto acquire = [&](const test::TempDir& program, std::vector<std::string> source) {
    std::vector<std::string> args{"--dir", program.Path().string(), "acquire", "--from", kFrom};
    args.insert(args.end(), source.begin(), source.end());
    const test::CliResult result = RunCli(args);
    EXPECT_EQ(result.status, 0) << result.err;
    return result;
  };
  const auto lastTime = [](const test::TempDir& program) {
    return std::filesystem::exists(program / "torvane.ini")
               ? Lines(test::ReadFile(program / "torvane.ini"), "LastTime=")
               : std::vector<std::string>{};
  };
  for (int run = 1; run <= 2; ++run) {
    const test::CliResult expected = acquire(standIn, {"--source", deliveries_.Path().string()});
    const test::CliResult got = acquire(bridged, {"--jvlink"});
    EXPECT_EQ(Lines(got.out, "ダウンロード中").empty(), run == 2) << "the first run fetches, the second finds all";
    EXPECT_EQ(Lines(got.out, "作成済み:"), Lines(expected.out, "作成済み:"));
    EXPECT_GT(Lines(got.out, "作成済み:").size(), 1000u);
    EXPECT_EQ(lastTime(bridged), lastTime(standIn));
  }
  EXPECT_EQ(lastTime(bridged), std::vector<std::string>{"LastTime=2003/04/06 12:00:00\r"});
  std::map<std::string, std::string> expected = test::StoreFiles(standIn.Path());
  std::erase_if(expected, [](const auto& file) { return file.first.starts_with("jvlink-cache"); });
  EXPECT_TRUE(test::StoreFiles(bridged.Path()) == expected) << "the stores differ";
}

TEST_F(BridgeTest, EveryFailureEndsTheRunWithItsMessageAndKeepsTheStartTime) {
  DeliverTwoFiles();
  ASSERT_EQ(Run(), "");  // fetches into the cache, so that each run below would move the start time
  ASSERT_EQ(outcome_, RunOutcome::Completed);
  ASSERT_EQ(LastTime(), "(none)");

  struct Case {
    const char* fault;
    RunOutcome outcome;
    std::string info;
    std::string failure;
  };
  const std::string readFailure = "info:JVReadエラー:" + JVResultMessage("JVRead", kBridgeReadFailure);
  for (const Case& c : {
           Case{"crash@4", RunOutcome::ReadFailed, readFailure, "JV-LinkブリッジがJVReadの途中で終了しました"},
           Case{"hang@2", RunOutcome::ReadFailed, readFailure, "JV-Linkブリッジが2秒以内にJVReadに応答しませんでした"},
           Case{"read:-403@5", RunOutcome::ReadFailed, "info:JVReadエラー:" + JVResultMessage("JVRead", -403), ""},
           Case{"read:-503@1", RunOutcome::ReadFailed, "info:JVReadエラー:" + JVResultMessage("JVRead", -503), ""},
           Case{"open:-504", RunOutcome::OpenFailed, "info:JVOpenエラー:" + JVResultMessage("JVOpen", -504), ""},
           Case{"open:-1", RunOutcome::NothingNew, "info:最新のデータがありません。", ""},
       }) {
    ::setenv("TORVANE_TEST_FAULT", c.fault, 1);
    EXPECT_EQ(Run(std::chrono::seconds(2)), c.failure) << c.fault;
    EXPECT_EQ(outcome_, c.outcome) << c.fault;
    EXPECT_TRUE(view_.Starting("info:").back().starts_with(c.info))
        << c.fault << ": " << view_.Starting("info:").back();
    EXPECT_FALSE(view_.Has("info:JVCloseエラー:(-401)")) << c.fault << ": a closed bridge is told once";
    EXPECT_EQ(LastTime(), "(none)") << c.fault;
  }
  ::unsetenv("TORVANE_TEST_FAULT");
  EXPECT_EQ(Run(), "");
  EXPECT_EQ(LastTime(), "2003/04/06 10:46:42");
}

TEST_F(BridgeTest, CancelWhileFetchingAndWhileReading) {
  DeliverTwoFiles();
  ::setenv("TORVANE_TEST_PACE_MS", "2000", 1);  // the first file is still on its way at the cancel
  JVLinkBridge bridge(Bridge());
  ASSERT_EQ(bridge.JVInit(std::u16string(kJVInitSid)), 0);
  EXPECT_EQ(bridge.JVSetUIProperties(), 0);  // the test component has no dialog of its own
  AcquisitionRun run(bridge, view_, settings_, writer_, [] { return test::kTestNow; });
  run.FormCreate();
  view_.picker = {2000, 1, 1, 0, 0, 0};
  view_.onTimerStart = [&] { run.Cancel(); };
  run.Start();
  EXPECT_EQ(run.LastOutcome(), RunOutcome::Cancelled);
  EXPECT_TRUE(view_.Has("info:JVCancel:キャンセルされました"));
  EXPECT_EQ(view_.events.back(), "beep") << "JV-Link closed at the cancel";
  view_.onTimerStart = nullptr;
  view_.events.clear();
  ::setenv("TORVANE_TEST_PACE_MS", "1", 1);
  run.Start();  // so the next start is not refused (-202): it fetches and reads
  RunTimer(run);
  EXPECT_TRUE(view_.Starting("info:JVOpen").empty()) << view_.Starting("info:").back();
  EXPECT_EQ(run.LastOutcome(), RunOutcome::Completed);
  Run();  // the cache filled
  view_.onPump = [&](int pump) {
    if (pump == 3) run.Cancel();
  };
  view_.events.clear();
  view_.pumps = 0;
  view_.picker = {2000, 1, 1, 0, 0, 0};  // the completed run set it to the newest file's time
  run.Start();
  EXPECT_EQ(run.LastOutcome(), RunOutcome::Cancelled);
  EXPECT_EQ(view_.Starting("list:").size(), 2u) << "the records before the cancel are stored, no more";
  EXPECT_EQ(view_.events.back(), "beep") << "JVClose answered 0 after the batch read ahead";
  EXPECT_EQ(bridge.Failure(), "");
}

TEST_F(BridgeTest, ABridgeThatDiedIsStartedAgainForTheNextRun) {
  DeliverTwoFiles();
  Run();  // fills the cache
  ::setenv("TORVANE_TEST_FAULT", "crash@1", 1);
  JVLinkBridge bridge(Bridge());
  ASSERT_EQ(bridge.JVInit(std::u16string(kJVInitSid)), 0);
  ::unsetenv("TORVANE_TEST_FAULT");  // the next bridge's component is sound
  AcquisitionRun run(bridge, view_, settings_, writer_, [] { return test::kTestNow; });
  run.FormCreate();
  view_.picker = {2000, 1, 1, 0, 0, 0};
  run.Start();
  ASSERT_EQ(run.LastOutcome(), RunOutcome::ReadFailed);
  run.Start();
  EXPECT_EQ(run.LastOutcome(), RunOutcome::Completed) << view_.Starting("info:").back();
  EXPECT_EQ(bridge.Failure(), "");
  EXPECT_EQ(LastTime(), "2003/04/06 10:46:42");
}

TEST_F(BridgeTest, AMissingComponentBridgeOrWineIsToldAtOnce) {
  UsePrefix("empty");
  const test::CliResult unregistered = RunCli({"--dir", dir_.Path().string(), "acquire", "--jvlink", "--from", kFrom});
  EXPECT_EQ(unregistered.status, 1);
  EXPECT_EQ(unregistered.err, std::string(kJVLinkMissingText) + "\n" +
                                  "JV-Linkを作成できません: \"JVDTLab.JVLink\"が登録されていません"
                                  "(CLSIDFromProgID: 0x800401F3)\n");
  EXPECT_EQ(unregistered.out, "");

  const auto unavailable = [](const std::filesystem::path& program) -> std::string {
    try {
      JVLinkBridge bridge(program);
    } catch (const JVLinkUnavailable& error) {
      return error.what();
    }
    return "(started)";
  };
  EXPECT_EQ(unavailable(dir_ / "torvane-jvlink.exe"),
            "JV-Linkブリッジ " + (dir_ / "torvane-jvlink.exe").string() + " がありません");
  ::setenv("PATH", dir_.Path().c_str(), 1);
  EXPECT_EQ(unavailable(Bridge()), "wineがインストールされていません。JV-Linkブリッジの実行に必要です");
}

TEST_F(BridgeTest, MalformedRequestsAreRefusedOneByOneAndAnEndlessFrameEndsTheBridge) {
  platform::ChildProcess child(platform::WindowsProgramCommand(Bridge()), {{"WINEDEBUG", "-all"}});
  const auto ask = [&](std::string frame) {
    EXPECT_TRUE(child.Write(frame));
    std::string answer;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (std::size_t got = 0; answer.size() < 4 || answer.size() < 4 + bridge::FrameLength(answer);) {
      char buffer[4096];
      if (child.Read(buffer, sizeof buffer, got, deadline) != platform::ChildProcess::ReadStatus::kData) break;
      answer.append(buffer, got);
    }
    bridge::Decoder decoder(std::string_view(answer).substr(std::min<std::size_t>(4, answer.size())));
    const std::uint8_t op = decoder.U8();
    return std::pair{op, static_cast<bridge::Status>(decoder.U8())};
  };
  const auto request = [](bridge::Op op) {
    bridge::Encoder out;
    out.U8(static_cast<std::uint8_t>(op));
    return out;
  };
  bridge::Encoder hello = request(bridge::Op::kHello);
  ASSERT_EQ(ask(hello.U32(bridge::kMagic).U32(bridge::kVersion).Frame()).second, bridge::Status::kOk);

  bridge::Encoder unknown;
  EXPECT_EQ(ask(unknown.U8(99).Frame()), std::pair(std::uint8_t{99}, bridge::Status::kMalformed));
  bridge::Encoder truncated = request(bridge::Op::kOpen);
  truncated.U32(1000).U8('T');  // a dataspec of 1000 units that ends after half of one
  EXPECT_EQ(ask(truncated.Frame()).second, bridge::Status::kMalformed);
  bridge::Encoder trailing = request(bridge::Op::kInit);
  EXPECT_EQ(ask(trailing.Wide(kJVInitSid).U8(0).Frame()).second, bridge::Status::kMalformed);
  bridge::Encoder init = request(bridge::Op::kInit);
  EXPECT_EQ(ask(init.Wide(kJVInitSid).Frame()), std::pair(std::uint8_t{2}, bridge::Status::kOk))
      << "the bridge serves on after what it refused";

  EXPECT_EQ(ask(std::string("\xFF\xFF\xFF\xFF", 4)).second, bridge::Status::kMalformed);
  char rest;
  std::size_t got = 0;
  EXPECT_EQ(child.Read(&rest, 1, got, std::chrono::steady_clock::now() + std::chrono::seconds(30)),
            platform::ChildProcess::ReadStatus::kEnded);
}

}  // namespace
}  // namespace torvane
