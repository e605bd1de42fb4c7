#pragma once
// The print commands of the main window, once it has found that they can
// run. A print that fails (no printer, a job that cannot start) is told in
// the error dialog; nothing is shown or printed then.

#include <string_view>

#include "browse/ListGrid.h"
#include "browse/WorkingSet.h"
#include "print/ui/PdfFileChoice.h"

class QWidget;

namespace torvane {

class TIniGT;

// "登録馬情報印刷(&P)": records the information print of race slot `race`
// into a new preview window and shows it modally; returns when it closes.
void ShowInformationPrint(QWidget* parent, const WorkingSet& workingSet, int race, TIniGT& settings);

// "登録馬リスト印刷(&L)": records the list print (title from the race date
// and race number labels) and prints it on the current printer at once; the
// PDF printer asks for the file, offering `pdf`.
void PrintRegisteredList(QWidget* parent, const ListGridTexts& grid, std::string_view dateLabel,
                         std::string_view raceNumberLabel, const PdfSaveOffer& pdf);

// "プリンタ設定(&S)": the printer setup dialog.
void ShowPrinterSetup(QWidget* parent);

}  // namespace torvane
