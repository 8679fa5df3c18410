#pragma once
// The measuring cylinder of the density, volumetric weight, deformation and
// soil-under-water lessons: a glass cylinder on the ground holding water over
// a layer of sand, with a graduation on its inner right wall.
//
// Sand is sprinkled into it for 120 ticks: 100 grains sink one pixel a tick
// through the water and vanish when they reach the sand, while the sand
// surface rises 0.4 and the water surface 0.2 pixels a tick. The density and
// deformation lessons then shake the sand denser (ShakeModel); the volumetric
// weight lesson only fills (VolumeModel) and marks the levels beside the
// glass; the soil-under-water lesson raises the water over a sand layer that
// never moves (RisingWaterModel).
//
// Each model gives the CylinderScene it shows; DrawCylinder draws a scene and
// changes nothing. Geometry is in pixels of the drawing area (W x H), y
// downwards; every division is integer division, every rounding nearest()
// with its products in extended precision.

#include <array>
#include <optional>

#include "shell/Canvas.h"

namespace kavenor {

inline constexpr int kFallingGrains = 100;
inline constexpr int kFillTicks = 120;

// The fixed lines of the cylinder in a W x H drawing area.
struct CylinderGeometry {
  int W = 0, H = 0;
  int dx = 0, dy = 0;             // W div 10, H div 10
  int yG = 0;                     // the ground line, H - dy
  int xa = 0, xb = 0;             // the foot, 4 dx and 6 dx
  int InnerLeft = 0;              // xa + 5, the left wall
  int InnerRight = 0;             // xb - 5, the right wall
  int yI = 0;                     // the inner bottom, yG - 3
  int Top = 0;                    // the top of the walls, dy
  int InitialWater() const { return dy + 60; }  // the water surface before the fill
  static CylinderGeometry Of(int width, int height);
};

// Where the falling grains are: fractions 0.00 .. 0.99 across the glass and
// down the height the grains fall through.
struct GrainField {
  std::array<double, kFallingGrains> X{};
  std::array<double, kFallingGrains> Y{};
  // Draws Random(100) x 0.01 for each grain, its X first, from the generator
  // as it stands.
  void Scatter();
  friend bool operator==(const GrainField&, const GrainField&) = default;
};

// What one drawing of the cylinder shows.
struct CylinderScene {
  int WaterTop = 0;  // the water surface
  int SandTop = 0;   // the sand surface; the water fills the glass down to it
  bool Falling = false;  // the grains are drawn, sunk by Tick pixels
  int Tick = 0;
  GrainField Grains;
  // With a value: black marks right of the glass at the bottom, at this
  // initial water level, at the water surface and at the sand surface.
  std::optional<int> InitialLevel;
  bool VolumeLabels = false;  // "Volume of soil" and "Volume of particles"
};

// Each model's Tick() returns whether it changed anything; a tick that
// changes nothing leaves a state that no later tick changes either (AtRest),
// so the lesson need not draw it again.

// The sprinkling of sand into the water: 120 ticks, grains falling meanwhile.
struct SandFill {
  int Tick = 0;     // 0 .. 120
  int Falling = 0;  // 1 while the fill runs
  GrainField Grains;

