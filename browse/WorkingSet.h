#pragma once
// The working set: everything shown or printed for one date, read from the
// local store by the loader (DateLoader.h) and only read by everyone else.
// One instance lives for the whole run (allocate it once with
// std::make_unique<WorkingSet>(): it is about 52 MB); each load refills it.
//
// An element that no record filled is all blanks (0x20), so every field of it
// reads blank and every number read from it is 0.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "jvdata/JVData_Structure.h"

namespace torvane {

inline constexpr int kMaxRaces = 16;     // race slots per date
inline constexpr int kMaxEntries = 300;  // nominated horses per race (the TK entry table)
inline constexpr int kMaxPastRaces = 5;  // past races per horse

// One line of the race list: its text and the race slot it stands for. Slots
// whose year is blank or "0000" get no line, so the list position is not
// always the slot.
struct RaceListEntry {
  std::string text;  // UTF-8, e.g. "中山  05回 08日 9R"
  int slot = 0;
};

struct WorkingSet {
  template <typename T, std::size_t N>
  using PerEntry = std::array<std::array<T, N>, kMaxEntries>;

  std::array<TkRecord, kMaxRaces> LoadedTk;
  std::array<std::array<UmRecord, kMaxEntries>, kMaxRaces> LoadedUm;
  std::array<PerEntry<SeRecord, kMaxPastRaces>, kMaxRaces> LoadedSe;         // [r][h][k], k = 0 most recent
  std::array<PerEntry<RaRecord, kMaxPastRaces>, kMaxRaces> LoadedRa;         // race detail of LoadedSe[r][h][k]
  std::array<std::array<std::uint8_t, kMaxEntries>, kMaxRaces> EntryLoaded;  // 1: entry h of slot r is registered
  int LoadedRaceCount = 0;                                                   // TK records read for the date, 0..16

  // The race list of the loaded date, in slot order.
  std::vector<RaceListEntry> RaceList;

  // Starts with every record blank, every flag 0 and an empty race list.
  WorkingSet();

  // Every record element of every slot to blanks.
  void BlankRecords();
  // Every EntryLoaded flag to 0.
  void ClearEntryFlags();
};

// The registered count of a TK record (position 653) read with
// ReadCodeNumber and kept within 0..300, the entries the record can hold.
int RegisteredCount(const TkRecord& tk);

}  // namespace torvane
