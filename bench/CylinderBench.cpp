// The measuring cylinder lessons: one timer tick of the lesson's model plus
// the drawing of the whole figure into a 332 x 195 bitmap, while the sand
// falls and once it is shaken.

#include <benchmark/benchmark.h>

#include "lessons/composition/Cylinder.h"
#include "shell/Random.h"

namespace {

using namespace kavenor;

constexpr int W = 332;
constexpr int H = 195;
const CylinderGeometry kGlass = CylinderGeometry::Of(W, H);

// Arg: fill ticks before the measured one; past 120 the button is pressed.
void BM_FH12TickAndDraw(benchmark::State& state) {
  SeedRandom(1);
  ShakeModel model(kDensityShake);
  model.Activate();
  for (int i = 0; i < state.range(0); ++i) model.Tick();
  if (state.range(0) > kFillTicks) model.Shake();
  Canvas canvas;
  for (auto _ : state) {
    ShakeModel step = model;
    step.Tick();
    DrawCylinder(canvas, step.Scene(kGlass), W, H);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_FH12TickAndDraw)->Arg(60)->Arg(500)->Unit(benchmark::kMicrosecond);

// Arg: fill ticks before the measured one; past 120 the button is pressed.
void BM_FH22TickAndDraw(benchmark::State& state) {
  SeedRandom(1);
  ShakeModel model(kDeformationShake);
  model.Activate();
  for (int i = 0; i < state.range(0); ++i) model.Tick();
  if (state.range(0) > kFillTicks) model.Shake();
  Canvas canvas;
  for (auto _ : state) {
    ShakeModel step = model;
    if (step.Tick()) DrawCylinder(canvas, step.Scene(kGlass), W, H);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_FH22TickAndDraw)->Arg(60)->Arg(150)->Unit(benchmark::kMicrosecond);

// Arg: fill ticks before the measured one (the labels show from 111 on).
void BM_FH13TickAndDraw(benchmark::State& state) {
  SeedRandom(1);
  VolumeModel model;
  model.Activate();
  for (int i = 0; i < state.range(0); ++i) model.Tick();
  Canvas canvas;
  for (auto _ : state) {
    VolumeModel step = model;
    step.Tick();
    DrawCylinder(canvas, step.Scene(kGlass), W, H);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_FH13TickAndDraw)->Arg(60)->Arg(115)->Arg(500)->Unit(benchmark::kMicrosecond);

// Arg: ticks since "Fill" before the measured one (the rise ends at 80).
void BM_FH23TickAndDraw(benchmark::State& state) {
  RisingWaterModel model;
  model.Activate();
  model.Fill();
  for (int i = 0; i < state.range(0); ++i) model.Tick();
  Canvas canvas;
  for (auto _ : state) {
    RisingWaterModel step = model;
    step.Tick();
    DrawCylinder(canvas, step.Scene(kGlass), W, H);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_FH23TickAndDraw)->Arg(40)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
