#include "demo/DemoRecords.h"

#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <type_traits>

#include "jvdata/Cp932.h"
#include "jvdata/JVData_Structure.h"
#include "jvdata/RecordBuilder.h"

namespace torvane {
namespace {

// Header fields the record layouts name no accessor for, since the program
// only ever copies them: the creation date of every record and the data kind
// of the horse master, and the full handicap announcement date of TK.
struct FieldSpot {
  int position;
  int length;
};
constexpr FieldSpot kCreationDate{4, 8};
constexpr FieldSpot kUmDataKind{3, 1};
constexpr FieldSpot kTkHandicapDate{645, 8};

// Writes a record field by field; a field is named by its accessor (a member
// function or a callable over the record type), whose position it takes from
// an all-blank sample record, or by a FieldSpot.
template <class Record>
class FieldWriter {
 public:
  explicit FieldWriter(std::string_view recordType) : FieldWriter(recordType, RecordSizeOf(recordType)) {}
  // A record of another size its type may have: the current UM layout.
  FieldWriter(std::string_view recordType, std::size_t size) : builder_(recordType, size), sample_(Sample(size)) {}

  template <class Field>
  FieldWriter& Digits(Field field, long value) {
    const FieldSpot spot = SpotOf(field);
    if (value < 0 || std::to_string(value).size() > static_cast<std::size_t>(spot.length))
      throw std::logic_error("demo value " + std::to_string(value) + " does not fit the field at " +
                             std::to_string(spot.position));
    builder_.Digits(spot.position, spot.length, value);
    return *this;
  }

  // ASCII code letters that fill the field exactly.
  template <class Field>
  FieldWriter& Code(Field field, std::string_view code) {
    const FieldSpot spot = SpotOf(field);
    if (code.size() != static_cast<std::size_t>(spot.length))
      throw std::logic_error("demo code '" + std::string(code) + "' does not fill the field at " +
                             std::to_string(spot.position));
    builder_.Raw(spot.position, code);
    return *this;
  }

  // A name in full-width characters, padded with full-width spaces as
  // JV-Data pads its texts (a half-width blank fills an odd last byte).
  template <class Field>
  FieldWriter& Name(Field field, std::string_view utf8) {
    const FieldSpot spot = SpotOf(field);
    std::string padded(utf8);
    if (Cp932Width(padded) > spot.length)
      throw std::logic_error("demo name '" + padded + "' is longer than the field at " + std::to_string(spot.position));
    while (Cp932Width(padded) + 2 <= spot.length) padded += "　";
    builder_.Text(spot.position, spot.length, padded);
    return *this;
  }

  const std::string& Bytes() const { return builder_.Bytes(); }

 private:
  static Record BlankRecord(std::size_t size) {
    Record record;
    record.Blank();
    if constexpr (requires { record.SetSize(size); }) record.SetSize(size);
    return record;
  }
  // Blank records of each size, whose fields tell where a field sits.
  static const Record& Sample(std::size_t size) {
    static const Record sample = BlankRecord(0);  // UM: the older layout
    if constexpr (std::is_same_v<Record, UmRecord>) {
      static const Record current = BlankRecord(kUmCurrentRecordSize);
      if (size == kUmCurrentRecordSize) return current;
    }
    return sample;
  }

  template <class Field>
  FieldSpot SpotOf(Field field) const {
    if constexpr (std::is_same_v<Field, FieldSpot>) {
      return field;
    } else {
      const std::string_view bytes = std::invoke(field, sample_);
      return {static_cast<int>(bytes.data() - sample_.bytes.data()) + 1, static_cast<int>(bytes.size())};
    }
  }

