#pragma once
// Triaxial test: the apparatus put together part by part, one part a click on
// "Next ": the sample on the base, the top cap, the membrane, the O-rings,
// the cell, the water and the piston with its force gauge; in the last phase
// the piston compresses the sample while the gauge's needle turns.
//
// The figure is AreaWidth x (AreaHeight + nearest(0.5 x AreaHeight)) pixels.

#include <string>
#include <vector>

#include "shell/Canvas.h"

namespace kavenor {

// The lesson's value of pi.
inline constexpr long double kTriaxialPi = 3.1415926L;

// Where the piston starts above the cap, and how long the test runs.
inline constexpr int kPistonStartGap = 50;
inline constexpr int kTestSteps = 120;
// The last phase; clicks beyond it add nothing.
inline constexpr int kLastStage = 9;

struct TriaxialModel {
  // For a drawing area `areaHeight` pixels high (the water's full height
  // follows from it).
  explicit TriaxialModel(int areaHeight);

  int Stage = 0;        // clicks on "Next " since the opening, at most kLastStage
  int TextPending = 0;  // 1 from a click until the next drawing names its phase
  int FillLevel = 0;    // height of the water in the cell
  int PistonGap = kPistonStartGap;  // between the piston and the top cap
  int TestProgress = 0;             // steps of the test, 0 .. kTestSteps

  // The water level at which the cell is full: the level stops there.
  int FullLevel() const { return fullLevel_; }

  // A new opening: the bottom plate alone, the piston up, the cell empty.
  void Activate();
  // "Next ": the next phase, named in the pane by the next drawing.
  void Next();
  // One tick: the water rises once the cell stands, the piston comes down
  // once it is placed, and once it rests on the cap in the last phase the
  // test runs on until its end.
  void Tick();
  // The lines the drawing after a click appends to the pane (none when no
  // click is pending or the phase adds no line); the click counts as named.
  std::vector<std::string> TakePendingLines();

 private:
  int fullLevel_;
};

// The lines the phase reached by `stage` clicks adds to the pane.
std::vector<std::string> PhaseLines(int stage);

// Everything the figure places, for a drawing area of W x Ha pixels.
struct TriaxialGeometry {
  int W = 0, Ha = 0, Hh = 0;
  int xL = 0;  // outer left edge of the cell and the base
  int xP = 0;  // left edge of the pedestal and the sample
  int yB = 0;  // underside of the base, top of the floor
  int yT = 0;  // top of the cell
  int ys = 0;  // top of the sample
  int yw = 0;  // water surface
  int yg = 0;  // centre of the force gauge
  int rodBottom = 0;  // the piston rod's lower end (exclusive)
  Point needle;       // tip of the gauge's needle
};
TriaxialGeometry TriaxialLayout(const TriaxialModel& model, int W, int Ha);

void DrawTriaxial(Canvas& canvas, const TriaxialModel& model, int W, int Ha);
// W = AreaWidth and Ha = AreaHeight of the course layout.
void DrawTriaxial(Canvas& canvas, const TriaxialModel& model);

}  // namespace kavenor
