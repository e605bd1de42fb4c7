#include "browse/RaceDetailLookup.h"

#include <algorithm>
#include <cstring>

#include "browse/OptionalStoreFile.h"
#include "platform/SystemErrorText.h"
#include "store/RecordFile.h"
#include "store/StorePaths.h"

namespace torvane {
namespace {

constexpr std::size_t kRaceNumberOffset = 10;  // within the key

// Keys compare as text (unsigned bytes), in sorting and in searching alike.
std::string_view WholeKeyOf(const std::array<char, 12>& key) { return {key.data(), key.size()}; }
std::string_view FileKeyOf(const std::array<char, 12>& key) { return {key.data(), kRaceNumberOffset}; }
std::string_view RaceNumberOf(const std::array<char, 12>& key) { return {key.data() + kRaceNumberOffset, 2}; }

}  // namespace

RaceDetailLookup::RaceDetailLookup(std::size_t capacity) { requests_.reserve(capacity); }

void RaceDetailLookup::Add(const SeRecord& pastRace, RaRecord& dest) {
  Request request{{}, &dest, false};
  char* at = request.key.data();
  for (const std::string_view part : {pastRace.RaceDate(), pastRace.CourseCode(), pastRace.RaceNumber()}) {
    std::memcpy(at, part.data(), part.size());
    at += part.size();
  }
  requests_.push_back(request);
}

void RaceDetailLookup::Resolve(const std::filesystem::path& programDir, LoadProgress& progress,
                               std::vector<LoadWarning>& warnings) {
  std::sort(requests_.begin(), requests_.end(),
            [](const Request& a, const Request& b) { return WholeKeyOf(a.key) < WholeKeyOf(b.key); });
  for (auto first = requests_.begin(); first != requests_.end();) {
    const std::string_view file = FileKeyOf(first->key);
    const auto last = std::find_if(first, requests_.end(), [&](const Request& r) { return FileKeyOf(r.key) != file; });
    ResolveFile(programDir, first, last, warnings);
    for (auto it = first; it != last; ++it)
      if (!it->answered) it->dest->Blank();
    progress.LetPendingEventsThrough();
    first = last;
  }
  requests_.clear();
}

void RaceDetailLookup::ResolveFile(const std::filesystem::path& programDir, Iterator first, Iterator last,
                                   std::vector<LoadWarning>& warnings) {
  RecordFileReader reader;
  const std::filesystem::path path = RaFilePath(programDir, FileKeyOf(first->key));
  if (!OpenIfPresent(reader, path, kRaRecordSize, warnings)) return;
  // The requests are sorted by race number within the file; one group per number.
  std::size_t unanswered = 0;
  for (auto it = first; it != last; ++it)
    if (it == first || RaceNumberOf(it->key) != RaceNumberOf((it - 1)->key)) ++unanswered;
  struct ByRaceNumber {
    bool operator()(const Request& request, std::string_view number) const {
      return RaceNumberOf(request.key) < number;
    }
    bool operator()(std::string_view number, const Request& request) const {
      return number < RaceNumberOf(request.key);
    }
  };
  RaRecord record;
  try {
    for (std::size_t i = 0; i < reader.Count() && unanswered > 0; ++i) {
      reader.Read(i, record.bytes.data());
      if (!IsSoundRecord(record.View(), "RA", path, i, warnings)) continue;
      const auto [groupFirst, groupLast] = std::equal_range(first, last, record.RaceNumber(), ByRaceNumber{});
      if (groupFirst == groupLast || groupFirst->answered) continue;
      for (auto it = groupFirst; it != groupLast; ++it) {
        *it->dest = record;
        it->answered = true;
      }
      --unanswered;
    }
  } catch (const StoreError& error) {
    warnings.push_back({path, JapaneseErrorText(error)});
  }
}

}  // namespace torvane
