#pragma once
// The cone penetration test: a rig on the ground pushes a string of steel rods
// with a cone at its tip into the soil, one rod length at a time. Between two
// pushes a worker fetches the next rod from the pile and sets it on the
// string while a second worker holds the rig. The test ends when the cone tip
// reaches the top of the lower layer.
//
// One rod takes 19 ticks: 9 push steps (the cone goes down one pixel each, a
// long pause after the last), 9 fetch steps (the string stands still, the
// crosshead rises and the rod travels from the pile to the rig, a long pause
// when it stands on the string) and one joining step.
//
// The model also does the two things its picture depends on that are state:
// it ends the test in the step in which the tip reaches the lower layer, and
// it records where the top bundle of the pile lies (the carried rod starts
// there). The figure only draws.

#include <array>
#include <optional>

#include "shell/Canvas.h"

namespace kavenor {

// The fixed lines of the test site in a W x H drawing area.
struct ConeSite {
  int W = 0, H = 0;
  int cx = 0;  // centre line of the rig
  int yp = 0;  // ground surface
  int yg = 0;  // top of the lower layer
  static ConeSite Of(int width, int height);
};

inline constexpr int kConePushInterval = 200;    // ms between push and fetch steps
inline constexpr int kConePauseInterval = 1000;  // ms of the pauses
inline constexpr int kConePileBundles = 12;      // bundles of two rods on a full pile

class ConePenetrationModel {
 public:
  explicit ConePenetrationModel(int width = 332, int height = 195);

  int RodLength = 0;     // pixels
  int PushStep = 0;      // 0 .. RodLength - 1
  int CarryStep = 0;     // 0 .. RodLength
  int StringLength = 0;  // RodCount x RodLength
  int RodCount = 0;
  int BundlesTaken = 0;  // a bundle holds two rods
  int OddRod = 0;        // 1 after an odd number of added rods
  int TestRunning = 0;   // 1 while the cone goes down
  Point PileTop;         // (x, y) of the pile's top bundle in the last picture
  bool Carrying = false; // the last step was a fetch step: the rod is on its way

  // A new test with one rod and a full pile; the push part of it (Restart)
  // is done separately, as the window's own routine does it.
  void Activate();
  // The push of the current rod starts again from 0; returns the timer
  // interval to run at.
  int Restart();
  // One animation step. Returns the timer interval the step asks for, or
  // nothing when the test is not running (before the first activation and
  // after the end), in which case nothing changed.
  std::optional<int> Tick();

  const ConeSite& Site() const { return site_; }
  int StringTop() const;  // yr
  int Tip() const;        // ytip
  int Crosshead() const;  // yh
  // Bundles shown on the pile; one fewer while a rod of a new bundle is in
  // use (being carried, or the odd one left on the string).
  int PileCount() const;

 private:
  // What the drawing of the current state settles: the end of the test, then
  // the top of the pile.
  void Settle();

  ConeSite site_;
};

// The four corners of the rod the carrying worker with feet at (x, y) holds,
// from lying on the pile (CarryStep 0) to standing on the string
// (CarryStep = RodLength - 1).
std::array<Point, 4> CarriedRod(const ConePenetrationModel& model, int x, int y);

// The whole picture of the test site in the W x H area of the model.
void DrawTestSite(Canvas& canvas, const ConePenetrationModel& model);

// The workers, feet at (x, y), hand at (hx, hy).
void DrawStandingWorker(Canvas& canvas, int x, int y, int hx, int hy);
// The standing worker mirrored, facing left; once the test is over his arm
// hangs straight down.
void DrawLeftWorker(Canvas& canvas, int x, int y, int hx, int hy, bool testRunning);
// The walking worker facing left with the rod being fetched.
void DrawCarryingWorker(Canvas& canvas, int x, int y, const ConePenetrationModel& model);

}  // namespace kavenor
