#pragma once
// Coulomb's wedge: a vertical retaining wall, the soil behind it and the
// straight-sided wedge that slides along a straight slip line, with the four
// forces on the wedge as arrows. Two cases share the drawing: the active one
// (the wall moves away from the soil and the wedge sinks) and the passive one
// (the wall is pushed into the soil and the wedge rises). Each lesson keeps a
// model of its own.

#include "shell/Canvas.h"

namespace kavenor {

enum class CoulombCase { Active, Passive };

struct CoulombModel {
  static constexpr int kLastStep = 6;

  // The step: the displacement in pixels of the wall and the wedge.
  int k = 0;

  void Reset() { k = 0; }
  // One pixel further, up to the last step; false when nothing changed.
  bool Tick();
};

// An arrow as plain segments: the shaft, and the two head strokes, each from
// the tip (one end of the shaft) to its own end point.
struct WedgeArrow {
  Point from, to;
  Point tip;
  Point head1, head2;
};

// Everything the picture needs for a drawing area of W x H at step k.
struct CoulombGeometry {
  int s = 0;
  int yb = 0;  // wall base level
  int yt = 0;  // ground surface and top of the wall
  int xL = 0, xR = 0;  // wall faces
  int xF = 0;  // top of the slip line, on the surface
  int yB = 0;  // top edge of the wedge
  int xT = 0;  // top corner of the wedge (xT, yB)
  int nx = 0, ny = 0;  // where the normal force acts on the slip line
  WedgeArrow weight, normal, shear, wall;
};
CoulombGeometry ComputeCoulombGeometry(CoulombCase which, int W, int H, int k);

// The wall, the soil, the wedge and the force arrows, in black outline.
void DrawCoulombWedge(Canvas& canvas, const CoulombModel& model, CoulombCase which, int W, int H);

}  // namespace kavenor
