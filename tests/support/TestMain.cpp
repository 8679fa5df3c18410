// Every test runs with a real QApplication on the offscreen platform and with
// the lesson timers in manual mode: ticks come only from the test.

#include <gtest/gtest.h>

#include <QApplication>

#include "shell/Application.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "tests/support/TestSupport.h"

namespace {

// The handler that was in place before ours: Qt's own.
QtMessageHandler standardHandler = nullptr;

// The offscreen platform warns about window features it has no use for.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (standardHandler) standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  standardHandler = qInstallMessageHandler(quietHandler);
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
