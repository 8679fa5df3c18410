#pragma once
// Stress: the elementary triangle whose inclined face makes the angle alpha
// with the x-axis, the stresses on its vertical and horizontal faces, and the
// normal and shear stress on the inclined face with the dotted n- and
// t-directions. The picture never changes; the model only says which timer
// ticks refresh it.

#include "shell/Canvas.h"

namespace kavenor {

// The lesson's value of pi and the angle of the inclined face, in degrees.
inline constexpr long double kStressPi = 3.1415926L;
inline constexpr int kStressAngle = 30;

struct StressModel {
  // Refreshes counted in thousandths; the picture is redrawn by the ticks
  // that find it below 10, some 10,000 ticks after creation or an opening.
  double RedrawCounter = 0.001;

  // A new opening: the refreshing starts again (the opening itself draws
  // nothing; the next tick does).
  void Activate() { RedrawCounter = 0; }
  // One tick: whether it redraws the picture.
  bool Tick() {
    if (RedrawCounter >= 10) return false;
    RedrawCounter += 0.001;
    return true;
  }
};

// Everything the figure places, for a figure of W x H pixels.
struct StressGeometry {
  int W = 0, H = 0;
  int c = 0;        // length of the inclined face
  Point O;          // the right angle, origin of the axes
  Point B;          // lower end of the inclined face, on the x-axis
  Point C;          // upper end, on the y-axis
  Point E;          // end of the angle's arc
  int ym = 0;       // middle of the vertical face
  int xm = 0;       // middle of the horizontal face
  Point M;          // middle of the inclined face
  int r = 0;        // half the face length
  int nx = 0, ny = 0;  // a step along the normal
  Point nLabel;     // where the "n" is written
  Point S;          // tail of the normal stress arrow
  int tc = 0, ts = 0;  // a step along the face
  Point Mt;         // the face's middle raised 2 pixels
  Point T;          // tip of the shear stress arrow
};
StressGeometry StressLayout(int W, int H);

void DrawStress(Canvas& canvas, int W, int H);
// W = AreaWidth and H = AreaHeight of the course layout.
void DrawStress(Canvas& canvas);

}  // namespace kavenor
