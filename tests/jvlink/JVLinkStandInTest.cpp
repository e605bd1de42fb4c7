#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "jvdata/Cp932.h"
#include "jvlink/JVLinkStandIn.h"
#include "jvlink/StandInSettings.h"
#include "tests/jvlink/DeliveryFixture.h"

namespace torvane {
namespace {

using test::RaRecord;
using test::TkRecord;
using test::UmRecord;
using test::WriteDelivery;

struct OpenResult {
  std::int32_t code;
  std::int32_t readCount;
  std::int32_t downloadCount;
  std::u16string stamp;
};

struct ReadResult {
  std::int32_t code;
  std::string record;  // CP932
  std::int32_t size;
  std::string fileName;
};

class StandInTest : public ::testing::Test {
 protected:
  void SetUp() override { SetPace(1); }

  void SetPace(int milliseconds) {
    StandInSettings settings = LoadStandInSettings(dir_.Path());
    settings.downloadPaceMs = milliseconds;
    SaveStandInSettings(dir_.Path(), settings);
  }

  std::filesystem::path Deliveries() const { return dir_ / "deliveries"; }
  std::filesystem::path Cache() const { return dir_ / "jvlink-cache"; }

  OpenResult Open(std::u16string_view from = u"20030101000000", std::u16string_view dataspec = kTokuDiffDataSpec,
                  std::int32_t option = 1) {
    OpenResult result{};
    result.code = jvLink_.JVOpen(std::u16string(dataspec), std::u16string(from), option, result.readCount,
                                 result.downloadCount, result.stamp);
    return result;
  }

  ReadResult Read() {
    std::u16string buff;
    std::int32_t size = kReadBufferSize;
    std::u16string fileName;
    const std::int32_t code = jvLink_.JVRead(buff, size, fileName);
    return {code, Utf16ToCp932(buff), size, Utf16ToCp932(fileName)};
  }

  // Polls JVStatus until it reaches count or goes negative; the last value.
  std::int32_t WaitForStatus(std::int32_t count) {
    std::int32_t status = 0;
    for (int i = 0; i < 5000; ++i) {
      status = jvLink_.JVStatus();
      if (status < 0 || status >= count) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return status;
  }

  // Reads to the end: the codes, with each record's file name and bytes.
  std::vector<ReadResult> ReadAll() {
    std::vector<ReadResult> results;
    for (int i = 0; i < 100; ++i) {
      ReadResult result = Read();
      results.push_back(result);
      if (result.code == 0) break;
    }
    return results;
  }

  test::TempDir dir_;
  JVLinkStandIn jvLink_{dir_.Path()};
};

TEST_F(StandInTest, CallsBeforeInitAndSidChecks) {
  WriteDelivery(Deliveries(), "TK", "20030406104642", {TkRecord("2003040606010211")});
  EXPECT_EQ(Open().code, -201);
  EXPECT_EQ(jvLink_.JVStatus(), -201);
  EXPECT_EQ(Read().code, -201);

  EXPECT_EQ(jvLink_.JVInit(u""), -101);
  EXPECT_EQ(jvLink_.JVInit(std::u16string(64, u'A')), -102);
  EXPECT_EQ(jvLink_.JVInit(std::u16string(32, u'競')), -102) << "64 CP932 bytes in 32 characters";
  EXPECT_EQ(jvLink_.JVInit(u" SA480217"), -103);
  EXPECT_EQ(Open().code, -201) << "a refused sid leaves the component uninitialised";

  EXPECT_EQ(jvLink_.JVInit(std::u16string(63, u'A')), 0);
  EXPECT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  EXPECT_EQ(jvLink_.JVStatus(), -203);
  EXPECT_EQ(Read().code, -203);
  EXPECT_EQ(jvLink_.JVClose(), 0) << "closing without an open is no error";
}

TEST_F(StandInTest, OpenArgumentAndServiceChecks) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  WriteDelivery(Deliveries(), "TK", "20030406104642", {TkRecord("2003040606010211")});
  for (const char16_t* dataSpec : {u"", u"RACX", u"TOKUDIF", u"TOKUTOKU", u"tokudiff"})
    EXPECT_EQ(Open(u"20030101000000", dataSpec).code, -111) << Utf16ToCp932(dataSpec);
  EXPECT_EQ(Open(u"2003010100000").code, -112);
  EXPECT_EQ(Open(u"20030229000000").code, -112) << "no 29 February in 2003";
  EXPECT_EQ(Open(u"2003010100000x").code, -112);
  EXPECT_EQ(Open(u"20030101000000", kTokuDiffDataSpec, 2).code, -115);

