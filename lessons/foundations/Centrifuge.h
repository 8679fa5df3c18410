#pragma once
// Centrifuge: a red arm turning about a vertical silver shaft in an oblique
// projection, with a basket swinging out at each end. The scroll bar's
// position P sets both the speed (the timer interval) and the swing angle
// alpha = atan(P / 40); each basket shows its soil (lime) or its underside
// (maroon) by which side faces the viewer.

#include "shell/Canvas.h"

namespace kavenor {

struct CentrifugeModel {
  // The arm's angle in degrees. It runs 0, 1, ..., 359, 360, 0, ...: the
  // rotation never restarts, it goes on from where it stands.
  double RotationAngle = 0;

  void Tick();
  // The timer interval that follows a tick at scroll-bar position P (0 .. 100):
  // 510 ms when slow, 10 ms when fast.
  static int TickInterval(int position);
};

// The sizes of the machine in a drawing area of W x H.
struct CentrifugeSizes {
  int cx = 0;  // the shaft's axis
  int yc = 0;  // the arm's mid-plane at the axis
  int R = 0;   // half the arm's length
  int o = 0;   // half the arm's width
  int t0 = 0;  // half the arm's thickness
  int d = 0;   // the length of the basket hangers
  int w = 0;   // half the radial length of a basket plate
  static CentrifugeSizes Of(int W, int H);
};

// One basket as projected: its plate and its hanger strip, corners in
// drawing order, and whether the viewer sees its soil.
struct BasketOutline {
  Point plate[4];
  Point hanger[4];
  bool showsSoil = false;
};

// Every projected point of one drawing: the arm's top corners P1..P4 and
// bottom corners Q1..Q4 (index 0 is P1), basket A at the arm's end a < 0 and
// basket B at a > 0.
struct CentrifugeOutline {
  Point P[4];
  Point Q[4];
  BasketOutline A, B;
};
CentrifugeOutline ProjectCentrifuge(double rotationAngle, int position, int W, int H);

// The shaft, the baskets and the arm with the faces that face the viewer, the
// baskets again where they pass in front of the arm, the hub and the upper
// shaft over the arm.
void DrawCentrifuge(Canvas& canvas, double rotationAngle, int position, int W, int H);

}  // namespace kavenor
