#pragma once
// TMainForm: the main window. Its menus and top bar reach every command; the
// race header panel, the left panel (date list DateCombo, race list DatList),
// the splitter and the page control with the two grid tabs make up the rest.
// It owns the program's only JV-Link control (JVLink1), initialised when the
// window is first shown, and keeps its place and its option in torvane.ini.
//
// It owns the browsing side too: the working set, the two grids, the
// loading progress popup and the date and race index (RaceNavigator), and it
// opens the acquisition window and, once their conditions hold, the prints.

#include <QMainWindow>
#include <memory>

#include "controls/ui/UrlOpener.h"
#include "jvlink/JVLinkFactory.h"
#include "platform/Paths.h"

class QAction;
class QComboBox;
class QListWidget;
class QTabWidget;
class QToolButton;

namespace torvane {

class HorseSearchBox;
class InfoGridWidget;
class JVLink;
class ListGridWidget;
class RaceNavigator;
class RankingTab;
class TIniGT;
class TPrgrsForm;
class TLabel3Dj;
class TMsgDlg;
class TRaceHeaderPanel;
class TUpDown;
struct WorkingSet;

// The version text shown by the version window; JVInit gets it behind the
// software identifier.
QString VersionText();

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Creates the store directories under programDir (throws
  // std::filesystem::filesystem_error when one cannot be made) and reads the
  // window's place and option from programDir/torvane.ini. The opener opens
  // the help file (and the version window's home page).
  TMainForm(std::filesystem::path programDir, std::unique_ptr<JVLink> jvLink1,
            UrlOpener urlOpener = DesktopUrlOpener());
  ~TMainForm() override;

  const std::filesystem::path& ProgramDir() const { return programDir_; }
  // Only while there is one.
  JVLink& JVLink1() { return *jvLink1_; }
  bool HasJVLink() const { return jvLink1_ != nullptr; }

  QComboBox* DateCombo() const { return dateCombo_; }
  QListWidget* DatList() const { return datList_; }
  TUpDown* UpDown1() const { return upDown1_; }
  QWidget* LeftPanel() const { return leftPanel_; }
  QTabWidget* PageControl1() const { return pageControl1_; }
  TMsgDlg* MsgDlg2() const { return msgDlg2_; }
  // The race header label Label3D<number>.
  TLabel3Dj* Label3D(int number) const;

  // "StringGrid4" on the tab "登録馬情報", "StringGrid1" on "登録馬ﾘｽﾄ".
  InfoGridWidget* StringGrid4() const { return stringGrid4_; }
  ListGridWidget* StringGrid1() const { return stringGrid1_; }
  // The tab "賞金順" and the toolbar's horse search.
  RankingTab* Ranking() const { return rankingTab_; }
  HorseSearchBox* HorseSearch() const { return horseSearch_; }
  TPrgrsForm* PrgrsForm() const { return prgrsForm_.get(); }
  RaceNavigator* Navigator() const { return navigator_; }
  const WorkingSet& Working() const { return *workingSet_; }

  // The option "読込後、ﾃﾞｰﾀﾘｽﾄを消す": hide the left panel once a race is chosen.
  bool CloseDataListAfterChoice() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  QWidget* BuildTopBar();
  QWidget* BuildMainArea();
  void ReadWindowPlace();

  void FormShow();
  void FormCloseQuery();
  // A settings write that failed is told, not lost silently.
  void TellSettingsNotWritten();
  void JVDataGet1Click();
  void Exit1Click();
  void DataListCloseClick();
  // The option menu's data kinds of the next acquisitions, kept in the settings.
  void DataSpecClick();
  // The option menu's choice of component: the new one replaces JVLink1 and
  // is kept in the settings; one that cannot be created is told and the
  // former one stays.
  void ChooseJVLink(JVLinkComponent component);
  void ShowJVLinkChoice(JVLinkComponent component);
  void InitJVLink1();
  void EnableAcquisition();
  void HelpContentsClick();
  // The version window: the toolbar button "ﾊﾞｰｼﾞｮﾝ情報" and the help menu's
  // "ﾊﾞｰｼﾞｮﾝ情報(&A)...".
  void SpeedButton6Click();
  void LeftPanelButtonClick();
  void Print1Click();
  // "登録馬リスト印刷(&L)": the list grid of the race on show printed on one
  // page, when the print's preconditions hold.
  void N8Click();
  // "プリンタ設定(&S)": the printer setup dialog.
  void N4Click();
  bool PrintConditionsHold();
  // The earned-prize order of the race on show, against its stored gate.
  void ShowRanking();
  void RankingGateChanged(int gate);
  // The horse window for entry `entry` of the race on show.
  void OpenHorseForm(int entry);

  std::filesystem::path programDir_;
  std::unique_ptr<JVLink> jvLink1_;
  UrlOpener urlOpener_;
  std::unique_ptr<TIniGT> iniGT1_;
  bool firstShown_ = false;

  QAction* jvDataGet1_ = nullptr;
  QToolButton* jvDataButton_ = nullptr;
  QAction* dataListClose_ = nullptr;
  QAction* useInstalledJVLink_ = nullptr;
  QAction* useStandIn_ = nullptr;
  QAction* tokuDiff_ = nullptr;
  QAction* tokuDifn_ = nullptr;
  QAction* raceKind_ = nullptr;
  TRaceHeaderPanel* raceHeader_ = nullptr;
  TUpDown* upDown1_ = nullptr;
  QWidget* leftPanel_ = nullptr;
  QComboBox* dateCombo_ = nullptr;
  QListWidget* datList_ = nullptr;
  QTabWidget* pageControl1_ = nullptr;
  InfoGridWidget* stringGrid4_ = nullptr;
  ListGridWidget* stringGrid1_ = nullptr;
  RankingTab* rankingTab_ = nullptr;
  HorseSearchBox* horseSearch_ = nullptr;
  TMsgDlg* msgDlg2_ = nullptr;
  std::unique_ptr<WorkingSet> workingSet_;  // some 50 MB: on the heap
  // A window of its own, not a child: deleted with this window by the pointer.
  std::unique_ptr<TPrgrsForm> prgrsForm_;
  RaceNavigator* navigator_ = nullptr;
};

}  // namespace torvane
