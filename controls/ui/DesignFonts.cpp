#include "controls/ui/DesignFonts.h"

namespace torvane {

void InstallFontSubstitutions() {
  QFont::insertSubstitution(kGothicFace, QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(kPGothicFace, QStringLiteral("IPAPGothic"));
}

QFont DesignFont(const QString& face, int pixelHeight, bool bold) {
  QFont font(face);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

}  // namespace torvane
