#pragma once
// Invented names for the demo week: they look like the names of Japanese
// racing (katakana horse names, kanji people, farms and towns) but are made
// from word and syllable lists, so none is meant to be a real horse or person.
// All texts are UTF-8 and representable in CP932.

#include <set>
#include <string>

#include "demo/DemoRandom.h"

namespace torvane {

class DemoNames {
 public:
  explicit DemoNames(DemoRandom& random) : random_(random) {}

  // 2 to 9 katakana, never given twice (horses, sires and dams share the space).
  std::string HorseName();
  // The short name of a person as the records carry it (at most 4 characters):
  // the surname, or the surname and the first kanji of the given name when
  // an earlier person has that surname.
  std::string PersonShortName();
  // A jockey from abroad: a katakana short name of at most 4 characters.
  std::string ForeignJockey();
  // The distinctive word of a race name ("若潮", "すずらん"), never given twice.
  std::string RaceWord();
  // The three-character short name of a graded race of the past, such as
  // "若潮記" for 若潮記念; past races may share a word.
  static std::string ShortRaceName(DemoRandom& random);
  std::string Breeder();
  std::string Owner();
  // A Hokkaido town, or a country for a horse bred abroad.
  std::string Birthplace(bool bredAbroad);

 private:
  DemoRandom& random_;
  std::set<std::string> horseNames_;
  std::set<std::string> shortNames_;
  std::set<std::string> raceWords_;
};

// The number of characters (code points) of a UTF-8 text.
int Utf8Length(const std::string& text);

}  // namespace torvane
