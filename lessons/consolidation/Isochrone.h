#pragma once
// The isochrone of one-dimensional consolidation: the excess pore pressure
// over the depth of a clay layer drained at its top and bottom, after an
// instantaneous load, from the classical series solution, for a dimensionless
// time factor T = cv t / h^2 (h the drainage length, half the thickness).
//
// IsochroneModel is the whole state of a lesson that shows it; each such
// lesson keeps its own instance, so two windows animate independently. A
// timer tick raises T by 0.001 and computes the pressures; DrawIsochrone then
// draws them. From T = 10 on a tick changes nothing and draws nothing.

#include <array>

#include "shell/Canvas.h"

namespace kavenor {

// pi as the series uses it: the double nearest 3.1415926.
inline constexpr double kIsochronePi = 3.1415926;

// The series sums its terms j = 1, 2, ... while the exponent
// (2j - 1)^2 (pi^2/4) T stays below this.
inline constexpr double kSeriesExponentLimit = 20;

// Below T of about 2e-6 the stopping rule would ask for more terms than this;
// the sum is then cut here, where its value has long been 1 in the interior.
inline constexpr int kMaxSeriesTerms = 1000;

// The exponent of term j (j >= 1) at time factor T.
double SeriesExponent(int j, double T);
// How many terms the series sums at T: those whose exponent stays below 20,
// at most kMaxSeriesTerms; none when T is not positive.
int SeriesTermCount(double T);

struct IsochroneModel {
  static constexpr int kPressureSlots = 101;

  double TimeFactor = 0.001;
  int PointCount = 40;  // depth intervals; point 0 is the top, PointCount the bottom
  std::array<double, kPressureSlots> PorePressure{};  // p / p0 at the depth points

  // Each showing of the lesson starts again from the beginning.
  void Activate() { TimeFactor = 0; }
  // One timer tick: below T = 10, raise T by 0.001, compute the pressures and
  // return true (draw); from T = 10 on, change nothing and return false.
  bool Tick();
  // From T = 10 on a tick changes nothing.
  bool AtRest() const { return TimeFactor >= 10; }
  // Fills PorePressure[0 .. PointCount] for the current TimeFactor: zero at
  // both drained boundaries, the series in between. At T <= 0 the series has
  // no end; the pressures are then the state at the moment of loading, the
  // full load (1) everywhere inside the layer.
  void ComputePressures();
};

// The layer's place in a W x H drawing.
struct IsochroneFrame {
  int left, right, top, bottom;
};
IsochroneFrame IsochroneFrameOf(int W, int H);

// The white field, the depth axis, the yellow clay layer, the excess pore
// pressure as blue quadrilaterals between the axis and the pressure curve (its
// full width stands for p = p0) and a black frame, on a W x H bitmap.
void DrawIsochrone(Canvas& canvas, const IsochroneModel& model, int W, int H);

}  // namespace kavenor
