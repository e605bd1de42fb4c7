// The acquisition run over JV-Link answers the stand-in never gives: a
// scripted component that replays the results it is told to.
#include <gtest/gtest.h>

#include <deque>
#include <optional>

#include "acquisition/AcquisitionRun.h"
#include "jvdata/Cp932.h"
#include "jvlink/JVResultMessage.h"
#include "tests/acquisition/AcquisitionRunFakes.h"
#include "tests/jvlink/DeliveryFixture.h"

namespace torvane {
namespace {

using Events = std::vector<std::string>;

class ScriptedJVLink final : public JVLink {
 public:
  std::int32_t openResult = 0;
  std::int32_t readCount = 1;
  std::int32_t downloadCount = 0;
  std::u16string stamp = u"20030406104642";
  std::deque<std::int32_t> statuses;
  std::deque<std::pair<std::int32_t, std::string>> reads;  // result and CP932 record
  std::int32_t closeResult = 0;
  std::int32_t readAfterScript = 0;               // what JVRead answers once reads run out
  std::optional<std::int32_t> statusAfterScript;  // JVStatus once statuses run out; the count without it
  std::vector<std::string> calls;                 // "JVOpen TOKUDIFF 20030101000000 1", "JVRead 60000", "JVClose", ...

  std::int32_t JVInit(const std::u16string&) override { return 0; }
  std::int32_t JVSetUIProperties() override { return 0; }
  std::int32_t JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, std::int32_t option,
                      std::int32_t& reads, std::int32_t& downloads, std::u16string& lastFileTimestamp) override {
    calls.push_back("JVOpen " + Utf16ToCp932(dataSpec) + " " + Utf16ToCp932(fromTime) + " " + std::to_string(option));
    reads = readCount;
    downloads = downloadCount;
    lastFileTimestamp = stamp;
    return openResult;
  }
  std::int32_t JVStatus() override { return Next(statuses, statusAfterScript.value_or(downloadCount)); }
  std::int32_t JVRead(std::u16string& buff, std::int32_t& size, std::u16string&) override {
    calls.push_back("JVRead " + std::to_string(size));
    if (reads.empty()) return readAfterScript;
    const auto [result, record] = reads.front();
    reads.pop_front();
    buff = Cp932ToUtf16(record);
    if (result > 0) size = result;
    return result;
  }
  void JVCancel() override { calls.push_back("JVCancel"); }
  std::int32_t JVClose() override {
    calls.push_back("JVClose");
    return closeResult;
  }

 private:
  static std::int32_t Next(std::deque<std::int32_t>& queue, std::int32_t last) {
    if (queue.empty()) return last;
    const std::int32_t value = queue.front();
    queue.pop_front();
    return value;
  }
};

class ScriptedRunTest : public test::AcquisitionFixture {
 protected:
  ScriptedRunTest() { view_.picker = {2003, 1, 1, 0, 0, 0}; }

  std::pair<std::int32_t, std::string> Record(const std::string& record) {
    return {static_cast<std::int32_t>(record.size()), record};
  }

  ScriptedJVLink jvLink_;
  AcquisitionRun run_{jvLink_, view_, settings_, writer_, [] { return test::kTestNow; }};
};

TEST_F(ScriptedRunTest, OpensTokuDiffFromThePickerAndReadsWithA60000Buffer) {
  const DateTime from{2003, 4, 6, 9, 5, 7};
  view_.picker = from;
  jvLink_.reads = {Record(test::UmRecord("2000100001", "テストホース"))};
  run_.Start();
  EXPECT_EQ(jvLink_.calls, (Events{"JVOpen TOKUDIFF 20030406090507 1", "JVRead 60000", "JVRead 1577", "JVClose"}))
      << "the size comes back as the last read left it";
  EXPECT_EQ(view_.events.front(), test::StartDialog(from));
}

TEST_F(ScriptedRunTest, OpenedWithNothingToReadIsLikeNothingNewer) {
  jvLink_.readCount = 0;
  run_.Start();
  EXPECT_EQ(view_.From("cursor:busy"),
            (Events{"cursor:busy", "beep", "info:最新のデータがありません。", "cursor:default", "beep"}));
  EXPECT_EQ(jvLink_.calls.back(), "JVClose");
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::NothingNew);
}

TEST_F(ScriptedRunTest, OnlyARealTimeStampBecomesTheNextStart) {
  for (const std::u16string stamp : {u"", u"              ", u"00000000000000"}) {
    jvLink_.stamp = stamp;
    run_.Start();
    EXPECT_EQ(settings_.ReadString("JvDataGet", "LastTime", "(none)"), "(none)") << Utf16ToCp932(stamp);
    EXPECT_TRUE(view_.Starting("picker:").empty());
  }
  jvLink_.stamp = u"2003ABCD104642";
  run_.Start();
  EXPECT_EQ(view_.events.back(), "info:" + DateTimeConversionError("2003/AB/CD 10:46:42"));
  EXPECT_EQ(settings_.ReadString("JvDataGet", "LastTime", "(none)"), "(none)");

  jvLink_.stamp = u"20030406104642";
  run_.Start();
  EXPECT_EQ(settings_.ReadString("JvDataGet", "LastTime", "(none)"), "2003/04/06 10:46:42");
  EXPECT_EQ(view_.picker, (DateTime{2003, 4, 6, 10, 46, 42}));
}

