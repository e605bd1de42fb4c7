#include "app/ui/MainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "acquisition/DataSpecChoice.h"
#include "acquisition/ui/GetDataForm.h"
#include "app/ui/AppIcon.h"
#include "app/ui/HelpFile.h"
#include "app/ui/PrgrsForm.h"
#include "app/ui/ViewerStartup.h"
#include "browse/RaceGate.h"
#include "browse/WorkingSet.h"
#include "browse/ui/HorseForm.h"
#include "browse/ui/HorseSearchBox.h"
#include "browse/ui/InfoGridWidget.h"
#include "browse/ui/ListGridWidget.h"
#include "browse/ui/RaceHeaderPanel.h"
#include "browse/ui/RaceNavigator.h"
#include "browse/ui/RankingTab.h"
#include "controls/ui/AboutBox.h"
#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"
#include "controls/ui/MsgDlg.h"
#include "controls/ui/PlainMessage.h"
#include "controls/ui/ScreenAreas.h"
#include "controls/ui/UpDown.h"
#include "jvlink/JVLink.h"
#include "jvlink/JVResultMessage.h"
#include "jvlink/ui/StandInSettingsDialog.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "print/PdfFileName.h"
#include "print/PrintPreconditions.h"
#include "print/ui/PrintRequests.h"
#include "settings/IniGT.h"
#include "store/StorePaths.h"

namespace torvane {
namespace {

// "SA480217/SD715396/QPWXRN/": the software identifier in front of the version text.
constexpr std::size_t kSoftwareIdLength = 25;

const char* const kSettingsName = "torvane";

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Items of one fixed height, as the race list is designed.
class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  FixedHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

 private:
  int height_;
};

QToolButton* TopBarButton(QWidget* parent, const char* name, const QString& caption, QRect place,
                          QStyle::StandardPixmap icon) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setGeometry(place);
  button->setFocusPolicy(Qt::NoFocus);
  if (icon != QStyle::SP_CustomBase) {
    button->setIcon(parent->style()->standardIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  }
  return button;
}

// F1 in any window of the program, modal dialogs included, opens the help:
// it watches every key press the application delivers.
class HelpKeyFilter : public QObject {
 public:
  HelpKeyFilter(std::function<void()> openHelp, QObject* parent) : QObject(parent), openHelp_(std::move(openHelp)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
      openHelp_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> openHelp_;
};

void PaintInfoBackground(QWidget* widget) {
  QPalette palette = widget->palette();
  const QColor info = palette.color(QPalette::ToolTipBase);
  palette.setColor(QPalette::Base, info);
  palette.setColor(QPalette::Button, info);
  palette.setColor(QPalette::Window, info);
  widget->setPalette(palette);
}

}  // namespace

QString VersionText() { return QString::fromStdU16String(std::u16string(kJVInitSid.substr(kSoftwareIdLength))); }

TMainForm::TMainForm(std::filesystem::path programDir, std::unique_ptr<JVLink> jvLink1, UrlOpener urlOpener)
    : programDir_(std::move(programDir)), jvLink1_(std::move(jvLink1)), urlOpener_(std::move(urlOpener)) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Torvane for JRA-VAN Data Lab."));
  setWindowIcon(TorvaneIcon());
  setFont(DesignFont(kPGothicFace, 12));
  resize(969, 664);

  CreateStoreDirectories(programDir_);
  iniGT1_ = std::make_unique<TIniGT>(programDir_, kSettingsName);
  workingSet_ = std::make_unique<WorkingSet>();

  msgDlg2_ = new TMsgDlg(this);
  msgDlg2_->setObjectName(QStringLiteral("MsgDlg2"));
  msgDlg2_->SetSound(true);
  msgDlg2_->SetMsgDlgType(TMsgDlg::TMsgDlgType::mtWarning);

  BuildMenus();
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(BuildTopBar());
  column->addWidget(BuildMainArea(), 1);
  setCentralWidget(central);

  // The status line shows the hint of whatever the pointer is over.
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->setFixedHeight(19);

