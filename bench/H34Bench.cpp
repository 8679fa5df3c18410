// The flow-to-a-well lesson: one repaint, the drawing of the whole static
// cross-section into a 332 x 195 bitmap.

#include <benchmark/benchmark.h>

#include "lessons/flow/Well.h"

namespace {

using namespace kavenor;

void BM_H34Repaint(benchmark::State& state) {
  Canvas canvas;
  for (auto _ : state) {
    DrawWell(canvas, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_H34Repaint)->Unit(benchmark::kMicrosecond);

}  // namespace
