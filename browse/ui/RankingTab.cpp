#include "browse/ui/RankingTab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace torvane {
namespace {

const QColor kInsideBackground(232, 244, 232);
const QColor kDrawBackground(255, 236, 179);
const QColor kOutsideText(160, 160, 160);

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

RankingTab::RankingTab(QWidget* parent) : QWidget(parent), gateSpin_(new QSpinBox), table_(new QTableWidget) {
  setObjectName(QStringLiteral("RankingTab"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  auto* row = new QHBoxLayout;
  auto* title = new QLabel(Utf8(kRankingTitle));
  title->setObjectName(QStringLiteral("RankingTitle"));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  row->addWidget(title);
  row->addSpacing(24);
  row->addWidget(new QLabel(QStringLiteral("フルゲート")));
  gateSpin_->setObjectName(QStringLiteral("GateSpin"));
  gateSpin_->setRange(kMinGate, kMaxGate);
  gateSpin_->setValue(kDefaultGate);
  gateSpin_->setSuffix(QStringLiteral("頭"));
  row->addWidget(gateSpin_);
  row->addStretch(1);
  column->addLayout(row);

  table_->setObjectName(QStringLiteral("RankingGrid"));
  table_->setColumnCount(8);
  table_->setHorizontalHeaderLabels({QStringLiteral("順位"), QStringLiteral("No."), QStringLiteral("馬名"),
                                     QStringLiteral("性齢"), QStringLiteral("負担重量"), QStringLiteral("収得賞金"),
                                     QStringLiteral("総賞金"), QStringLiteral("")});
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(20);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->horizontalHeader()->setStretchLastSection(true);
  for (const auto& [c, width] : {std::pair{0, 44}, {1, 36}, {2, 190}, {3, 50}, {4, 70}, {5, 90}, {6, 90}})
    table_->setColumnWidth(c, width);
  column->addWidget(table_, 1);

  connect(gateSpin_, &QSpinBox::valueChanged, this, &RankingTab::GateChanged);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int r, int) {
    if (r >= 0 && r < static_cast<int>(ranked_.size())) emit HorseDoubleClicked(ranked_[r].entry);
  });
}

void RankingTab::ShowRace(const WorkingSet& workingSet, int slot, int gate) {
  {
    const QSignalBlocker blocker(gateSpin_);
    gateSpin_->setValue(gate);
  }
  gateSpin_->setEnabled(true);
  ranked_ = RankByEarnedPrize(workingSet, slot, gate);
  Fill();
}

void RankingTab::ShowNoRace() {
  gateSpin_->setEnabled(false);
  ranked_.clear();
  Fill();
}

void RankingTab::Fill() {
  table_->clearContents();
  table_->setRowCount(static_cast<int>(ranked_.size()));
  for (int r = 0; r < static_cast<int>(ranked_.size()); ++r) {
    const RankedNominee& n = ranked_[r];
    const QString texts[] = {QString::number(n.rank),
                             Utf8(n.runningNumber),
                             Utf8(n.name),
                             Utf8(n.sexAge),
                             Utf8(n.burdenWeight),
                             QString::number(n.earnedPrize) + QStringLiteral("千円"),
                             QString::number(n.totalPrize) + QStringLiteral("千円"),
                             Utf8(StandingText(n.standing))};
    for (int c = 0; c < 8; ++c) {
      auto* item = new QTableWidgetItem(texts[c]);
      if (c == 0 || c == 1 || (c >= 4 && c <= 6)) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      switch (n.standing) {
        case GateStanding::Inside:
          item->setBackground(kInsideBackground);
          break;
        case GateStanding::Draw:
          item->setBackground(kDrawBackground);
          break;
        case GateStanding::Outside:
          item->setForeground(kOutsideText);
          break;
      }
      table_->setItem(r, c, item);
    }
  }
}

}  // namespace torvane
