// One whole repaint of the porosity lesson: reseed, pack 250 grains, draw
// them on the 332 x 195 drawing area.

#include <benchmark/benchmark.h>

#include "lessons/composition/Porosity.h"
#include "shell/Canvas.h"

namespace {

void BM_PorosityRepaint(benchmark::State& state) {
  kavenor::PorosityModel model;
  kavenor::Canvas canvas;
  for (auto _ : state) {
    model.Repaint(332, 195);
    kavenor::DrawPorosity(canvas, model);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_PorosityRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PorosityPacking(benchmark::State& state) {
  kavenor::PorosityModel model;
  for (auto _ : state) {
    model.Repaint(332, 195);
    benchmark::DoNotOptimize(model.Grains.data());
  }
}
BENCHMARK(BM_PorosityPacking)->Unit(benchmark::kMillisecond);

}  // namespace