  EXPECT_EQ(Open(u"20030406104642").code, -1) << "a stamp equal to the from-time is not newer";
  EXPECT_EQ(Open(u"20030406104641").code, 0);
  EXPECT_EQ(Open(u"20030406104641").code, -202);
  EXPECT_EQ(jvLink_.JVClose(), 0);

  StandInSettings settings = LoadStandInSettings(dir_.Path());
  settings.deliveryFolder = "elsewhere";
  SaveStandInSettings(dir_.Path(), settings);
  EXPECT_EQ(Open().code, -411) << "a delivery folder that does not exist";

  settings.serviceKey.clear();
  SaveStandInSettings(dir_.Path(), settings);
  EXPECT_EQ(Open().code, -303);
}

// The files of the data kinds asked for: the older masters and results come
// with DIFF, the current masters with DIFN, the races' details and results
// with RACE, the special registrations with TOKU.
TEST_F(StandInTest, OpenServesTheFilesOfTheDataKindsAskedFor) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  WriteDelivery(Deliveries(), "TK", "20030406104642", {TkRecord("2003040606010211")});
  WriteDelivery(Deliveries(), "UM", "20030406104643", {UmRecord("2000100001", "テストホース")});
  WriteDelivery(Deliveries(), "DIFN", "20030406104644", {UmRecord("2000100001", "テストホース")});
  WriteDelivery(Deliveries(), "RACE", "20030406104645", {RaRecord("2003040606010211")});
  const struct {
    const char16_t* dataSpec;
    int files;
  } cases[] = {{u"TOKUDIFF", 2}, {u"TOKUDIFN", 2}, {u"TOKUDIFNRACE", 3}, {u"RACE", 1}, {u"DIFFTOKURACE", 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(Open(u"20030101000000", c.dataSpec).readCount, c.files) << Utf16ToCp932(c.dataSpec);
    EXPECT_EQ(jvLink_.JVClose(), 0);
  }
}

TEST_F(StandInTest, FreshProgramServesItsDeliveriesWithTheTrialKey) {
  test::TempDir fresh;
  WriteDelivery(fresh / "deliveries", "UM", "20030406104642", {UmRecord("2000100001", "テストホース")});
  JVLinkStandIn jvLink(fresh.Path());
  ASSERT_EQ(jvLink.JVInit(std::u16string(kJVInitSid)), 0);
  std::int32_t readCount = 0, downloadCount = 0;
  std::u16string stamp;
  EXPECT_EQ(jvLink.JVOpen(u"TOKUDIFF", u"20030101000000", 1, readCount, downloadCount, stamp), 0);
  EXPECT_EQ(readCount, 1);
  EXPECT_EQ(LoadStandInSettings(fresh.Path()).serviceKey, kTrialServiceKey);
}

TEST_F(StandInTest, SelectsLaterDeliveriesInStampThenNameOrder) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  const std::string um = UmRecord("2000100001", "テストホース");
  WriteDelivery(Deliveries(), "TKb", "20030406104642", {TkRecord("2003040606010211")});
  WriteDelivery(Deliveries(), "TKa", "20030406104642", {TkRecord("2003040606010212")});
  WriteDelivery(Deliveries(), "UM", "20030405000000", {um});
  WriteDelivery(Deliveries(), "OLD", "20030101000000", {um});
  WriteDelivery(Deliveries(), "BAD", "20031332000000", {um});  // no 32 December
  test::WriteFile(Deliveries() / "notes.jvd", um);
  test::WriteFile(Deliveries() / "TK_20030407000000.txt", um);
  std::filesystem::create_directories(Deliveries() / "DIR_20030408000000.jvd");

  const OpenResult open = Open(u"20030101000000");
  ASSERT_EQ(open.code, 0);
  EXPECT_EQ(open.readCount, 3);
  EXPECT_EQ(open.downloadCount, 3);
  EXPECT_EQ(open.stamp, u"20030406104642");
  ASSERT_EQ(WaitForStatus(3), 3);

  std::vector<std::string> order;
  for (const ReadResult& result : ReadAll())
    order.push_back(result.code > 0 ? result.fileName : std::to_string(result.code));
  EXPECT_EQ(order, (std::vector<std::string>{"UM_20030405000000.jvd", "-1", "TKa_20030406104642.jvd", "-1",
                                             "TKb_20030406104642.jvd", "0"}));
}

TEST_F(StandInTest, ReadsRecordsAsWideTextWithTheirCp932Size) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  const std::vector<std::string> first{TkRecord("2003040606010211", "皐月賞"), RaRecord("2003040606010211")};
  const std::vector<std::string> second{UmRecord("2000100001", "ネオユニヴァース")};
  WriteDelivery(Deliveries(), "A", "20030405000000", first);
  WriteDelivery(Deliveries(), "B", "20030406000000", second);
  ASSERT_EQ(Open().code, 0);
  ASSERT_EQ(WaitForStatus(2), 2);

