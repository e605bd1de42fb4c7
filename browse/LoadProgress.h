#pragma once
// How the loader reports its progress: a status text and a bar that advances
// one step at a time. The viewer's progress popup implements it; the
// command-line tool and the benchmark use SilentProgress.

#include <string_view>

namespace torvane {

// The bar's maximum for a date load.
inline constexpr int kLoadProgressSteps = 32;

class LoadProgress {
 public:
  virtual ~LoadProgress() = default;
  // Shows the progress with the bar at 0 of barMaximum and the status text (UTF-8).
  virtual void Open(std::string_view status, int barMaximum) = 0;
  virtual void SetStatus(std::string_view status) = 0;
  // One step further; a bar at its maximum stays there.
  virtual void Advance() = 0;
  // Lets pending window events through so that the popup repaints.
  virtual void LetPendingEventsThrough() = 0;
  virtual void Close() = 0;
};

class SilentProgress final : public LoadProgress {
 public:
  void Open(std::string_view, int) override {}
  void SetStatus(std::string_view) override {}
  void Advance() override {}
  void LetPendingEventsThrough() override {}
  void Close() override {}
};

}  // namespace torvane
