// The water content lesson: one heater tick (100 dry specks) plus the drawing
// of the whole picture, early in the drying and once everything is dry; and
// the wet sample a repaint draws.

#include <benchmark/benchmark.h>

#include "lessons/composition/WaterContent.h"

namespace {

using namespace kavenor;

void BM_WaterContentHeaterTickAndDraw(benchmark::State& state) {
  WaterContentModel model(WaterContentLayout(10, 45, 332, 195));
  model.Wet();
  model.HeaterOn = true;
  for (int i = 0; i < state.range(0); ++i) model.Tick();
  Canvas canvas;
  for (auto _ : state) {
    WaterContentModel step = model;
    step.Tick();
    DrawWaterContent(canvas, step);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_WaterContentHeaterTickAndDraw)->Arg(1)->Arg(2000)->Unit(benchmark::kMicrosecond);

void BM_WaterContentWetRepaint(benchmark::State& state) {
  WaterContentModel model(WaterContentLayout(10, 45, 332, 195));
  Canvas canvas;
  for (auto _ : state) {
    model.Wet();
    DrawWaterContent(canvas, model);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_WaterContentWetRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
