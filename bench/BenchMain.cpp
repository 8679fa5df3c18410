// The benchmarks run with a real QApplication on the offscreen platform and
// the lesson timers in manual mode, as the tests do.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/BenchCourse.h"

#include <memory>

#include "shell/LessonTimer.h"
#include "shell/Random.h"

namespace kavenor::bench {
namespace {
std::unique_ptr<Course> course;
}
Course& BenchCourse() {
  if (!course) {
    course = std::make_unique<Course>();
    course->Start();
  }
  return *course;
}
void ReleaseBenchCourse() { course.reset(); }
}  // namespace kavenor::bench

int main(int argc, char** argv) {
  kavenor::QuietenPlatformNotices();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  kavenor::InitialiseApplication();
  kavenor::LessonTimer::SetManual(true);
  kavenor::SeedRandom(1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  kavenor::bench::ReleaseBenchCourse();
  benchmark::Shutdown();
  return 0;
}
