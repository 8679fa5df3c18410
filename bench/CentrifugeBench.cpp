// The centrifuge lesson: one timer tick, the turn by one degree and the
// drawing of the 332 x 195 figure, at scroll-bar positions 0, 50 and 100.

#include <benchmark/benchmark.h>

#include "lessons/foundations/Centrifuge.h"

namespace {

void BM_CentrifugeTickAndDraw(benchmark::State& state) {
  const int position = static_cast<int>(state.range(0));
  kavenor::CentrifugeModel model;
  kavenor::Canvas canvas;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kavenor::CentrifugeModel::TickInterval(position));
    model.Tick();
    kavenor::DrawCentrifuge(canvas, model.RotationAngle, position, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_CentrifugeTickAndDraw)->ArgName("P")->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
