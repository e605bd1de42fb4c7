#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "demo/DemoDelivery.h"
#include "jvdata/Cp932.h"
#include "jvdata/JVData_Structure.h"
#include "tests/support/DemoFileName.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

// The records of a delivery by type, each checked for its frame on the way in.
struct Delivery {
  std::vector<TkRecord> tk;
  std::vector<RaRecord> ra;
  std::vector<SeRecord> se;
  std::vector<UmRecord> um;
};

bool IsDigits(std::string_view field) {
  return !field.empty() && std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) { return std::stoi(std::string(digits)); }

// Printable CP932 only: ASCII, half-width katakana or a valid double-byte
// character that maps to Unicode (no control bytes, no substituted '?').
bool IsCp932Text(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) {
      if (++i >= text.size()) return false;
      const auto trail = static_cast<unsigned char>(text[i]);
      if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
    } else if (!(byte >= 0x20 && byte <= 0x7E && byte != '?') && !(byte >= 0xA1 && byte <= 0xDF)) {
      return false;
    }
  }
  return Cp932ToUtf8(text).find("\xEF\xBF\xBD") == std::string::npos;
}

// A name field as shown: converted, without its blanks and full-width spaces.
std::string NameOf(std::string_view field) {
  std::string name;
  const std::string text = Cp932ToUtf8(field);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 3, "　") == 0) {
      i += 2;
    } else if (text[i] != ' ') {
      name += text[i];
    }
  }
  return name;
}

bool IsKatakana(const std::string& utf8) {
  const std::u16string text = Cp932ToUtf16(Utf8ToCp932(utf8));
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'\u30A1' && c <= u'\u30FC'; });
}

template <class Record>
void Collect(std::string_view bytes, std::vector<Record>& records) {
  records.emplace_back();
  records.back().Assign(bytes);
}

Delivery Split(const std::vector<DeliveryFile>& files) {
  Delivery delivery;
  for (const DeliveryFile& file : files) {
    std::string_view rest = file.contents;
    int count = 0;
    while (!rest.empty()) {
      std::size_t size = RecordSizeOf(rest.substr(0, 2));
      // A horse master of the current layout ends where its longer length says.
      if (rest.starts_with("UM") && rest.size() >= kUmCurrentRecordSize &&
          rest.substr(kUmCurrentRecordSize - 2, 2) == "\r\n")
        size = kUmCurrentRecordSize;
      EXPECT_NE(size, 0u) << file.name << " record " << count << " has no known type";
      if (size == 0 || size > rest.size()) {
        ADD_FAILURE() << file.name << " ends in a partial record";
        break;
      }
      const std::string_view record = rest.substr(0, size);
      EXPECT_EQ(record.substr(size - 2), "\r\n") << file.name << " record " << count;
      EXPECT_TRUE(IsCp932Text(record.substr(0, size - 2))) << file.name << " record " << count;
      EXPECT_EQ(record.substr(0, 2), file.name.substr(0, 2)) << "a record of another family in " << file.name;
      if (record.starts_with("TK")) Collect(record, delivery.tk);
      if (record.starts_with("RA")) Collect(record, delivery.ra);
      if (record.starts_with("SE")) Collect(record, delivery.se);
      if (record.starts_with("UM")) Collect(record, delivery.um);
      rest.remove_prefix(size);
      ++count;
    }
    EXPECT_EQ(count, file.recordCount) << file.name;
  }
  return delivery;
}

std::string DateText(sys_days day) {
  const std::chrono::year_month_day ymd{day};
  const auto twoDigits = [](unsigned value) { return std::string(value < 10 ? "0" : "") + std::to_string(value); };
  return std::to_string(static_cast<int>(ymd.year())) + twoDigits(static_cast<unsigned>(ymd.month())) +
         twoDigits(static_cast<unsigned>(ymd.day()));
}

// A Monday, a week whose past lies wholly in the year before, and a Friday
// whose weekend spans the turn of the year.
class DemoWeekTest : public testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() { cache_ = new std::map<std::string, std::pair<std::vector<DeliveryFile>, Delivery>>; }
  static void TearDownTestSuite() {
    delete cache_;
    cache_ = nullptr;
  }

  void SetUp() override {
    weekOf_ = ParseDemoDate(GetParam());
    auto found = cache_->find(GetParam());
    if (found == cache_->end()) {
      auto files = MakeDemoDelivery(weekOf_);
      Delivery delivery = Split(files);
      found = cache_->emplace(GetParam(), std::make_pair(std::move(files), std::move(delivery))).first;
    }
    files_ = &found->second.first;
    delivery_ = &found->second.second;
  }

  sys_days Saturday() const {
    sys_days day = weekOf_ + days{1};
    while (std::chrono::weekday{day} != std::chrono::Saturday) day += days{1};
    return day;
  }

  sys_days weekOf_;
  const std::vector<DeliveryFile>* files_ = nullptr;
  const Delivery* delivery_ = nullptr;

 private:
  static inline std::map<std::string, std::pair<std::vector<DeliveryFile>, Delivery>>* cache_ = nullptr;
};

