#include "browse/ui/HorseForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "browse/infogrid/InfoGrid.h"
#include "browse/infogrid/PastRaceColour.h"
#include "browse/ui/InfoGridCellPainter.h"
#include "browse/ui/InfoGridFonts.h"
#include "codes/KeibaFunc.h"
#include "jvdata/PlainText.h"
#include "racetext/PastRaceText.h"

namespace torvane {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QColor ToQColor(const Colour& colour) { return QColor(colour.red, colour.green, colour.blue); }

// The horse's columns of the information grid (number, profile, weight and
// trainer, prize money and placings), drawn by the grid's own cell drawing.
class ProfileStrip : public QWidget {
 public:
  ProfileStrip(const WorkingSet& ws, int slot, int entry, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HorseProfile"));
    const InfoGridSource source{ws, slot, false};
    for (int column = 1; column < kInfoFixedColumnCount; ++column) {
      const CellSize size{kInfoColumnWidths[column], kInfoDataRowHeight};
      drawings_.push_back(StringGrid4DrawCell(source, column, entry + 1, size, fonts_));
    }
    setFixedSize(InfoColumnLeft(kInfoFixedColumnCount) - InfoColumnLeft(1), kInfoDataRowHeight + kInfoGridLineWidth);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const InfoCellColours colours{palette().color(QPalette::Base), palette().color(QPalette::Text),
                                  palette().color(QPalette::ToolTipBase)};
    for (int column = 1; column < kInfoFixedColumnCount; ++column) {
      const QRect cell(InfoColumnLeft(column) - InfoColumnLeft(1), 0, kInfoColumnWidths[column], kInfoDataRowHeight);
      painter.setClipRect(cell.adjusted(0, 0, 0, kInfoGridLineWidth));
      PaintInfoCell(painter, cell, QString(), drawings_[column - 1], colours, fonts_);
    }
  }

 private:
  InfoGridFonts fonts_;
  std::vector<CellDrawing> drawings_;
};

QTableWidget* NewGrid(const char* name, const QStringList& headers) {
  auto* grid = new QTableWidget;
  grid->setObjectName(QString::fromLatin1(name));
  grid->setColumnCount(static_cast<int>(headers.size()));
  grid->setHorizontalHeaderLabels(headers);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(18);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setWordWrap(false);
  return grid;
}

}  // namespace

THorseForm::THorseForm(const std::filesystem::path& programDir, const WorkingSet& ws, int slot, int entry,
                       QWidget* parent)
    : QDialog(parent),
      nominationGrid_(NewGrid("NominationGrid", {QStringLiteral("日付"), QStringLiteral("場"), QStringLiteral("R"),
                                                 QStringLiteral("競走名"), QStringLiteral("負担重量")})),
      careerGrid_(NewGrid("CareerGrid",
                          {QStringLiteral("日付・場"), QStringLiteral("条件"), QStringLiteral("頭数・馬番・距離"),
                           QStringLiteral("コース"), QStringLiteral("天候・馬場"), QStringLiteral("騎手・斤量・人気"),
                           QStringLiteral("タイム"), QStringLiteral("通過順"), QStringLiteral("上り"),
                           QStringLiteral("馬体重・賞金"), QStringLiteral("着順"), QStringLiteral("相手・着差")})),
      copyAction_(new QAction(QStringLiteral("クリップボードへコピー"), this)) {
  setObjectName(QStringLiteral("HorseForm"));
  setWindowTitle(QStringLiteral("競走成績"));
  const TkEntry horse = ws.LoadedTk.at(static_cast<std::size_t>(slot)).Entry(entry);
  const std::string bloodNumber(horse.BloodNumber());
  heading_ = NameText(horse.HorseName()) + "\t" + bloodNumber;

  auto* column = new QVBoxLayout(this);
  column->addWidget(new ProfileStrip(ws, slot, entry, this));
  column->addWidget(new QLabel(QStringLiteral("登録（全日付）")));
  column->addWidget(nominationGrid_, 1);
  column->addWidget(new QLabel(QStringLiteral("競走成績（新しい順）")));
  column->addWidget(careerGrid_, 3);

  FillNominations(NominationsOf(programDir, bloodNumber, warnings_));
  career_ = CareerOf(programDir, bloodNumber, warnings_);
  FillCareer();
  if (!warnings_.empty()) {
    QStringList lines;
    for (const LoadWarning& warning : warnings_) lines << QString::fromStdString(warning.message);
    auto* problems = new QLabel(lines.join('\n'));
    problems->setObjectName(QStringLiteral("HorseFormWarnings"));
    problems->setStyleSheet(QStringLiteral("color: #c00000"));
    column->addWidget(problems);
  }

  careerGrid_->addAction(copyAction_);
  careerGrid_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copyAction_, &QAction::triggered, this, [this] {
    QApplication::clipboard()->setText(QString::fromStdString(CareerClipboardText(heading_, career_)));
  });
  resize(1180, 640);
}

void THorseForm::FillNominations(const std::vector<Nomination>& nominations) {
  nominationGrid_->setRowCount(static_cast<int>(nominations.size()));
  for (int r = 0; r < static_cast<int>(nominations.size()); ++r) {
    const Nomination& n = nominations[r];
    const QString texts[] = {Utf8(n.day.Text()), Utf8(n.courseName), Utf8(Formatted("%2dR", n.raceNumber)),
                             Utf8(n.raceName), Utf8(n.burdenWeight)};
    for (int c = 0; c < 5; ++c) nominationGrid_->setItem(r, c, new QTableWidgetItem(texts[c]));
  }
  nominationGrid_->resizeColumnsToContents();
}

void THorseForm::FillCareer() {
  careerGrid_->setRowCount(static_cast<int>(career_.size()));
  for (int r = 0; r < static_cast<int>(career_.size()); ++r) {
    const PastRaceTexts texts = PastRaceTextsOf(career_[r].result, career_[r].detail);
    const std::vector<std::string> fields = PastRaceFields(texts);
    for (int c = 0; c < kPastRaceFieldCount; ++c) {
      auto* item = new QTableWidgetItem(Utf8(fields[c]));
      if (c == 3) item->setForeground(ToQColor(TrackColourOf(texts.surface)));
      if (c == 10) {
        item->setForeground(ToQColor(FinishingColourOf(texts.position)));
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      careerGrid_->setItem(r, c, item);
    }
  }
  careerGrid_->resizeColumnsToContents();
}

}  // namespace torvane
