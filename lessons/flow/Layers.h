#pragma once
// Vertical flow in a layer: a static cross-section of three layers, an upper
// sand layer whose groundwater stands at the top of the clay, the clay layer,
// and a lower sand layer with a standpipe whose water stands higher, so that
// the groundwater flows upward through the clay.
//
// Geometry is in pixels of the drawing area (W x H), y downwards; every
// division is integer division.

#include "shell/Canvas.h"

namespace kavenor {

struct LayersGeometry {
  int yc;      // bottom of the clay; the lower sand below it
  int yt;      // top of the clay; the upper sand above it
  int x1, x2;  // the standpipe's walls
  int yp;      // the standpipe's bottom, the middle of the lower sand
  int ys;      // the standpipe's top, H mod 3
  int yw;      // the water in the standpipe, halfway from ys to yt
};

LayersGeometry LayersLayout(int W, int H);

// The whole cross-section into a W x H bitmap; the same at every call.
void DrawLayers(Canvas& canvas, int W, int H);

}  // namespace kavenor
