#pragma once
// Limit analysis: a strip load on the surface of a two-layer soil grows one
// pixel a step; its load arrows are n pixels long.

#include "shell/Canvas.h"

namespace kavenor {

struct LimitAnalysisModel {
  static constexpr int kStartLoad = 5;
  static constexpr int kFullLoad = 50;

  // The load step: the length in pixels of the load arrows. It is 0 at
  // creation (the timer raises it while the window is still hidden).
  int n = 0;

  // Each opening restarts the load at its first step.
  void Activate() { n = kStartLoad; }
  // One step more, up to the full load; false when nothing changed.
  bool Tick();
};

// The picture's levels for a drawing area of W x H: the centre of the load,
// the ground surface, the top of the lower layer and the load level.
struct LimitAnalysisLevels {
  int cx = 0;
  int y0 = 0;
  int y1 = 0;
  int yq = 0;
};
LimitAnalysisLevels LimitAnalysisGeometry(int W, int H, int n);

// The two layers and the eleven load arrows with the line closing their tails.
void DrawLimitAnalysis(Canvas& canvas, const LimitAnalysisModel& model, int W, int H);

}  // namespace kavenor
