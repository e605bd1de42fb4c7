#pragma once
// TAllPrintForm: the print preview window around one TPrevX (PrevX1), with
// "印刷(&P)", "ﾌﾟﾘﾝﾀ設定(&S)", "PDF保存", the close button, the page selector
// and the zoom choice. It opens at its saved place and zoom and saves its
// place when it closes. Made afresh for every preview and shown modally.

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPushButton;
class QScrollArea;

namespace torvane {

class TIniGT;
class TPrevX;
class TPrinters;
class TUpDown;

class TAllPrintForm : public QDialog {
  Q_OBJECT

 public:
  TAllPrintForm(TIniGT& settings, TPrinters& printers, QWidget* parent = nullptr);

  TPrevX* PrevX1() const { return prevX1_; }
  TUpDown* UpDown1() const { return upDown1_; }
  // The zoom choice "25%" .. "100%", ids 0..3.
  QButtonGroup* RadioGroup1() const { return radioGroup1_; }
  QPushButton* BitBtn1() const { return bitBtn1_; }
  QPushButton* BitBtn2() const { return bitBtn2_; }
  QPushButton* BitBtn3() const { return bitBtn3_; }
  QPushButton* PdfButton() const { return pdfButton_; }
  QScrollArea* ScrollBox1() const { return scrollBox1_; }

  // Every way of closing saves the window's place.
  void done(int result) override;

 private:
  QWidget* BuildTopPanel();
  void FormCreate();
  void FormCloseQuery();
  void RadioGroup1Click(int index);
  void BitBtn2Click();
  void BitBtn3Click();
  void PdfButtonClick();
  void UpDown1Click();
  void TellSettingsNotWritten();

  TIniGT& settings_;
  TPrinters& printers_;
  TPrevX* prevX1_;
  TUpDown* upDown1_ = nullptr;
  QButtonGroup* radioGroup1_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
  QPushButton* bitBtn2_ = nullptr;
  QPushButton* bitBtn3_ = nullptr;
  QPushButton* pdfButton_ = nullptr;
  QScrollArea* scrollBox1_ = nullptr;
};

}  // namespace torvane
