#pragma once
// Answers the modal windows that code under test opens: every modal widget
// that comes up is handed once to a handler, which looks at it and closes it.
// By default message boxes are recorded and answered with their first button.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <vector>

namespace torvane::test {

// How long a test waits for a window, a dialog or a repaint it expects: far
// more than a loaded machine needs, as the wait ends once the count is right.
inline constexpr int kWindowWaitMs = 30000;

struct SeenMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QPoint position;
};

class ModalWatcher {
 public:
  using Handler = std::function<void(QWidget*)>;

  // Message boxes are answered with `answer` (or their only button).
  explicit ModalWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok) : ModalWatcher(Handler{}) {
    answer_ = answer;
  }

  // Every modal widget goes to the handler; message boxes are recorded first.
  explicit ModalWatcher(Handler handler) : handler_(std::move(handler)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  const std::vector<SeenMessage>& Messages() const { return messages_; }
  int ModalCount() const { return modalCount_; }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || (handled_ && handled_ == modal)) return;
    handled_ = modal;
    ++modalCount_;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box) messages_.push_back({box->windowTitle(), box->text(), box->icon(), box->pos()});
    if (handler_) {
      handler_(modal);
    } else if (box) {
      QAbstractButton* button = box->button(answer_);
      if (!button && !box->buttons().isEmpty()) button = box->buttons().first();
      if (button) button->click();
    } else {
      modal->close();
    }
  }

  Handler handler_;
  QMessageBox::StandardButton answer_ = QMessageBox::Ok;
  QTimer timer_;
  QPointer<QWidget> handled_;
  std::vector<SeenMessage> messages_;
  int modalCount_ = 0;
};

}  // namespace torvane::test
