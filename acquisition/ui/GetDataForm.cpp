#include "acquisition/ui/GetDataForm.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCharFormat>
#include <QToolButton>

#include "controls/ui/DesignFonts.h"
#include "controls/ui/JapaneseTexts.h"
#include "controls/ui/Label3Dj.h"
#include "controls/ui/MsgDlg.h"

namespace torvane {

TGetDataForm::TGetDataForm(JVLink& jvLink, TIniGT& settings, const std::filesystem::path& programDir,
                           std::function<void()> dateListRebuild, QWidget* parent)
    : QDialog(parent),
      buttonStart_(new QPushButton(QStringLiteral("データ取込み開始"), this)),
      buttonCancel_(new QPushButton(QStringLiteral("データ取込み中止"), this)),
      speedButton1_(new QToolButton(this)),
      progressLabel_(new TLabel3Dj(this)),
      progressBar1_(new QProgressBar(this)),
      progressBar2_(new QProgressBar(this)),
      listBox1_(new QListWidget(this)),
      dateTimePicker1_(new QDateTimeEdit(this)),
      writer_(programDir) {
  setWindowTitle(QStringLiteral("ＪＶデータ取込"));
  setFixedSize(413, 433);
  move(163, 121);

  speedButton1_->setText(QStringLiteral("JVLink設定"));
  speedButton1_->setAutoRaise(true);
  speedButton1_->setToolTip(QStringLiteral("JRA-VAN　Data Lab.のサービスキーやデータ保存場所の設定をします"));
  progressLabel_->SetCaption(QStringLiteral(" "));
  progressLabel_->setFont(DesignFont(kGothicFace, 12, true));
  progressLabel_->SetFontColor(Qt::blue);
  progressLabel_->SetTextStyle(TLabel3Dj::TTextStyle::tsRaised);
  listBox1_->setFont(DesignFont(kGothicFace, 12));
  // A run adds a line per stored record, often tens of thousands: with lines
  // of one height the list lays itself out without measuring each line.
  listBox1_->setUniformItemSizes(true);
  // The date only is shown; the time of day is kept when another date is chosen.
  dateTimePicker1_->setDisplayFormat(QStringLiteral("yyyy'年'M'月'd'日'"));
  dateTimePicker1_->setCalendarPopup(true);
  // Saturday blue and Sunday red, as Japanese calendars show them.
  QTextCharFormat saturday = dateTimePicker1_->calendarWidget()->weekdayTextFormat(Qt::Saturday);
  saturday.setForeground(QColor(Qt::blue));
  dateTimePicker1_->calendarWidget()->setWeekdayTextFormat(Qt::Saturday, saturday);
  QTextCharFormat sunday = dateTimePicker1_->calendarWidget()->weekdayTextFormat(Qt::Sunday);
  sunday.setForeground(QColor(Qt::red));
  dateTimePicker1_->calendarWidget()->setWeekdayTextFormat(Qt::Sunday, sunday);
  dateTimePicker1_->setDateTime(QDateTime(QDate(2003, 4, 6), QTime(10, 46, 42)));
  timerJVStatus_.setInterval(10);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("取得開始日付"), this), 0, 0);
  layout->addWidget(dateTimePicker1_, 1, 0);
  layout->addWidget(speedButton1_, 1, 1);
  layout->addWidget(buttonStart_, 2, 0);
  layout->addWidget(buttonCancel_, 2, 1);
  layout->addWidget(progressLabel_, 3, 0, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("ダウンロード"), this), 4, 0, 1, 2);
  layout->addWidget(progressBar1_, 5, 0, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("読込み"), this), 6, 0, 1, 2);
  layout->addWidget(progressBar2_, 7, 0, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("作成済みデータ"), this), 8, 0, 1, 2);
  layout->addWidget(listBox1_, 9, 0, 1, 2);

  run_ = std::make_unique<AcquisitionRun>(jvLink, *this, settings, writer_);
  run_->SetDateListRebuild(std::move(dateListRebuild));
  connect(buttonStart_, &QPushButton::clicked, this, &TGetDataForm::ButtonStartClick);
  connect(buttonCancel_, &QPushButton::clicked, this, &TGetDataForm::ButtonCancelClick);
  connect(speedButton1_, &QToolButton::clicked, this, &TGetDataForm::SpeedButton1Click);
  connect(&timerJVStatus_, &QTimer::timeout, this, &TGetDataForm::TimerJVStatusTimer);
  buttonCancel_->setEnabled(false);
  run_->FormCreate();
}

