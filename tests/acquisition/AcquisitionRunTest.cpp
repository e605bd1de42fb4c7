// The acquisition run driven through the JV-Link stand-in over delivery
// folders, as the acquisition window drives it.
#include <gtest/gtest.h>

#include "acquisition/AcquisitionRun.h"
#include "jvlink/JVLinkStandIn.h"
#include "jvlink/JVResultMessage.h"
#include "jvlink/StandInSettings.h"
#include "tests/acquisition/AcquisitionRunFakes.h"
#include "tests/jvlink/DeliveryFixture.h"
#include "tests/store/FileSizeLimit.h"

namespace torvane {
namespace {

using Events = std::vector<std::string>;

constexpr char kRaceKey[] = "2003040606010211";
const std::string kTkLine = "list:作成済み:11R/2003年04月06日.jvTK";
const std::string kRaLine = "list:作成済み:11R/2003040606.jvSERA";
const std::string kUmLine = "list:作成済み:2000100001.jvUMA";

class AcquisitionRunTest : public test::AcquisitionFixture {
 protected:
  AcquisitionRunTest() {
    SetPace(1);
    jvLink_.JVInit(std::u16string(kJVInitSid));
    run_.FormCreate();
    view_.picker = {2003, 1, 1, 0, 0, 0};
    view_.events.clear();
  }

  void SetPace(int milliseconds) {
    StandInSettings settings = LoadStandInSettings(dir_.Path());
    settings.downloadPaceMs = milliseconds;
    SaveStandInSettings(dir_.Path(), settings);
  }

  std::filesystem::path Deliveries() const { return dir_ / "deliveries"; }

  // Three files: RA, TK of the same race, UM; the newest stamped 2003-04-06 10:46:42.
  void DeliverWeek() {
    test::WriteDelivery(Deliveries(), "RA", "20030405000000", {test::RaRecord(kRaceKey)});
    test::WriteDelivery(Deliveries(), "TK", "20030406000000", {test::TkRecord(kRaceKey)});
    test::WriteDelivery(Deliveries(), "UM", "20030406104642", {test::UmRecord("2000100001", "テストホース")});
  }

  // A first run that fetches everything, leaving the files in the cache.
  void FetchEverything() {
    run_.Start();
    RunTimer(run_);
    view_.events.clear();
    view_.pumps = 0;
  }

  JVLinkStandIn jvLink_{dir_.Path()};
  AcquisitionRun run_{jvLink_, view_, settings_, writer_, [] { return test::kTestNow; }};
};

TEST_F(AcquisitionRunTest, NothingNewerIsToldAndJVLinkClosed) {
  DeliverWeek();
  view_.picker = {2003, 4, 6, 10, 46, 42};
  run_.Start();
  EXPECT_EQ(view_.events,
            (Events{test::StartDialog(view_.picker), "timer:off", "pos:dl:0", "pos:rd:0", "clear",
                    "status:", "cursor:busy", "beep", "info:最新のデータがありません。", "cursor:default", "beep"}));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::NothingNew);
  EXPECT_EQ(LastTime(), "(none)");
}

TEST_F(AcquisitionRunTest, OpenErrorIsShownWithItsMessage) {
  DeliverWeek();
  StandInSettings settings = LoadStandInSettings(dir_.Path());
  settings.serviceKey.clear();
  SaveStandInSettings(dir_.Path(), settings);
  run_.Start();
  EXPECT_EQ(view_.From("cursor:busy"),
            (Events{"cursor:busy", "beep", "info:JVOpenエラー:" + JVResultMessage("JVOpen", -303), "cursor:default",
                    "beep"}));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::OpenFailed);
}

