// Every test runs with a real QApplication on the offscreen platform and with
// the lesson timers in manual mode: ticks come only from the test.

#include <gtest/gtest.h>

#include <QApplication>

#include "course/Course.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "tests/support/TestSupport.h"

int main(int argc, char** argv) {
  kavenor::QuietenPlatformNotices();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  kavenor::InitialiseApplication();
  kavenor::LessonTimer::SetManual(true);
  kavenor::SeedRandom(1);
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  kavenor::test::ReleaseSharedCourse();
  return result;
}