  ReadWindowPlace();
  qApp->installEventFilter(new HelpKeyFilter([this] { HelpContentsClick(); }, this));
  dataListClose_->setChecked(iniGT1_->ReadBool("datalist", "close", false));
  ShowJVLinkChoice(ChosenJVLinkComponent(*iniGT1_));
  EnableAcquisition();
  const DataSpecChoice dataSpec = ReadDataSpecChoice(*iniGT1_);
  (dataSpec.currentMasters ? tokuDifn_ : tokuDiff_)->setChecked(true);
  raceKind_->setChecked(dataSpec.races);

  prgrsForm_ = std::make_unique<TPrgrsForm>(this);
  navigator_ = new RaceNavigator({this, dateCombo_, datList_, raceHeader_, upDown1_, pageControl1_, stringGrid1_,
                                  stringGrid4_, leftPanel_, [this] { return CloseDataListAfterChoice(); }},
                                 *workingSet_, programDir_, *prgrsForm_, this);
  navigator_->RebuildDateList();
  connect(navigator_, &RaceNavigator::RaceShown, this, &TMainForm::ShowRanking);
  connect(navigator_, &RaceNavigator::RaceGone, rankingTab_, &RankingTab::ShowNoRace);
  rankingTab_->ShowNoRace();
  connect(horseSearch_, &HorseSearchBox::HorseChosen, this, [this](const HorseMatch& match) {
    if (!navigator_->ShowNomination(match.newest.day, match.newest.slot, match.newest.entry))
      TMsgDlg::Tell(this, TMsgDlg::TMsgDlgType::mtInformation, QStringLiteral("この馬の登録は見つかりません。"));
  });
}

void TMainForm::ShowRanking() {
  const int slot = navigator_->Browser().SelectedRace();
  rankingTab_->ShowRace(*workingSet_, slot, StoredGate(*iniGT1_, workingSet_->LoadedTk[slot]));
}

void TMainForm::RankingGateChanged(int gate) {
  if (!navigator_->Browser().RaceOnShow()) return;  // the spin box is disabled then
  const int slot = navigator_->Browser().SelectedRace();
  if (!StoreGate(*iniGT1_, workingSet_->LoadedTk[slot], gate)) TellSettingsNotWritten();
  rankingTab_->ShowRace(*workingSet_, slot, gate);
}

