#include "shell/LessonTimer.h"

#include <algorithm>

namespace kavenor {
namespace {
bool manualMode = false;
}

LessonTimer::LessonTimer(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("Timer"));
  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, &LessonTimer::Fire);
}

void LessonTimer::SetManual(bool manual) { manualMode = manual; }
bool LessonTimer::Manual() { return manualMode; }

void LessonTimer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  restart();
}

void LessonTimer::SetInterval(int milliseconds) {
  interval_ = milliseconds < 0 ? 0 : milliseconds;
  restart();
}

void LessonTimer::SetPaused(bool paused) {
  if (paused_ == paused) return;
  paused_ = paused;
  restart();
}

void LessonTimer::restart() {
  // An interval below 10 ms runs at 10 ms: a shorter tick would run an
  // animation faster than it can be watched and wake the processor for
  // nothing. Interval() still reports what the lesson set.
  if (Running() && !manualMode && !paused_)
    timer_.start(std::max(interval_, kShortestInterval));
  else
    timer_.stop();
}

void LessonTimer::Fire() {
  if (Running() && handler_) handler_();
}

}  // namespace kavenor
