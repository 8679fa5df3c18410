#pragma once
// The permeameter of the groundwater-flow lessons. Water runs from an inflow
// basin through a pipe into the top of a soil sample in a closed container,
// down through the sample, out at the bottom and up a second pipe to a lower
// outflow basin, whose spout fills a measuring vessel. Drops fall into the
// inflow basin from above and from the spout into the vessel; the vessel
// rises one pixel per TicksPerPixel ticks and stops at its rim.
//
// ApparatusModel holds the drops and the flow counter, DrawApparatus draws
// it and changes nothing. The Darcy lesson shows a homogeneous sample with
// ten drops; the Continuity lesson shows the same apparatus with two soil
// layers in series, five drops and a slower vessel. Each lesson keeps its own
// model, built from its ApparatusSetup.
//
// Geometry is in pixels of the drawing area (W x H), y downwards; every
// division is integer division.

#include <array>

#include "shell/Canvas.h"

namespace kavenor {

inline constexpr int kMaxDrops = 10;

struct ApparatusSetup {
  int DropCount;            // drops in the stream, 1 .. kMaxDrops
  long double DropSpacing;  // drop k (1-based) starts at nearest(k x spacing x H)
  int TicksPerPixel;        // ticks per pixel of water in the vessel
  bool TwoLayers;           // the sample as two soil layers in series
};

inline constexpr ApparatusSetup kDarcySetup{10, 0.1L, 50, false};
inline constexpr ApparatusSetup kContinuitySetup{5, 0.2L, 100, true};

// The derived coordinates of the apparatus for a drawing area of W x H.
struct ApparatusGeometry {
  int cx;      // centre line of the container
  int r;       // half the pipe width and the drop radius, at least 1
  int xL, xR;  // left and right walls of the container
  int yT, yB;  // top and bottom of the container
  int yP;      // level of the lower pipe
  int g;       // length of the horizontal pipes
  int C;       // half width of a basin beyond its riser
  int u;       // depth of a basin
  int x1, x2;  // the lower riser, from x1 to x2
  int d;       // bottom of the outflow basin (its rim is d - u)
  int yN;      // level of the upper pipe
  int yL;      // bottom of the inflow basin
  int yR;      // rim of the inflow basin
  int sx, sy;  // tip of the outflow spout, above the vessel
  int rim;     // top of the measuring vessel, H - H div 3
  int bottom;  // bottom of the measuring vessel, H - 3
};

ApparatusGeometry ApparatusLayout(int W, int H);

class ApparatusModel {
 public:
  explicit ApparatusModel(const ApparatusSetup& setup = kDarcySetup) : setup_(setup) {}

  const ApparatusSetup& Setup() const { return setup_; }

  // The y coordinates of the drops (only the first Setup().DropCount are in
  // use), the ticks since the last start, whether the stream has been
  // started, and the tick after which drops are no longer restarted.
  std::array<int, kMaxDrops> DropY{};
  int FlowTicks = 0;
  bool FlowReady = false;
  int FillLimit = 0;
  // The drops sent back to the top by the last step: they leave the picture
  // at the bottom in this frame and show at the top from the next one.
  std::array<bool, kMaxDrops> Restarted{};

  // Where drop k (1-based) starts in an area of height H.
  int DropStart(int k, int H) const;

  // One timer tick: every drop one pixel down, the counter one up, then
  // Settle. Once the stream has run dry and the vessel is full the picture
  // no longer changes; from then on a tick leaves the state as it is, so the
  // counter stops at FillLimit + H instead of growing for ever.
  void Tick(int H);
  // What has to be settled before each drawing (a tick's, or a repaint's):
  // start the stream from an empty vessel if it is not ready, then send the
  // drops that reached the bottom back to the top while FlowTicks is below
  // FillLimit.
  void Settle(int H);
  // The way back to the menu: the next tick or repaint starts again.
  void Restart() { FlowReady = false; }

  // The water level in the vessel: one pixel up per TicksPerPixel ticks
  // from the bottom, never above the rim.
  int VesselLevel(int H) const;
  // Whether drops are still drawn: FlowTicks below FillLimit + H.
  bool StreamVisible(int H) const { return FlowTicks < FillLimit + H; }
  // Whether the picture has stopped changing: no drops left, vessel full.
  bool Still(int H) const { return FlowReady && !StreamVisible(H); }

 private:
  ApparatusSetup setup_;
};

// The whole apparatus for the model's current state, into a W x H bitmap.
void DrawApparatus(Canvas& canvas, const ApparatusModel& model, int W, int H);

}  // namespace kavenor
