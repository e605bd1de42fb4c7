// The commands about one horse across the whole store, TAB-separated lines:
// nominations BLOODNO: DATE COURSE RACE ("%2dR") RACENAME WEIGHT, oldest first;
// career BLOODNO: the past-race texts of the information grid, newest first;
// search TEXT: BLOODNO NAME NEWESTDATE, newest nomination first.
#include <ostream>

#include "browse/HorseFinder.h"
#include "cli/CommandRegistry.h"
#include "jvdata/PlainText.h"
#include "racetext/PastRaceText.h"
#include "store/StorePaths.h"

namespace torvane::cli {
namespace {

void ListWarnings(const CommandContext& context, const std::vector<LoadWarning>& warnings) {
  for (const LoadWarning& warning : warnings) context.err << "warning: " << warning.message << '\n';
}

const std::string& BloodNumberArgument(const CommandContext& context, const char* usage) {
  if (context.args.size() != 1) throw CommandError(std::string("usage: ") + usage);
  if (!IsBloodNumber(context.args[0]))
    throw CommandError("'" + context.args[0] + "' is not a blood registration number (10 digits)");
  return context.args[0];
}

int Nominations(CommandContext& context) {
  const std::string& blood = BloodNumberArgument(context, "nominations BLOODNO");
  std::vector<LoadWarning> warnings;
  const std::vector<Nomination> found = NominationsOf(context.programDir, blood, warnings);
  ListWarnings(context, warnings);
  for (const Nomination& n : found)
    context.out << n.day.Text() << '\t' << n.courseName << '\t' << Formatted("%2dR", n.raceNumber) << '\t' << n.raceName
                << '\t' << n.burdenWeight << '\n';
  return 0;
}

int Career(CommandContext& context) {
  const std::string& blood = BloodNumberArgument(context, "career BLOODNO");
  std::vector<LoadWarning> warnings;
  const std::vector<CareerRace> career = CareerOf(context.programDir, blood, warnings);
  ListWarnings(context, warnings);
  for (const CareerRace& race : career) {
    const std::vector<std::string> fields = PastRaceFields(PastRaceTextsOf(race.result, race.detail));
    for (std::size_t i = 0; i < fields.size(); ++i) context.out << (i > 0 ? "\t" : "") << fields[i];
    context.out << '\n';
  }
  return 0;
}

int Search(CommandContext& context) {
  if (context.args.size() != 1) throw CommandError("usage: search TEXT");
  std::vector<LoadWarning> warnings;
  const std::vector<HorseMatch> matches = SearchHorses(context.programDir, context.args[0], warnings);
  ListWarnings(context, warnings);
  for (const HorseMatch& match : matches)
    context.out << match.bloodNumber << '\t' << match.newest.horseName << '\t' << match.newest.day.Text() << '\n';
  return 0;
}

const CommandRegistration nominations(
    "nominations",
    "BLOODNO  every stored nomination of the horse, oldest first, one line each: DATE COURSE RACE RACENAME\n"
    "      WEIGHT, TAB-separated; DATE as in the date list, RACE as \"%2dR\", RACENAME trimmed, WEIGHT as 55.0kg",
    Nominations);
const CommandRegistration career(
    "career",
    "BLOODNO  every race of the horse's results, newest first, one line each with the texts of a past-race\n"
    "      cell of the information grid, TAB-separated: DATECOURSE CLASS FIELDDISTANCE TRACK WEATHERGOING\n"
    "      JOCKEYWEIGHTPOPULARITY TIME CORNERS LAST3F BODYWEIGHTPRIZE POSITION OPPONENTMARGIN",
    Career);
const CommandRegistration search(
    "search",
    "TEXT  the nominated horses whose name holds TEXT (katakana of either width and hiragana alike), newest\n"
    "      nomination first, one line each: BLOODNO NAME NEWESTDATE, TAB-separated",
    Search);

}  // namespace
}  // namespace torvane::cli