INSTANTIATE_TEST_SUITE_P(Weeks, DemoWeekTest, testing::Values("20240527", "20240103", "20231229"));

TEST_P(DemoWeekTest, FilesAreStampedOnTheDateAtDifferentHours) {
  std::string previous;
  for (const DeliveryFile& file : *files_) {
    const std::optional<std::string> found = test::DemoFileStamp(file.name);
    ASSERT_TRUE(found) << file.name;
    const std::string& stamp = *found;
    EXPECT_EQ(stamp.substr(0, 8), GetParam()) << file.name;
    EXPECT_GT(stamp, previous) << "files are not in time stamp order";
    previous = stamp;
    EXPECT_GT(file.recordCount, 0) << file.name;
  }
  const bool pastInThisYear =
      std::chrono::year_month_day{Saturday() - days{6}}.year() == std::chrono::year_month_day{Saturday()}.year();
  // UM, RA and SE of one or two years, and TK of the two days.
  EXPECT_EQ(files_->size(), pastInThisYear ? 7u : 5u);
}

TEST_P(DemoWeekTest, AboutTwentySpecialRacesOnTheSaturdayAndSundayAfter) {
  const auto& tk = delivery_->tk;
  EXPECT_GE(tk.size(), 18u);
  EXPECT_LE(tk.size(), 24u);
  std::map<std::string, int> racesByDate;
  std::set<std::string> courses;
  int nearTheLimit = 0;
  for (const TkRecord& race : tk) {
    ++racesByDate[std::string(race.RaceDate())];
    courses.insert(std::string(race.CourseCode()));
    EXPECT_TRUE(race.DataKind() == "1" || race.DataKind() == "2");
    EXPECT_EQ(race.Field(4, 8), GetParam()) << "creation date";
    EXPECT_TRUE(IsDigits(race.RaceKey()));
    EXPECT_GE(Number(race.RaceNumber()), 8);
    EXPECT_LE(Number(race.RaceNumber()), 12);
    const std::string name = NameOf(race.RaceName());
    EXPECT_TRUE(name.ends_with("ステークス") || name.ends_with("特別") || name.ends_with("賞") ||
                name.ends_with("記念") || name.ends_with("カップ") || name.ends_with("大賞典"))
        << name;
    EXPECT_NE(std::string("ABCEHL").find(race.GradeCode()), std::string::npos);
    EXPECT_NE(std::string("1234").find(race.WeightTypeCode()), std::string::npos);
    EXPECT_TRUE(std::set<int>({5, 10, 16, 999}).contains(Number(race.ConditionCode())));
    const int distance = Number(race.Distance());
    EXPECT_TRUE(distance >= 1200 && distance <= 3600) << distance;
    const int track = Number(race.TrackCode());
    EXPECT_TRUE((track >= 10 && track <= 24) || (track >= 51 && track <= 59)) << track;
    // Handicap races come with the date their weights were announced.
    EXPECT_EQ(Number(race.HandicapMonth()) > 0, race.WeightTypeCode() == "1");
    EXPECT_EQ(race.DataKind() == "2", race.WeightTypeCode() == "1");

    const int count = Number(race.RegisteredCount());
    if (count > 60) {
      ++nearTheLimit;
      EXPECT_GE(count, 250);
      EXPECT_LE(count, kTkEntryCount);
    } else {
      EXPECT_GE(count, 8);
    }
    for (int h = 0; h < kTkEntryCount; ++h) {
      const TkEntry entry = race.Entry(h);
      if (h >= count) {
        ASSERT_EQ(entry.bytes.find_first_not_of(' '), std::string_view::npos) << "entry " << h << " beyond the count";
        continue;
      }
      EXPECT_EQ(Number(entry.RunningNumber()), h + 1);
      EXPECT_TRUE(IsDigits(entry.BloodNumber()));
      EXPECT_TRUE(IsDigits(entry.HorseMarkCode()));
      EXPECT_TRUE(IsDigits(entry.BurdenWeight()));
      const int age = Number(race.Year()) - Number(entry.BirthYear());
      EXPECT_TRUE(age >= 3 && age <= 8) << age;
      const std::string horse = NameOf(entry.HorseName());
      EXPECT_TRUE(IsKatakana(horse)) << horse;
      EXPECT_LE(Cp932Width(horse), 18) << horse;
      EXPECT_NE(std::string("123").find(entry.SexCode()), std::string::npos);
      EXPECT_FALSE(NameOf(entry.TrainerShortName()).empty());
    }
  }
  EXPECT_EQ(nearTheLimit, 1);
  ASSERT_EQ(racesByDate.size(), 2u);
  EXPECT_EQ(racesByDate.begin()->first, DateText(Saturday()));
  EXPECT_EQ(racesByDate.rbegin()->first, DateText(Saturday() + days{1}));
  for (const auto& [date, races] : racesByDate)
    EXPECT_LE(races, 16) << "more races on " << date << " than a date holds";
  EXPECT_GE(courses.size(), 2u);
  EXPECT_LE(courses.size(), 3u);
}