TEST_F(ScriptedRunTest, ACutOffTimeStampIsRefusedAndNotTakenForAnEarlierTime) {
  jvLink_.stamp = u"2003040610464";
  run_.Start();
  EXPECT_EQ(view_.events.back(), "info:" + DateTimeConversionError("2003/04/06 10:46:4"));
  EXPECT_EQ(settings_.ReadString("JvDataGet", "LastTime", "(none)"), "(none)");
}

TEST_F(ScriptedRunTest, CloseErrorIsShown) {
  jvLink_.closeResult = -1;
  run_.Start();
  EXPECT_EQ(view_.From("status:データ作成が完了しました。"),
            (Events{"status:データ作成が完了しました。", "cursor:default", "beep",
                    "info:JVCloseエラー:" + JVResultMessage("JVClose", -1), "picker:2003/04/06 10:46:42"}));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::CloseFailed);
}

TEST_F(ScriptedRunTest, StatusAboveTheDownloadCountChangesNothing) {
  jvLink_.downloadCount = 2;
  jvLink_.statuses = {1, 5, 2};
  run_.Start();
  run_.PollDownload();
  view_.events.clear();
  run_.PollDownload();
  EXPECT_TRUE(view_.events.empty());
  EXPECT_TRUE(view_.timerOn);
  run_.PollDownload();
  EXPECT_EQ(view_.events.front(), "timer:off");
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Completed);
}

TEST_F(ScriptedRunTest, RetriesTwoAndThreeAndStopsAtAnError) {
  jvLink_.reads = {{-3, ""},
                   {-2, ""},
                   Record(test::UmRecord("2000100001", "テストホース")),
                   {-502, ""},
                   Record(test::UmRecord("2000100002", "テストホース"))};
  run_.Start();
  EXPECT_EQ(view_.From("status:データ読込み中．．．(0/1)"),
            (Events{"status:データ読込み中．．．(0/1)", "pos:rd:0", "range:rd:0-1", "list:作成済み:2000100001.jvUMA",
                    "beep", "info:JVReadエラー:" + JVResultMessage("JVRead", -502), "cursor:default", "beep"}));
  EXPECT_EQ(jvLink_.reads.size(), 1u) << "nothing read after the error";
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::ReadFailed);
}

TEST_F(ScriptedRunTest, EveryWaitEndsAtTheLimitSayingWhatItWaitedForAndKeepsTheStartTime) {
  run_.SetProgressLimit(std::chrono::milliseconds(50));
  const auto endsWith = [&](const std::string& text, RunOutcome outcome) {
    const Events infos = view_.Starting("info:");
    ASSERT_FALSE(infos.empty());
    EXPECT_TRUE(infos.back().starts_with("info:" + text)) << infos.back();
    EXPECT_EQ(jvLink_.calls.back(), "JVClose");
    EXPECT_FALSE(view_.timerOn);
    EXPECT_EQ(run_.LastOutcome(), outcome);
    EXPECT_EQ(LastTime(), "(none)");
    view_.events.clear();
    jvLink_.calls.clear();
  };
  jvLink_.readAfterScript = -3;  // a file that never finishes downloading
  run_.Start();
  endsWith("ファイルのダウンロードが終わらないため、取込みを中止しました。\n待った時間:0.05秒", RunOutcome::Stalled);

  jvLink_.downloadCount = 3;
  jvLink_.statuses = {0, 1};
  jvLink_.statusAfterScript = 1;
  run_.Start();
  RunTimer(run_);
  EXPECT_NE(std::find(jvLink_.calls.begin(), jvLink_.calls.end(), "JVCancel"), jvLink_.calls.end());
  endsWith("ダウンロードが進まないため、取込みを中止しました。ダウンロード済みファイル数:(1/3)", RunOutcome::Stalled);

  jvLink_.downloadCount = -1;
  run_.Start();
  endsWith("JVOpenエラー:ダウンロードファイル数が不正です。(-1)", RunOutcome::OpenFailed);
}

TEST_F(ScriptedRunTest, FormCreateProposesTheStoredStartOrEightDaysAgo) {
  run_.FormCreate();
  EXPECT_EQ(view_.picker, (DateTime{2003, 2, 25, 12, 0, 0}));

  settings_.WriteString("JvDataGet", "LastTime", "\"2003/04/06 10:46:42\"");
  run_.FormCreate();
  EXPECT_EQ(view_.picker, (DateTime{2003, 4, 6, 10, 46, 42}));

  view_.picker = {2010, 1, 1, 0, 0, 0};
  view_.events.clear();
  settings_.WriteString("JvDataGet", "LastTime", "next week");
  run_.FormCreate();
  EXPECT_EQ(view_.events, (Events{"picker:2003/04/06 10:46:42", "info:" + DateTimeConversionError("next week")}));
}

TEST_F(ScriptedRunTest, ClosingTheWindowRebuildsTheDateList) {
  int rebuilt = 0;
  run_.SetDateListRebuild([&] { ++rebuilt; });
  EXPECT_TRUE(run_.FormCloseQuery());
  EXPECT_EQ(rebuilt, 1);
  EXPECT_TRUE(jvLink_.calls.empty()) << "closing makes no JV-Link call";
}

}  // namespace
}  // namespace torvane
