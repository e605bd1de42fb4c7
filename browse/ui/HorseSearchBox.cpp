#include "browse/ui/HorseSearchBox.h"

#include <QMenu>

namespace torvane {
namespace {

// Enough to choose from; a longer list means the text is too short.
constexpr std::size_t kMaxShown = 40;

}  // namespace

HorseSearchBox::HorseSearchBox(std::filesystem::path programDir, QWidget* parent)
    : QLineEdit(parent), programDir_(std::move(programDir)), matches_(new QMenu(this)) {
  setObjectName(QStringLiteral("HorseSearch"));
  setPlaceholderText(QStringLiteral("馬名で検索"));
  setClearButtonEnabled(true);
  matches_->setObjectName(QStringLiteral("HorseMatches"));
  connect(this, &QLineEdit::returnPressed, this, &HorseSearchBox::Search);
}

void HorseSearchBox::Search() {
  std::vector<LoadWarning> warnings;
  found_ = SearchHorses(programDir_, text().toStdString(), warnings);
  matches_->clear();
  if (found_.empty()) {
    if (!text().trimmed().isEmpty()) matches_->addAction(QStringLiteral("該当する馬はありません"))->setEnabled(false);
  }
  for (std::size_t i = 0; i < found_.size() && i < kMaxShown; ++i) {
    const HorseMatch& match = found_[i];
    const QString caption = QString::fromStdString(match.newest.horseName) + QStringLiteral("  ") +
                            QString::fromStdString(match.bloodNumber) + QStringLiteral("  ") +
                            QString::fromStdString(match.newest.day.Text());
    connect(matches_->addAction(caption), &QAction::triggered, this, [this, i] { emit HorseChosen(found_[i]); });
  }
  if (found_.size() > kMaxShown)
    matches_->addAction(QStringLiteral("ほか %1 頭").arg(found_.size() - kMaxShown))->setEnabled(false);
  for (const LoadWarning& warning : warnings)
    matches_->addAction(QString::fromStdString(warning.message))->setEnabled(false);
  if (matches_->isEmpty()) return;
  // Right-aligned under the box, which stands at the window's right edge.
  matches_->popup(mapToGlobal(QPoint(width() - matches_->sizeHint().width(), height())));
  setFocus();
}

}  // namespace torvane
