#pragma once
// LessonTimer: a lesson's timer, with the semantics the lessons are written
// for: an enabled flag and an interval in milliseconds; setting the interval
// restarts the countdown; an interval of 0 delivers no ticks (a plain QTimer
// would fire continuously). Ticks come on the GUI thread and keep coming while
// the window is hidden.
//
// In manual mode (tests, the snapshot tool) no real timer runs: Fire() is the
// only source of ticks, so every sequence of ticks is reproducible.

#include <QObject>
#include <QTimer>
#include <functional>

namespace kavenor {

class LessonTimer : public QObject {
  Q_OBJECT

 public:
  explicit LessonTimer(QObject* parent = nullptr);

  // The shortest interval the timer really runs at, in milliseconds.
  static constexpr int kShortestInterval = 10;
  // The interval the running timer counts down, or -1 when it is stopped.
  int RunningInterval() const { return timer_.isActive() ? timer_.interval() : -1; }

  static void SetManual(bool manual);
  static bool Manual();

  bool Enabled() const { return enabled_; }
  int Interval() const { return interval_; }
  void SetEnabled(bool enabled);
  void SetInterval(int milliseconds);
  void OnTick(std::function<void()> handler) { handler_ = std::move(handler); }

  // Whether a tick would be delivered now: enabled, with a positive interval.
  bool Running() const { return enabled_ && interval_ > 0; }
  // A paused timer keeps its settings but its real timer sleeps: for a hidden
  // window whose ticks would change nothing.
  void SetPaused(bool paused);
  bool Paused() const { return paused_; }
  // Delivers one tick exactly as the timer would; nothing when not running.
  void Fire();

 private:
  void restart();

  QTimer timer_;
  bool enabled_ = false;
  bool paused_ = false;
  int interval_ = 1000;
  std::function<void()> handler_;
};

}  // namespace kavenor
