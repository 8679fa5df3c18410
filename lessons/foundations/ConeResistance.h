#pragma once
// Cone resistance: a typical cone penetration test result, the resistance
// against depth, low and slowly growing in the soft upper layers and jumping
// up where the cone enters the sand. The curve gets new random scatter at
// every drawing.

#include <vector>

#include "shell/Canvas.h"

namespace kavenor {

// The plot in a bitmap of W x H2: its frame, the last row above the sand and
// the jump of the resistance in the sand, in pixels.
struct ConeResistancePlot {
  int xl = 0;  // 0 MPa
  int xr = 0;  // 20 MPa
  int yt = 0;  // 0 m
  int yb = 0;  // 20 m
  int yl = 0;  // the last row above the sand layer
  int jump = 0;
  static ConeResistancePlot Of(int W, int H2, int layerDepth, int layerJump);
};

struct ConeResistanceModel {
  int LayerDepth = 16;  // m, the top of the sand layer
  int LayerJump = 12;   // MPa, the rise of the resistance in the sand

  int W = 0, H2 = 0;
  // The curve's x for every row from yt to yb, top down.
  std::vector<int> CurveX;

  ConeResistancePlot Plot() const { return ConeResistancePlot::Of(W, H2, LayerDepth, LayerJump); }
  // The trend of row y: 0 at the surface growing to 2.5 MPa at 20 m, in pixels.
  int Trend(int y) const;
  // A new curve for a bitmap of W x H2: the trend plus a scatter of Random(15)
  // in every row, and in the sand the jump plus a further Random(12), drawn
  // after the first, from the program's shared generator.
  void Sample(int width, int height2);
};

// The plot frame with its grid, the curve from (xl, yt) through one point per
// row, the labels and the depth scale, in a W x H2 bitmap.
void DrawConeResistance(Canvas& canvas, const ConeResistanceModel& model);

}  // namespace kavenor
