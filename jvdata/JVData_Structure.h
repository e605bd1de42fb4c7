#pragma once
// The four JV-Data record types the program keeps, as fixed-size blocks of the
// raw CP932 bytes JV-Link delivered (CR LF included). Fields are cut by their
// 1-based byte position and byte length; every field the program reads has a
// named accessor here, so no position appears anywhere else.

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace torvane {

inline constexpr std::size_t kTkRecordSize = 21657;
inline constexpr std::size_t kRaRecordSize = 1272;
inline constexpr std::size_t kSeRecordSize = 555;
// UM comes in two layouts, told apart by their length: the one delivered
// with the data kind "DIFF" and the current one delivered with "DIFN", whose
// pedigree entries are longer, so that every field from the sire on moved.
inline constexpr std::size_t kUmRecordSize = 1577;
inline constexpr std::size_t kUmCurrentRecordSize = 1609;

inline constexpr int kTkEntryCount = 300;
inline constexpr int kTkEntrySize = 70;
inline constexpr int kTkEntryTableStart = 656;

// The record size for a record type ID ("TK", "RA", "SE", "UM"), 0 for any
// other; for UM the size of the older layout.
std::size_t RecordSizeOf(std::string_view recordType);
// Whether a record of the type may have this size, CR LF included: the one
// size of its type, or for UM either layout's.
bool IsRecordSizeOf(std::string_view recordType, std::size_t size);

// A field by 1-based position and length. Positions outside the text give the
// part that exists (possibly nothing), so a short text never reads out of bounds.
inline std::string_view FieldAt(std::string_view text, int position, int length) {
  const std::size_t start = static_cast<std::size_t>(position - 1);
  if (position < 1 || length <= 0 || start >= text.size()) return {};
  return text.substr(start, static_cast<std::size_t>(length));
}

// The race key (year, month-day, racecourse, meeting, day number, race
// number) of raw TK, RA or SE record text; the store files are scanned by it
// without copying each record into its typed view.
inline std::string_view RaceKeyOf(std::string_view raceRecord) { return FieldAt(raceRecord, 12, 16); }

// RA and SE: the data kind and creation date, which the store writer sets to
// zeros so that a file's order is the order of its race keys.
inline constexpr int kKindAndCreationDatePosition = 3;
inline constexpr int kKindAndCreationDateLength = 9;

template <std::size_t N>
struct FixedRecord {
  static constexpr std::size_t kSize = N;
  std::array<char, N> bytes;

  std::string_view View() const { return {bytes.data(), N}; }
  std::string_view Field(int position, int length) const { return FieldAt(View(), position, length); }
  // An absent element of the working set: all blanks, so every field reads blank or 0.
  void Blank() { bytes.fill(' '); }
  // Copies a record of exactly N bytes; a shorter source leaves the rest blank.
  void Assign(std::string_view record) {
    Blank();
    std::memcpy(bytes.data(), record.data(), record.size() < N ? record.size() : N);
  }
};

// Header fields shared by TK, RA and SE records.
template <std::size_t N>
struct RaceRecord : FixedRecord<N> {
  using FixedRecord<N>::Field;
  std::string_view RecordType() const { return Field(1, 2); }
  std::string_view DataKind() const { return Field(3, 1); }
  std::string_view Year() const { return Field(12, 4); }
  std::string_view MonthDay() const { return Field(16, 4); }
  std::string_view Month() const { return Field(16, 2); }
  std::string_view Day() const { return Field(18, 2); }
  std::string_view RaceDate() const { return Field(12, 8); }  // yyyymmdd
  std::string_view CourseCode() const { return Field(20, 2); }
  std::string_view MeetingNumber() const { return Field(22, 2); }
  std::string_view DayNumber() const { return Field(24, 2); }
  std::string_view RaceNumber() const { return Field(26, 2); }
  std::string_view RaceKey() const { return Field(12, 16); }
};

// One nominated horse of a TK record (70 bytes).
struct TkEntry {
  std::string_view bytes;

  std::string_view Field(int offset, int length) const { return FieldAt(bytes, offset + 1, length); }
  std::string_view RunningNumber() const { return Field(0, 3); }
  std::string_view BloodNumber() const { return Field(3, 10); }
  std::string_view BirthYear() const { return Field(3, 4); }  // first 4 digits of the blood number
  std::string_view HorseName() const { return Field(13, 36); }
  std::string_view HorseMarkCode() const { return Field(49, 2); }
  std::string_view SexCode() const { return Field(51, 1); }
  std::string_view TrainerShortName() const { return Field(58, 8); }
  std::string_view BurdenWeight() const { return Field(66, 3); }  // tenths of a kilogram
};

// TK: special registration, one race with its nominated horses.
struct TkRecord : RaceRecord<kTkRecordSize> {
  std::string_view RaceName() const { return Field(33, 60); }
  std::string_view GradeCode() const { return Field(615, 1); }
  std::string_view WeightTypeCode() const { return Field(621, 1); }
  std::string_view ConditionCode() const { return Field(634, 3); }
  std::string_view Distance() const { return Field(637, 4); }
  std::string_view TrackCode() const { return Field(641, 2); }
  std::string_view HandicapMonth() const { return Field(649, 2); }
  std::string_view HandicapDay() const { return Field(651, 2); }
  std::string_view RegisteredCount() const { return Field(653, 3); }
  // Entry h (0..299) of the entry table.
  TkEntry Entry(int h) const { return {Field(kTkEntryTableStart + kTkEntrySize * h, kTkEntrySize)}; }
};

// RA: race detail.
struct RaRecord : RaceRecord<kRaRecordSize> {
  std::string_view ShortRaceName() const { return Field(605, 6); }
  std::string_view GradeCode() const { return Field(615, 1); }
  std::string_view ConditionCode() const { return Field(635, 3); }
  std::string_view Distance() const { return Field(698, 4); }
  std::string_view TrackCode() const { return Field(706, 2); }
  std::string_view RegisteredCount() const { return Field(882, 2); }
  std::string_view StarterCount() const { return Field(884, 2); }
  // The horses that ran; the registered horses of a race not yet run, whose
  // starter count is still zero or blank.
  std::string_view FieldSize() const {
    const std::string_view starters = StarterCount();
    return starters.find_first_not_of("0 ") == std::string_view::npos ? RegisteredCount() : starters;
  }
  std::string_view WeatherCode() const { return Field(888, 1); }
  std::string_view TurfGoingCode() const { return Field(889, 1); }
  std::string_view DirtGoingCode() const { return Field(890, 1); }
};

// SE: one horse in one race.
struct SeRecord : RaceRecord<kSeRecordSize> {
  std::string_view HorseNumber() const { return Field(29, 2); }
  std::string_view BloodNumber() const { return Field(31, 10); }
  std::string_view WeightCarried() const { return Field(289, 3); }  // tenths of a kilogram
  std::string_view JockeyShortName() const { return Field(307, 8); }
  std::string_view BodyWeight() const { return Field(325, 3); }
  std::string_view FinishingPosition() const { return Field(335, 2); }
  std::string_view RaceTime() const { return Field(339, 4); }
  // Corner i = 0..3 (corners 1 to 4).
  std::string_view CornerPosition(int i) const { return Field(352 + 2 * i, 2); }
  std::string_view Popularity() const { return Field(364, 2); }
  std::string_view MainPrize() const { return Field(366, 8); }   // units of 100 yen
  std::string_view AddedPrize() const { return Field(374, 8); }  // units of 100 yen
  std::string_view Last3Furlongs() const { return Field(391, 3); }
  std::string_view OpponentName() const { return Field(404, 36); }
  std::string_view TimeDifference() const { return Field(532, 4); }
};

// UM: horse master, in either layout; the length of the record assigned
// picks the positions of its fields.
struct UmRecord : FixedRecord<kUmCurrentRecordSize> {
  std::size_t size = kUmRecordSize;

  std::string_view View() const { return {bytes.data(), size}; }
  std::string_view Field(int position, int length) const { return FieldAt(View(), position, length); }
  void Blank() {
    FixedRecord::Blank();
    size = kUmRecordSize;
  }
  // A record of kUmCurrentRecordSize bytes is of the current layout, any
  // other of the older one.
  void Assign(std::string_view record) {
    FixedRecord::Assign(record);
    SetSize(record.size());
  }
  // For bytes copied into the record directly: the length they had.
  void SetSize(std::size_t recordSize) {
    size = recordSize == kUmCurrentRecordSize ? kUmCurrentRecordSize : kUmRecordSize;
  }
  bool IsCurrentLayout() const { return size == kUmCurrentRecordSize; }

  std::string_view RecordType() const { return Field(1, 2); }
  std::string_view BloodNumber() const { return Field(12, 10); }
  std::string_view BirthDate() const { return Field(39, 8); }
  std::string_view BirthYear() const { return Field(39, 4); }
  std::string_view BirthMonth() const { return Field(43, 2); }
  std::string_view BirthDay() const { return Field(45, 2); }
  std::string_view CoatColorCode() const { return Field(203, 2); }
  std::string_view SireName() const { return Field(At(213, 215), 36); }
  std::string_view DamName() const { return Field(At(257, 261), 36); }
  std::string_view DamSireName() const { return Field(At(389, 399), 36); }
  std::string_view TrainerShortName() const { return Field(At(827, 855), 8); }
  std::string_view BreederName() const { return Field(At(861, 891), At(70, 72)); }
  std::string_view BirthplaceName() const { return Field(At(931, 963), 20); }
  std::string_view OwnerName() const { return Field(At(957, 989), 64); }
  // Prize totals P1..P6 (i = 0..5), units of 100 yen: main prize flat and
  // jump, added prize flat and jump, earned prize flat and jump.
  std::string_view PrizeTotal(int i) const { return Field(At(1021, 1053) + 9 * i, 9); }
  // Placing block b = 0..6 (turf 0-2, dirt 3-5, jump 6), count c = 0..5
  // (1st, 2nd, 3rd, 4th, 5th, out of the first five).
  std::string_view PlacingCount(int block, int count) const {
    return Field(At(1111, 1143) + 18 * block + 3 * count, 3);
  }

 private:
  // A position (or length) in the older layout or in the current one.
  int At(int older, int current) const { return IsCurrentLayout() ? current : older; }
};

}  // namespace torvane
