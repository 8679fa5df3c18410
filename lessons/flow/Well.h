#pragma once
// Flow to a well: a static cross-section of a circular island, a yellow
// aquifer between a maroon base layer and a maroon top layer, surrounded by
// a lake, with a pumped well in the centre whose water stands below the lake
// level and a discharge pipe with its arrow.
//
// Geometry is in pixels of the drawing area (W x H), y downwards; every
// division is integer division.

#include "shell/Canvas.h"

namespace kavenor {

struct WellGeometry {
  int b;       // half the width of the well pipe, at least 1
  int yb;      // top of the base layer
  int ya;      // top of the aquifer
  int yg;      // the ground, the top of the top layer
  int yl;      // the lake level, a quarter of the way from yg down to ya
  int yw;      // the water in the well, a fifth of the way from ya up to yl
  int xi;      // the island's left edge; its right edge is W - xi
  int x1, x2;  // the well's walls
  int yt;      // the top of the well and of the discharge pipe
  int xe;      // the end of the discharge pipe
  int xa;      // the tip of the discharge arrow
};

WellGeometry WellLayout(int W, int H);

// The whole cross-section into a W x H bitmap; the same at every call.
void DrawWell(Canvas& canvas, int W, int H);

}  // namespace kavenor