  RecordBuilder builder_;
  const Record& sample_;
};

template <class Record>
void WriteRaceHeader(FieldWriter<Record>& writer, char dataKind, std::chrono::sys_days created, const DemoRaceId& id) {
  writer.Code(&Record::DataKind, std::string(1, dataKind))
      .Digits(kCreationDate, std::stol(DateDigits(created)))
      .Code(&Record::RaceKey, id.Key());
}

std::string Char(char code) { return std::string(1, code); }

}  // namespace

std::string TkRecordOf(const DemoWeek& week, const DemoSpecialRace& race) {
  FieldWriter<TkRecord> tk("TK");
  WriteRaceHeader(tk, race.dataKind, week.created, race.id);
  tk.Name(&TkRecord::RaceName, race.name)
      .Code(&TkRecord::GradeCode, Char(race.terms.grade))
      .Code(&TkRecord::WeightTypeCode, Char(race.weightType))
      .Digits(&TkRecord::ConditionCode, ConditionOf(race.terms.raceClass))
      .Digits(&TkRecord::Distance, race.terms.distance)
      .Digits(&TkRecord::TrackCode, race.terms.track)
      .Digits(kTkHandicapDate, race.weightType == '1' ? std::stol(DateDigits(race.handicapDate)) : 0)
      .Digits(&TkRecord::RegisteredCount, static_cast<long>(race.nominations.size()));
  for (std::size_t h = 0; h < race.nominations.size(); ++h) {
    const DemoHorse& horse = week.horses[static_cast<std::size_t>(race.nominations[h].horse)];
    auto entry = [h](auto field) {
      return [h, field](const TkRecord& tk) { return std::invoke(field, tk.Entry(static_cast<int>(h))); };
    };
    tk.Digits(entry(&TkEntry::RunningNumber), static_cast<long>(h + 1))
        .Code(entry(&TkEntry::BloodNumber), horse.bloodNumber)
        .Name(entry(&TkEntry::HorseName), horse.name)
        .Digits(entry(&TkEntry::HorseMarkCode), horse.mark)
        .Code(entry(&TkEntry::SexCode), Char(horse.sex))
        .Name(entry(&TkEntry::TrainerShortName), horse.trainer)
        .Digits(entry(&TkEntry::BurdenWeight), race.nominations[h].burdenWeight);
  }
  return tk.Bytes();
}

std::string RaRecordOf(const DemoPastRace& race) {
  FieldWriter<RaRecord> ra("RA");
  WriteRaceHeader(ra, '7', race.id.date, race.id);
  if (!race.shortName.empty()) ra.Name(&RaRecord::ShortRaceName, race.shortName);
  ra.Code(&RaRecord::GradeCode, Char(race.terms.grade))
      .Digits(&RaRecord::ConditionCode, ConditionOf(race.terms.raceClass))
      .Digits(&RaRecord::Distance, race.terms.distance)
      .Digits(&RaRecord::TrackCode, race.terms.track)
      .Digits(&RaRecord::RegisteredCount, race.runners)
      .Digits(&RaRecord::StarterCount, race.runners)
      .Code(&RaRecord::WeatherCode, Char(race.weather))
      .Code(&RaRecord::TurfGoingCode, Char(race.turfGoing))
      .Code(&RaRecord::DirtGoingCode, Char(race.dirtGoing));
  return ra.Bytes();
}

std::string SeRecordOf(const DemoHorse& horse, const DemoRun& run, const DemoPastRace& race) {
  FieldWriter<SeRecord> se("SE");
  WriteRaceHeader(se, '7', race.id.date, race.id);
  se.Digits(&SeRecord::HorseNumber, run.horseNumber)
      .Code(&SeRecord::BloodNumber, horse.bloodNumber)
      .Digits(&SeRecord::WeightCarried, run.weightCarried)
      .Name(&SeRecord::JockeyShortName, run.jockey)
      .Digits(&SeRecord::BodyWeight, run.bodyWeight)
      .Digits(&SeRecord::FinishingPosition, run.position)
      .Digits(&SeRecord::RaceTime, RaceTimeDigits(run.time));
  for (int corner = 0; corner < 4; ++corner)
    se.Digits([corner](const SeRecord& record) { return record.CornerPosition(corner); },
              run.corners[static_cast<std::size_t>(corner)]);
  se.Digits(&SeRecord::Popularity, run.popularity)
      .Digits(&SeRecord::MainPrize, run.mainPrize)
      .Digits(&SeRecord::AddedPrize, run.addedPrize)
      .Digits(&SeRecord::Last3Furlongs, run.last3Furlongs)
      .Name(&SeRecord::OpponentName, run.opponent)
      .Code(&SeRecord::TimeDifference, (run.position == 1 ? "-" : "+") + ZeroPadded(std::abs(run.timeDifference), 3));
  return se.Bytes();
}

std::string UmRecordOf(const DemoWeek& week, const DemoHorse& horse) {
  FieldWriter<UmRecord> um("UM", horse.currentLayout ? kUmCurrentRecordSize : kUmRecordSize);
  um.Code(kUmDataKind, "1")
      .Digits(kCreationDate, std::stol(DateDigits(week.created)))
      .Code(&UmRecord::BloodNumber, horse.bloodNumber)
      .Code(&UmRecord::BirthDate, DateDigits(horse.birthDate))
      .Code(&UmRecord::CoatColorCode, horse.coat)
      .Name(&UmRecord::SireName, horse.sire)
      .Name(&UmRecord::DamName, horse.dam)
      .Name(&UmRecord::DamSireName, horse.damSire)
      .Name(&UmRecord::TrainerShortName, horse.trainer)
      .Name(&UmRecord::BreederName, horse.breeder)
      .Name(&UmRecord::BirthplaceName, horse.birthplace)
      .Name(&UmRecord::OwnerName, horse.owner);
  for (int i = 0; i < 6; ++i)
    um.Digits([i](const UmRecord& record) { return record.PrizeTotal(i); },
              horse.prizeTotals[static_cast<std::size_t>(i)]);
  for (int block = 0; block < 7; ++block)
    for (int count = 0; count < 6; ++count)
      um.Digits([block, count](const UmRecord& record) { return record.PlacingCount(block, count); },
                horse.placings[static_cast<std::size_t>(block)][static_cast<std::size_t>(count)]);
  return um.Bytes();
}

}  // namespace torvane