TEST_F(AcquisitionRunTest, DownloadThenReadLeavesTheStartTime) {
  DeliverWeek();
  run_.Start();
  EXPECT_EQ(view_.From("cursor:busy"),
            (Events{"cursor:busy", "status:ダウンロード中・・・", "range:dl:0-3", "timer:on"}));
  RunTimer(run_);

  const Events ticks = view_.Starting("status:ダウンロード中．．．(");
  ASSERT_FALSE(ticks.empty());
  EXPECT_TRUE(std::is_sorted(ticks.begin(), ticks.end()));
  EXPECT_EQ(view_.FromLast("timer:off"),
            (Events{"timer:off", "status:ダウンロード中．．．(3/3)", "pos:dl:3", "status:データ読込み中．．．(0/3)",
                    "pos:rd:0", "range:rd:0-3", kRaLine, "pos:rd:1", "status:データ読込み中．．．(1/3)", kTkLine,
                    "pos:rd:2", "status:データ読込み中．．．(2/3)", kUmLine, "pos:dl:3", "pos:rd:3",
                    "status:データ作成が完了しました。", "cursor:default", "beep"}));
  EXPECT_EQ(test::ReadFile(dir_ / "Data" / u8"2003年04月06日.jvTK"), test::TkRecord(kRaceKey));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Completed);
  EXPECT_EQ(LastTime(), "(none)") << "a run that fetched keeps the start time";
  EXPECT_TRUE(view_.Starting("picker:").empty());
}

TEST_F(AcquisitionRunTest, ReadWithoutDownloadAdvancesTheStartTime) {
  DeliverWeek();
  FetchEverything();
  run_.Start();
  EXPECT_EQ(view_.From("cursor:busy"),
            (Events{"cursor:busy", "range:dl:0-100", "pos:dl:100", "status:データ読込み中．．．(0/3)", "pos:rd:0",
                    "range:rd:0-3", kRaLine, "pos:rd:1", "status:データ読込み中．．．(1/3)", kTkLine, "pos:rd:2",
                    "status:データ読込み中．．．(2/3)", kUmLine, "pos:dl:100", "pos:rd:3",
                    "status:データ作成が完了しました。", "cursor:default", "beep", "picker:2003/04/06 10:46:42"}));
  EXPECT_EQ(LastTime(), "2003/04/06 10:46:42");
  EXPECT_EQ(view_.picker, (DateTime{2003, 4, 6, 10, 46, 42}));
}

TEST_F(AcquisitionRunTest, StatusErrorClosesTheRun) {
  DeliverWeek();
  SetPace(50);
  view_.onTimerStart = [&] { std::filesystem::remove_all(Deliveries()); };  // nothing left to copy
  run_.Start();
  RunTimer(run_);
  EXPECT_EQ(view_.From("beep"), (Events{"beep", "info:JVStatusエラー:" + JVResultMessage("JVStatus", -502), "timer:off",
                                        "cursor:default", "beep"}));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::StatusFailed);
  EXPECT_TRUE(view_.Starting("list:").empty());
}

TEST_F(AcquisitionRunTest, CancelAnsweredNoChangesNothing) {
  DeliverWeek();
  run_.Start();
  view_.answerYes = false;
  view_.events.clear();
  run_.Cancel();
  EXPECT_EQ(view_.events, (Events{"confirm:データ取込を中止します。実行しますか？"}));
  RunTimer(run_);
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Completed);
  EXPECT_TRUE(view_.Has(kUmLine));
}

TEST_F(AcquisitionRunTest, EveryWayAFetchEndsClosesJVLinkSoThatTheNextStartWorks) {
  DeliverWeek();
  run_.Cancel();  // no run: nothing is asked or told
  EXPECT_EQ(view_.events, Events{});
  SetPace(kMaxDownloadPaceMs);
  run_.Start();
  EXPECT_TRUE(view_.runGoing);
  view_.events.clear();
  run_.Cancel();
  EXPECT_EQ(view_.events, (Events{"confirm:データ取込を中止します。実行しますか？", "timer:off", "beep",
                                  "info:JVCancel:キャンセルされました", "status:JVCancel:キャンセルされました",
                                  "cursor:default", "beep"}));
  EXPECT_FALSE(view_.timerOn);
  EXPECT_FALSE(view_.runGoing);
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Cancelled);

  // The window closed while fetching: the download goes with it.
  run_.Start();
  EXPECT_TRUE(run_.FormCloseQuery());
  EXPECT_FALSE(run_.IsRunning());
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Cancelled);

  // JV-Link, closed both times, takes the next start without a -202.
  SetPace(1);
  view_.events.clear();
  run_.Start();
  RunTimer(run_);
  EXPECT_TRUE(view_.Starting("info:JVOpen").empty());
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Completed);
  EXPECT_EQ(view_.Starting("status:").front(), "status:") << "the former run's status is gone";
}

TEST_F(AcquisitionRunTest, CancelWhileReadingStopsAfterTheCurrentRecordAndKeepsTheStartTime) {
  DeliverWeek();
  FetchEverything();
  view_.onPump = [&](int pump) {
    if (pump == 3) run_.Cancel();  // after the RA record and the file change
  };
  run_.Start();
  EXPECT_EQ(
      view_.From("confirm:データ取込を中止します。実行しますか？"),
      (Events{"confirm:データ取込を中止します。実行しますか？", "timer:off", "beep",
              "info:JVCancel:キャンセルされました", "status:JVCancel:キャンセルされました", "cursor:default", "beep"}));
  EXPECT_TRUE(view_.Has(kRaLine));
  EXPECT_FALSE(view_.Has(kTkLine));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Cancelled);
  EXPECT_EQ(LastTime(), "(none)") << "the records never read must come again";
  EXPECT_TRUE(view_.Starting("picker:").empty());
}

TEST_F(AcquisitionRunTest, CancelAnsweredAfterTheRunEndedCancelsNothing) {
  DeliverWeek();
  run_.Start();
  view_.onConfirm = [&] { RunTimer(run_); };  // the download and the read finish behind the question
  view_.events.clear();
  run_.Cancel();
  EXPECT_EQ(view_.Starting("info:"), Events{});
  EXPECT_EQ(view_.Starting("status:").back(), "status:データ作成が完了しました。");
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Completed);
  EXPECT_TRUE(view_.Has(kUmLine));
}

TEST_F(AcquisitionRunTest, ClosingWhileReadingWaitsForTheRunThenRebuildsTheDateList) {
  DeliverWeek();
  FetchEverything();
  run_.SetDateListRebuild([&] { view_.events.push_back("rebuild"); });
  view_.onClose = [&] { EXPECT_TRUE(run_.FormCloseQuery()); };
  view_.onPump = [&](int pump) {
    if (pump == 2) {
      EXPECT_FALSE(run_.FormCloseQuery()) << "the window must stay while records are read";
    }
  };
  run_.Start();
  EXPECT_EQ(view_.From("status:データ作成が完了しました。"),
            (Events{"status:データ作成が完了しました。", "cursor:default", "beep", "picker:2003/04/06 10:46:42",
                    "close", "rebuild"}));
  EXPECT_TRUE(view_.Has(kUmLine));
}

TEST_F(AcquisitionRunTest, ReadErrorEndsTheLoopAndKeepsTheStartTime) {
  test::WriteDelivery(Deliveries(), "RA", "20030405000000", {test::RaRecord(kRaceKey)});
  test::WriteDelivery(Deliveries(), "TK", "20030406000000", {"TK\r\n\r\n"});
  test::WriteDelivery(Deliveries(), "UM", "20030406104642", {test::UmRecord("2000100001", "テストホース")});
  FetchEverything();  // the damaged file ends this run too
  run_.Start();
  EXPECT_EQ(view_.From("status:データ読込み中．．．(1/3)"),
            (Events{"status:データ読込み中．．．(1/3)", "beep",
                    "info:JVReadエラー:" + JVResultMessage("JVRead", -403) +
                        "\nファイル:" + (dir_ / "jvlink-cache" / "TK_20030406000000.jvd").string(),
                    "cursor:default", "beep"}));
  EXPECT_FALSE(view_.Has(kUmLine));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::ReadFailed);
  EXPECT_EQ(LastTime(), "(none)");
}

TEST_F(AcquisitionRunTest, ABatchThatCannotBeWrittenNamesItsFilesAndTheUnsavedRecordsAndKeepsLastTime) {
  DeliverWeek();
  FetchEverything();
  {
    test::FileSizeLimit limit(600);  // below the horse master, which is written again
    run_.Start();
  }
  EXPECT_TRUE(view_.Has(kUmLine)) << "each record is listed as it is applied";
  const Events closing = view_.From("status:データ作成が完了しました。");
  ASSERT_EQ(closing.size(), 5u);
  const std::string& text = closing[2];
  EXPECT_EQ(closing[1], "beep");
  EXPECT_TRUE(text.starts_with("info:データ作成エラー:")) << text;
  EXPECT_NE(text.find("書き込めなかったファイル:\n" + (dir_ / "UMA" / "2000" / "2000100001.jvUMA").string()),
            std::string::npos)
      << "names the file not written: " << text;
  EXPECT_NE(text.find("一覧の最後の3件の作成済みデータは保存されていません。"), std::string::npos) << text;
  EXPECT_EQ((Events{closing[3], closing[4]}), (Events{"cursor:default", "beep"}));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::StoreFailed);
  EXPECT_EQ(LastTime(), "(none)");
  EXPECT_EQ(jvLink_.JVStatus(), -203) << "JV-Link was closed";
}

