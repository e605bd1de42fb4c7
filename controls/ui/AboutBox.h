#pragma once
// TAboutBox: the version window, with the program's picture, its version
// text and a button that opens the home page in the user's browser. Made
// afresh for every showing.

#include <QDialog>

#include "controls/ui/UrlOpener.h"

class QPushButton;

namespace torvane {

class TLabel3Dj;

// The home page the version window opens.
inline constexpr const char* kHomePageAddress = "https://jra-van.jp/dlb/";

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr, UrlOpener urlOpener = DesktopUrlOpener());

  // The version text label; the opener sets it before showing the window.
  TLabel3Dj* Label3D1() const { return label3D1_; }

 private:
  void Button1Click();

  UrlOpener urlOpener_;
  TLabel3Dj* label3D1_;
};

}  // namespace torvane
