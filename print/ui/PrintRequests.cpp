#include "print/ui/PrintRequests.h"

#include <exception>

#include "controls/ui/UpDown.h"
#include "print/InfoPrint.h"
#include "print/ListPrint.h"
#include "print/PdfFileName.h"
#include "print/ui/AllPrintForm.h"
#include "print/ui/PrevX.h"
#include "print/ui/PrintFailure.h"
#include "print/ui/PrinterSetupDialog.h"

namespace torvane {

void ShowInformationPrint(QWidget* parent, const WorkingSet& workingSet, int race, TIniGT& settings) {
  TAllPrintForm form(settings, SystemPrinters(), parent);
  form.PrevX1()->SetPdfOffer(
      {QString::fromStdString(PdfFileNameOf(workingSet.LoadedTk.at(static_cast<std::size_t>(race)))), &settings});
  int pages = 0;
  try {
    pages = RecordInfoPrint(*form.PrevX1(), workingSet, race);
  } catch (const std::exception& error) {
    TellPrintFailure(parent, error);
    return;
  }
  form.setWindowTitle(QStringLiteral("特別登録馬リスト　印刷"));
  // A race without horses still has its one blank page.
  form.UpDown1()->SetRange(1, pages > 0 ? pages : 1);
  form.UpDown1()->SetPosition(1);
  form.exec();
}

void PrintRegisteredList(QWidget* parent, const ListGridTexts& grid, std::string_view dateLabel,
                         std::string_view raceNumberLabel, const PdfSaveOffer& pdf) {
  TPrevX prevX1(SystemPrinters());
  prevX1.SetPdfOffer(pdf);
  try {
    RecordListPrint(prevX1, grid, dateLabel, raceNumberLabel);
    prevX1.Print();
  } catch (const std::exception& error) {
    TellPrintFailure(parent, error);
  }
}

void ShowPrinterSetup(QWidget* parent) {
  TPrinterSetupDialog dialog(SystemPrinters(), parent);
  dialog.exec();
}

}  // namespace torvane