TEST_P(DemoWeekTest, EveryNominatedHorseHasItsMasterAndThreeToFifteenEarlierResults) {
  std::set<std::string> nominated;
  for (const TkRecord& race : delivery_->tk)
    for (int h = 0; h < Number(race.RegisteredCount()); ++h) nominated.insert(std::string(race.Entry(h).BloodNumber()));
  std::set<std::string> masters;
  for (const UmRecord& horse : delivery_->um)
    EXPECT_TRUE(masters.insert(std::string(horse.BloodNumber())).second) << "two UM for " << horse.BloodNumber();
  EXPECT_EQ(masters, nominated);

  const std::string firstDay =
      DateText(sys_days{(std::chrono::year_month_day{Saturday()}.year() - std::chrono::years{1}) / 1 / 1});
  const std::string lastDay = DateText(Saturday() - days{6});
  std::map<std::string, std::set<std::string>> racesOfHorse;
  for (const SeRecord& result : delivery_->se) {
    EXPECT_EQ(result.DataKind(), "7");
    EXPECT_TRUE(racesOfHorse[std::string(result.BloodNumber())].insert(std::string(result.RaceKey())).second)
        << result.BloodNumber() << " runs twice in one race";
    EXPECT_GE(result.RaceDate(), firstDay);
    EXPECT_LE(result.RaceDate(), lastDay);
    const auto weekday = std::chrono::weekday{ParseDemoDate(result.RaceDate())};
    EXPECT_TRUE(weekday == std::chrono::Saturday || weekday == std::chrono::Sunday) << result.RaceDate();
  }
  for (const std::string& horse : nominated) {
    const std::size_t runs = racesOfHorse[horse].size();
    EXPECT_GE(runs, 3u) << horse;
    EXPECT_LE(runs, 15u) << horse;
  }
  EXPECT_EQ(racesOfHorse.size(), nominated.size()) << "results of horses nobody nominated";
}

