#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "browse/PrizeRanking.h"
#include "jvdata/PlainText.h"
#include "tests/browse/InfoGridRecords.h"
#include "tests/support/TestStore.h"

namespace torvane {
namespace {

// A race of slot 0 whose horses have the given earned prizes (fifth and sixth
// prize totals, units of 100 yen); a prize of -1 leaves the horse master blank.
class PrizeRankingTest : public ::testing::Test {
 protected:
  void Nominate(const std::vector<std::pair<std::int64_t, std::int64_t>>& prizes, std::string_view track = "11") {
    std::vector<test::HorseEntry> entries;
    for (std::size_t h = 0; h < prizes.size(); ++h) {
      test::HorseEntry e;
      e.runningNumber = Formatted(h + 1);
      e.name = "ウマ" + std::to_string(h + 1);
      entries.push_back(e);
    }
    ws->LoadedTk[0].Assign(test::TkRecordOf("20100105", "06", 11, Formatted(prizes.size()), entries));
    test::PutBytes(ws->LoadedTk[0], ws->LoadedTk[0].TrackCode(), track);
    for (std::size_t h = 0; h < prizes.size(); ++h) {
      ws->EntryLoaded[0][h] = 1;
      UmRecord& um = ws->LoadedUm[0][h];
      if (prizes[h].first < 0) continue;
      um = test::NewRecord<UmRecord>("UM");
      test::PutDigits(um, um.PrizeTotal(0), 1000);
      test::PutDigits(um, um.PrizeTotal(4), prizes[h].first);
      test::PutDigits(um, um.PrizeTotal(5), prizes[h].second);
    }
  }
  static std::string Formatted(std::size_t n) { return (n < 10 ? "00" : "0") + std::to_string(n); }

  std::vector<GateStanding> Standings(int gate) const {
    std::vector<GateStanding> out;
    for (const RankedNominee& n : RankByEarnedPrize(*ws, 0, gate)) out.push_back(n.standing);
    return out;
  }

  std::unique_ptr<WorkingSet> ws = std::make_unique<WorkingSet>();
};

using enum GateStanding;

TEST_F(PrizeRankingTest, OrderRanksAndTiesAtTheLine) {
  // Running numbers 1..5 earn 500, 3000, 1000, 1000 and, without a horse master, 0 thousand yen.
  Nominate({{0, 5000}, {10000, 20000}, {0, 10000}, {4000, 6000}, {-1, 0}});
  const std::vector<RankedNominee> ranked = RankByEarnedPrize(*ws, 0, 3);
  ASSERT_EQ(ranked.size(), 5u);
  std::vector<int> order, ranks;
  for (const RankedNominee& n : ranked) order.push_back(n.entry), ranks.push_back(n.rank);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 0, 4})) << "highest first, the tie in running-number order";
  EXPECT_EQ(ranks, (std::vector<int>{1, 2, 2, 4, 5}));
  EXPECT_EQ(ranked[0].earnedPrize, 3000);
  EXPECT_EQ(ranked[0].totalPrize, 100) << "the earned prizes are no part of the money won";
  EXPECT_EQ(ranked[0].name, "ウマ2");
  EXPECT_EQ(ranked[0].runningNumber, " 2");
  EXPECT_EQ(ranked[4].earnedPrize, 0) << "a missing horse master reads as 0";
  EXPECT_EQ(ranked[4].totalPrize, 0);

  EXPECT_EQ(Standings(2), (std::vector{Inside, Draw, Draw, Outside, Outside})) << "the tie straddles the line";
  EXPECT_EQ(Standings(3), (std::vector{Inside, Inside, Inside, Outside, Outside})) << "the tie ends at the line";
  EXPECT_EQ(Standings(4), (std::vector{Inside, Inside, Inside, Inside, Outside}));
  EXPECT_EQ(Standings(5), (std::vector{Inside, Inside, Inside, Inside, Inside})) << "no more nominees than the gate";
  EXPECT_EQ(Standings(18), (std::vector{Inside, Inside, Inside, Inside, Inside}));
  EXPECT_EQ(StandingText(Draw), "抽選");
  EXPECT_EQ(StandingText(Outside), "外");
  EXPECT_THROW(RankByEarnedPrize(*ws, 0, 0), std::out_of_range);
}

TEST_F(PrizeRankingTest, AJumpRaceCountsTheSixthTotalAlone) {
  Nominate({{50000, 1000}, {0, 2000}}, "52");
  const std::vector<RankedNominee> ranked = RankByEarnedPrize(*ws, 0, 18);
  EXPECT_EQ(ranked[0].entry, 1);
  EXPECT_EQ(ranked[0].earnedPrize, 200);
  EXPECT_EQ(ranked[1].earnedPrize, 100);
}

}  // namespace
}  // namespace torvane
