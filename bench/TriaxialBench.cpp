// The triaxial test lesson: one tick with its drawing while the test runs,
// as the model and figure alone and as the shown window does it.

#include <benchmark/benchmark.h>

#include "bench/BenchCourse.h"
#include "course/Course.h"
#include "lessons/shear/Triaxial.h"
#include "shell/LessonTimer.h"

namespace {

using namespace kavenor;

void BM_TriaxialTickAndDraw(benchmark::State& state) {
  TriaxialModel model(195);
  Canvas canvas;
  for (auto _ : state) {
    // Every part in place, the piston on the cap, the needle turning.
    if (model.TestProgress >= kTestSteps || model.Stage < 8) {
      model.Activate();
      for (int i = 0; i < 8; ++i) model.Next();
      model.PistonGap = 0;
      model.FillLevel = model.FullLevel();
    }
    model.Tick();
    DrawTriaxial(canvas, model, 332, 195);
    benchmark::DoNotOptimize(canvas.Pixel(0, 0));
  }
}
BENCHMARK(BM_TriaxialTickAndDraw)->Unit(benchmark::kMicrosecond);

void BM_TriaxialWindowTick(benchmark::State& state) {
  Course& course = bench::BenchCourse();
  course.OpenLesson(22);
  LessonWindow& lesson = course.Lesson(22);
  LessonTimer* timer = lesson.Timer();
  for (auto _ : state) timer->Fire();
  lesson.ReturnButtonClick();
}
BENCHMARK(BM_TriaxialWindowTick)->Unit(benchmark::kMicrosecond);

}  // namespace
