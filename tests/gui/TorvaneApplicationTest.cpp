// A failure escaping a window's event handler is told in an error dialog and
// the window keeps working. Runs under the viewer's own application object,
// hence its own main().
#include <QPushButton>
#include <QtTest>
#include <new>
#include <stdexcept>

#include "app/ui/TorvaneApplication.h"
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif
#include "tests/gui/support/ModalWatcher.h"

using torvane::test::kWindowWaitMs;
using torvane::test::ModalWatcher;

class TorvaneApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void AFailingHandlerIsToldAndTheWindowStaysUsable() {
#if defined(__SANITIZE_ADDRESS__)
    // Qt is built without exceptions: what its own frames held when a failure
    // unwound through them stays allocated (the weak references to the
    // button among it, made as it is shown). That is the price of a window
    // that goes on working, not a leak of the program's.
    const __lsan::ScopedDisabler qtFramesKeepTheirMemory;
#endif
    QPushButton button(QStringLiteral("取込み"));
    int clicks = 0;
    connect(&button, &QPushButton::clicked, [&] {
      ++clicks;
      if (clicks == 1) throw std::runtime_error("Data/2026年12月12日.jvTK: 壊れています");
      if (clicks == 2) throw std::bad_alloc();
    });
    button.show();

    ModalWatcher watcher;
    for (int i = 0; i < 3; ++i) QTest::mouseClick(&button, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(watcher.Messages().size(), std::size_t{2}, kWindowWaitMs);
    QCOMPARE(clicks, 3);
    QCOMPARE(watcher.Messages()[0].title, QStringLiteral("エラー"));
    QCOMPARE(watcher.Messages()[0].text,
             QStringLiteral("処理を続けられませんでした。\nData/2026年12月12日.jvTK: 壊れています"));
    QCOMPARE(watcher.Messages()[1].text, QStringLiteral("処理を続けられませんでした。\nメモリが足りません。"));
  }
};

int main(int argc, char** argv) {
  torvane::TorvaneApplication application(argc, argv);
  TorvaneApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "TorvaneApplicationTest.moc"
