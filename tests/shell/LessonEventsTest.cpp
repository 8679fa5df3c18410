#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "lessons/composition/H12.h"
#include "shell/LessonTimer.h"
#include "tests/support/ProbeLesson.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

using test::kProbeEntry;
using test::ProbeLesson;

class NullNavigator : public Navigator {
 public:
  void ShowMenu() override { ++shown; }
  int shown = 0;
};

QRgb shownAt(const LessonWindow& w, int x, int y) { return w.Surface().pixel(x, y); }

TEST(LessonEvents, OpeningActivatesOnceAndPaintsWhenShown) {
  test::SharedCourse();
  ProbeLesson probe(kProbeEntry, true);
  NullNavigator menu;
  probe.SetNavigator(&menu);
  probe.Open();
  test::Settle();
  EXPECT_EQ(probe.activations, 1);
  EXPECT_GE(probe.paints, 1);
  const int paints = probe.paints;
  // The program's own copies do not ask for a repaint.
  probe.Draw(clBlue);
  probe.Draw(clGreen);
  test::Settle();
  EXPECT_EQ(probe.paints, paints);
  EXPECT_EQ(shownAt(probe, 10, 45) & 0xFFFFFF, clGreen);
  // The window system's repaint runs the paint handler.
  probe.SystemRepaint();
  EXPECT_EQ(probe.paints, paints + 1);
  EXPECT_EQ(shownAt(probe, 10, 45) & 0xFFFFFF, clRed);
  probe.ReturnButtonClick();
  EXPECT_FALSE(probe.isVisible());
  EXPECT_EQ(probe.wayOuts, 1);
  EXPECT_EQ(menu.shown, 1);
  probe.Open();
  EXPECT_EQ(probe.activations, 2);
  probe.ReturnButtonClick();
}

TEST(LessonEvents, FocusBackFromAnotherApplicationDoesNotActivateButFromADialogDoes) {
  Course& course = test::SharedCourse();
  ProbeLesson probe(kProbeEntry, false);
  probe.Open();
  test::Settle();
  ASSERT_EQ(probe.activations, 1);
  course.FocusMovedTo(probe.windowHandle());
  course.FocusMovedTo(nullptr);  // another application
  course.FocusMovedTo(probe.windowHandle());
  EXPECT_EQ(probe.activations, 1);

  QMessageBox box(QMessageBox::NoIcon, "A dialog", "of the program", QMessageBox::Ok);
  box.show();
  QCoreApplication::processEvents();
  course.FocusMovedTo(box.windowHandle());
  box.hide();
  course.FocusMovedTo(probe.windowHandle());
  EXPECT_EQ(probe.activations, 2);
  probe.hide();
}

// A lesson that resets and draws its first picture on activation.
class DrawingProbe : public ProbeLesson {
 public:
  DrawingProbe() : ProbeLesson(kProbeEntry, false) {}

 protected:
  void FormActivate() override {
    ProbeLesson::FormActivate();
    Draw(clGreen);
  }
};

TEST(LessonEvents, AnOpeningDrawsItsFirstPictureOnce) {
  // The hidden ticks left a picture pending; the opening's activation draws
  // the first picture in its place, and only that one is drawn.
  test::SharedCourse();
  DrawingProbe probe;
  NullNavigator menu;
  probe.SetNavigator(&menu);
  probe.Draw(clBlue);
  ASSERT_EQ(probe.drawings, 0);
  probe.Open();
  EXPECT_EQ(probe.activations, 1);
  EXPECT_EQ(probe.drawings, 1);
  EXPECT_EQ(shownAt(probe, 15, 50) & 0xFFFFFF, clGreen);
  probe.ReturnButtonClick();
}

TEST(LessonEvents, FocusAfterAnOpeningDoesNotResetEvenWhenADialogLeftNoWindowFocused) {
  // A window manager that withholds the focus: the exit question's end gave
  // it to no window, the lesson opens without it, and a click into the
  // lesson later brings it. The fill goes on from where it was.
  Course& course = test::SharedCourse();
  QMessageBox box(QMessageBox::NoIcon, "A dialog", "of the program", QMessageBox::Ok);
  box.show();
  QCoreApplication::processEvents();
  course.FocusMovedTo(box.windowHandle());
  box.hide();
  course.FocusMovedTo(nullptr);
  course.OpenLesson(2);
  auto& density = dynamic_cast<TFH12&>(course.Lesson(2));
  for (int i = 0; i < 30; ++i) density.Timer()->Fire();
  ASSERT_EQ(density.Model().Fill.Tick, 30);
  course.FocusMovedTo(density.windowHandle());
  EXPECT_EQ(density.Model().Fill.Tick, 30);
  density.ReturnButtonClick();
}

TEST(LessonEvents, HiddenWindowsDrawOnlyTheLastFigureWhenShown) {
  test::SharedCourse();
  ProbeLesson probe(kProbeEntry, false);
  probe.Draw(clBlue);
  probe.Draw(clYellow);
  EXPECT_EQ(probe.drawings, 0);
  probe.show();
  EXPECT_EQ(probe.drawings, 1);
  EXPECT_EQ(shownAt(probe, 29, 54) & 0xFFFFFF, clYellow);
  EXPECT_EQ(qAlpha(shownAt(probe, 30, 54)), 0);  // outside the 20 x 10 figure
  probe.hide();
}

