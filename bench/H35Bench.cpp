// The vertical-flow lesson: one repaint, the drawing of the whole static
// cross-section into a 332 x 195 bitmap.

#include <benchmark/benchmark.h>

#include "lessons/flow/Layers.h"

namespace {

using namespace kavenor;

void BM_H35Repaint(benchmark::State& state) {
  Canvas canvas;
  for (auto _ : state) {
    DrawLayers(canvas, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_H35Repaint)->Unit(benchmark::kMicrosecond);

}  // namespace
