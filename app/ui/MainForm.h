#pragma once
// TMainForm: the main window. Its menus and top bar reach every command; the
// race header panel, the left panel (date list DateCombo, race list DatList),
// the splitter and the page control with the two grid tabs make up the rest.
// It owns the program's only JV-Link control (JVLink1), initialised when the
// window is first shown, and keeps its place and its option in torvane.ini.
//
// Commands carried out by other windows (acquisition, printing) are offered
// as signals; the main window itself checks the print commands' conditions.

#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "controls/ui/UrlOpener.h"

class QAction;
class QComboBox;
class QListWidget;
class QTabWidget;
class QToolButton;

namespace torvane {

class JVLink;
class TIniGT;
class TLabel3Dj;
class TMsgDlg;
class TRaceHeaderPanel;
class TUpDown;

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
  JVLink& JVLink1() { return *jvLink1_; }

  QComboBox* DateCombo() const { return dateCombo_; }
  QListWidget* DatList() const { return datList_; }
  TUpDown* UpDown1() const { return upDown1_; }
  QWidget* LeftPanel() const { return leftPanel_; }
  QTabWidget* PageControl1() const { return pageControl1_; }
  TMsgDlg* MsgDlg2() const { return msgDlg2_; }
  // The race header label Label3D<number>.
  TLabel3Dj* Label3D(int number) const;

  // Puts a grid in place of the placeholder of its tab page ("StringGrid4" on
  // "登録馬情報", "StringGrid1" on "登録馬ﾘｽﾄ"); the window takes ownership.
  // The list grid's "RowCount" property (rows including the header row) is
  // what the print commands look at.
  void InstallInformationGrid(QWidget* grid);
  void InstallListGrid(QWidget* grid);
  // The page control stays hidden until the first race is shown.
  void ShowPageControl();

  // The option "読込後、ﾃﾞｰﾀﾘｽﾄを消す": hide the left panel once a race is chosen.
  bool CloseDataListAfterChoice() const;

 signals:
  // "ＪＶデータ取得(&J)" and its toolbar button.
  void JVDataGetRequested();
  // The print commands, once their conditions hold.
  void PrintInformationRequested();
  void PrintListRequested();
  // "プリンタ設定(&S)".
  void PrinterSetupRequested();

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
  void Exit1Click();
  void DataListCloseClick();
  void HelpContentsClick();
  void SpeedButton6Click();
  void LeftPanelButtonClick();
  void Print1Click();
  void N8Click();
  bool PrintConditionsHold();
  void InstallGrid(QWidget* page, const QString& placeholderName, QWidget* grid);

  std::filesystem::path programDir_;
  std::unique_ptr<JVLink> jvLink1_;
  UrlOpener urlOpener_;
  std::unique_ptr<TIniGT> iniGT1_;
  bool firstShown_ = false;

  QAction* dataListClose_ = nullptr;
  TRaceHeaderPanel* raceHeader_ = nullptr;
  TUpDown* upDown1_ = nullptr;
  QWidget* leftPanel_ = nullptr;
  QComboBox* dateCombo_ = nullptr;
  QListWidget* datList_ = nullptr;
  QTabWidget* pageControl1_ = nullptr;
  QWidget* informationPage_ = nullptr;
  QWidget* listPage_ = nullptr;
  TMsgDlg* msgDlg2_ = nullptr;
};

}  // namespace torvane