TEST(LessonEvents, AWindowKeepsItsLastPictureWhenCoveredAndUncovered) {
  test::SharedCourse();
  ProbeLesson probe(kProbeEntry, false);  // no paint handler
  probe.show();
  probe.Draw(clBlue);
  test::Settle();
  probe.SystemRepaint();
  test::Settle();
  const QImage shown = probe.grab().toImage();
  EXPECT_EQ(shown.pixel(15, 50) & 0xFFFFFF, clBlue);
  EXPECT_EQ(probe.drawings, 1);
  probe.hide();
}

TEST(LessonTimers, FireDeliversATickOnlyWhenEnabledWithAPositiveInterval) {
  LessonTimer timer;
  int ticks = 0;
  timer.OnTick([&] { ++ticks; });
  struct Case {
    bool enabled;
    int interval;
    int expected;
  };
  const Case cases[] = {{false, 100, 0}, {true, 0, 0}, {true, 20, 1}, {true, -5, 0}};
  for (const Case& c : cases) {
    ticks = 0;
    timer.SetEnabled(c.enabled);
    timer.SetInterval(c.interval);
    timer.Fire();
    EXPECT_EQ(ticks, c.expected) << c.enabled << ' ' << c.interval;
  }
}

// Real timers, not manual ones: an interval of 0 is no ticks at all, and a
// hidden window's timer keeps ticking.
TEST(LessonTimers, RealTimersTickWhileHiddenAndNeverAtIntervalZero) {
  LessonTimer::SetManual(false);
  {
    LessonTimer zero;
    int zeroTicks = 0;
    zero.OnTick([&] { ++zeroTicks; });
    zero.SetInterval(0);
    zero.SetEnabled(true);

    ProbeLesson hidden(kProbeEntry, false);
    ASSERT_FALSE(hidden.isVisible());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300 && hidden.ticks < 3) QTest::qWait(20);
    EXPECT_GE(hidden.ticks, 3);
    EXPECT_EQ(zeroTicks, 0);

    // Interval 0 stops a running timer; a positive one starts it again.
    hidden.Timer()->SetInterval(0);
    const int stopped = hidden.ticks;
    QTest::qWait(60);
    EXPECT_EQ(hidden.ticks, stopped);
    hidden.Timer()->SetInterval(10);
    clock.restart();
    while (clock.elapsed() < 300 && hidden.ticks == stopped) QTest::qWait(20);
    EXPECT_GT(hidden.ticks, stopped);
  }
  LessonTimer::SetManual(true);
}

// A hidden window whose ticks would change nothing lets its timer sleep, on
// a tick or on the way back to the menu; showing it wakes the timer again.
// A shown window's timer never sleeps.
TEST(LessonTimers, AHiddenWindowAtRestSleepsUntilShown) {
  LessonTimer::SetManual(false);
  {
    ProbeLesson probe(kProbeEntry, false);
    const auto waitTicks = [&probe](int more) {
      const int target = probe.ticks + more;
      QElapsedTimer clock;
      clock.start();
      while (clock.elapsed() < 500 && probe.ticks < target) QTest::qWait(10);
      return probe.ticks >= target;
    };
    EXPECT_TRUE(waitTicks(2));  // hidden but busy: it ticks
    probe.atRest = true;
    EXPECT_TRUE(waitTicks(1));  // the tick that finds it at rest puts it to sleep
    EXPECT_TRUE(probe.Timer()->Paused());
    EXPECT_EQ(probe.Timer()->RunningInterval(), -1);
    EXPECT_FALSE(waitTicks(1));

    probe.show();
    EXPECT_FALSE(probe.Timer()->Paused());
    EXPECT_TRUE(waitTicks(3));  // shown: it ticks, at rest or not
    EXPECT_FALSE(probe.Timer()->Paused());

    probe.ReturnButtonClick();  // hidden at rest: asleep at once
    EXPECT_TRUE(probe.Timer()->Paused());
    probe.atRest = false;
    probe.Open();
    probe.ReturnButtonClick();
    EXPECT_FALSE(probe.Timer()->Paused());
    EXPECT_TRUE(waitTicks(2));
  }
  LessonTimer::SetManual(true);
}

// An interval below 10 ms really runs at 10 ms; 10 ms and more stay exact.
TEST(LessonTimers, IntervalsBelowTenMillisecondsRunAtTen) {
  LessonTimer::SetManual(false);
  {
    LessonTimer timer;
    timer.SetEnabled(true);
    const int cases[][2] = {{1, 10}, {9, 10}, {10, 10}, {20, 20}, {500, 500}};
    for (const auto& [set, runs] : cases) {
      timer.SetInterval(set);
      EXPECT_EQ(timer.Interval(), set);
      EXPECT_EQ(timer.RunningInterval(), runs) << set;
    }
  }
  LessonTimer::SetManual(true);
}

}  // namespace
}  // namespace kavenor
