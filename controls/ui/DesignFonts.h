#pragma once
// The window design names the Japanese system fonts of Windows; elsewhere
// they resolve to the IPA fonts of the same metrics, so that texts padded to
// fixed byte widths line up in columns as designed.

#include <QFont>
#include <QString>

namespace torvane {

// The fixed-pitch face of every column text.
inline const QString kGothicFace = QStringLiteral("ＭＳ ゴシック");
// The proportional face of the window texts.
inline const QString kPGothicFace = QStringLiteral("ＭＳ Ｐゴシック");

// Maps the two design faces to IPAGothic and IPAPGothic for every QFont made
// afterwards, except on Windows. Called once at start-up (and by the widget
// tests).
void InstallFontSubstitutions();

// A font of the window design: face, height in pixels, bold.
QFont DesignFont(const QString& face, int pixelHeight, bool bold = false);

}  // namespace torvane
