#pragma once
// Quicksand: a container of sand with a person standing on it, connected by a
// pipe to a small reservoir. Once started, the reservoir rises one pixel a
// tick, so the water level h above the sand grows; two stress diagrams
// beside the container compare the total stress with the pore pressure at
// the bottom of the sand. When h comes within 20 pixels of the sand
// thickness D the person sinks into the sand, at most 20 pixels.
//
// QuicksandModel holds the rise and the sinking; DrawQuicksand draws it and
// changes nothing. Geometry is in pixels of the drawing area (W x H), y
// downwards; every division is integer division.

#include "shell/Canvas.h"

namespace kavenor {

// The sand thickness D of a drawing area H pixels high.
inline int SandThickness(int H) { return H / 3 - 4; }

struct QuicksandModel {
  static constexpr int kMaxSink = 20;

  bool QuickReady = false;  // false: set up afresh before the next drawing
  int HeadRise = 0;         // h, the reservoir's water level above the sand
  int RiseStep = 0;         // pixels added to h a tick: 0 until started
  int HeadMax = 0;          // the largest h, the sand thickness D
  int SinkDepth = 0;        // how far the person has sunk, 0 .. kMaxSink

  // The set-up before each drawing: once the lesson is not ready, h and the
  // sinking go back to 0, the rise stops and HeadMax becomes D.
  void Settle(int H);
  // One timer tick: h rises by RiseStep up to HeadMax; once h is past
  // HeadMax - 20 the person sinks one pixel more, up to kMaxSink; then Settle.
  void Tick(int H);
  // "Start": the rise begins again from h = 0 with the person on the sand.
  // A lesson that is not set up yet is set up first, so the tick that follows
  // cannot undo the start.
  void Start(int H);
  // The way back to the menu: everything at 0, the rise stopped, and the
  // next tick sets the lesson up again.
  void Restart();
};

// The derived coordinates of the picture for a drawing area of W x H.
struct QuicksandGeometry {
  int c;       // centre line of the container
  int D;       // sand thickness
  int yS;      // top of the sand
  int yB;      // bottom of the container
  int xL, xR;  // container walls
  int xP;      // riser of the pipe (its outer wall)
  int xQ;      // outer wall of the reservoir
  int xD;      // the dimension lines D and h
  int xa;      // the vertical axis of the stress diagrams
  int ya;      // the base of the stress diagrams, the bottom of the sand
};

QuicksandGeometry QuicksandLayout(int W, int H);

// The bottom width of the pore-pressure triangle, D div 2 + h div 2: each
// half is truncated on its own, so at h = D it is one pixel short of the
// total-stress triangle when D is odd.
inline int PorePressureWidth(int D, int h) { return D / 2 + h / 2; }

// A small standing figure with its feet at (x, y), 43 pixels tall and 18
// wide. Leaves pen and brush in the last colour used (black).
void DrawPerson(Canvas& canvas, int x, int y);

// The whole picture for the model's state, into a W x H bitmap.
void DrawQuicksand(Canvas& canvas, const QuicksandModel& model, int W, int H);

}  // namespace kavenor
