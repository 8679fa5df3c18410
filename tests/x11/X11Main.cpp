// The tests of what only a real X server shows: focus coming and going
// between applications, windows covered and uncovered. Run under
// scripts/with-xvfb, with and without a window manager.

#include <gtest/gtest.h>

#include <QApplication>

#include "course/Course.h"
#include "shell/LessonTimer.h"

int main(int argc, char** argv) {
  kavenor::QuietenPlatformNotices();
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  kavenor::InitialiseApplication();
  kavenor::LessonTimer::SetManual(true);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
