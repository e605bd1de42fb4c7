#pragma once
// The toolbar's search box: part of a horse's name (katakana of either
// width, or hiragana) and Enter list the matching horses of all stored
// nominations under the box (name, blood registration number, newest
// nomination); choosing one reports it.

#include <QLineEdit>
#include <vector>

#include "browse/HorseFinder.h"
#include "platform/Paths.h"

class QMenu;

namespace torvane {

class HorseSearchBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit HorseSearchBox(std::filesystem::path programDir, QWidget* parent = nullptr);

  // Searches the store for the box's text now and shows the matches.
  void Search();
  // The list of matches, shown under the box after a search.
  QMenu* Matches() const { return matches_; }

 signals:
  void HorseChosen(const torvane::HorseMatch& match);

 private:
  std::filesystem::path programDir_;
  QMenu* matches_;
  std::vector<HorseMatch> found_;
};

}  // namespace torvane
