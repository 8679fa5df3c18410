// One timer tick of the consolidation lesson with its drawing: the pressures
// for the next time factor and the isochrone on the 332 x 195 drawing area.

#include <benchmark/benchmark.h>

#include "lessons/consolidation/Isochrone.h"
#include "shell/Canvas.h"

namespace {

// At the first ticks the series has the most terms (45 at T = 0.001).
void BM_ConsolidationTickFirst(benchmark::State& state) {
  kavenor::IsochroneModel model;
  kavenor::Canvas canvas;
  for (auto _ : state) {
    model.Activate();
    model.Tick();
    kavenor::DrawIsochrone(canvas, model, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_ConsolidationTickFirst)->Unit(benchmark::kMicrosecond);

}  // namespace