  std::u16string buff;
  std::int32_t size = kReadBufferSize;
  std::u16string fileName;
  ASSERT_GT(jvLink_.JVRead(buff, size, fileName), 0);
  EXPECT_EQ(buff, Cp932ToUtf16(first[0]));
  EXPECT_EQ(size, static_cast<std::int32_t>(first[0].size()));
  EXPECT_NE(buff.size(), first[0].size()) << "the record holds double-byte characters";

  const std::vector<ReadResult> rest = ReadAll();
  ASSERT_EQ(rest.size(), 4u);
  EXPECT_EQ(rest[0].record, first[1]);
  EXPECT_EQ(rest[0].code, static_cast<std::int32_t>(first[1].size()));
  EXPECT_EQ(rest[1].code, -1);
  EXPECT_EQ(rest[2].record, second[0]);
  EXPECT_EQ(rest[2].fileName, "B_20030406000000.jvd");
  EXPECT_EQ(rest[3].code, 0) << "-1 only between files";
  EXPECT_EQ(Read().code, 0) << "the end stays the end";
}

TEST_F(StandInTest, DownloadClimbsToTheCountAndFillsTheCache) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  SetPace(5);
  for (const char* stamp : {"20030405000000", "20030405000001", "20030405000002", "20030405000003"})
    WriteDelivery(Deliveries(), "UM", stamp, {UmRecord("2000100001", "テストホース")});
  ASSERT_EQ(Open().code, 0);
  std::vector<std::int32_t> seen;
  for (std::int32_t status = 0; status < 4;) {
    status = jvLink_.JVStatus();
    ASSERT_GE(status, 0);
    if (seen.empty() || seen.back() != status) seen.push_back(status);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(seen.back(), 4);
  EXPECT_EQ(jvLink_.JVClose(), 0);

  std::filesystem::remove(Cache() / "UM_20030405000003.jvd");
  const OpenResult again = Open();
  EXPECT_EQ(again.readCount, 4);
  EXPECT_EQ(again.downloadCount, 1) << "only the file missing from the cache is fetched again";
}

TEST_F(StandInTest, ALinkUnderTheTemporaryNameOfACopyIsNotFollowed) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  const auto path = WriteDelivery(Deliveries(), "UM", "20030405000000", {UmRecord("2000100001", "テストホース")});
  const auto outside = dir_ / "outside.txt";
  test::WriteFile(outside, "outside");
  std::filesystem::create_directories(Cache());
  std::filesystem::create_symlink(outside, Cache() / (path.filename().string() + ".part"));
  ASSERT_EQ(Open().code, 0);
  ASSERT_EQ(WaitForStatus(1), 1);
  EXPECT_EQ(test::ReadFile(outside), "outside");
  EXPECT_EQ(test::ReadFile(Cache() / path.filename()), test::ReadFile(path));
  EXPECT_FALSE(std::filesystem::is_symlink(Cache() / path.filename()));
}

TEST_F(StandInTest, ACorrectedDeliveryOfTheSameSizeIsFetchedAgain) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  const auto path = WriteDelivery(Deliveries(), "UM", "20030405000000", {UmRecord("2000100001", "誤りホース")});
  ASSERT_EQ(Open().code, 0);
  ASSERT_EQ(WaitForStatus(1), 1);
  EXPECT_EQ(jvLink_.JVClose(), 0);

  const auto cachedTime = std::filesystem::last_write_time(path);
  WriteDelivery(Deliveries(), "UM", "20030405000000", {UmRecord("2000100001", "正しホース")});
  std::filesystem::last_write_time(path, cachedTime + std::chrono::seconds(1));  // however coarse the clock
  const OpenResult again = Open();
  ASSERT_EQ(again.downloadCount, 1);
  ASSERT_EQ(WaitForStatus(1), 1);
  EXPECT_EQ(Read().record, UmRecord("2000100001", "正しホース"));
}

TEST_F(StandInTest, ACopyDamagedAfterItWasMadeIsFetchedAgain) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  const std::string um = UmRecord("2000100001", "テストホース");
  WriteDelivery(Deliveries(), "UM", "20030405000000", {um});
  ASSERT_EQ(Open().code, 0);
  ASSERT_EQ(WaitForStatus(1), 1);
  EXPECT_EQ(jvLink_.JVClose(), 0);

  // What a power cut can leave: the size and time of the delivery, zeros inside.
  const auto copy = Cache() / "UM_20030405000000.jvd";
  const auto time = std::filesystem::last_write_time(copy);
  test::WriteFile(copy, std::string(um.size(), '\0'));
  std::filesystem::last_write_time(copy, time);
  const OpenResult again = Open();
  ASSERT_EQ(again.downloadCount, 1);
  ASSERT_EQ(WaitForStatus(1), 1);
  EXPECT_EQ(Read().record, um);
}

