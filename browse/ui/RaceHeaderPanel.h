#pragma once
// The race header panel of the main window's top bar: the tooltip-yellow,
// lowered panel holding the raised 3-D labels that describe the race on show
// (Label3D1 ... Label3D115). Every label starts as a single space.

#include <QFrame>
#include <map>

namespace torvane {

class TLabel3Dj;

class TRaceHeaderPanel : public QFrame {
  Q_OBJECT

 public:
  explicit TRaceHeaderPanel(QWidget* parent = nullptr);

  // Label3D<number>; throws std::out_of_range for a number the panel lacks.
  TLabel3Dj* Label(int number) const;

 private:
  std::map<int, TLabel3Dj*> labels_;
};

}  // namespace torvane
