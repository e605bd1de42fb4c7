#include "controls/ui/DesignFonts.h"

#include <QtGlobal>

namespace torvane {

void InstallFontSubstitutions() {
#ifndef Q_OS_WIN
  // Windows has the two faces itself (and Wine has them from its prefix's
  // font replacements).
  QFont::insertSubstitution(kGothicFace, QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(kPGothicFace, QStringLiteral("IPAPGothic"));
#endif
}

QFont DesignFont(const QString& face, int pixelHeight, bool bold) {
  QFont font(face);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

}  // namespace torvane
