// The earth-pressure lessons: one animation step and its drawing, or one
// repaint of a static picture, into the lesson's bitmap.

#include <benchmark/benchmark.h>

#include "lessons/earthpressure/CoulombWedge.h"
#include "lessons/earthpressure/HalfSpace.h"
#include "lessons/earthpressure/Rankine.h"
#include "lessons/earthpressure/SheetPile.h"

namespace {

using namespace kavenor;

void BM_CoulombPassiveTickAndDraw(benchmark::State& state) {
  Canvas canvas;
  CoulombModel model;
  for (auto _ : state) {
    if (!model.Tick()) model.Reset();
    DrawCoulombWedge(canvas, model, CoulombCase::Passive, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_CoulombPassiveTickAndDraw);

void BM_ContinuaRepaint(benchmark::State& state) {
  Canvas canvas;
  for (auto _ : state) {
    DrawPointLoad(canvas, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_ContinuaRepaint);

void BM_LayeredSoilRepaint(benchmark::State& state) {
  Canvas canvas;
  for (auto _ : state) {
    DrawStripLoad(canvas, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_LayeredSoilRepaint);

// Both pictures, as every repaint draws them.
void BM_RankineRepaint(benchmark::State& state) {
  Canvas soil, mohr;
  const int h = RankinePictureHeight(195);
  for (auto _ : state) {
    DrawRankineSoil(soil, 332, h);
    DrawRankineMohr(mohr, 332, h);
    benchmark::DoNotOptimize(soil.Image().constBits());
    benchmark::DoNotOptimize(mohr.Image().constBits());
  }
}
BENCHMARK(BM_RankineRepaint);

void BM_SheetPileTickAndDraw(benchmark::State& state) {
  Canvas canvas;
  SheetPileModel model;
  for (auto _ : state) {
    if (!model.Tick()) model.Reset();
    DrawSheetPileWall(canvas, 332, 195);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_SheetPileTickAndDraw);

}  // namespace
