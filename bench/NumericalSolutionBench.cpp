// The numerical-solution lesson: one timer tick of the shown window with its
// drawing, at the first tick after an opening, where the series has the most
// terms (45 at T = 0.001).

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench/BenchCourse.h"
#include "course/Course.h"
#include "shell/LessonTimer.h"

namespace {

using namespace kavenor;

void BM_FH45WindowFirstTick(benchmark::State& state) {
  Course& course = bench::BenchCourse();
  course.OpenLesson(19);
  QCoreApplication::processEvents();
  LessonWindow& lesson = course.Lesson(19);
  for (auto _ : state) {
    state.PauseTiming();
    lesson.Activate();  // back to T = 0, as at an opening
    state.ResumeTiming();
    lesson.Timer()->Fire();
  }
  lesson.ReturnButtonClick();
  QCoreApplication::processEvents();
}
BENCHMARK(BM_FH45WindowFirstTick)->Unit(benchmark::kMicrosecond);

}  // namespace
