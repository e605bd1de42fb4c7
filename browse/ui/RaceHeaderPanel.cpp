#include "browse/ui/RaceHeaderPanel.h"

#include <stdexcept>
#include <string>

#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"

namespace torvane {
namespace {

struct LabelDesign {
  int number;
  int left, top;
  int width, height;  // 0 x 0: sized to its text
  int fontHeight;
  QColor colour;  // invalid: the window text colour
  bool centred;
};

const QColor kBlue(0, 0, 255);

const LabelDesign kLabels[] = {
    {1, 4, 2, 43, 23, 19, {}, false},            // racecourse
    {2, 6, 26, 35, 29, 24, Qt::white, true},     // race number, white on black
    {3, 62, 4, 251, 15, 15, {}, false},          // date, racecourse, meeting and day
    {4, 62, 20, 0, 0, 15, {}, false},            // race name
    {9, 320, 6, 0, 0, 13, kBlue, false},         // handicap announcement date
    {110, 60, 38, 45, 15, 13, kBlue, false},     // registered horses
    {5, 108, 38, 47, 15, 13, {}, false},         // weight type
    {6, 168, 38, 81, 15, 13, {}, false},         // race condition
    {7, 256, 38, 53, 15, 13, {}, false},         // track
    {8, 326, 38, 53, 15, 13, {}, false},         // distance
    {115, 388, 40, 0, 0, 12, Qt::black, false},  // grade
};

}  // namespace

TRaceHeaderPanel::TRaceHeaderPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("RaceHeaderPanel"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  QPalette infoBackground = palette();
  infoBackground.setColor(QPalette::Window, palette().color(QPalette::ToolTipBase));
  setPalette(infoBackground);
  setAutoFillBackground(true);

  for (const LabelDesign& design : kLabels) {
    auto* label = new TLabel3Dj(this);
    label->setObjectName(QStringLiteral("Label3D%1").arg(design.number));
    label->setFont(DesignFont(kGothicFace, design.fontHeight, true));
    label->SetTextStyle(TLabel3Dj::TTextStyle::tsRaised);
    label->SetShift(1);
    label->SetTransparent(true);
    if (design.colour.isValid()) label->SetFontColor(design.colour);
    if (design.centred) label->SetAlignment(TLabel3Dj::TAlignment::taCenter);
    if (design.number == 2) label->SetColor(Qt::black);  // shows once the label is made opaque
    const bool sizedToText = design.width == 0;
    label->SetAutoSize(sizedToText);
    label->move(design.left, design.top);
    if (!sizedToText) label->resize(design.width, design.height);
    label->SetCaption(QStringLiteral(" "));
    labels_[design.number] = label;
  }
}

TLabel3Dj* TRaceHeaderPanel::Label(int number) const {
  const auto found = labels_.find(number);
  if (found == labels_.end()) {
    throw std::out_of_range("the race header panel has no label Label3D" + std::to_string(number));
  }
  return found->second;
}

}  // namespace torvane
