// The date loader over an arbitrary store tree. The input is a list of
// entries, each an operation byte, a 16-bit length (low byte first) and that
// many content bytes. Operations 0 to 3 add the content to the date file
// (2003年04月06日), to the horse master, past-race or race detail file that
// the content's own fields name (as the writer would name them); operations
// 4 to 7 put a directory where that file would be. So the tree can hold
// truncated files, lines of the wrong length, garbage fields, absurd counts
// and directories in place of files. Afterwards the working set must keep
// the loader's promises.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "browse/DateLoader.h"
#include "codes/KeibaFunc.h"
#include "jvdata/JVData_Structure.h"
#include "store/StorePaths.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzScratchDir.h"

namespace {

using namespace torvane;

const RaceDay kDateText = *RaceDay::FromDigits("20030406");

std::filesystem::path PathFor(const std::filesystem::path& programDir, int kind, std::string_view content) {
  switch (kind) {
    case 0:
      return DateFilePath(programDir, kDateText);
    case 1:
      return UmFilePath(programDir, FieldAt(content, 12, 10));
    case 2:
      return SeFilePath(programDir, FieldAt(content, 31, 10));
    default:
      return RaFilePath(programDir, FieldAt(content, 12, 10));
  }
}

void BuildTree(const std::filesystem::path& programDir, std::string_view input) {
  CreateStoreDirectories(programDir);
  while (input.size() >= 3) {
    const int operation = static_cast<unsigned char>(input[0]) % 8;
    const std::size_t length =
        static_cast<unsigned char>(input[1]) | static_cast<std::size_t>(static_cast<unsigned char>(input[2])) << 8;
    input.remove_prefix(3);
    const std::string_view content = input.substr(0, length);
    input.remove_prefix(content.size());
    const std::filesystem::path path = PathFor(programDir, operation % 4, content);
    if (path.empty()) continue;
    std::error_code ignored;  // a directory already where a file should go, or the other way round
    std::filesystem::create_directories(operation < 4 ? path.parent_path() : path, ignored);
    if (operation < 4) std::ofstream(path, std::ios::binary | std::ios::app).write(content.data(), content.size());
  }
}

bool IsBlank(std::string_view record) { return record.find_first_not_of(' ') == std::string_view::npos; }

void CheckWorkingSet(const WorkingSet& ws, const LoadResult& result) {
  fuzz::Require(result.status == LoadStatus::Loaded, "a present date file loads");
  fuzz::Require(ws.LoadedRaceCount >= 0 && ws.LoadedRaceCount <= kMaxRaces, "at most 16 races");
  int lastSlot = -1;
  for (const RaceListEntry& entry : ws.RaceList) {
    fuzz::Require(entry.slot > lastSlot && entry.slot < ws.LoadedRaceCount, "race list slots ascend within the count");
    fuzz::Require(fuzz::IsUtf8(entry.text), "race list texts are UTF-8");
    lastSlot = entry.slot;
  }
  for (const LoadWarning& warning : result.warnings) fuzz::Require(!warning.message.empty(), "warnings say why");
  for (int r = 0; r < kMaxRaces; ++r) {
    const bool loaded = r < ws.LoadedRaceCount;
    fuzz::Require(loaded || IsBlank(ws.LoadedTk[r].View()), "slots past the count are blank");
    const int count = loaded ? RegisteredCount(ws.LoadedTk[r]) : 0;
    const std::int64_t raceDate = ReadCodeNumber(ws.LoadedTk[r].RaceDate());
    for (int h = 0; h < kMaxEntries; ++h) {
      fuzz::Require(ws.EntryLoaded[r][h] == (h < count ? 1 : 0), "entry flags mark the registered entries");
      // Unregistered entries only need a glance: a blank element starts blank.
      for (int k = 0; k < kMaxPastRaces; ++k) {
        const SeRecord& se = ws.LoadedSe[r][h][k];
        const RaRecord& ra = ws.LoadedRa[r][h][k];
        if (h >= count) {
          fuzz::Require(se.bytes[0] == ' ' && ra.bytes[0] == ' ', "no past races for unregistered entries");
          continue;
        }
        if (IsBlank(se.View())) {
          fuzz::Require(IsBlank(ra.View()), "no race detail without its past race");
          continue;
        }
        const std::int64_t date = ReadCodeNumber(se.RaceDate());
        fuzz::Require(date > 0 && date < raceDate, "past races lie before the race");
        fuzz::Require(IsBlank(ra.View()) || ra.RaceNumber() == se.RaceNumber(),
                      "a race detail of the same race number");
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto workingSet = std::make_unique<WorkingSet>();
  const std::filesystem::path& programDir = fuzz::FreshScratchDir();
  BuildTree(programDir, {reinterpret_cast<const char*>(data), size});
  SilentProgress progress;
  std::error_code ignored;
  const bool hasDateFile = std::filesystem::exists(DateFilePath(programDir, kDateText), ignored);
  const LoadResult result = LoadDate(*workingSet, programDir, kDateText, progress);
  if (hasDateFile)
    CheckWorkingSet(*workingSet, result);
  else
    fuzz::Require(result.status == LoadStatus::DateFileMissing, "a missing date file is reported");
  return 0;
}
