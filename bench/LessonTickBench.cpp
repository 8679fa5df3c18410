// For every lesson of the table: open it from the menu, then 100 ticks, each
// exactly what the timer delivers (the model step and the drawing), then back
// to the menu. A lesson is covered the moment it has a row.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <memory>

#include "course/Lessons.h"
#include "bench/BenchCourse.h"
#include "shell/LessonTimer.h"

namespace {

void openThenTicks(benchmark::State& state, int number) {
  kavenor::Course& c = kavenor::bench::BenchCourse();
  kavenor::LessonWindow& lesson = c.Lesson(number);
  for (auto _ : state) {
    c.OpenLesson(number);
    QCoreApplication::processEvents();
    if (kavenor::LessonTimer* timer = lesson.Timer())
      for (int i = 0; i < 100; ++i) timer->Fire();
    lesson.ReturnButtonClick();
  }
  state.counters["ticks"] = lesson.Timer() ? 100 : 0;
}

const bool registered = [] {
  for (const kavenor::LessonEntry& e : kavenor::Lessons())
    benchmark::RegisterBenchmark(
        (std::string("BM_OpenThen100Ticks/") + e.window).c_str(),
        [number = e.number](benchmark::State& s) { openThenTicks(s, number); })
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
