#include "print/ui/PdfFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <memory>

#include "controls/ui/DesignFonts.h"
#include "platform/Paths.h"
#include "print/ui/PageOutput.h"
#include "print/ui/PictureCanvas.h"
#include "print/ui/Printers.h"

namespace torvane {

void WritePrintPdf(const std::filesystem::path& file, const std::function<void(PrintCanvas&)>& record) {
  std::unique_ptr<QGuiApplication> application;
  if (!QCoreApplication::instance()) {
    // Nothing is shown: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "torvane-cli";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  InstallFontSubstitutions();
  const int screenDpi = static_cast<int>(std::lround(QGuiApplication::primaryScreen()->logicalDotsPerInchY()));
  PictureCanvas canvas([screenDpi] { return RecordingTarget{PdfPrinterMetrics(), screenDpi}; });
  record(canvas);
  WritePdf(QString::fromStdString(platform::Utf8OfPath(file)), canvas.Pages(), canvas.Target().printer);
}

}  // namespace torvane