void TMainForm::OpenHorseForm(int entry) {
  // Only a horse of the race on show: after a date change the slot number
  // names a race of the new date.
  if (!navigator_->Browser().RaceOnShow()) return;
  const int slot = navigator_->Browser().SelectedRace();
  if (entry < 0 || entry >= RegisteredCount(workingSet_->LoadedTk[slot])) return;  // no horse on that row
  THorseForm form(programDir_, *workingSet_, slot, entry, this);
  form.exec();
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildMenus() {
  const auto addItem = [this](QMenu* menu, const char* name, const QString& caption, const QString& hint) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    return action;
  };

  QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
  file->setObjectName(QStringLiteral("File1"));
  jvDataGet1_ = addItem(file, "JVDataGet1", QStringLiteral("ＪＶデータ取得(&J)"), {});
  connect(jvDataGet1_, &QAction::triggered, this, &TMainForm::JVDataGet1Click);
  file->addSeparator();
  connect(addItem(file, "Print1", QStringLiteral("登録馬情報印刷(&P)"), {}), &QAction::triggered, this,
          &TMainForm::Print1Click);
  connect(addItem(file, "N8", QStringLiteral("登録馬リスト印刷(&L)"), {}), &QAction::triggered, this,
          &TMainForm::N8Click);
  file->addSeparator();
  connect(addItem(file, "N4", QStringLiteral("プリンタ設定(&S)"), {}), &QAction::triggered, this, &TMainForm::N4Click);
  file->addSeparator();
  connect(addItem(file, "Exit1", QStringLiteral("終了(&X)"), QStringLiteral("このｱﾌﾟﾘｹｰｼｮﾝを終了します")),
          &QAction::triggered, this, &TMainForm::Exit1Click);

  QMenu* option = menuBar()->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
  option->setObjectName(QStringLiteral("Option1"));
  dataListClose_ = addItem(option, "DataListClose1", QStringLiteral("読込後、ﾃﾞｰﾀﾘｽﾄを消す"),
                           QStringLiteral("分析用ﾃﾞｰﾀ読込後、ﾃﾞｰﾀﾘｽﾄを消します"));
  dataListClose_->setCheckable(true);
  connect(dataListClose_, &QAction::triggered, this, &TMainForm::DataListCloseClick);
  option->addSeparator();
  useInstalledJVLink_ = addItem(option, "UseInstalledJVLink1", QStringLiteral("インストール済みのJV-Linkを使う"),
                                QStringLiteral("JRA-VANのJV-Linkからデータを取得します"));
  useStandIn_ = addItem(option, "UseStandIn1", QStringLiteral("デモ用のJV-Link代替を使う"),
                        QStringLiteral("デモ用の配信フォルダからデータを取得します"));
  auto* components = new QActionGroup(this);
  for (QAction* choice : {useInstalledJVLink_, useStandIn_}) {
    choice->setCheckable(true);
    components->addAction(choice);
  }
  connect(useInstalledJVLink_, &QAction::triggered, this, [this] { ChooseJVLink(JVLinkComponent::kInstalled); });
  connect(useStandIn_, &QAction::triggered, this, [this] { ChooseJVLink(JVLinkComponent::kStandIn); });
  option->addSeparator();
  // Each caption ends in the data kind's own name, by which JV-Link's users know it.
  tokuDiff_ = addItem(option, "TokuDiff1", QStringLiteral("従来の馬ﾏｽﾀ形式で取得する (TOKUDIFF)"),
                      QStringLiteral("特別登録と従来形式の馬ﾏｽﾀ・成績を取得します"));
  tokuDifn_ = addItem(option, "TokuDifn1", QStringLiteral("現行の馬ﾏｽﾀ形式で取得する (TOKUDIFN)"),
                      QStringLiteral("特別登録と現行形式の馬ﾏｽﾀ・成績を取得します"));
  raceKind_ = addItem(option, "RaceKind1", QStringLiteral("ﾚｰｽ詳細・成績も取得する (RACE)"),
                      QStringLiteral("中央競馬のﾚｰｽ詳細と成績も取得します"));
  auto* masterKinds = new QActionGroup(this);
  for (QAction* choice : {tokuDiff_, tokuDifn_, raceKind_}) {
    choice->setCheckable(true);
    if (choice != raceKind_) masterKinds->addAction(choice);
    connect(choice, &QAction::triggered, this, &TMainForm::DataSpecClick);
  }

  QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
  help->setObjectName(QStringLiteral("Help1"));
  connect(addItem(help, "HelpContents1", QStringLiteral("目次(&C)"), QStringLiteral("ﾍﾙﾌﾟの目次を表示します")),
          &QAction::triggered, this, &TMainForm::HelpContentsClick);
  help->addSeparator();
  connect(addItem(help, "About1", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."), {}), &QAction::triggered, this,
          &TMainForm::SpeedButton6Click);
}

QWidget* TMainForm::BuildTopBar() {
  auto* topBar = new QWidget;
  topBar->setObjectName(QStringLiteral("TopBar"));
  topBar->setFixedHeight(59);
  auto* row = new QHBoxLayout(topBar);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);

  auto* buttons = new QWidget(topBar);
  buttons->setObjectName(QStringLiteral("ButtonPanel"));
  buttons->setFixedWidth(238);
  QToolButton* jvData =
      TopBarButton(buttons, "JVDataButton", QStringLiteral("JVデータ取得"), {4, 2, 137, 25}, QStyle::SP_ArrowDown);
  jvData->setFont(DesignFont(kGothicFace, 12, true));
  jvDataButton_ = jvData;
  connect(jvData, &QToolButton::clicked, this, &TMainForm::JVDataGet1Click);

  QToolButton* helpButton =
      TopBarButton(buttons, "HelpButton", QStringLiteral("ﾍﾙﾌﾟ"), {142, 2, 93, 25}, QStyle::SP_MessageBoxQuestion);
  helpButton->setStatusTip(QStringLiteral("ﾍﾙﾌﾟの目次を表示します"));
  connect(helpButton, &QToolButton::clicked, this, &TMainForm::HelpContentsClick);

  QToolButton* leftPanelButton =
      TopBarButton(buttons, "LeftPanelButton", QStringLiteral("F"), {4, 34, 21, 21}, QStyle::SP_CustomBase);
  connect(leftPanelButton, &QToolButton::clicked, this, &TMainForm::LeftPanelButtonClick);

  upDown1_ = new TUpDown(buttons);
  upDown1_->setObjectName(QStringLiteral("UpDown1"));
  upDown1_->setGeometry(28, 35, 33, 20);

  QToolButton* about = TopBarButton(buttons, "SpeedButton6", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), {64, 30, 101, 25},
                                    QStyle::SP_MessageBoxInformation);
  connect(about, &QToolButton::clicked, this, &TMainForm::SpeedButton6Click);

  QToolButton* exitButton =
      TopBarButton(buttons, "ExitButton", QStringLiteral("終了"), {166, 30, 69, 25}, QStyle::SP_DialogCloseButton);
  exitButton->setStatusTip(QStringLiteral("ソフトを終了します"));
  connect(exitButton, &QToolButton::clicked, this, &TMainForm::Exit1Click);

  raceHeader_ = new TRaceHeaderPanel(topBar);
  horseSearch_ = new HorseSearchBox(programDir_, topBar);
  horseSearch_->setFixedWidth(170);
  horseSearch_->setStatusTip(QStringLiteral("馬名の一部を入力してEnterで、登録のある馬を探します"));
  row->addWidget(buttons);
  row->addWidget(raceHeader_, 1);
  row->addWidget(horseSearch_, 0, Qt::AlignTop);
  return topBar;
}

