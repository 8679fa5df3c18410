#include "lessons/consolidation/Isochrone.h"

#include <cmath>

#include "shell/Rounding.h"

namespace kavenor {

double SeriesExponent(int j, double T) {
  const double m = 2.0 * j - 1;
  const double pi = kIsochronePi;
  return m * m * (pi * pi / 4) * T;
}

int SeriesTermCount(double T) {
  if (!(T > 0)) return 0;
  int terms = 0;
  while (terms < kMaxSeriesTerms && SeriesExponent(terms + 1, T) < kSeriesExponentLimit) ++terms;
  return terms;
}

bool IsochroneModel::Tick() {
  if (AtRest()) return false;
  TimeFactor = TimeFactor + 0.001;
  ComputePressures();
  return true;
}

void IsochroneModel::ComputePressures() {
  const int n = PointCount;
  if (n < 1 || n >= kPressureSlots) return;  // no such layer to fill
  const double pi = kIsochronePi;
  const double T = TimeFactor;
  PorePressure[0] = 0;
  PorePressure[n] = 0;
  if (!(T > 0)) {
    for (int k = 1; k < n; ++k) PorePressure[k] = 1;
    return;
  }
  const int terms = SeriesTermCount(T);
  for (int k = 1; k < n; ++k) {
    const double z = 2.0 * k / n;
    double sum = 0;
    double sign = 1;
    for (int j = 1; j <= terms; ++j) {
      const double a = SeriesExponent(j, T);
      const double m = 2.0 * j - 1;
      sum = sum + std::cos(m * pi * (1 - z) / 2) * (sign * (4 / pi) / m) * std::exp(-a);
      sign = -sign;
    }
    PorePressure[k] = sum;
  }
}

IsochroneFrame IsochroneFrameOf(int W, int H) {
  return {W / 10, W - W / 10, H / 10, H - H / 10};
}

void DrawIsochrone(Canvas& canvas, const IsochroneModel& model, int W, int H) {
  const IsochroneFrame f = IsochroneFrameOf(W, H);
  canvas.SetSize(W, H);
  canvas.Pen.Style = PenStyle::Solid;
  canvas.Pen.Width = 1;
  canvas.Pen.Color = clBlack;
  canvas.Brush.Style = BrushStyle::Solid;
  canvas.Brush.Color = clWhite;
  canvas.Rectangle(0, 0, W, H);

  canvas.MoveTo(f.left, f.bottom);  // the depth axis
  canvas.LineTo(f.left, f.top);
  canvas.Brush.Color = clYellow;  // the clay layer
  canvas.Rectangle(f.left, f.top, f.right + 1, f.bottom);

  canvas.Pen.Color = clBlue;
  canvas.Brush.Color = clBlue;
  const int n = model.PointCount;
  if (n >= 1 && n < IsochroneModel::kPressureSlots) {
    Point previous{f.left, f.top};
    for (int k = 1; k <= n; ++k) {
      const Point p{f.left + nearest(static_cast<long double>(f.right - f.left) *
                                     model.PorePressure[k]),
                    f.top + nearest(static_cast<long double>(k) * (f.bottom - f.top) / 40)};
      const Point quad[] = {{f.left, previous.y}, previous, p, {f.left, p.y}};
      canvas.Polygon(quad);
      previous = p;
    }
  }

  canvas.Pen.Color = clBlack;  // the frame along the bitmap's edge
  canvas.MoveTo(0, 0);
  canvas.LineTo(W, 0);
  canvas.LineTo(W, H);
  canvas.LineTo(0, H);
  canvas.LineTo(0, 0);
}

}  // namespace kavenor