TEST_F(AcquisitionRunTest, RefusedRecordIsListedAndTheLoopGoesOn) {
  const std::string tk = test::TkRecord(kRaceKey);
  test::WriteDelivery(Deliveries(), "TK", "20030405000000",
                      {tk.substr(0, 100) + "\r\n", tk, test::TkRecord("0000000006010211")});
  const std::string refusedCount = "info:取込不可のデータが2件ありました。取得開始日付は変更していません。";
  run_.Start();
  RunTimer(run_);
  const Events list = view_.Starting("list:");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_TRUE(list[0].starts_with("list:取込不可:TK record of 102 bytes")) << list[0];
  EXPECT_EQ(list[1], kTkLine);
  EXPECT_TRUE(list[2].starts_with("list:取込不可:TK record: the race date \"00000000\"")) << list[2];
  EXPECT_TRUE(view_.Has(refusedCount));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::RecordsRefused);

  // Read again without fetching: the start time would move past them.
  view_.events.clear();
  run_.Start();
  EXPECT_EQ(view_.Starting("list:取込不可:").size(), 2u);
  EXPECT_TRUE(view_.Has(refusedCount));
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::RecordsRefused);
  EXPECT_EQ(LastTime(), "(none)");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Data" / "0000年00月00日.jvTK"));
}

TEST_F(AcquisitionRunTest, AStartWhileAnotherWriterHoldsTheStoreIsRefusedAndOpensNothing) {
  DeliverWeek();
  {
    StoreLock importRunning;
    ASSERT_TRUE(importRunning.TryTake(dir_.Path()));
    run_.Start();
    EXPECT_EQ(view_.events, (Events{"beep", "info:" + std::string(kOtherWriterText)}));
    EXPECT_EQ(run_.LastOutcome(), RunOutcome::StoreBusy);
    EXPECT_FALSE(run_.IsRunning());
  }
  run_.Start();
  RunTimer(run_);
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Completed);
  EXPECT_TRUE(view_.Has(kUmLine));
  StoreLock next;
  EXPECT_TRUE(next.TryTake(dir_.Path())) << "the run let go of the store when it ended";
}

TEST_F(AcquisitionRunTest, StartDuringARunStartsNoSecondRun) {
  DeliverWeek();
  FetchEverything();
  const std::string refusal = "info:" + std::string(kRunInProgressText);
  const DateTime from = view_.picker;
  view_.onPump = [&](int pump) {
    if (pump == 2) run_.Start();
  };
  run_.Start();
  EXPECT_EQ(view_.Starting("info:"), (Events{test::StartDialog(from), refusal}));
  EXPECT_TRUE(view_.Has(kUmLine)) << "the run went on to the end";
  EXPECT_EQ(run_.LastOutcome(), RunOutcome::Completed);

  view_.onPump = nullptr;
  SetPace(kMaxDownloadPaceMs);
  std::filesystem::remove_all(dir_ / "jvlink-cache");
  view_.picker = from;
  run_.Start();
  view_.events.clear();
  run_.Start();  // while fetching
  EXPECT_EQ(view_.events, (Events{"beep", refusal}));
  EXPECT_TRUE(view_.timerOn);
}

TEST_F(AcquisitionRunTest, SettingsButtonShowsTheDialogsError) {
  int result = 0;
  jvLink_.SetSettingsDialog([&] { return result; });
  run_.SpeedButton1Click();
  EXPECT_TRUE(view_.events.empty());
  result = -100;
  run_.SpeedButton1Click();
  EXPECT_EQ(view_.events,
            (Events{"beep", "info:JVSetUIPropertiesエラー：" + JVResultMessage("JVSetUIProperties", -100)}));
}

}  // namespace
}  // namespace torvane