QWidget* TMainForm::BuildMainArea() {
  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->setObjectName(QStringLiteral("Splitter1"));
  splitter->setHandleWidth(3);
  splitter->setChildrenCollapsible(false);

  auto* leftPanel = new QFrame;
  leftPanel->setObjectName(QStringLiteral("LeftPanel"));
  leftPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  leftPanel->setLineWidth(1);
  leftPanel_ = leftPanel;
  auto* leftColumn = new QVBoxLayout(leftPanel);
  leftColumn->setContentsMargins(1, 1, 1, 1);
  leftColumn->setSpacing(0);

  dateCombo_ = new QComboBox;
  dateCombo_->setObjectName(QStringLiteral("DateCombo"));
  dateCombo_->setEditable(false);
  dateCombo_->setFont(DesignFont(kPGothicFace, 12, true));
  dateCombo_->setMaxVisibleItems(36);
  dateCombo_->setFixedHeight(24);
  PaintInfoBackground(dateCombo_);
  leftColumn->addWidget(dateCombo_);

  datList_ = new QListWidget;
  datList_->setObjectName(QStringLiteral("DatList"));
  datList_->setFont(DesignFont(kGothicFace, 12));
  datList_->setUniformItemSizes(true);
  datList_->setItemDelegate(new FixedHeightDelegate(12, datList_));
  leftColumn->addWidget(datList_, 1);

  auto* clientArea = new QWidget;
  clientArea->setObjectName(QStringLiteral("ClientArea"));
  auto* clientColumn = new QVBoxLayout(clientArea);
  clientColumn->setContentsMargins(0, 0, 0, 0);
  pageControl1_ = new QTabWidget;
  pageControl1_->setObjectName(QStringLiteral("PageControl1"));
  const auto addPage = [this](const char* pageName, const QString& caption, QWidget* grid) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(pageName));
    auto* pageColumn = new QVBoxLayout(page);
    pageColumn->setContentsMargins(0, 0, 0, 0);
    pageColumn->addWidget(grid);
    pageControl1_->addTab(page, caption);
  };
  stringGrid4_ = new InfoGridWidget(*workingSet_, [this]() -> std::optional<int> {
    const RaceBrowser& browser = navigator_->Browser();
    if (!browser.RaceOnShow()) return std::nullopt;
    return browser.SelectedRace();
  });
  stringGrid4_->setObjectName(QStringLiteral("StringGrid4"));
  stringGrid1_ = new ListGridWidget;
  stringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
  addPage("TabSheet1", QStringLiteral("登録馬情報"), stringGrid4_);
  addPage("TabSheet2", QStringLiteral("登録馬ﾘｽﾄ"), stringGrid1_);
  rankingTab_ = new RankingTab;
  addPage("TabSheet3", QStringLiteral("賞金順"), rankingTab_);
  connect(rankingTab_, &RankingTab::GateChanged, this, &TMainForm::RankingGateChanged);
  connect(rankingTab_, &RankingTab::HorseDoubleClicked, this, &TMainForm::OpenHorseForm);

  // The horse window, from a double-click, Enter or the popup of either
  // grid; both count their rows from the header row 0.
  const auto addHorseCommand = [this](QWidget* grid, std::function<std::optional<int>()> selectedRow) {
    auto* action = new QAction(QStringLiteral("競走成績"), grid);
    action->setObjectName(QStringLiteral("HorseRecord1"));
    grid->addAction(action);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(action, &QAction::triggered, this, [this, selectedRow] {
      if (const std::optional<int> row = selectedRow()) OpenHorseForm(*row - 1);
    });
  };
  addHorseCommand(stringGrid4_, [this] { return stringGrid4_->SelectedRow(); });
  addHorseCommand(stringGrid1_, [this] { return stringGrid1_->SelectedRow(); });
  connect(stringGrid4_, &InfoGridWidget::RowChosen, this, [this](int row) { OpenHorseForm(row - 1); });
  connect(stringGrid1_, &ListGridWidget::RowChosen, this, [this](int row) { OpenHorseForm(row - 1); });
  pageControl1_->setCurrentIndex(0);
  pageControl1_->hide();
  clientColumn->addWidget(pageControl1_);

  splitter->addWidget(leftPanel);
  splitter->addWidget(clientArea);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({136, 800});
  return splitter;
}

