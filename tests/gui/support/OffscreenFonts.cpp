// Qt's offscreen platform in a Windows build reads its fonts from one folder
// (QT_QPA_FONTDIR) instead of the system's, and Wine hands no QT_ variable
// of the environment on to a Windows program: the folder of the IPA fonts is
// set here, before the test's QApplication is made.
#include <QByteArray>

namespace {

const bool kFontFolderSet = qputenv("QT_QPA_FONTDIR", QByteArray(TORVANE_TEST_FONT_DIR));

}  // namespace