TEST_P(DemoWeekTest, EveryResultHasTheDetailsOfItsRaceAndFitsItsField) {
  std::map<std::string, const RaRecord*> details;
  for (const RaRecord& race : delivery_->ra) {
    EXPECT_TRUE(details.emplace(std::string(race.RaceKey()), &race).second) << "two RA for " << race.RaceKey();
    EXPECT_EQ(race.DataKind(), "7");
    EXPECT_TRUE(IsDigits(race.RaceKey()));
    EXPECT_TRUE(std::set<int>({5, 10, 16, 701, 703, 999}).contains(Number(race.ConditionCode())));
    const int track = Number(race.TrackCode());
    EXPECT_TRUE((track >= 10 && track <= 24) || (track >= 51 && track <= 59)) << track;
    EXPECT_TRUE(IsDigits(race.Distance()));
    EXPECT_GE(Number(race.RegisteredCount()), 8);
    EXPECT_LE(Number(race.RegisteredCount()), 18);
    EXPECT_NE(std::string("123456").find(race.WeatherCode()), std::string::npos);
    EXPECT_NE(std::string("1234").find(race.TurfGoingCode()), std::string::npos);
    EXPECT_NE(std::string("1234").find(race.DirtGoingCode()), std::string::npos);
    const bool graded = (race.GradeCode() >= "A" && race.GradeCode() <= "C") || race.GradeCode() == "L";
    EXPECT_EQ(Cp932Width(NameOf(race.ShortRaceName())), graded ? 6 : 0) << race.RaceKey();
  }

  std::map<std::string, std::set<int>> numbers, positions;
  std::map<std::string, std::string> horseNames;
  for (const TkRecord& race : delivery_->tk)
    for (int h = 0; h < Number(race.RegisteredCount()); ++h)
      horseNames[std::string(race.Entry(h).BloodNumber())] = NameOf(race.Entry(h).HorseName());
  for (const SeRecord& result : delivery_->se) {
    const std::string key(result.RaceKey());
    const auto race = details.find(key);
    ASSERT_NE(race, details.end()) << "no RA for the race of " << key;
    const int runners = Number(race->second->RegisteredCount());
    for (std::string_view digits :
         {result.HorseNumber(), result.WeightCarried(), result.BodyWeight(), result.FinishingPosition(),
          result.RaceTime(), result.Popularity(), result.MainPrize(), result.AddedPrize(), result.Last3Furlongs()})
      EXPECT_TRUE(IsDigits(digits)) << key << " '" << digits << "'";
    for (int corner = 0; corner < 4; ++corner) {
      ASSERT_TRUE(IsDigits(result.CornerPosition(corner)));
      EXPECT_LE(Number(result.CornerPosition(corner)), runners);
    }
    const int number = Number(result.HorseNumber());
    const int position = Number(result.FinishingPosition());
    EXPECT_TRUE(number >= 1 && number <= runners) << key;
    EXPECT_TRUE(position >= 1 && position <= runners) << key;
    EXPECT_TRUE(numbers[key].insert(number).second) << "horse number " << number << " twice in " << key;
    EXPECT_TRUE(positions[key].insert(position).second) << "place " << position << " twice in " << key;
    EXPECT_EQ(Number(result.MainPrize()) > 0, position <= 5) << key;
    EXPECT_FALSE(NameOf(result.JockeyShortName()).empty());

    const std::string_view difference = result.TimeDifference();
    EXPECT_EQ(difference[0], position == 1 ? '-' : '+') << key;
    EXPECT_TRUE(IsDigits(difference.substr(1)));
    const std::string opponent = NameOf(result.OpponentName());
    EXPECT_TRUE(IsKatakana(opponent)) << opponent;
    EXPECT_NE(opponent, horseNames[std::string(result.BloodNumber())]);
  }
  const auto shared =
      std::count_if(positions.begin(), positions.end(), [](const auto& race) { return race.second.size() > 1; });
  EXPECT_GT(shared * 4, static_cast<long>(positions.size())) << "horses of the week seldom meet";
  EXPECT_EQ(positions.size(), details.size()) << "race details without any result";
}

// What today's records hold and the viewer must show right: a listed race, the
// classes named by wins, horses that could not be weighed or were scratched,
// horse masters of both layouts.
TEST_P(DemoWeekTest, HoldsTheCasesOfTodaysRecords) {
  EXPECT_TRUE(std::any_of(delivery_->tk.begin(), delivery_->tk.end(),
                          [](const TkRecord& race) { return race.GradeCode() == "L"; }));
  std::set<int> classes;
  for (const RaRecord& race : delivery_->ra)
    if (race.RaceDate() >= "20190601") classes.insert(Number(race.ConditionCode()));
  for (int code : {5, 10, 16}) EXPECT_TRUE(classes.contains(code)) << code;
  std::set<int> bodyWeights;
  for (const SeRecord& result : delivery_->se) bodyWeights.insert(Number(result.BodyWeight()));
  EXPECT_TRUE(bodyWeights.contains(0) && bodyWeights.contains(999));
  std::set<std::size_t> layouts;
  for (const UmRecord& horse : delivery_->um) layouts.insert(horse.size);
  EXPECT_EQ(layouts, (std::set<std::size_t>{kUmRecordSize, kUmCurrentRecordSize}));
}