void TMainForm::ReadWindowPlace() {
  // A place the user could not reach (stored by another screen setup, or
  // edited by hand) gives way to the defaults, which the window then saves.
  const WindowRect place = SavedWindowPlace(*iniGT1_, "locate", AvailableScreenAreas());
  move(place.left, place.top);
  resize(place.width, place.height);
}

TLabel3Dj* TMainForm::Label3D(int number) const { return raceHeader_->Label(number); }

bool TMainForm::CloseDataListAfterChoice() const { return dataListClose_->isChecked(); }

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShown_) return;
  firstShown_ = true;
  // After the window is on the screen, so that a JVInit message has a window to stand on.
  QMetaObject::invokeMethod(this, &TMainForm::FormShow, Qt::QueuedConnection);
}

void TMainForm::FormShow() { InitJVLink1(); }

void TMainForm::EnableAcquisition() {
  jvDataGet1_->setEnabled(HasJVLink());
  jvDataButton_->setEnabled(HasJVLink());
}

void TMainForm::InitJVLink1() {
  if (!HasJVLink()) return;
  const std::int32_t code = jvLink1_->JVInit(std::u16string(kJVInitSid));
  if (code != 0) {
    ShowPlainMessage(this,
                     QStringLiteral("JVInitエラーが発生しました。：") + FromUtf8(JVResultMessage("JVInit", code)));
  }
}

void TMainForm::ShowJVLinkChoice(JVLinkComponent component) {
  (component == JVLinkComponent::kInstalled ? useInstalledJVLink_ : useStandIn_)->setChecked(true);
}

