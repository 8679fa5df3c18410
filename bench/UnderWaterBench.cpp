// The Archimedes and Terzaghi lessons: one repaint each. The figure alone
// (for Terzaghi with its new scatter of 10 000 grains), and the whole paint
// handler of the shown window, which also places the theory pane and
// composes its text again.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench/BenchCourse.h"
#include "course/Course.h"
#include "lessons/stress/UnderWater.h"
#include "shell/LessonWindow.h"

namespace {

using namespace kavenor;

void BM_ArchimedesFigure(benchmark::State& state) {
  Canvas canvas;
  for (auto _ : state) {
    DrawArchimedes(canvas, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_ArchimedesFigure)->Unit(benchmark::kMicrosecond);

void BM_TerzaghiFigure(benchmark::State& state) {
  TerzaghiModel model;
  Canvas canvas;
  for (auto _ : state) {
    model.Scatter(332, 195);
    DrawTerzaghi(canvas, model);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_TerzaghiFigure)->Unit(benchmark::kMicrosecond);

void windowRepaint(benchmark::State& state, int number) {
  Course& course = bench::BenchCourse();
  course.OpenLesson(number);
  QCoreApplication::processEvents();
  LessonWindow& lesson = course.Lesson(number);
  for (auto _ : state) lesson.SystemRepaint();
  lesson.ReturnButtonClick();
}
void BM_ArchimedesWindowRepaint(benchmark::State& state) { windowRepaint(state, 8); }
void BM_TerzaghiWindowRepaint(benchmark::State& state) { windowRepaint(state, 9); }
BENCHMARK(BM_ArchimedesWindowRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TerzaghiWindowRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
