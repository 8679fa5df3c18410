#pragma once
// Mohr: an element loaded by its principal stresses, the same element turning
// steadily with the normal and shear stresses on its faces, and Mohr's circle
// with the two stress points, the pole and the turned axes drawn from it.
//
// The figure is AreaWidth x (2 x AreaHeight) pixels. The major principal
// stress acts vertically; on the circle's scale it is 5 units, the minor one 1.

#include <array>

#include "shell/Canvas.h"

namespace kavenor {

// The lesson's value of pi and the full turn the angle wraps at.
inline constexpr double kMohrPi = 3.1415926;
inline constexpr double kMohrFullTurn = 2 * kMohrPi;
// The turn per timer tick, in radians.
inline constexpr double kMohrStep = 0.005;

struct MohrModel {
  double ElementAngle = 0;  // radians, counter-clockwise on the screen

  // A new opening: the element starts unturned.
  void Activate() { ElementAngle = 0; }
  // One tick: the element turns a little further; after a full turn the
  // angle is reduced by one full turn (keeping the overshoot).
  void Tick();
};

// An arrow from its tail to its tip (the head sits at the tip).
struct MohrArrow {
  Point from, to;
};

// Everything the figure places, for a figure of W x H pixels at one angle.
struct MohrGeometry {
  int W = 0, H = 0;
  int a = 0;        // half the side of the element square
  int S1 = 0;       // major principal stress as an arrow length
  int S3 = 0;       // minor principal stress as an arrow length
  int u = 0;        // the circle's unit
  int R = 0;        // the circle's radius, 2u
  double c = 1, s = 0;                // cosine and sine of the angle
  double sxx = 0, syy = 0, t = 0;     // stresses on the turned element
  Point principal;  // centre of the principal element
  Point rotated;    // centre of the turned element
  Point origin;     // origin of the axes
  Point centre;     // centre of the circle
  Point pole;       // right end of the circle, the point of sigma 1
  Point blue;       // stress point of the horizontal faces
  Point red;        // stress point of the vertical faces
};
MohrGeometry MohrLayout(int W, int H, double angle);

// The corners P0..P3 of the element square of half side h turned by the
// geometry's angle about `centre` (P0-P1 bottom, P1-P2 right, P2-P3 top, P3-P0
// left), and the centres of its faces in the same order.
std::array<Point, 4> TurnedSquare(const MohrGeometry& g, Point centre, int h);
std::array<Point, 4> FaceCentres(const std::array<Point, 4>& corners);

// The shear stress arrows just outside the turned element: bottom, right, top,
// left. Near a whole quarter turn they shrink to a few pixels.
std::array<MohrArrow, 4> ShearArrows(const MohrGeometry& g);

// A circle of radius R about (xc, yc) as 360 segments one degree apart, from
// (xc + R, yc) round through the lower half (y grows downwards) and back.
void DrawDegreeCircle(Canvas& canvas, int xc, int yc, int R);

void DrawMohr(Canvas& canvas, const MohrModel& model, int W, int H);
// W = AreaWidth and H = 2 x AreaHeight of the course layout.
void DrawMohr(Canvas& canvas, const MohrModel& model);

}  // namespace kavenor