TGetDataForm::~TGetDataForm() = default;

void TGetDataForm::ButtonStartClick() { run_->Start(); }

void TGetDataForm::ButtonCancelClick() { run_->Cancel(); }

void TGetDataForm::SpeedButton1Click() { run_->SpeedButton1Click(); }

void TGetDataForm::TimerJVStatusTimer() { run_->PollDownload(); }

void TGetDataForm::closeEvent(QCloseEvent* event) {
  if (run_->FormCloseQuery()) {
    timerJVStatus_.stop();
    event->accept();
  } else {
    event->ignore();
  }
}

void TGetDataForm::reject() { close(); }

void TGetDataForm::CloseWindow() { close(); }

QProgressBar* TGetDataForm::Bar(ProgressBar bar) const {
  return bar == ProgressBar::Download ? progressBar1_ : progressBar2_;
}

void TGetDataForm::SetStatusText(const std::string& text) { progressLabel_->SetCaption(QString::fromStdString(text)); }
void TGetDataForm::SetBarRange(ProgressBar bar, int minimum, int maximum) { Bar(bar)->setRange(minimum, maximum); }
void TGetDataForm::SetBarPosition(ProgressBar bar, int position) { Bar(bar)->setValue(position); }
void TGetDataForm::AddListLine(const std::string& line) { listBox1_->addItem(QString::fromStdString(line)); }
void TGetDataForm::ClearList() { listBox1_->clear(); }

void TGetDataForm::ShowInformation(const std::string& text) {
  QMessageBox box(QMessageBox::Information, TMsgDlg::Caption(TMsgDlg::TMsgDlgType::mtInformation),
                  QString::fromStdString(text), QMessageBox::Ok, this);
  SetDesignedCaptions(box);
  box.exec();
}

bool TGetDataForm::ConfirmYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, TMsgDlg::Caption(TMsgDlg::TMsgDlgType::mtConfirmation),
                  QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, this);
  SetDesignedCaptions(box);
  return box.exec() == QMessageBox::Yes;
}

void TGetDataForm::Beep() { QApplication::beep(); }

void TGetDataForm::SetBusyCursor(bool busy) {
  if (busy)
    setCursor(Qt::BusyCursor);
  else
    unsetCursor();
}

void TGetDataForm::StartTimer() { timerJVStatus_.start(); }
void TGetDataForm::StopTimer() { timerJVStatus_.stop(); }
// The run asks for this once per record; handling the window's events (and
// repainting a growing list) that often would make the window the bottleneck
// of the run. A few times per frame keeps it as live and the cancel as prompt.
void TGetDataForm::ProcessPendingEvents() {
  if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEventIntervalMs) return;
  // The list lays out the lines added meanwhile and shows the newest; the
  // events below paint it.
  if (!sinceListShown_.isValid() || sinceListShown_.elapsed() >= kListShowIntervalMs) {
    listBox1_->scrollToBottom();
    sinceListShown_.start();
  }
  QCoreApplication::processEvents();
  sinceEvents_.start();
}

void TGetDataForm::SetRunGoing(bool going) {
  buttonCancel_->setEnabled(going);
  // ProcessPendingEvents scrolls only now and then: the lines of the last
  // moments of the run come into view here.
  if (!going) listBox1_->scrollToBottom();
}

DateTime TGetDataForm::PickerDateTime() const {
  const QDateTime value = dateTimePicker1_->dateTime();
  return {value.date().year(), value.date().month(),  value.date().day(),
          value.time().hour(), value.time().minute(), value.time().second()};
}

void TGetDataForm::SetPickerDateTime(const DateTime& value) {
  dateTimePicker1_->setDateTime(
      QDateTime(QDate(value.year, value.month, value.day), QTime(value.hour, value.minute, value.second)));
}

}  // namespace torvane
