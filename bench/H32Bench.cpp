// The liquefaction lesson: one timer tick of the quicksand model plus the
// drawing of the whole figure into a 332 x 195 bitmap, at rest, halfway up
// and with the person sunk.

#include <benchmark/benchmark.h>

#include "lessons/flow/Quicksand.h"

namespace {

using namespace kavenor;

constexpr int W = 332;
constexpr int H = 195;

void BM_H32TickAndDraw(benchmark::State& state) {
  QuicksandModel model;
  model.Tick(H);
  model.Start(H);
  for (int i = 0; i < state.range(0); ++i) model.Tick(H);
  Canvas canvas;
  for (auto _ : state) {
    QuicksandModel step = model;
    step.Tick(H);
    DrawQuicksand(canvas, step, W, H);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_H32TickAndDraw)->Arg(0)->Arg(30)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
