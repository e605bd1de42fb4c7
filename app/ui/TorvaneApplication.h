#pragma once
// The viewer's application object. Qt cannot carry an exception through its
// event loop: one that escapes a window's event handler ends the process
// ("terminate called after throwing ..."), taking the user's windows with it.
// Every event is delivered here, so a failure of any handler is caught at this
// one place, told in an error dialog, and the windows stay usable.

#include <QApplication>

namespace torvane {

class TorvaneApplication : public QApplication {
  Q_OBJECT

 public:
  TorvaneApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace torvane