TEST_F(StandInTest, ReadWhileFetchingThenCancel) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  SetPace(60000);
  WriteDelivery(Deliveries(), "UM", "20030405000000", {UmRecord("2000100001", "テストホース")});
  ASSERT_EQ(Open().code, 0);
  EXPECT_EQ(Read().code, -3);
  EXPECT_EQ(jvLink_.JVStatus(), 0);
  jvLink_.JVCancel();
  EXPECT_EQ(jvLink_.JVStatus(), 0);
  EXPECT_EQ(Read().code, -502) << "a cancelled fetch will not bring the file";
  EXPECT_EQ(Open().code, -202) << "a cancel does not close";
  EXPECT_EQ(jvLink_.JVClose(), 0);
  EXPECT_FALSE(std::filesystem::exists(Cache() / "UM_20030405000000.jvd"));
}

TEST_F(StandInTest, FailedCopyMakesStatusNegative) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  SetPace(100);
  const auto path = WriteDelivery(Deliveries(), "UM", "20030405000000", {UmRecord("2000100001", "テストホース")});
  ASSERT_EQ(Open().code, 0);
  std::filesystem::remove(path);  // gone before the first copy is due
  EXPECT_EQ(WaitForStatus(1), -502);
  EXPECT_EQ(Read().code, -502);
}

TEST_F(StandInTest, DamagedOrVanishedFilesArePassedOver) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  const std::string um = UmRecord("2000100001", "テストホース");
  WriteDelivery(Deliveries(), "A", "20030405000001", {});
  WriteDelivery(Deliveries(), "B", "20030405000002", {um.substr(0, um.size() - 2)});
  WriteDelivery(Deliveries(), "C", "20030405000003", {"UM\x81\r\n"});  // a lead byte without its trail byte
  WriteDelivery(Deliveries(), "D", "20030405000004", {um, "\r\n"});
  WriteDelivery(Deliveries(), "E", "20030405000005", {um});
  WriteDelivery(Deliveries(), "F", "20030405000006", {um});
  ASSERT_EQ(Open().code, 0);
  ASSERT_EQ(WaitForStatus(6), 6);
  std::filesystem::remove(Cache() / "E_20030405000005.jvd");

  std::vector<std::int32_t> codes;
  std::vector<std::string> names;
  for (const ReadResult& result : ReadAll()) {
    codes.push_back(result.code > 0 ? 1 : result.code);
    if (result.code < -1) names.push_back(result.fileName);
  }
  EXPECT_EQ(codes, (std::vector<std::int32_t>{-402, -1, -403, -1, -403, -1, -403, -1, -503, -1, 1, 0}))
      << "D holds an empty record after a good one: the whole file is refused";
  std::vector<std::string> copies;
  for (const char* name : {"A_20030405000001.jvd", "B_20030405000002.jvd", "C_20030405000003.jvd",
                           "D_20030405000004.jvd", "E_20030405000005.jvd"})
    copies.push_back((Cache() / name).string());
  EXPECT_EQ(names, copies) << "every error names its cached copy";
}

TEST_F(StandInTest, SettingsDialogHook) {
  EXPECT_EQ(jvLink_.JVSetUIProperties(), 0) << "without a dialog";
  int opened = 0;
  jvLink_.SetSettingsDialog([&] {
    ++opened;
    StandInSettings settings = LoadStandInSettings(dir_.Path());
    settings.serviceKey.clear();
    SaveStandInSettings(dir_.Path(), settings);
    return -100;
  });
  EXPECT_EQ(jvLink_.JVSetUIProperties(), -100);
  EXPECT_EQ(opened, 1);
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  EXPECT_EQ(Open().code, -303) << "what the dialog saved counts from the next open";
}

TEST_F(StandInTest, OverriddenDeliveryFolder) {
  ASSERT_EQ(jvLink_.JVInit(std::u16string(kJVInitSid)), 0);
  test::TempDir other;
  WriteDelivery(other.Path(), "UM", "20030405000000", {UmRecord("2000100001", "テストホース")});
  WriteDelivery(other.Path(), "UM", "20030405000001", {UmRecord("2000100002", "テストホース")});
  jvLink_.OverrideDeliveryFolder(other.Path());
  EXPECT_EQ(Open().readCount, 2);
}

}  // namespace
}  // namespace torvane
