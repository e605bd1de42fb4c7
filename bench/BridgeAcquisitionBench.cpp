// Records per second of an acquisition of the demo week through the bridge
// under Wine with the test component, against the stand-in in this process:
// the JVRead loop alone, and the whole run with the store writer.
//
// usage: BridgeAcquisitionBench WINEPREFIX
// WINEPREFIX: a 32-bit prefix with jvlink-test-component.dll registered, such
// as build/wine-test/registered, which the bridge tests make.
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>

#include "acquisition/AcquisitionRun.h"
#include "acquisition/StoreWriter.h"
#include "demo/DemoDelivery.h"
#include "jvlink/JVLinkBridge.h"
#include "jvlink/JVLinkStandIn.h"
#include "settings/IniGT.h"
#include "settings/ProgramDir.h"
#include "store/StorePaths.h"

namespace torvane {
namespace {

using Clock = std::chrono::steady_clock;

// The acquisition window with nobody looking: the run's calls go nowhere.
class SilentView final : public AcquisitionView {
 public:
  bool timerOn = false;
  std::string lastInformation;
  void SetStatusText(const std::string&) override {}
  void SetBarRange(ProgressBar, int, int) override {}
  void SetBarPosition(ProgressBar, int) override {}
  void AddListLine(const std::string&) override {}
  void ClearList() override {}
  void ShowInformation(const std::string& text) override { lastInformation = text; }
  bool ConfirmYesNo(const std::string&) override { return false; }
  void Beep() override {}
  void SetBusyCursor(bool) override {}
  void StartTimer() override { timerOn = true; }
  void StopTimer() override { timerOn = false; }
  void ProcessPendingEvents() override {}
  void CloseWindow() override {}
  DateTime PickerDateTime() const override { return {2000, 1, 1, 0, 0, 0}; }
  void SetPickerDateTime(const DateTime&) override {}
};

struct Figure {
  long records = 0;
  double seconds = 0;
  double PerSecond() const { return static_cast<double>(records) / seconds; }
};

// Open, read every record, close; the files must be in the cache already.
Figure ReadAll(JVLink& jvLink) {
  const auto start = Clock::now();
  std::int32_t reads = 0, downloads = 0;
  std::u16string stamp, buff, name;
  if (jvLink.JVOpen(std::u16string(kTokuDiffDataSpec), u"20000101000000", kNormalDataOption, reads, downloads, stamp) !=
          0 ||
      downloads != 0)
    throw std::runtime_error("JVOpen did not open the cached delivery");
  Figure figure;
  std::int32_t size = kReadBufferSize;
  for (std::int32_t result; (result = jvLink.JVRead(buff, size, name)) != kJVReadEnd;) {
    if (result > 0) ++figure.records;
    if (result < kJVReadDownloading) throw std::runtime_error("JVRead failed with " + std::to_string(result));
  }
  jvLink.JVClose();
  figure.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return figure;
}

// One acquisition run into a fresh program directory, fetching first when
// the files are not in the cache.
Figure Acquire(JVLink& jvLink, const std::filesystem::path& programDir, long records) {
  std::filesystem::remove_all(programDir);
  CreateStoreDirectories(programDir);
  TIniGT settings(programDir, kSettingsFileName);
  StoreWriter writer(programDir);
  SilentView view;
  AcquisitionRun run(jvLink, view, settings, writer);
  run.FormCreate();
  const auto start = Clock::now();
  run.Start();
  while (view.timerOn) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    run.PollDownload();
  }
  if (run.LastOutcome() != RunOutcome::Completed)
    throw std::runtime_error("the run did not complete: " + view.lastInformation);
  return {records, std::chrono::duration<double>(Clock::now() - start).count()};
}

// The best of three, since other work on the machine only slows a run down.
Figure Best(const std::function<Figure()>& measure) {
  Figure best = measure();
  for (int i = 1; i < 3; ++i) {
    const Figure next = measure();
    if (next.seconds < best.seconds) best = next;
  }
  return best;
}

void Print(const char* what, const Figure& standIn, const Figure& bridged) {
  std::printf("%-22s stand-in %8.0f records/s, bridge %8.0f records/s, ratio %.2f (target >= 0.5)\n", what,
              standIn.PerSecond(), bridged.PerSecond(), bridged.PerSecond() / standIn.PerSecond());
}

int Main(const char* prefix) {
  const auto dir = std::filesystem::temp_directory_path() / "torvane-bridge-bench";
  std::filesystem::remove_all(dir);
  WriteDemoDelivery(dir / "deliveries", MakeDemoDelivery(ParseDemoDate("20030406")));
  ::setenv("WINEPREFIX", std::filesystem::absolute(prefix).c_str(), 1);
  ::setenv("TORVANE_TEST_DELIVERIES", (dir / "deliveries").c_str(), 1);
  ::setenv("TORVANE_TEST_CACHE", (dir / "bridge-cache").c_str(), 1);
  ::setenv("TORVANE_TEST_PACE_MS", "0", 1);

  JVLinkStandIn standIn([&] {
    StandInSettings settings;
    settings.serviceKey = kTrialServiceKey;
    settings.deliveryFolder = dir / "deliveries";
    settings.cacheFolder = dir / "stand-in-cache";
    settings.downloadPaceMs = 0;
    return settings;
  });
  JVLinkBridge bridge(DefaultBridgePath());
  for (JVLink* jvLink : {static_cast<JVLink*>(&standIn), static_cast<JVLink*>(&bridge)}) {
    if (jvLink->JVInit(std::u16string(kJVInitSid)) != 0) throw std::runtime_error("JVInit failed");
    // A first run fetches the files into the cache, which the timed runs read from.
    (void)Acquire(*jvLink, dir / "program", 0);
  }
  const Figure standInRead = Best([&] { return ReadAll(standIn); });
  const Figure bridgeRead = Best([&] { return ReadAll(bridge); });
  std::printf("demo week: %ld records, best of three runs\n", standInRead.records);
  Print("JVRead loop:", standInRead, bridgeRead);
  Print("acquisition run:", Best([&] { return Acquire(standIn, dir / "program", standInRead.records); }),
        Best([&] { return Acquire(bridge, dir / "program", bridgeRead.records); }));
  std::filesystem::remove_all(dir);
  return 0;
}

}  // namespace
}  // namespace torvane

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: BridgeAcquisitionBench WINEPREFIX (a 32-bit prefix with the test component)\n");
    return 2;
  }
  try {
    return torvane::Main(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "BridgeAcquisitionBench: %s\n", error.what());
    return 1;
  }
}
