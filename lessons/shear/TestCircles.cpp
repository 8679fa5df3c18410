#include "lessons/shear/TestCircles.h"

#include "lessons/shear/Mohr.h"
#include "shell/LayoutMetrics.h"
#include "shell/Primitives.h"
#include "shell/Rounding.h"

namespace kavenor {

CircleStresses DrainedCircle(long double s3, int k, int W) {
  return {s3 + 2 * k * s3 / 10 + k * static_cast<long double>(W) / 100, s3, 0};
}

CircleStresses UndrainedCircle(long double s3, int k, int /*W*/) {
  const long double Kp = kUndrainedKp, A = kUndrainedA;
  const long double d = ((Kp - 1) * s3 + kUndrainedC0) / ((Kp - 1) * A + 1) * k / 10;
  return {s3 + d, s3, A * d};
}

long double CellPressure(const TriaxialTests& tests, int test, int W) {
  return test * static_cast<long double>(W) / tests.cellDivisor;
}

CircleStresses TestCircle(const TriaxialTests& tests, int test, int k, int W) {
  return tests.circle(CellPressure(tests, test, W), k, W);
}

CirclePlace PlaceCircle(const TriaxialTests& tests, int test, int k, int W, int H) {
  const CircleStresses s = TestCircle(tests, test, k, W);
  return {{nearest((s.s1 + s.s3) / 2 - s.u) + W / 4, H / 2}, nearest((s.s1 - s.s3) / 2)};
}

namespace {

void drawCircles(Canvas& canvas, const TriaxialTests& tests, int test, int count, int W, int H) {
  for (int k = 1; k <= count; ++k) {
    const CirclePlace p = PlaceCircle(tests, test, k, W, H);
    DrawDegreeCircle(canvas, p.centre.x, p.centre.y, p.R);
  }
}

}  // namespace

void DrawCircleTests(Canvas& canvas, const CircleTestsModel& model, const TriaxialTests& tests,
                     int W, int H) {
  canvas.SetSize(W, H);
  canvas.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  canvas.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  canvas.Rectangle(0, 0, W, H);

  // The sigma axis, and the tau axis with a head at either end.
  const int yc = H / 2, xa = W / 4;
  DrawArrow(canvas, W / 8, yc, W - W / 8, yc);
  DrawArrow(canvas, xa, yc - H / 3, xa, yc + H / 3);
  DrawArrow(canvas, xa, yc + H / 3, xa, yc - H / 3);

  const int test = model.TestNumber;
  if (test < 3 && model.CircleCount > 0) drawCircles(canvas, tests, test, model.CircleCount, W, H);
  if (test > 1) drawCircles(canvas, tests, 1, kCirclesPerTest, W, H);
  if (test > 2) {
    drawCircles(canvas, tests, 2, kCirclesPerTest, W, H);
    // The failure lines from their vertex 15 pixels left of the tau axis.
    const int x0 = xa - 15, x1 = xa - 15 + 3 * (W / 8);
    const int rise = (3 * H) / tests.riseDivisor + tests.riseExtra;
    canvas.Pen.Color = clRed;
    DrawLine(canvas, x0, yc, x1, yc - rise);
    DrawLine(canvas, x0, yc, x1, yc + rise);
  }
}

void DrawCircleTests(Canvas& canvas, const CircleTestsModel& model, const TriaxialTests& tests) {
  const LayoutMetrics& m = Layout();
  DrawCircleTests(canvas, model, tests, m.AreaWidth, nearest(0.9L * m.AreaHeight));
}

}  // namespace kavenor
