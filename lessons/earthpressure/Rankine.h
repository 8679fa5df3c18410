#pragma once
// Rankine's extreme stress states, two static pictures of one size: a soil
// element at some depth below a horizontal ground surface with the stresses on
// its faces, and a Mohr diagram whose stress circle touches the two straight
// failure envelopes of a soil with cohesion and a friction angle of 30
// degrees.

#include "shell/Canvas.h"

namespace kavenor {

// Both pictures are W x nearest(0.9 AreaHeight).
int RankinePictureHeight(int areaHeight);

// The Mohr diagram's geometry for a W x H picture; the tau axis at x = xa.
struct RankineMohrGeometry {
  int yc = 0;        // the sigma axis
  int xa = 0;        // the tau axis
  int axisReach = 0; // half the tau axis's length
  int xc = 0, R = 0; // the circle
  Point vertex;      // where both envelopes start, on the sigma axis
  int e = 0;         // the envelopes' rise over 3R, to the circle's right end
  Point upperTouch, lowerTouch;  // where the dotted radii end on the circle
  Point sigma1, sigma3;          // the principal stress points
};
RankineMohrGeometry ComputeRankineMohr(int W, int H);

// The soil element and its four stress arrows.
void DrawRankineSoil(Canvas& canvas, int W, int H);
// The axes, the circle, the envelopes, the dotted radii and the principal
// stresses with their markers and labels.
void DrawRankineMohr(Canvas& canvas, int W, int H);

}  // namespace kavenor
