#pragma once
// An anchored sheet pile wall in cross-section: soil and groundwater on its
// high (right) side, an excavation holding water on its low side, the anchor
// rod and its plate. The lesson steps a counter as the Coulomb lessons do,
// but the picture does not depend on it.

#include "shell/Canvas.h"

namespace kavenor {

struct SheetPileModel {
  static constexpr int kLastStep = 6;

  int k = 0;

  void Reset() { k = 0; }
  // One step further, up to the last step; false when nothing changed.
  bool Tick();
};

// The levels of the picture for a W x H drawing area.
struct SheetPileGeometry {
  int cx = 0;  // the wall's x
  int yh = 0;  // ground surface on the high side, top of the wall
  int ya = 0;  // the anchor rod
  int ym = 0;  // groundwater level on the high side
  int yw = 0;  // water level in the excavation
  int ye = 0;  // bottom of the excavation
  int yf = 0;  // foot of the wall, top of the bottom strip
};
SheetPileGeometry ComputeSheetPile(int W, int H);

void DrawSheetPileWall(Canvas& canvas, int W, int H);

}  // namespace kavenor
