// The Mohr lesson: one timer tick with its drawing, as the model and figure
// alone and as the shown window does it.

#include <benchmark/benchmark.h>

#include "bench/BenchCourse.h"

#include "lessons/shear/Mohr.h"
#include "course/Course.h"
#include "shell/LessonTimer.h"

namespace {

using namespace kavenor;

void BM_MohrTickAndDraw(benchmark::State& state) {
  MohrModel model;
  Canvas canvas;
  for (auto _ : state) {
    model.Tick();
    DrawMohr(canvas, model, 332, 390);
    benchmark::DoNotOptimize(canvas.Pixel(0, 0));
  }
}
BENCHMARK(BM_MohrTickAndDraw)->Unit(benchmark::kMicrosecond);

void BM_MohrWindowTick(benchmark::State& state) {
  Course& course = bench::BenchCourse();
  course.OpenLesson(20);
  LessonTimer* timer = course.Lesson(20).Timer();
  for (auto _ : state) timer->Fire();
  course.Lesson(20).ReturnButtonClick();
}
BENCHMARK(BM_MohrWindowTick)->Unit(benchmark::kMicrosecond);

}  // namespace
