// torvane-cli ranking DATE N [--gate G]: the nominees of race list entry N
// in earned-prize order, one line each:
// RANK<TAB>NO<TAB>NAME<TAB>SEXAGE<TAB>WEIGHT<TAB>EARNED<TAB>TOTAL<TAB>STANDING
// with the prizes in thousands of yen and STANDING "" inside the gate, "抽選"
// for the tie at the line, "外" outside. G defaults to the gate stored for
// the race, else 18.
#include <charconv>
#include <ostream>

#include "browse/PrizeRanking.h"
#include "browse/RaceGate.h"
#include "cli/BrowseSession.h"
#include "settings/ProgramDir.h"

namespace torvane::cli {
namespace {

int GateArgument(const std::string& text) {
  int gate = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), gate);
  if (error != std::errc() || end != text.data() + text.size() || gate < kMinGate || gate > kMaxGate)
    throw CommandError("gate " + text + " is not a number of horses from " + std::to_string(kMinGate) + " to " +
                       std::to_string(kMaxGate));
  return gate;
}

int Ranking(CommandContext& context) {
  const auto& args = context.args;
  const bool gateGiven = args.size() == 4 && args[2] == "--gate";
  if (args.size() != 2 && !gateGiven) throw CommandError("usage: ranking DATE N [--gate G]");
  const int givenGate = gateGiven ? GateArgument(args[3]) : 0;
  BrowseSession session(context);
  if (!session.Load(args[0])) return kDateNotReadyStatus;
  session.ShowRace(args[1]);

  const int slot = session.Browser().SelectedRace();
  const TIniGT settings(context.programDir, kSettingsFileName);
  const int gate = gateGiven ? givenGate : StoredGate(settings, session.Working().LoadedTk[slot]);
  for (const RankedNominee& n : RankByEarnedPrize(session.Working(), slot, gate))
    context.out << n.rank << '\t' << n.runningNumber << '\t' << n.name << '\t' << n.sexAge << '\t' << n.burdenWeight
                << '\t' << n.earnedPrize << '\t' << n.totalPrize << '\t' << StandingText(n.standing) << '\n';
  return 0;
}

const CommandRegistration registration(
    "ranking",
    "DATE N [--gate G]  the nominees of race list entry N in earned-prize order, one line each:\n"
    "      RANK NO NAME SEXAGE WEIGHT EARNED TOTAL STANDING, TAB-separated; equal prizes share a RANK; prizes in\n"
    "      thousands of yen; STANDING is empty inside the gate, 抽選 for the tie at the line, 外 outside;\n"
    "      G (1-99) defaults to the gate stored for the race, else 18",
    Ranking);

}  // namespace
}  // namespace torvane::cli
