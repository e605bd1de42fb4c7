#pragma once
// TUpDown: a pair of arrow buttons side by side that steps a position within
// Min..Max without wrapping: the left arrow steps back, the right arrow on.

#include <QWidget>

class QToolButton;

namespace torvane {

class TUpDown : public QWidget {
  Q_OBJECT

 public:
  enum class TUDBtnType { btNext, btPrev };

  explicit TUpDown(QWidget* parent = nullptr);

  int Position() const { return position_; }
  // Kept within Min..Max.
  void SetPosition(int position);
  int Min() const { return min_; }
  int Max() const { return max_; }
  // A range with max below min is taken as min..min.
  void SetRange(int min, int max);

  QToolButton* PrevButton() const { return prev_; }
  QToolButton* NextButton() const { return next_; }

 signals:
  // After an arrow was pressed and the position moved (or stayed at its limit).
  void Click(TUpDown::TUDBtnType button);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Step(TUDBtnType button);

  QToolButton* prev_;
  QToolButton* next_;
  int position_ = 0;
  int min_ = 0;
  int max_ = 100;
};

}  // namespace torvane
