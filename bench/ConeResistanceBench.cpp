// The cone resistance lesson: one repaint, a new curve from the shared
// generator and the drawing of the 332 x 390 figure.

#include <benchmark/benchmark.h>

#include "lessons/foundations/ConeResistance.h"

namespace {

void BM_ConeResistanceRepaint(benchmark::State& state) {
  kavenor::ConeResistanceModel model;
  kavenor::Canvas canvas;
  for (auto _ : state) {
    model.Sample(332, 390);
    kavenor::DrawConeResistance(canvas, model);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_ConeResistanceRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
