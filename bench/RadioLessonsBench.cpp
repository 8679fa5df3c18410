// The lessons with option pictures (oedometer, compressibility, creep): one click on an option of the shown window (the
// redraw of its picture included), for each option in turn.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QRadioButton>

#include "bench/BenchCourse.h"
#include "course/Course.h"
#include "shell/RadioGroup.h"

namespace {

using namespace kavenor;

void radioClick(benchmark::State& state, int lesson) {
  Course& course = bench::BenchCourse();
  course.OpenLesson(lesson);
  QCoreApplication::processEvents();
  LessonWindow& window = course.Lesson(lesson);
  auto* group = window.findChild<RadioGroup*>(QStringLiteral("RadioGroup1"));
  const int item = static_cast<int>(state.range(0));
  for (auto _ : state) group->Item(item)->click();
  group->Item(0)->click();
  window.ReturnButtonClick();
  QCoreApplication::processEvents();
}

void BM_FH41RadioClick(benchmark::State& state) { radioClick(state, 15); }
BENCHMARK(BM_FH41RadioClick)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_FH42RadioClick(benchmark::State& state) { radioClick(state, 16); }
BENCHMARK(BM_FH42RadioClick)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

void BM_FH43RadioClick(benchmark::State& state) { radioClick(state, 17); }
BENCHMARK(BM_FH43RadioClick)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
