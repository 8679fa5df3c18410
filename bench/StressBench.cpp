// The stress lesson: one refreshing tick with its drawing, as the model and
// figure alone and as the shown window does it.

#include <benchmark/benchmark.h>

#include "bench/BenchCourse.h"
#include "course/Course.h"
#include "lessons/shear/Stress.h"
#include "shell/LessonTimer.h"

namespace {

using namespace kavenor;

void BM_StressTickAndDraw(benchmark::State& state) {
  StressModel model;
  Canvas canvas;
  for (auto _ : state) {
    if (!model.Tick()) model.Activate();
    DrawStress(canvas, 332, 195);
    benchmark::DoNotOptimize(canvas.Pixel(0, 0));
  }
}
BENCHMARK(BM_StressTickAndDraw)->Unit(benchmark::kMicrosecond);

void BM_StressWindowTick(benchmark::State& state) {
  Course& course = bench::BenchCourse();
  course.OpenLesson(21);
  LessonTimer* timer = course.Lesson(21).Timer();
  int ticks = 0;
  for (auto _ : state) {
    // An opening now and then keeps every tick a drawing one.
    if (++ticks % 5000 == 0) {
      state.PauseTiming();
      course.Lesson(21).ReturnButtonClick();
      course.OpenLesson(21);
      state.ResumeTiming();
    }
    timer->Fire();
  }
  course.Lesson(21).ReturnButtonClick();
}
BENCHMARK(BM_StressWindowTick)->Unit(benchmark::kMicrosecond);

}  // namespace
