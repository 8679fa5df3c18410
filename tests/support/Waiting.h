#pragma once
// Waiting on a window system from a test that drives it from outside the
// toolkit: the event loop runs meanwhile, so this process's windows answer.

#include <QElapsedTimer>
#include <QTest>
#include <functional>

namespace kavenor::test {

// Runs the event loop for a while, so the window system's answers arrive.
inline void wait(int ms) { QTest::qWait(ms); }

// Runs the event loop until `done` holds or `ms` have passed; whether it held.
inline bool waitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QTest::qWait(20);
  }
  return true;
}

}  // namespace kavenor::test
