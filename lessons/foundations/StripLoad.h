#pragma once
// The strip load on a soil surface between two surcharge zones, shared by the
// bearing capacity lesson (a vertical load) and the Brinch Hansen lesson (an
// inclined load). The picture is static: it depends only on the load's
// direction and the size of the drawing area.

#include "shell/Canvas.h"

namespace kavenor {

enum class StripLoadDirection { Vertical, Inclined };

// The picture's levels for a drawing area of W x H: the centre of the load,
// the ground surface, the surcharge line and the strip-load line.
struct StripLoadLevels {
  int cx = 0;
  int y0 = 0;
  int yq = 0;
  int yp = 0;
};
StripLoadLevels StripLoadGeometry(int W, int H);

// The x of every surcharge arrow: 2, 6, 10, ... up to and including the first
// one that is not left of W, which falls outside the bitmap.
int LastSurchargeArrow(int W);

// The soil, the surcharge arrows across the whole width, the eleven load
// arrows (vertical, or leaning 5 pixels to the right with wide heads), the
// lines closing their tails and the labels q, q, p, c and gamma. Every drawing
// starts its labels in "MS Sans Serif", whatever face the canvas was left in.
void DrawStripLoad(Canvas& canvas, StripLoadDirection direction, int W, int H);

}  // namespace kavenor
