#pragma once
// The growing families of Mohr circles of two triaxial tests at different
// cell pressures, one circle a tick, and the red failure lines once both
// tests are done. The drained and the undrained test draw the same picture;
// they differ in the cell pressures, in how the major principal stress grows
// and in the pore pressure that shifts each effective circle to the left of
// the total one, and in the slope of the failure lines. TriaxialTests holds
// those differences.
//
// The figure is AreaWidth x nearest(0.9 x AreaHeight) pixels; the origin of
// the stresses is at (W div 4, H div 2).

#include "shell/Canvas.h"

namespace kavenor {

struct CircleTestsModel {
  int TestNumber = 1;   // the running test, 1 or 2; 3 once both are done
  int CircleCount = 0;  // circles of the running test drawn so far, 0 .. 9

  // A new opening: the first test, no circle yet.
  void Activate() {
    TestNumber = 1;
    CircleCount = 0;
  }
  // One tick: one more circle; the tenth ends the test. After the second
  // test the count goes on cycling while nothing changes any more.
  void Tick() {
    if (++CircleCount == 10) {
      if (TestNumber < 3) ++TestNumber;
      CircleCount = 0;
    }
  }
};

// The circles a test's family has: the tenth is the state at failure.
inline constexpr int kCirclesPerTest = 10;

// The stresses of one circle along the sigma axis, in pixels: the major and
// minor principal total stresses and the pore pressure.
struct CircleStresses {
  long double s1 = 0, s3 = 0, u = 0;
};

struct TriaxialTests {
  int cellDivisor;  // the cell pressure of test n is n x W / cellDivisor
  // The stresses of circle k (1 .. 10) of a test at cell pressure s3.
  CircleStresses (*circle)(long double s3, int k, int W);
  // The failure lines rise by (3H) div riseDivisor + riseExtra.
  int riseDivisor, riseExtra;
};

// Drained: no pore pressure; s1 = s3 + 2k s3 / 10 + k W / 100.
CircleStresses DrainedCircle(long double s3, int k, int W);
// Undrained: the deviator grows to the failure state s1 - u = Kp (s3 - u) + C0
// with the pore pressure u = A times the deviator.
CircleStresses UndrainedCircle(long double s3, int k, int W);
inline constexpr long double kUndrainedKp = 2.5L;
inline constexpr long double kUndrainedC0 = 20;
inline constexpr long double kUndrainedA = 0.25L;

inline constexpr TriaxialTests kDrainedTests{12, DrainedCircle, 8, 3};
inline constexpr TriaxialTests kUndrainedTests{8, UndrainedCircle, 10, 2};

long double CellPressure(const TriaxialTests& tests, int test, int W);
CircleStresses TestCircle(const TriaxialTests& tests, int test, int k, int W);

// Where a circle is drawn: its centre on the sigma axis and its radius.
struct CirclePlace {
  Point centre;
  int R = 0;
};
CirclePlace PlaceCircle(const TriaxialTests& tests, int test, int k, int W, int H);

void DrawCircleTests(Canvas& canvas, const CircleTestsModel& model, const TriaxialTests& tests,
                     int W, int H);
// W = AreaWidth and H = nearest(0.9 x AreaHeight) of the course layout.
void DrawCircleTests(Canvas& canvas, const CircleTestsModel& model, const TriaxialTests& tests);

}  // namespace kavenor
