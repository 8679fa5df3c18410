// One animation step and one drawing of the Coulomb wedge and of the limit
// analysis load, into a 332 x 195 bitmap.

#include <benchmark/benchmark.h>

#include "lessons/earthpressure/CoulombWedge.h"
#include "lessons/foundations/LimitAnalysis.h"

namespace {

using namespace kavenor;

void BM_CoulombActiveTickAndDraw(benchmark::State& state) {
  Canvas canvas;
  CoulombModel model;
  for (auto _ : state) {
    if (!model.Tick()) model.Reset();
    DrawCoulombWedge(canvas, model, CoulombCase::Active, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_CoulombActiveTickAndDraw);

void BM_LimitAnalysisTickAndDraw(benchmark::State& state) {
  Canvas canvas;
  LimitAnalysisModel model;
  model.Activate();
  for (auto _ : state) {
    if (!model.Tick()) model.Activate();
    DrawLimitAnalysis(canvas, model, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_LimitAnalysisTickAndDraw);

}  // namespace
