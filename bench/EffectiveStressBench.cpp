// The effective stress lesson: one whole repaint, a new set of 5000 water
// dots and the cross-section drawn with them.

#include <benchmark/benchmark.h>

#include "lessons/stress/EffectiveStress.h"

namespace {

void BM_EffectiveStressRepaint(benchmark::State& state) {
  kavenor::EffectiveStressModel model;
  model.Geometry = kavenor::EffectiveStressLayout(10, 45, 332, 195);
  kavenor::Canvas canvas;
  for (auto _ : state) {
    model.Scatter();
    kavenor::DrawEffectiveStress(canvas, model);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_EffectiveStressRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
