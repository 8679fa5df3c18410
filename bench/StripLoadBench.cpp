// The strip-load picture of the bearing-capacity lessons: one repaint, the
// drawing of the whole figure into a 332 x 195 bitmap.

#include <benchmark/benchmark.h>

#include "lessons/foundations/StripLoad.h"

namespace {

using kavenor::StripLoadDirection;

void BM_StripLoadRepaint(benchmark::State& state) {
  const auto direction = static_cast<StripLoadDirection>(state.range(0));
  kavenor::Canvas canvas;
  for (auto _ : state) {
    kavenor::DrawStripLoad(canvas, direction, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_StripLoadRepaint)
    ->ArgName("inclined")
    ->Arg(static_cast<int>(StripLoadDirection::Vertical))
    ->Arg(static_cast<int>(StripLoadDirection::Inclined))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