void TMainForm::ChooseJVLink(JVLinkComponent component) {
  const JVLinkComponent former = ChosenJVLinkComponent(*iniGT1_);
  std::unique_ptr<JVLink> chosen;
  try {
    chosen = CreateJVLink(component, programDir_);
  } catch (const std::exception& error) {
    TMsgDlg::Tell(this, TMsgDlg::TMsgDlgType::mtInformation, JVLinkMissingMessage(error));
    ShowJVLinkChoice(former);
    return;
  }
  AttachStandInSettingsDialog(*chosen, programDir_);
  jvLink1_ = std::move(chosen);
  EnableAcquisition();
  if (!SaveJVLinkComponent(*iniGT1_, component)) TellSettingsNotWritten();
  InitJVLink1();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormCloseQuery();
  event->accept();
}

void TMainForm::FormCloseQuery() {
  const bool written =
      iniGT1_->WriteIntegers("locate", {{"top", y()}, {"left", x()}, {"width", width()}, {"height", height()}});
  if (!written) TellSettingsNotWritten();
}

void TMainForm::TellSettingsNotWritten() {
  TMsgDlg::Tell(this, TMsgDlg::TMsgDlgType::mtWarning,
                QStringLiteral("設定ファイルに書き込めませんでした。\n") +
                    QString::fromStdString(platform::Utf8OfPath(iniGT1_->FilePath())));
}

void TMainForm::JVDataGet1Click() {
  TGetDataForm form(
      *jvLink1_, *iniGT1_, programDir_, [this] { navigator_->RebuildDateList(); }, this);
  form.exec();
}

void TMainForm::Exit1Click() { close(); }

void TMainForm::DataListCloseClick() {
  if (!iniGT1_->WriteBool("datalist", "close", dataListClose_->isChecked())) TellSettingsNotWritten();
}

void TMainForm::DataSpecClick() {
  if (!SaveDataSpecChoice(*iniGT1_, {tokuDifn_->isChecked(), raceKind_->isChecked()})) TellSettingsNotWritten();
}

void TMainForm::HelpContentsClick() {
  const std::filesystem::path helpFile = HelpFilePath(programDir_);
  const QString fileName = QString::fromStdString(platform::Utf8OfPath(helpFile));
  if (!platform::IsRegularFile(helpFile)) {
    TMsgDlg::Tell(this, TMsgDlg::TMsgDlgType::mtError,
                  QStringLiteral("ヘルプファイルを表示できませんでした。\n") + fileName);
    return;
  }
  // The file is there: what failed is starting the program that shows it.
  if (!urlOpener_(HelpContentsUrl(helpFile)))
    TMsgDlg::Tell(
        this, TMsgDlg::TMsgDlgType::mtError,
        QStringLiteral("ヘルプファイルを開くブラウザ（URLを開くプログラム）を起動できませんでした。\n") + fileName);
}

void TMainForm::SpeedButton6Click() {
  TAboutBox aboutBox(this, urlOpener_);
  aboutBox.Label3D1()->SetCaption(VersionText());
  aboutBox.exec();
}

void TMainForm::LeftPanelButtonClick() { leftPanel_->setVisible(leftPanel_->isHidden()); }

bool TMainForm::PrintConditionsHold() {
  const std::optional<std::string> refusal = PrintRefusal(datList_->count() == 0, stringGrid1_->RowCount());
  if (!refusal) return true;
  msgDlg2_->SetDisplayMsg(FromUtf8(*refusal));
  msgDlg2_->Execute();
  return false;
}

void TMainForm::Print1Click() {
  if (PrintConditionsHold()) ShowInformationPrint(this, *workingSet_, navigator_->Browser().SelectedRace(), *iniGT1_);
}

void TMainForm::N8Click() {
  if (!PrintConditionsHold()) return;
  const RaceBrowser& browser = navigator_->Browser();
  const TkRecord& race = workingSet_->LoadedTk.at(static_cast<std::size_t>(browser.SelectedRace()));
  PrintRegisteredList(this, browser.ListGrid(), browser.Labels().Label3D3, browser.Labels().Label3D2,
                      {QString::fromStdString(PdfFileNameOf(race)), iniGT1_.get()});
}

void TMainForm::N4Click() { ShowPrinterSetup(this); }

}  // namespace torvane
