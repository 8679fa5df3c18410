// The drained and undrained test lessons: one tick with its drawing once
// both families and the failure lines are shown (the most the picture
// holds), as the model and figure alone and as the shown window does it.

#include <benchmark/benchmark.h>

#include "bench/BenchCourse.h"
#include "course/Course.h"
#include "lessons/shear/TestCircles.h"
#include "shell/LessonTimer.h"

namespace {

using namespace kavenor;

void BM_TestCirclesTickAndDraw(benchmark::State& state) {
  const TriaxialTests& tests = state.range(0) == 0 ? kDrainedTests : kUndrainedTests;
  CircleTestsModel model;
  for (int i = 0; i < 20; ++i) model.Tick();
  Canvas canvas;
  for (auto _ : state) {
    model.Tick();
    DrawCircleTests(canvas, model, tests, 332, 176);
    benchmark::DoNotOptimize(canvas.Pixel(0, 0));
  }
}
BENCHMARK(BM_TestCirclesTickAndDraw)
    ->ArgName("undrained")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

void BM_TestCirclesWindowTick(benchmark::State& state) {
  const int lesson = 23 + static_cast<int>(state.range(0));
  Course& course = bench::BenchCourse();
  course.OpenLesson(lesson);
  LessonTimer* timer = course.Lesson(lesson).Timer();
  for (int i = 0; i < 20; ++i) timer->Fire();
  for (auto _ : state) timer->Fire();
  course.Lesson(lesson).ReturnButtonClick();
}
BENCHMARK(BM_TestCirclesWindowTick)
    ->ArgName("undrained")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