TEST_P(DemoWeekTest, HorseMastersAgreeWithTheirResults) {
  std::map<std::string, const RaRecord*> details;
  for (const RaRecord& race : delivery_->ra) details[std::string(race.RaceKey())] = &race;
  struct Sums {
    long main = 0, added = 0;
    int runs = 0, wins = 0, jumps = 0;
  };
  std::map<std::string, Sums> sums;
  for (const SeRecord& result : delivery_->se) {
    Sums& horse = sums[std::string(result.BloodNumber())];
    horse.main += Number(result.MainPrize());
    horse.added += Number(result.AddedPrize());
    ++horse.runs;
    horse.wins += Number(result.FinishingPosition()) == 1;
    horse.jumps += Number(details.at(std::string(result.RaceKey()))->TrackCode()) >= 51;
  }
  static const std::set<std::string> coats{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"};
  for (const UmRecord& horse : delivery_->um) {
    const std::string blood(horse.BloodNumber());
    EXPECT_TRUE(IsDigits(horse.BirthDate()));
    EXPECT_EQ(horse.BirthYear(), blood.substr(0, 4));
    EXPECT_TRUE(coats.contains(std::string(horse.CoatColorCode())));
    for (std::string_view name : {horse.SireName(), horse.DamName(), horse.DamSireName()})
      EXPECT_TRUE(IsKatakana(NameOf(name))) << blood;
    for (std::string_view name :
         {horse.TrainerShortName(), horse.BreederName(), horse.BirthplaceName(), horse.OwnerName()})
      EXPECT_FALSE(NameOf(name).empty()) << blood;

    long prizes[6];
    for (int i = 0; i < 6; ++i) {
      ASSERT_TRUE(IsDigits(horse.PrizeTotal(i)));
      prizes[i] = Number(horse.PrizeTotal(i));
    }
    int placings = 0, wins = 0;
    for (int block = 0; block < 7; ++block)
      for (int count = 0; count < 6; ++count) {
        ASSERT_TRUE(IsDigits(horse.PlacingCount(block, count)));
        placings += Number(horse.PlacingCount(block, count));
        if (count == 0) wins += Number(horse.PlacingCount(block, count));
      }
    int jumps = 0;
    for (int count = 0; count < 6; ++count) jumps += Number(horse.PlacingCount(6, count));
    const Sums& results = sums[blood];
    EXPECT_EQ(prizes[0] + prizes[1], results.main) << blood;
    EXPECT_EQ(prizes[2] + prizes[3], results.added) << blood;
    EXPECT_LE(prizes[4] + prizes[5], results.main) << blood;
    EXPECT_EQ(placings, results.runs) << blood;
    EXPECT_EQ(wins, results.wins) << blood;
    EXPECT_EQ(jumps, results.jumps) << blood;
  }
}

TEST(DemoDelivery, TheSameDateGivesTheSameBytesAndAnotherDateOtherData) {
  const sys_days weekOf = ParseDemoDate("20240527");
  test::TempDir first, second;
  WriteDemoDelivery(first.Path(), MakeDemoDelivery(weekOf));
  WriteDemoDelivery(second.Path() / "nested" / "deliveries", MakeDemoDelivery(weekOf));
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(first.Path())) {
    const std::string name = entry.path().filename().string();
    names.insert(name);
    EXPECT_EQ(test::ReadFile(entry.path()), test::ReadFile(second.Path() / "nested" / "deliveries" / name)) << name;
  }
  EXPECT_EQ(names.size(), 7u);

  // Another week has other stamps and other horses (the UM files come first and last by name).
  const auto other = MakeDemoDelivery(weekOf + days{7});
  for (const DeliveryFile& file : other) EXPECT_FALSE(names.contains(file.name)) << file.name;
  ASSERT_TRUE(names.rbegin()->starts_with("UM_"));
  EXPECT_NE(other.front().contents, test::ReadFile(first / *names.rbegin()));
}

// Listed races began in 2019: a week of 2018 has graded and special races only.
TEST(DemoDelivery, AWeekBefore2019HasNoListedRace) {
  const Delivery delivery = Split(MakeDemoDelivery(ParseDemoDate("20181210")));
  ASSERT_FALSE(delivery.tk.empty());
  for (const TkRecord& race : delivery.tk) EXPECT_NE(race.GradeCode(), "L") << race.RaceKey();
  for (const RaRecord& race : delivery.ra) EXPECT_NE(race.GradeCode(), "L") << race.RaceKey();
}

TEST(DemoDelivery, WritingReportsTheDirectoryInTheWay) {
  test::TempDir dir;
  test::WriteFile(dir / "taken", "not a directory");
  try {
    WriteDemoDelivery(dir / "taken", MakeDemoDelivery(ParseDemoDate("20240527")));
    FAIL() << "wrote into a file";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find((dir / "taken").string()), std::string::npos) << error.what();
  }
  EXPECT_EQ(test::ReadFile(dir / "taken"), "not a directory");
}

TEST(DemoDelivery, ParsesOnlyRealDates) {
  EXPECT_EQ(ParseDemoDate("20240229"), sys_days{std::chrono::year{2024} / 2 / 29});
  EXPECT_EQ(ParseDemoDate("19000101"), sys_days{std::chrono::year{1900} / 1 / 1});
  for (const char* bad : {"", "2024013", "202401011", "2024-1-1", "2024010a", " 2024010", "20230229", "20241301",
                          "20240100", "18991231", "99990101"})
    EXPECT_THROW(ParseDemoDate(bad), std::invalid_argument) << bad;
}

}  // namespace
}  // namespace torvane