  // Back to a glass of water, with new places for the grains.
  void Restart();
  // One tick of the fill; once it has run its 120 ticks it stops falling and
  // returns false.
  bool Step();
  int WaterTop(const CylinderGeometry& g) const;
  // The surface of the sand sprinkled in so far, before any compaction.
  int SandTop(const CylinderGeometry& g) const;
  // The scene of the fill with the sand surface at sandTop.
  CylinderScene Scene(const CylinderGeometry& g, int sandTop) const;
  friend bool operator==(const SandFill&, const SandFill&) = default;
};

// How a lesson shakes its sand: the shake ticks of the first compaction step,
// how many more each further step takes, and how many steps there are (the
// sand sinks one pixel with each of the first ten). HideWhenDone hides the
// button after the last step.
struct ShakeSetup {
  int FirstStep;
  int StepGrowth;
  int Steps;
  bool HideWhenDone;
  friend bool operator==(const ShakeSetup&, const ShakeSetup&) = default;
};

inline constexpr ShakeSetup kDensityShake{10, 5, 20, false};     // 1150 shake ticks
inline constexpr ShakeSetup kDeformationShake{2, 2, 10, true};  // 110 shake ticks

inline constexpr int kFillInterval = 50;  // ms a tick while the sand falls
inline constexpr int kWaitInterval = 10;  // ms a tick afterwards

// Fill, then shake: the sand falls for 120 ticks, then the Shake button
// appears; once pressed, each tick jiggles the button 3 pixels to and fro and
// counts towards the next compaction step.
class ShakeModel {
 public:
  explicit ShakeModel(const ShakeSetup& setup) : setup_(setup) {}

  const ShakeSetup& Setup() const { return setup_; }

  SandFill Fill;
  int Shaking = 0;     // 1 once the button was pressed
  int Compaction = 0;  // compaction steps done
  int ShakeTicks = 0;  // shake ticks since the last step
  int Jiggle = 0;      // the button's next shift, negated each shake tick; 0 when done
  int NextStep = 0;    // shake ticks the next step takes
  int Interval = 0;    // ms the timer should run at; 0 until the lesson sets one
  bool ButtonVisible = false;
  bool ButtonEnabled = false;
  // How far the button has moved from its place.
  int ButtonShift = 0;

  // The lesson's activation: seed the generator from the clock, then a new
  // fill at 50 ms a tick with the button hidden, disabled and back at its
  // place (a restart in mid-jiggle would otherwise leave it 3 pixels off, and
  // each further one could move it 3 more).
  void Activate();
  // The button.
  void Shake() { Shaking = 1; }
  // One timer tick; whether it changed anything. Once the compaction is
  // complete nothing changes any more: the timer runs on, and the shake ticks
  // are no longer counted.
  bool Tick();
  // Whether the compaction is complete.
  bool Done() const { return Jiggle == 0; }
  // Whether a tick would change nothing: the compaction is complete, or the
  // fill is over and the lesson waits for the button.
  bool AtRest() const;

  CylinderScene Scene(const CylinderGeometry& g) const;
  friend bool operator==(const ShakeModel&, const ShakeModel&) = default;

 private:
  void advance();

  ShakeSetup setup_;
};

// Fill only, with the level marks and, near the end, the volume labels.
struct VolumeModel {
  SandFill Fill;
  int Interval = 0;

  void Activate();  // seeds from the clock, new fill at 50 ms
  // One tick, whether it changed anything; after the fill the timer runs at
  // 10 ms and nothing changes.
  bool Tick();
  // Whether a tick would change nothing: the fill is over.
  bool AtRest() const;
  CylinderScene Scene(const CylinderGeometry& g) const;
  friend bool operator==(const VolumeModel&, const VolumeModel&) = default;
};

// A fixed sand layer under water; "Fill" raises the water one pixel a tick
// for 80 ticks.
struct RisingWaterModel {
  static constexpr int kRise = 80;
  int Count = 0;    // 0 .. 80, pixels the water has risen
  int Filling = 0;  // 1 once the button was pressed
  bool ButtonVisible = false;
  bool ButtonEnabled = false;

  void Activate();  // seeds from the clock, water down, button shown
  void Fill() { Filling = 1; }
  // One tick, whether it changed anything.
  bool Tick();
  // Whether a tick would change nothing: the button is not pressed, or the
  // water has risen all the way.
  bool AtRest() const;
  CylinderScene Scene(const CylinderGeometry& g) const;
  friend bool operator==(const RisingWaterModel&, const RisingWaterModel&) = default;
};

// The whole picture into a W x H bitmap.
void DrawCylinder(Canvas& canvas, const CylinderScene& scene, int W, int H);

}  // namespace kavenor
