#pragma once
// Finds the race detail (RA) record of each past race of a load. A past race
// names its RA file by its year, date and racecourse, and its record there by
// the race number: the first record of the file with that race number, compared
// as text, is the one. Many past races of one date point into the same few
// files, so the look-ups are gathered first and then answered file by file:
// each file is opened and scanned once per load instead of once per past race,
// with the same result.

#include <array>
#include <vector>

#include "browse/LoadProgress.h"
#include "browse/LoadResult.h"
#include "jvdata/JVData_Structure.h"
#include "platform/Paths.h"

namespace torvane {

class RaceDetailLookup {
 public:
  // Room for every past race of a full date, so that gathering never allocates.
  explicit RaceDetailLookup(std::size_t capacity);

  // Asks for the RA record of pastRace, to be copied into dest; dest is
  // blanked when there is none. A blank pastRace names no file.
  void Add(const SeRecord& pastRace, RaRecord& dest);

  // Answers every look-up from the store under programDir (filling or
  // blanking each dest) and forgets them.
  // Files that exist but cannot be read are reported in warnings.
  void Resolve(const std::filesystem::path& programDir, LoadProgress& progress, std::vector<LoadWarning>& warnings);

 private:
  // Year, month-day and racecourse (the RA file), then the race number.
  using Key = std::array<char, 12>;

  struct Request {
    Key key;
    RaRecord* dest;
    bool answered;
  };
  using Iterator = std::vector<Request>::iterator;

  // Scans one RA file for the requests [first, last), which all name it.
  void ResolveFile(const std::filesystem::path& programDir, Iterator first, Iterator last,
                   std::vector<LoadWarning>& warnings);

  std::vector<Request> requests_;
};

}  // namespace torvane
