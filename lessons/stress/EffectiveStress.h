#pragma once
// Effective stress: a cross-section of a soil layer under a maroon surface
// load, with a double dotted phreatic line and water in the pores below it,
// drawn as 5000 blue dots. The picture is drawn straight on the window, over
// the drawing area and its outline, in window coordinates.
//
// Every repaint chooses a new set of dots, continuing the shared random
// sequence (it is not reseeded).

#include <array>

#include "shell/Canvas.h"

namespace kavenor {

// The places of the cross-section, in window coordinates, for a drawing
// area at (L, T) of W x H.
struct EffectiveStressGeometry {
  int L = 0, T = 0, W = 0, H = 0;
  int x1 = 0;  // left of the soil
  int x2 = 0;  // right of the soil (exclusive)
  int yB = 0;  // bottom of the soil (exclusive)
  int yS = 0;  // soil surface
  int yW = 0;  // phreatic line
};

EffectiveStressGeometry EffectiveStressLayout(int L, int T, int W, int H);

inline constexpr int kPoreWaterDots = 5000;

struct EffectiveStressModel {
  EffectiveStressGeometry Geometry;
  // The water dots of the last drawing, each (px, py) with px from x1 to
  // x2 - 2 and py from yW + 2 to yB - 2.
  std::array<Point, kPoreWaterDots> Dots{};

  // Draws a new set of dots from the generator as it stands, px before py
  // for each dot.
  void Scatter();
};

// The cross-section into a (W + 1) x (H + 1) bitmap that covers the drawing
// area with its outline; the window copies it to (L, T).
void DrawEffectiveStress(Canvas& canvas, const EffectiveStressModel& model);

}  // namespace kavenor
