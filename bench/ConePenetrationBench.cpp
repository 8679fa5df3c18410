// One step of the cone penetration test and its picture, as a timer tick of
// the lesson window does them (without the copy to the screen).

#include <benchmark/benchmark.h>

#include "lessons/foundations/ConePenetration.h"

namespace {

void BM_ConePenetrationTickAndDraw(benchmark::State& state) {
  kavenor::ConePenetrationModel model;
  model.Activate();
  model.Restart();
  kavenor::Canvas canvas;
  for (auto _ : state) {
    if (!model.Tick()) {  // the test is over: start the next one
      model.Activate();
      model.Restart();
    }
    kavenor::DrawTestSite(canvas, model);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_ConePenetrationTickAndDraw);

}  // namespace
