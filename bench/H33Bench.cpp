// The continuity lesson: one timer tick of the two-layer apparatus plus the
// drawing of the whole figure into a 332 x 195 bitmap, at the start of the
// stream, with the vessel half full and once the picture has come to rest.

#include <benchmark/benchmark.h>

#include "lessons/flow/Darcy.h"

namespace {

using namespace kavenor;

constexpr int W = 332;
constexpr int H = 195;

void BM_H33TickAndDraw(benchmark::State& state) {
  ApparatusModel model(kContinuitySetup);
  for (int i = 0; i < state.range(0); ++i) model.Tick(H);
  Canvas canvas;
  for (auto _ : state) {
    ApparatusModel step = model;
    step.Tick(H);
    DrawApparatus(canvas, step, W, H);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_H33TickAndDraw)->Arg(1)->Arg(3000)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace
